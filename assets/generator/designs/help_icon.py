"""The action button's picture (Img 4): a white question mark in a white ring,
beside the button's caption ("使用帮助" in the delivered settings)."""
from .. import encode, shapes
from ..canvas import Canvas, with_alpha
from ..palette import SHADOW, WHITE

SIZE = 32


def help_icon():
    c = Canvas(SIZE, SIZE)
    glyph = c.mask(shapes.ring(16, 16, 12.5, 10.5))
    hook = shapes.stroke(shapes.arc(16, 13, 3.9, 190, 360) + shapes.arc(16, 13, 3.9, 0, 60)
                         + [(16.0, 18.2)], 2.6, cap="round", join="round")
    glyph = glyph.union(c.mask(hook)).union(c.mask(shapes.circle(16, 22.2, 1.6)))
    c.shadow(glyph, 0, 1, 1.5, with_alpha(SHADOW, 0.30))
    c.fill(glyph, WHITE)
    pixels = c.pixels()
    return encode.ico([(SIZE, pixels)]), [(SIZE, SIZE, pixels)]
