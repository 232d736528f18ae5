"""Pictures in the making: coverage masks and a premultiplied RGBA canvas.

Colours are (r, g, b, a) with channels 0-255 and alpha 0-1. A paint is a
colour or a function of the pixel centre (x, y) that returns one (gradients).
"""
import math

from . import raster


class Mask:
    """How much of each pixel a shape covers, 0 to 1."""

    def __init__(self, width, height, values=None):
        self.width, self.height = width, height
        self.values = values if values is not None else [0.0] * (width * height)

    @classmethod
    def of(cls, width, height, contours):
        return cls(width, height, raster.coverage(width, height, contours))

    def _combine(self, other, op):
        return Mask(self.width, self.height, [op(a, b) for a, b in zip(self.values, other.values)])

    def union(self, other):
        return self._combine(other, lambda a, b: a + b - a * b)

    def intersect(self, other):
        return self._combine(other, lambda a, b: a * b)

    def minus(self, other):
        return self._combine(other, lambda a, b: a * (1.0 - b))

    def shifted(self, dx, dy):
        """Moved by whole pixels; what moves out is lost."""
        w, h = self.width, self.height
        out = [0.0] * (w * h)
        for y in range(max(0, dy), min(h, h + dy)):
            for x in range(max(0, dx), min(w, w + dx)):
                out[y * w + x] = self.values[(y - dy) * w + (x - dx)]
        return Mask(w, h, out)

    def blurred(self, radius):
        """Three box passes each way: close to a Gaussian of about this radius."""
        if radius <= 0:
            return Mask(self.width, self.height, list(self.values))
        box = max(1, int(round(radius * 0.8)))
        values = self.values
        for _ in range(3):
            values = _box_rows(values, self.width, self.height, box)
            values = _box_columns(values, self.width, self.height, box)
        return Mask(self.width, self.height, values)


def _box_rows(values, w, h, r):
    out = [0.0] * (w * h)
    span = 2 * r + 1
    for y in range(h):
        row = values[y * w:(y + 1) * w]
        prefix = [0.0]
        for v in row:
            prefix.append(prefix[-1] + v)
        for x in range(w):
            lo, hi = max(0, x - r), min(w, x + r + 1)
            out[y * w + x] = (prefix[hi] - prefix[lo]) / span
    return out


def _box_columns(values, w, h, r):
    out = [0.0] * (w * h)
    span = 2 * r + 1
    for x in range(w):
        prefix = [0.0]
        for y in range(h):
            prefix.append(prefix[-1] + values[y * w + x])
        for y in range(h):
            lo, hi = max(0, y - r), min(h, y + r + 1)
            out[y * w + x] = (prefix[hi] - prefix[lo]) / span
    return out


def linear(p0, p1, stops):
    """A gradient along p0 -> p1; stops are (t, colour) with t from 0 to 1."""
    dx, dy = p1[0] - p0[0], p1[1] - p0[1]
    length2 = dx * dx + dy * dy

    def paint(x, y):
        t = ((x - p0[0]) * dx + (y - p0[1]) * dy) / length2
        return _at(stops, t)
    return paint


def radial(centre, radius, stops):
    def paint(x, y):
        return _at(stops, math.hypot(x - centre[0], y - centre[1]) / radius)
    return paint


def vertical(top, bottom, stops):
    return linear((0.0, top), (0.0, bottom), stops)


def _at(stops, t):
    if t <= stops[0][0]:
        return stops[0][1]
    for (t0, c0), (t1, c1) in zip(stops, stops[1:]):
        if t <= t1:
            return mix(c0, c1, (t - t0) / (t1 - t0))
    return stops[-1][1]


def mix(c0, c1, t):
    """Blends two colours as light does (premultiplied), so fades keep their hue."""
    a = c0[3] + (c1[3] - c0[3]) * t
    if a <= 0:
        return (c1[0], c1[1], c1[2], 0.0)
    return tuple((c0[i] * c0[3] + (c1[i] * c1[3] - c0[i] * c0[3]) * t) / a for i in range(3)) + (a,)


def with_alpha(colour, alpha):
    return (colour[0], colour[1], colour[2], alpha)


class Canvas:
    """Premultiplied RGBA pixels, composed with the usual source-over rule."""

    def __init__(self, width, height, background=None):
        self.width, self.height = width, height
        size = width * height
        self.r, self.g, self.b, self.a = [0.0] * size, [0.0] * size, [0.0] * size, [0.0] * size
        if background is not None:
            self.fill(Mask(width, height, [1.0] * size), background)

    @classmethod
    def of_pixels(cls, width, height, pixels):
        """A canvas holding 8-bit straight-alpha pixels, as pixels() gives them."""
        c = cls(width, height)
        for i, (r, g, b, a) in enumerate(pixels):
            alpha = a / 255.0
            c.r[i], c.g[i], c.b[i], c.a[i] = r * alpha, g * alpha, b * alpha, alpha
        return c

    def mask(self, contours):
        return Mask.of(self.width, self.height, contours)

    def fill(self, shape, paint, opacity=1.0):
        """Paints a mask, or the contours of a shape, with a colour or a gradient."""
        mask = shape if isinstance(shape, Mask) else self.mask(shape)
        w = self.width
        solid = None if callable(paint) else paint
        for i, m in enumerate(mask.values):
            if m <= 0.0:
                continue
            c = solid or paint(i % w + 0.5, i // w + 0.5)
            alpha = c[3] * m * opacity
            keep = 1.0 - alpha
            self.r[i] = c[0] * alpha + self.r[i] * keep
            self.g[i] = c[1] * alpha + self.g[i] * keep
            self.b[i] = c[2] * alpha + self.b[i] * keep
            self.a[i] = alpha + self.a[i] * keep
        return mask

    def shadow(self, mask, dx, dy, blur, colour):
        self.fill(mask.shifted(dx, dy).blurred(blur), colour)

    def draw(self, other, left, top):
        """Composes another canvas over this one with its top-left corner at (left, top)."""
        for y in range(other.height):
            ty = top + y
            if not 0 <= ty < self.height:
                continue
            for x in range(other.width):
                tx = left + x
                if not 0 <= tx < self.width:
                    continue
                s, d = y * other.width + x, ty * self.width + tx
                keep = 1.0 - other.a[s]
                self.r[d] = other.r[s] + self.r[d] * keep
                self.g[d] = other.g[s] + self.g[d] * keep
                self.b[d] = other.b[s] + self.b[d] * keep
                self.a[d] = other.a[s] + self.a[d] * keep

    def pixels(self):
        """8-bit straight-alpha (r, g, b, a) tuples, row by row; transparent pixels are (0, 0, 0, 0)."""
        out = []
        for r, g, b, a in zip(self.r, self.g, self.b, self.a):
            alpha = _byte(a * 255.0)
            if alpha == 0:
                out.append((0, 0, 0, 0))
            else:
                out.append((_byte(r / a), _byte(g / a), _byte(b / a), alpha))
        return out


def _byte(value):
    return 0 if value <= 0.0 else (255 if value >= 255.0 else int(value + 0.5))
