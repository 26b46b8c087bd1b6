"""A small anti-aliased rasteriser for icon artwork (standard library only).

Coordinates are in pixels with (0, 0) at the top-left corner of the top-left pixel, so a shape
placed on whole numbers has crisp edges. Colours are (r, g, b) tuples of 0-255 integers; the canvas
keeps straight (not premultiplied) RGBA floats and composites each shape "over" what is there.
"""

import math

SAMPLES = 8  # sub-samples per pixel side where a shape's edge crosses the pixel


def hex_colour(text):
    text = text.lstrip("#")
    return tuple(int(text[i:i + 2], 16) for i in (0, 2, 4))


class Rect:
    """An axis-aligned rectangle; its coverage is computed exactly."""

    def __init__(self, x0, y0, x1, y1):
        self.x0, self.y0, self.x1, self.y1 = x0, y0, x1, y1

    def bounds(self):
        return self.x0, self.y0, self.x1, self.y1

    def coverage(self, px, py):
        w = min(px + 1, self.x1) - max(px, self.x0)
        h = min(py + 1, self.y1) - max(py, self.y0)
        return w * h if w > 0 and h > 0 else 0.0


class _DistanceShape:
    """A shape given by a signed distance (negative inside); edge pixels are super-sampled."""

    def coverage(self, px, py):
        d = self.distance(px + 0.5, py + 0.5)
        if d <= -0.75:
            return 1.0
        if d >= 0.75:
            return 0.0
        inside = 0
        step = 1.0 / SAMPLES
        for j in range(SAMPLES):
            y = py + (j + 0.5) * step
            for i in range(SAMPLES):
                if self.distance(px + (i + 0.5) * step, y) < 0:
                    inside += 1
        return inside / (SAMPLES * SAMPLES)


class RoundRect(_DistanceShape):
    def __init__(self, x0, y0, x1, y1, radius):
        self.x0, self.y0, self.x1, self.y1 = x0, y0, x1, y1
        self.r = min(radius, (x1 - x0) / 2, (y1 - y0) / 2)

    def bounds(self):
        return self.x0, self.y0, self.x1, self.y1

    def distance(self, x, y):
        cx, cy = (self.x0 + self.x1) / 2, (self.y0 + self.y1) / 2
        hx, hy = (self.x1 - self.x0) / 2 - self.r, (self.y1 - self.y0) / 2 - self.r
        qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - self.r


class Circle(_DistanceShape):
    def __init__(self, cx, cy, radius):
        self.cx, self.cy, self.r = cx, cy, radius

    def bounds(self):
        return self.cx - self.r, self.cy - self.r, self.cx + self.r, self.cy + self.r

    def distance(self, x, y):
        return math.hypot(x - self.cx, y - self.cy) - self.r


class Polygon(_DistanceShape):
    """A simple polygon (list of (x, y) points, either winding)."""

    def __init__(self, points):
        self.points = list(points)

    def bounds(self):
        xs = [p[0] for p in self.points]
        ys = [p[1] for p in self.points]
        return min(xs), min(ys), max(xs), max(ys)

    def distance(self, x, y):
        pts = self.points
        best = float("inf")
        inside = False
        for k in range(len(pts)):
            ax, ay = pts[k]
            bx, by = pts[k - 1]
            ex, ey = bx - ax, by - ay
            wx, wy = x - ax, y - ay
            length = ex * ex + ey * ey
            t = 0.0 if length == 0 else max(0.0, min(1.0, (wx * ex + wy * ey) / length))
            best = min(best, math.hypot(wx - ex * t, wy - ey * t))
            if (ay > y) != (by > y) and x < ax + (y - ay) * ex / ey:
                inside = not inside
        return -best if inside else best


def thick_line(x0, y0, x1, y1, width):
    """A straight stroke with square ends, as a polygon."""
    length = math.hypot(x1 - x0, y1 - y0)
    nx, ny = -(y1 - y0) / length * width / 2, (x1 - x0) / length * width / 2
    return Polygon([(x0 + nx, y0 + ny), (x1 + nx, y1 + ny), (x1 - nx, y1 - ny), (x0 - nx, y0 - ny)])


class Solid:
    def __init__(self, colour, alpha=1.0):
        self.colour, self.alpha = colour, alpha

    def at(self, _x, _y):
        return self.colour, self.alpha

    def flat(self):
        return self


class VerticalGradient:
    """Runs from `top` at y0 to `bottom` at y1; `flat()` gives its middle colour."""

    def __init__(self, top, bottom, y0, y1):
        self.top, self.bottom, self.y0, self.y1 = top, bottom, y0, y1

    def at(self, _x, y):
        t = min(1.0, max(0.0, (y - self.y0) / (self.y1 - self.y0)))
        return tuple(a + (b - a) * t for a, b in zip(self.top, self.bottom)), 1.0

    def flat(self):
        return Solid(tuple(round((a + b) / 2) for a, b in zip(self.top, self.bottom)))


class Canvas:
    """A square RGBA picture. With `smooth` False every pixel is either inside a shape or not
    (its centre decides) and gradients are flat, for the palette images of an icon file."""

    def __init__(self, size, smooth=True):
        self.size = size
        self.smooth = smooth
        self.pixels = [[(0.0, 0.0, 0.0, 0.0)] * size for _ in range(size)]

    def fill(self, shape, paint):
        if not self.smooth:
            paint = paint.flat()
        bx0, by0, bx1, by1 = shape.bounds()
        for py in range(max(0, math.floor(by0)), min(self.size, math.ceil(by1))):
            row = self.pixels[py]
            for px in range(max(0, math.floor(bx0)), min(self.size, math.ceil(bx1))):
                if self.smooth:
                    cover = shape.coverage(px, py)
                else:
                    cover = 1.0 if shape.coverage(px, py) >= 0.5 else 0.0
                if cover <= 0.0:
                    continue
                colour, alpha = paint.at(px + 0.5, py + 0.5)
                row[px] = _over(row[px], colour, alpha * cover)

    def rgba8(self):
        """Rows top to bottom of (r, g, b, a) 0-255 integers."""
        return [[(_byte(r), _byte(g), _byte(b), _byte(a * 255.0)) for r, g, b, a in row]
                for row in self.pixels]


def _byte(value):
    return max(0, min(255, int(value + 0.5)))


def _over(dst, colour, alpha):
    dr, dg, db, da = dst
    out_a = alpha + da * (1.0 - alpha)
    if out_a <= 0.0:
        return (0.0, 0.0, 0.0, 0.0)
    keep = da * (1.0 - alpha)
    return ((colour[0] * alpha + dr * keep) / out_a,
            (colour[1] * alpha + dg * keep) / out_a,
            (colour[2] * alpha + db * keep) / out_a,
            out_a)
