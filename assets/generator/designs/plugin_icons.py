"""The two search plug-ins' tab icons, 48 x 48: the program's tile, tinted, with
a white emblem. They sit on the light tab strip above the tab's title."""
from .. import encode, shapes
from ..canvas import Canvas, linear, with_alpha
from ..palette import AMBER, AMBER_DARK, BLUE, BLUE_DARK, BLUE_LIGHT, SHADOW, WHITE
from ..text import heading

SIZE = 48


def _tinted_tile(c, top, bottom):
    margin = 3
    box = SIZE - 2 * margin
    outline = c.mask(shapes.round_rect(margin, margin, box, box, box * 0.23))
    c.shadow(outline, 0, 1, 1.5, with_alpha(SHADOW, 0.35))
    c.fill(outline, linear((0, margin), (0, SIZE - margin), [(0, top), (1, bottom)]))
    shine = shapes.round_rect(margin + 1, margin + 1, box - 2, box * 0.48, box * 0.2)
    c.fill(shine, linear((0, margin), (0, margin + box * 0.5),
                         [(0, with_alpha(WHITE, 0.22)), (1, with_alpha(WHITE, 0.0))]))


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
    _tinted_tile(c, BLUE_LIGHT, BLUE_DARK)
    _cloud(c)
    pixels = c.pixels()
    return encode.ico([(SIZE, pixels)]), [(SIZE, SIZE, pixels)]


def magla_icon():
    """Two-letter emblem: the magnet-link search."""
    c = Canvas(SIZE, SIZE)
    _tinted_tile(c, AMBER, AMBER_DARK)
    letters, width = heading(SIZE, SIZE, "BT", 22, 0, 0)
    letters, width = heading(SIZE, SIZE, "BT", 22, (SIZE - width) / 2 - 0.5, 32, weight=0.9)
    c.shadow(letters, 0, 1, 1, with_alpha(AMBER_DARK, 0.8))
    c.fill(letters, WHITE)
    pixels = c.pixels()
    return encode.ico([(SIZE, pixels)]), [(SIZE, SIZE, pixels)]
