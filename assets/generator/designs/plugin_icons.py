"""The two search plug-ins' tab icons, 48 x 48: the logo's tile, tinted, with a
white emblem. They sit on the light tab strip above the tab's title."""
from .. import encode, font, shapes
from ..canvas import Canvas, with_alpha
from ..palette import AMBER, AMBER_DARK, BLUE, BLUE_DARK, BLUE_LIGHT, SHADOW, WHITE
from ..text import heading
from .tile import tile

SIZE = 48


def _cloud(c):
    parts = [shapes.circle(19, 26, 7.5), shapes.circle(27.5, 22, 9.5), shapes.circle(34.5, 27.5, 6),
             shapes.round_rect(11.5, 24, 29, 10, 5)]
    mask = c.mask(parts[0])
    for part in parts[1:]:
        mask = mask.union(c.mask(part))
    lens = c.mask(shapes.ring(26, 27.5, 5.2, 3.2)).union(
        c.mask(shapes.line((29.6, 31.1), (33, 34.5), 2.4)))
    c.shadow(mask, 0, 1, 1.2, with_alpha(SHADOW, 0.25))
    c.fill(mask, WHITE)
    c.fill(lens, BLUE)


def nimbra_icon():
    """Cloud emblem: the cloud-disk search."""
    c = Canvas(SIZE, SIZE)
    tile(c, SIZE, 3, BLUE_LIGHT, BLUE_DARK, shine=True)
    _cloud(c)
    pixels = c.pixels()
    return encode.ico([(SIZE, pixels)]), [(SIZE, SIZE, pixels)]


def magla_icon():
    """Two-letter emblem: the magnet-link search."""
    c = Canvas(SIZE, SIZE)
    tile(c, SIZE, 3, AMBER, AMBER_DARK, shine=True)
    left = (SIZE - font.outline_width("BT", 22)) / 2 - 0.5
    letters, _ = heading(SIZE, SIZE, "BT", 22, left, 32, weight=0.9)
    c.shadow(letters, 0, 1, 1, with_alpha(AMBER_DARK, 0.8))
    c.fill(letters, WHITE)
    pixels = c.pixels()
    return encode.ico([(SIZE, pixels)]), [(SIZE, SIZE, pixels)]
