"""The framework's caption-button skin: 729 x 20, one cell per glyph and state.

Each kind has three cells side by side (normal, hot, pressed) one pixel apart;
the framework cuts them out at y = 2, so rows 0 and 1 stay empty. Normal
glyphs are white on nothing; hot and pressed glyphs sit on a blue field, or a
red one for close. Strokes lie on whole pixels so the glyphs stay sharp.
"""
from .. import encode, shapes
from ..canvas import Canvas, Mask, with_alpha
from ..palette import BLUE_DARK, RED, RED_DARK, WHITE

WIDTH, HEIGHT = 729, 20
TOP = 2
LENGTH_WITHOUT_SIGNATURE = 14451

HOT_BLUE = (70, 146, 230, 1.0)
PRESSED_BLUE = BLUE_DARK
HOT_RED = RED
PRESSED_RED = RED_DARK


def _box(c, left, top, w, h, top_weight=1):
    """A 1-pixel frame on whole pixels, with a heavier top edge like a window's caption."""
    outer = c.mask(shapes.rect(left, top, w, h))
    inner = c.mask(shapes.rect(left + 1, top + top_weight, w - 2, h - top_weight - 1))
    return outer.minus(inner)


def close(c, x, w):
    # Ends on pixel centres, so every step of the diagonals is one solid pixel.
    cx, cy, reach = x + w / 2, 11.5, 4.0
    mask = c.mask(shapes.line((cx - reach, cy - reach), (cx + reach, cy + reach), 1.4, cap="square"))
    return mask.union(c.mask(shapes.line((cx + reach, cy - reach), (cx - reach, cy + reach), 1.4, cap="square")))


def maximize(c, x, w):
    return _box(c, x + 9, 6, 10, 10, top_weight=2)


def restore(c, x, w):
    back = _box(c, x + 11, 5, 8, 8, top_weight=2)
    front_area = c.mask(shapes.rect(x + 8, 8, 9, 9))
    return back.minus(front_area).union(_box(c, x + 9, 9, 8, 8, top_weight=2))


def minimize(c, x, w):
    return c.mask(shapes.rect(x + 9, 14, 10, 2))


def menu(c, x, w):
    arrow = c.mask(shapes.polygon([(x + 11, 9.5), (x + 17, 9.5), (x + 14, 12.5)]))
    return _box(c, x + 8, 6, 12, 10).union(arrow)


def shirt(c, x, w):
    cx = x + 14
    outline = [(cx - 2.5, 5.5), (cx - 6.5, 7.5), (cx - 8, 11), (cx - 5, 12), (cx - 5, 16.5),
               (cx + 5, 16.5), (cx + 5, 12), (cx + 8, 11), (cx + 6.5, 7.5), (cx + 2.5, 5.5)]
    collar = shapes.arc(cx, 5.5, 2.5, 0, 180)
    return c.mask(shapes.stroke(outline + collar, 1.1, join="miter", closed=True))


def bubble(c, x, w):
    body = shapes.round_rect(x + 7.5, 5.5, 13, 9, 2.5)[0]
    ring = c.mask(shapes.stroke(body, 1.0, closed=True))
    tail = c.mask(shapes.polygon([(x + 10.5, 14.2), (x + 14.5, 14.2), (x + 10.5, 17.5)]))
    dots = Mask(c.width, c.height)
    for dx in (11, 14, 17):
        dots = dots.union(c.mask(shapes.rect(x + dx, 9.5, 1, 1)))
    return ring.union(tail).union(dots)


def gear(c, x, w):
    cx, cy = x + 14, 11.0
    points = []
    for tooth in range(8):
        base = tooth * 45 - 22.5
        points += shapes.arc(cx, cy, 4.6, base - 10, base + 10)
        points += shapes.arc(cx, cy, 6.4, base + 16, base + 29)
    body = c.mask([points])
    return body.minus(c.mask(shapes.circle(cx, cy, 2.0)))


# (kind, glyph width, x of the normal cell, how to draw it), in the order of the skin.
CELLS = [
    (4, 39, 0, close),
    (8, 28, 120, maximize),
    (8, 28, 207, restore),
    (16, 28, 294, minimize),
    (32, 28, 381, menu),
    (64, 28, 468, shirt),
    (128, 28, 555, bubble),
    (256, 28, 642, gear),
]


def caption_skin():
    c = Canvas(WIDTH, HEIGHT)
    for kind, width, normal_x, draw in CELLS:
        hot_field, pressed_field = (HOT_RED, PRESSED_RED) if kind == 4 else (HOT_BLUE, PRESSED_BLUE)
        for state, field in enumerate((None, hot_field, pressed_field)):
            x = normal_x + state * (width + 1)
            if field is not None:
                c.fill(shapes.rect(x, TOP, width, HEIGHT - TOP), field)
                c.fill(shapes.rect(x, TOP, width, 1), with_alpha(WHITE, 0.18 if state == 1 else 0.08))
            c.fill(draw(c, x, width), WHITE)
    pixels = c.pixels()
    data = encode.without_signature(encode.png_rgba(WIDTH, HEIGHT, pixels, LENGTH_WITHOUT_SIGNATURE + 8))
    return data, [(WIDTH, HEIGHT, pixels)]
