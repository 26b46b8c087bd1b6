"""The editor's program icon: the message-box glyph on its own."""

from glyph import message_box

OUTPUT = "app/Zembra.ico"
IMAGES = [(16, 32), (32, 32), (48, 32), (16, 8), (32, 8), (48, 8)]


def draw(canvas):
    s = canvas.size
    message_box(canvas, 0, 1 if s < 20 else (s - round(s * 0.75)) // 2, s)
