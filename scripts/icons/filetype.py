"""The icon of ".zembra" documents: a page carrying the message-box glyph. The shell wants it as
a 32-pixel image in 16 colours and a 64-pixel image in 256 colours."""

from glyph import message_box, page

OUTPUT = "installer/payload/FileType Icon.ico"
IMAGES = [(32, 4), (64, 8)]


def draw(canvas):
    s = canvas.size
    unit = s / 32
    page(canvas, round(5 * unit), round(1 * unit), round(27 * unit), s - round(1 * unit),
         round(7 * unit))
    w = round(22 * unit)
    message_box(canvas, round(2 * unit), s - round(3 * unit) - round(w * 0.75), w)
