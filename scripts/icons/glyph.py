"""The product's shared artwork: its palette, the message-box glyph (a window with a title bar,
an alert mark, two lines of text and a button), the document page and the round badges that the
installer and the uninstaller put on the glyph. Every measure is rounded to whole pixels so that
edges stay crisp at 16 pixels."""

from raster import Circle, Polygon, Rect, RoundRect, Solid, VerticalGradient, hex_colour, thick_line

OUTLINE = hex_colour("#263547")
BODY_TOP, BODY_BOTTOM = hex_colour("#FFFFFF"), hex_colour("#E3EAF3")
TITLE_TOP, TITLE_BOTTOM = hex_colour("#5B9BF5"), hex_colour("#1D5BC4")
MARK_TOP, MARK_BOTTOM = hex_colour("#FFC04D"), hex_colour("#EE8A0C")
MARK_EDGE = hex_colour("#B4600A")
WHITE = hex_colour("#FFFFFF")
TEXT = hex_colour("#8E9CAE")
BUTTON_TOP, BUTTON_BOTTOM = hex_colour("#FFFFFF"), hex_colour("#D4DEEA")
BUTTON_EDGE = hex_colour("#1D5BC4")
PAGE_TOP, PAGE_BOTTOM = hex_colour("#FFFFFF"), hex_colour("#EEF2F7")
PAGE_EDGE = hex_colour("#5A6A7E")
FOLD = hex_colour("#C9D3DF")
GREEN_TOP, GREEN_BOTTOM, GREEN_EDGE = hex_colour("#4CC46A"), hex_colour("#1E9445"), hex_colour("#146B31")
RED_TOP, RED_BOTTOM, RED_EDGE = hex_colour("#F2666A"), hex_colour("#CF2B31"), hex_colour("#8E1A1F")


def _radius(w):
    return 1 if w < 24 else 2 if w < 40 else 3


def message_box(canvas, x0, y0, w):
    """The glyph, `w` pixels wide and about three quarters of that high, its top-left at (x0, y0).
    Below 20 pixels it is a little taller, to give the mark room for its point."""
    h = w - 3 if w < 20 else round(w * 0.75)
    x1, y1 = x0 + w, y0 + h
    r = _radius(w)
    if w >= 40:  # a soft shadow below and to the right
        canvas.fill(RoundRect(x0 + 1, y0 + 2, x1 + 1, y1 + 2, r + 1), Solid(OUTLINE, 0.12))
        canvas.fill(RoundRect(x0 + 1, y0 + 1, x1 + 0.5, y1 + 1, r), Solid(OUTLINE, 0.2))
    canvas.fill(RoundRect(x0, y0, x1, y1, r), Solid(OUTLINE))
    title = 2 if w < 20 else round(w * 0.15)
    body_top = y0 + 1 + title
    canvas.fill(RoundRect(x0 + 1, y0 + 1, x1 - 1, body_top + r, r - 0.5),
                VerticalGradient(TITLE_TOP, TITLE_BOTTOM, y0 + 1, body_top))
    canvas.fill(RoundRect(x0 + 1, body_top, x1 - 1, y1 - 1, max(0, r - 1)),
                VerticalGradient(BODY_TOP, BODY_BOTTOM, body_top, y1 - 1))
    if w >= 32:  # a title-bar highlight and the close box
        canvas.fill(Rect(x0 + 1 + r, y0 + 1, x1 - 1 - r, y0 + 2), Solid(WHITE, 0.35))
        c = max(2, round(w / 12))
        cx1 = x1 - 1 - max(2, round(w / 16))
        cy0 = y0 + 1 + (title - c) // 2
        canvas.fill(Rect(cx1 - c, cy0, cx1, cy0 + c), Solid(WHITE, 0.85))

    pad = max(1, round(w / 12))
    body_h = y1 - 1 - body_top
    d = 7 if w < 20 else round(body_h * 0.6)
    mx0, my0 = x0 + 1 + pad, body_top + pad
    _alert_mark(canvas, mx0, my0, d)

    button_w = round(w * 0.34)
    button_h = 2 if w < 20 else round(h * 0.2)
    bx1, by1 = x1 - 1 - pad, y1 - 1 - pad
    bx0, by0 = bx1 - button_w, by1 - button_h
    if button_h < 4:
        canvas.fill(Rect(bx0, by0, bx1, by1), Solid(BUTTON_EDGE))
    else:
        canvas.fill(RoundRect(bx0, by0, bx1, by1, 1.5), Solid(BUTTON_EDGE))
        canvas.fill(RoundRect(bx0 + 1, by0 + 1, bx1 - 1, by1 - 1, 1),
                    VerticalGradient(BUTTON_TOP, BUTTON_BOTTOM, by0 + 1, by1 - 1))
        inset = max(2, round(button_w / 4))
        mid = (by0 + by1) // 2
        canvas.fill(Rect(bx0 + inset, mid, bx1 - inset, mid + 1), Solid(OUTLINE, 0.6))

    line = max(1, round(h / 16))
    tx0 = mx0 + d + pad
    tx1 = x1 - 1 - pad
    gap = max(2, line * 2)
    for k, (start, end) in enumerate(((tx0, tx1), (tx0, tx1 - max(1, (tx1 - tx0) // 3)))):
        ty = my0 + max(0, (d // 4)) + k * gap
        if ty + line > by0 - 1 or end - start < 2:
            break
        canvas.fill(Rect(start, ty, end, ty + line), Solid(TEXT))
    return x1, y1


def _alert_mark(canvas, x0, y0, d):
    """A round amber mark with a white exclamation point, `d` pixels across."""
    cx, cy, radius = x0 + d / 2, y0 + d / 2, d / 2
    if d >= 9:
        canvas.fill(Circle(cx, cy, radius), Solid(MARK_EDGE))
        canvas.fill(Circle(cx, cy, radius - 1), VerticalGradient(MARK_TOP, MARK_BOTTOM, y0, y0 + d))
    else:
        canvas.fill(Circle(cx, cy, radius), VerticalGradient(MARK_TOP, MARK_BOTTOM, y0, y0 + d))
    if d < 9:  # one pixel wide: the stem down to three rows from the bottom, a gap, the dot
        sx0 = int(cx)
        canvas.fill(Rect(sx0, y0 + 1, sx0 + 1, y0 + d - 3), Solid(WHITE))
        canvas.fill(Rect(sx0, y0 + d - 2, sx0 + 1, y0 + d - 1), Solid(WHITE))
        return
    stem = max(1, round(d / 6))
    sx0 = round(cx - stem / 2)
    top = y0 + max(1, round(d * 0.2))
    dot = y0 + d - max(1, round(d * 0.2)) - stem
    bottom = dot - max(1, round(d / 10))
    canvas.fill(Rect(sx0, top, sx0 + stem, bottom), Solid(WHITE))
    canvas.fill(Rect(sx0, dot, sx0 + stem, dot + stem), Solid(WHITE))


def page(canvas, x0, y0, x1, y1, fold):
    """A document page with its top-right corner folded over by `fold` pixels."""
    outline = Polygon([(x0, y0), (x1 - fold, y0), (x1, y0 + fold), (x1, y1), (x0, y1)])
    canvas.fill(outline, Solid(PAGE_EDGE))
    inner = Polygon([(x0 + 1, y0 + 1), (x1 - fold - 0.41, y0 + 1), (x1 - 1, y0 + fold + 0.41),
                     (x1 - 1, y1 - 1), (x0 + 1, y1 - 1)])
    canvas.fill(inner, VerticalGradient(PAGE_TOP, PAGE_BOTTOM, y0, y1))
    flap = Polygon([(x1 - fold, y0), (x1, y0 + fold), (x1 - fold, y0 + fold)])
    canvas.fill(flap, Solid(PAGE_EDGE))
    canvas.fill(Polygon([(x1 - fold + 1, y0 + 2.41), (x1 - 2.41, y0 + fold - 1),
                         (x1 - fold + 1, y0 + fold - 1)]), Solid(FOLD))


def badge(canvas, cx, cy, d, top, bottom, edge):
    """A round badge `d` pixels across centred on (cx, cy), ringed in white from 12 pixels up;
    returns its radius."""
    radius = d / 2
    if d >= 12:
        canvas.fill(Circle(cx, cy, radius + 1), Solid(WHITE))
    canvas.fill(Circle(cx, cy, radius), Solid(edge))
    canvas.fill(Circle(cx, cy, radius - 1), VerticalGradient(top, bottom, cy - radius, cy + radius))
    return radius


def removal_mark(canvas, cx, cy, d):
    """A red badge with a white cross."""
    radius = badge(canvas, cx, cy, d, RED_TOP, RED_BOTTOM, RED_EDGE)
    if d < 12:  # an even badge on a pixel corner: whole pixels along both diagonals
        arm = round(radius / 2)
        for i in range(-arm, arm):
            canvas.fill(Rect(cx + i, cy + i, cx + i + 1, cy + i + 1), Solid(WHITE))
            canvas.fill(Rect(cx + i, cy - i - 1, cx + i + 1, cy - i), Solid(WHITE))
        return
    arm = radius * 0.42
    width = max(1.5, d / 6)
    canvas.fill(thick_line(cx - arm, cy - arm, cx + arm, cy + arm, width), Solid(WHITE))
    canvas.fill(thick_line(cx - arm, cy + arm, cx + arm, cy - arm, width), Solid(WHITE))


def install_mark(canvas, cx, cy, d):
    """A green badge with a white arrow pointing down."""
    radius = badge(canvas, cx, cy, d, GREEN_TOP, GREEN_BOTTOM, GREEN_EDGE)
    if d < 12:  # an even badge on a pixel corner: a stem two pixels wide, then six, four, two
        canvas.fill(Rect(cx - 1, cy - 3, cx + 1, cy - 1), Solid(WHITE))
        for row, half in enumerate((3, 2, 1)):
            canvas.fill(Rect(cx - half, cy - 1 + row, cx + half, cy + row), Solid(WHITE))
        return
    shaft = round(d / 5)
    if shaft % 2 != d % 2:  # keep the shaft on whole pixels
        shaft += 1
    head = radius * 0.62
    top, tip = cy - radius * 0.55, cy + radius * 0.55
    neck = tip - head
    canvas.fill(Rect(cx - shaft / 2, top, cx + shaft / 2, neck + 0.5), Solid(WHITE))
    canvas.fill(Polygon([(cx - head, neck), (cx + head, neck), (cx, tip)]), Solid(WHITE))


def badge_place(s):
    """Where the installer's and uninstaller's icons of `s` pixels put the glyph and the badge:
    (glyph width, glyph top, badge diameter, badge centre on both axes). At 16 pixels the whole
    glyph stays and a small badge covers only its button; larger, the glyph moves aside."""
    if s < 24:
        return s, 1, 8, s - 4
    d = round(s * 0.5)
    return round(s * 0.875), s // 16, d, s - d / 2 - 1
