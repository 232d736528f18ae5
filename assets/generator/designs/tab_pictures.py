"""The tab strip's two pictures.

The strip background's rows are fixed: #EDEDED, then #DEDEDE rising evenly to
#EDEDED over rows 1 to 30, then #D5D5D5. The highlight sprite holds a hover
cell and a selected cell, 80 x 75 each: white that fades in from the top and
holds from row 64 down, framed by faint dark lines at the outer columns.
"""
import math

from .. import encode
from ..palette import SHADOW

STRIP_WIDTH, STRIP_HEIGHT = 10, 32
CELL_WIDTH, CELL_HEIGHT = 80, 75
FULL_ROW = 64


def strip_row_grey(y):
    if y == 0:
        return 0xED
    if y == STRIP_HEIGHT - 1:
        return 0xD5
    return 0xDE + round((0xED - 0xDE) * (y - 1) / (STRIP_HEIGHT - 3))


def tab_strip():
    pixels = [(g, g, g, 255) for y in range(STRIP_HEIGHT) for g in [strip_row_grey(y)] * STRIP_WIDTH]
    return encode.png_rgb(STRIP_WIDTH, STRIP_HEIGHT, pixels), [(STRIP_WIDTH, STRIP_HEIGHT, pixels)]


def _rise(y):
    """0 at the top, 1 from row 64 down, easing in and out."""
    t = min(1.0, y / FULL_ROW)
    return 0.5 - 0.5 * math.cos(math.pi * t)


def _cell_pixel(x, y, white, shadow):
    if x in (0, CELL_WIDTH - 1):
        return (SHADOW[0], SHADOW[1], SHADOW[2], round(shadow * _rise(y)))
    alpha = white * _rise(y)
    if x in (1, CELL_WIDTH - 2):
        alpha = min(255, alpha * 1.6)  # a lighter inner edge beside the shadow line
    return (255, 255, 255, round(alpha))


def tab_highlight():
    looks = ((34, 24), (67, 38))  # (white, shadow) of the hover and the selected cell
    pixels = [_cell_pixel(x % CELL_WIDTH, y, *looks[x // CELL_WIDTH])
              for y in range(CELL_HEIGHT) for x in range(2 * CELL_WIDTH)]
    pixels = [p if p[3] else (0, 0, 0, 0) for p in pixels]
    return encode.png_rgba(2 * CELL_WIDTH, CELL_HEIGHT, pixels), [(2 * CELL_WIDTH, CELL_HEIGHT, pixels)]
