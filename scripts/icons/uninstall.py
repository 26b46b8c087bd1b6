"""The uninstaller's icon: the message-box glyph with a red removal mark."""

from glyph import badge_place, message_box, removal_mark

OUTPUT = "uninstaller/Uninstall.ico"
IMAGES = [(16, 32), (32, 32), (48, 32), (16, 8), (32, 8), (48, 8)]


def draw(canvas):
    glyph_width, glyph_top, d, centre = badge_place(canvas.size)
    message_box(canvas, 0, glyph_top, glyph_width)
    removal_mark(canvas, centre, centre, d)
