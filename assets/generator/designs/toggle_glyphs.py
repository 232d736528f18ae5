"""Check-box and radio-button glyphs: 68 x 17, four 17 x 17 cells (unchecked,
unchecked hot, checked, checked hot), stored without the PNG signature, which
the framework puts back before decoding."""
from .. import encode, shapes
from ..canvas import Canvas, linear
from ..palette import BLUE, BLUE_DARK, BLUE_LIGHT, BLUE_MIST, GREY_MIST, WHITE

CELL = 17
LIGHTER_BLUE = (124, 184, 246, 1.0)

# (top fill, bottom fill, border, checked)
CELLS = [
    (WHITE, GREY_MIST, (132, 145, 162, 1.0), False),
    (WHITE, BLUE_MIST, BLUE, False),
    (BLUE_LIGHT, BLUE, BLUE_DARK, True),
    (LIGHTER_BLUE, BLUE_LIGHT, BLUE, True),
]


def _glyphs(outline, ring, mark):
    c = Canvas(4 * CELL, CELL)
    for i, (top, bottom, border, checked) in enumerate(CELLS):
        x = i * CELL
        c.fill(outline(x), linear((0, 2), (0, 15), [(0, top), (1, bottom)]))
        c.fill(ring(x), border)
        if checked:
            c.fill(mark(x), WHITE)
    pixels = c.pixels()
    data = encode.without_signature(encode.png_rgba(4 * CELL, CELL, pixels))
    return data, [(4 * CELL, CELL, pixels)]


def check_glyphs():
    return _glyphs(
        lambda x: shapes.round_rect(x + 2, 2, 13, 13, 2.5),
        lambda x: shapes.frame(x + 2, 2, 13, 13, 2.5, 1.0),
        lambda x: shapes.stroke([(x + 5.0, 8.6), (x + 7.6, 11.2), (x + 12.2, 5.9)], 1.9,
                                cap="round", join="round"))


def radio_glyphs():
    return _glyphs(
        lambda x: shapes.circle(x + 8.5, 8.5, 6.5),
        lambda x: shapes.ring(x + 8.5, 8.5, 6.5, 5.5),
        lambda x: shapes.circle(x + 8.5, 8.5, 2.6))
