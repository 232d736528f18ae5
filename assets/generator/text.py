"""Text shapes shared by the pictures: emboldened outlines for headings."""
from . import font, shapes
from .canvas import Mask


def heading(width, height, text, size, x, baseline, weight=0.0, spacing=0.0):
    """A mask of outline text, thickened by `weight` pixels on every edge."""
    contours, advance = font.outline_text(text, size, x, baseline, spacing)
    mask = Mask.of(width, height, contours)
    if weight > 0:
        edges = [c for contour in contours for c in shapes.stroke(contour, 2 * weight, closed=True, join="round")]
        mask = mask.union(Mask.of(width, height, edges))
    return mask, advance
