"""The program logo: a light tile with a blue magnifying glass and a warm handle.

Drawn afresh for each icon size; the smallest sizes drop the detail inside
the lens and keep strokes on whole pixels so they stay sharp.
"""
from .. import encode, shapes
from ..canvas import Canvas, linear, with_alpha
from ..palette import AMBER, AMBER_DARK, BLUE, BLUE_DARK, BLUE_LIGHT, BLUE_MIST, BLUE_PALE, WHITE
from .tile import tile

SIZES = (128, 64, 48, 32, 16)


def magnifier(c, size, cx, cy, radius, ring, detail):
    grip = size * 0.125
    end = (size * 0.80, size * 0.80)
    start = (cx + radius * 0.62, cy + radius * 0.62)
    handle = shapes.line(start, end, grip)
    c.fill(handle, linear(start, end, [(0, AMBER), (1, AMBER_DARK)]))
    lens = shapes.circle(cx, cy, radius - ring / 2)
    c.fill(lens, linear((cx, cy - radius), (cx, cy + radius), [(0, WHITE), (1, BLUE_MIST)]))
    inner = radius - ring
    if detail:
        for i, width in enumerate((1.0, 0.62, 0.82)):
            y = cy - inner * 0.22 + i * inner * 0.30
            x0 = cx - inner * 0.50
            c.fill(shapes.line((x0, y), (x0 + inner * width, y), inner * 0.16), BLUE_PALE)
    c.fill(shapes.ring(cx, cy, radius, inner),
           linear((cx - radius, cy - radius), (cx + radius, cy + radius),
                  [(0, BLUE_LIGHT), (0.45, BLUE), (1, BLUE_DARK)]))


def image(size):
    c = Canvas(size, size)
    margin = {128: 7, 64: 4, 48: 3, 32: 2, 16: 0}[size]
    tile(c, size, margin, WHITE, BLUE_MIST, edge=with_alpha(BLUE_PALE, 0.9), shadow=size >= 32)
    ring = max(2.0, size * 0.085)
    magnifier(c, size, size * 0.44, size * 0.44, size * 0.245, ring, detail=size >= 48)
    return c.pixels()


def logo_ico():
    images = [(s, image(s)) for s in SIZES]
    return encode.ico(images), [(s, s, pixels) for s, pixels in images]
