"""The glow button's skin: 55 x 28, four 13 x 28 pieces one pixel apart
(normal, hot, pressed, and a spare light one). The framework stretches each
piece as a nine-patch around its middle (x 5-7, y 5-19), so the middles are
plain vertical gradients and the corners fit in five pixels.
"""
from .. import encode, shapes
from ..canvas import Canvas, linear, with_alpha
from ..palette import BLUE, SHADOW, WHITE

WIDTH, HEIGHT = 55, 28
PIECE = 13

# (top fill, bottom fill, border)
LOOKS = [
    ((253, 254, 255, 1.0), (231, 237, 245, 1.0), (158, 172, 190, 1.0)),   # normal
    ((245, 250, 255, 1.0), (212, 230, 251, 1.0), BLUE),                  # hot
    ((196, 212, 233, 1.0), (216, 228, 243, 1.0), (92, 122, 160, 1.0)),   # pressed
    ((255, 255, 255, 1.0), (243, 247, 252, 1.0), (196, 207, 220, 1.0)),  # spare
]


def glow_button():
    c = Canvas(WIDTH, HEIGHT)
    for i, (top, bottom, border) in enumerate(LOOKS):
        x = i * (PIECE + 1)
        body = c.mask(shapes.round_rect(x, 0, PIECE, 26, 4))
        c.fill(body.shifted(0, 1).minus(body), with_alpha(SHADOW, 0.18))
        c.fill(body, linear((0, 0), (0, 26), [(0, top), (1, bottom)]))
        c.fill(shapes.frame(x, 0, PIECE, 26, 4, 1.0), border)
        if i != 2:
            c.fill(shapes.rect(x + 2, 1, PIECE - 4, 1), with_alpha(WHITE, 0.9))
    pixels = c.pixels()
    return encode.png_rgba(WIDTH, HEIGHT, pixels), [(WIDTH, HEIGHT, pixels)]
