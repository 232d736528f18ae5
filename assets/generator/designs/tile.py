"""The rounded tile the icons stand on: the logo's is light, the plug-ins' are
tinted, all with the same corners, shadow and gradient direction."""
from .. import shapes
from ..canvas import linear, with_alpha
from ..palette import SHADOW, WHITE


def tile(c, size, margin, top, bottom, edge=None, shine=False, shadow=True):
    box = size - 2 * margin
    radius = box * 0.23
    mask = c.mask(shapes.round_rect(margin, margin, box, box, radius))
    if shadow:
        c.shadow(mask, 0, max(1, round(size / 48)), size / 36, with_alpha(SHADOW, 0.38))
    c.fill(mask, linear((0, margin), (0, size - margin), [(0, top), (1, bottom)]))
    if shine:
        glow = shapes.round_rect(margin + 1, margin + 1, box - 2, box * 0.48, radius - 1)
        c.fill(glow, linear((0, margin), (0, margin + box * 0.5),
                            [(0, with_alpha(WHITE, 0.22)), (1, with_alpha(WHITE, 0.0))]))
    if edge is not None:
        c.fill(shapes.frame(margin, margin, box, box, radius, max(1.0, size / 64)), edge)
