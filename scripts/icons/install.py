"""The installer's icon: the message-box glyph with a green arrow coming down into place."""

from glyph import badge_place, install_mark, message_box

OUTPUT = "installer/Install.ico"
IMAGES = [(16, 32), (32, 32), (48, 32), (16, 8), (32, 8), (48, 8)]


def draw(canvas):
    glyph_width, glyph_top, d, centre = badge_place(canvas.size)
    message_box(canvas, 0, glyph_top, glyph_width)
    install_mark(canvas, centre, centre, d)
