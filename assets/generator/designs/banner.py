"""The banner beside the logo: the product's name and what it searches, in white
on a transparent ground, so it sits on the host's coloured caption area.

The host shows it at two thirds of its size, so nothing here is smaller than
about 20 pixels.
"""
from .. import encode, shapes
from ..canvas import Canvas, with_alpha
from ..palette import SHADOW, WHITE
from ..text import heading

WIDTH, HEIGHT = 537, 76
LENGTH = 41607


def banner():
    c = Canvas(WIDTH, HEIGHT)
    title, title_width = heading(WIDTH, HEIGHT, "资源搜索", 46, 4, 55, weight=0.8, spacing=2)
    c.shadow(title, 0, 2, 3, with_alpha(SHADOW, 0.30))
    c.fill(title, WHITE)

    rule_x = 4 + title_width + 20
    c.fill(shapes.rect(rule_x, 20, 1.5, 38), with_alpha(WHITE, 0.45))

    line1, _ = heading(WIDTH, HEIGHT, "网盘 · 磁力 · 一搜即得", 22, rule_x + 20, 39, weight=0.25)
    c.shadow(line1, 0, 1, 2, with_alpha(SHADOW, 0.25))
    c.fill(line1, WHITE)
    line2, _ = heading(WIDTH, HEIGHT, "RESOURCE  SEARCH", 15, rule_x + 21, 62, weight=0.2, spacing=1.6)
    c.fill(line2, with_alpha(WHITE, 0.62))

    _ripples(c, 503, 38)
    pixels = c.pixels()
    return encode.png_rgba(WIDTH, HEIGHT, pixels, LENGTH), [(WIDTH, HEIGHT, pixels)]


def _ripples(c, cx, cy):
    """Quiet rings spreading from a point: a search going out."""
    for radius, alpha in ((8, 0.55), (16, 0.34), (24, 0.2), (32, 0.1)):
        c.fill(shapes.ring(cx, cy, radius + 0.9, radius - 0.9), with_alpha(WHITE, alpha))
    c.fill(shapes.circle(cx, cy, 3.2), with_alpha(WHITE, 0.9))
