"""The message box's pictures: five state symbols (40 x 40 cells: error,
warning, question, information, success) and the light 2 x 160 strip the box
is painted from (a top panel, a middle drawn mirrored and stretched, and a
button band from row 129 down)."""
from .. import encode, shapes
from ..canvas import Canvas, linear, with_alpha
from ..palette import (AMBER, AMBER_DARK, BLUE_DARK, BLUE_LIGHT, GREEN, GREEN_DARK, RED,
                       RED_DARK, SHADOW, WHITE)

CELL = 40
STRIP_WIDTH, STRIP_HEIGHT = 2, 160


def _disc(c, x, light, dark):
    disc = c.mask(shapes.circle(x + 20, 19.5, 16.5))
    c.shadow(disc, 0, 1, 1.5, with_alpha(SHADOW, 0.30))
    c.fill(disc, linear((0, 3), (0, 36), [(0, light), (1, dark)]))
    c.fill(shapes.ring(x + 20, 19.5, 16.5, 15.5), with_alpha(dark, 0.6))


def _error(c, x):
    _disc(c, x, RED, RED_DARK)
    cross = c.mask(shapes.line((x + 14, 13.5), (x + 26, 25.5), 3.4)).union(
        c.mask(shapes.line((x + 26, 13.5), (x + 14, 25.5), 3.4)))
    c.fill(cross, WHITE)


def _warning(c, x):
    corners = [(x + 20, 5.5), (x + 35.5, 33), (x + 4.5, 33)]
    triangle = c.mask(shapes.stroke(corners, 5, join="round", closed=True)).union(c.mask([corners]))
    c.shadow(triangle, 0, 1, 1.5, with_alpha(SHADOW, 0.30))
    c.fill(triangle, linear((0, 3), (0, 36), [(0, AMBER), (1, AMBER_DARK)]))
    mark = c.mask(shapes.line((x + 20, 14), (x + 20, 24), 3.4)).union(c.mask(shapes.circle(x + 20, 29.5, 2)))
    c.fill(mark, WHITE)


def question_mark(c, cx, top, size):
    """A question mark `size` pixels tall whose top is at `top`."""
    r = size * 0.24
    hook = shapes.stroke(shapes.arc(cx, top + r + size * 0.06, r, 190, 420) + [(cx, top + size * 0.70)],
                         size * 0.17, cap="round", join="round")
    return c.mask(hook).union(c.mask(shapes.circle(cx, top + size * 0.93, size * 0.1)))


def _question(c, x):
    _disc(c, x, BLUE_LIGHT, BLUE_DARK)
    c.fill(question_mark(c, x + 20, 8.5, 21), WHITE)


def _information(c, x):
    _disc(c, x, BLUE_LIGHT, BLUE_DARK)
    mark = c.mask(shapes.circle(x + 20, 11.8, 2.2)).union(c.mask(shapes.line((x + 20, 17.5), (x + 20, 28), 3.6)))
    c.fill(mark, WHITE)


def _success(c, x):
    _disc(c, x, GREEN, GREEN_DARK)
    tick = shapes.stroke([(x + 12.5, 20), (x + 18, 25.5), (x + 28, 14)], 3.4, cap="round", join="round")
    c.fill(tick, WHITE)


def state_pictures():
    c = Canvas(5 * CELL, CELL)
    for i, draw in enumerate((_error, _warning, _question, _information, _success)):
        draw(c, i * CELL)
    pixels = c.pixels()
    return encode.png_rgba(5 * CELL, CELL, pixels), [(5 * CELL, CELL, pixels)]


PANEL_TOP = (255, 255, 255)
PANEL = (246, 249, 253)
BAND_LINE = (216, 225, 236)
BAND_TOP, BAND_BOTTOM = (238, 243, 249), (229, 236, 245)


def _strip_colour(y):
    if y < 76:
        t = y / 75
        return tuple(round(a + (b - a) * t) for a, b in zip(PANEL_TOP, PANEL))
    if y < 129:
        return PANEL
    if y == 129:
        return BAND_LINE
    t = (y - 130) / (STRIP_HEIGHT - 131)
    return tuple(round(a + (b - a) * t) for a, b in zip(BAND_TOP, BAND_BOTTOM))


def background_strip():
    pixels = [_strip_colour(y) + (255,) for y in range(STRIP_HEIGHT) for _ in range(STRIP_WIDTH)]
    return encode.png_rgb(STRIP_WIDTH, STRIP_HEIGHT, pixels), [(STRIP_WIDTH, STRIP_HEIGHT, pixels)]
