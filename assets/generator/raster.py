"""Anti-aliased coverage of filled outlines.

Every edge adds the exact area it covers in each pixel it crosses to an
accumulation buffer (signed by its direction); a running sum along each row
then gives the coverage. Contours of one call combine by the non-zero rule as
long as holes run against their outline, which is how every shape builder in
this package makes them. Pixel (x, y) is the square from (x, y) to
(x + 1, y + 1).
"""
import math


def coverage(width, height, contours):
    """Coverage in [0, 1] of each pixel, row by row, for closed polygons."""
    stride = width + 2
    acc = [0.0] * (stride * height + 2)
    for contour in contours:
        count = len(contour)
        for i in range(count):
            x0, y0 = contour[i]
            x1, y1 = contour[(i + 1) % count]
            for piece in _clip_to_columns(x0, y0, x1, y1, width):
                _add_edge(acc, stride, height, *piece)
    out = []
    for y in range(height):
        total = 0.0
        row = y * stride
        for x in range(width):
            total += acc[row + x]
            value = -total if total < 0 else total
            out.append(1.0 if value > 1.0 else value)
    return out


def _clip_to_columns(x0, y0, x1, y1, width):
    """Splits an edge where it leaves [0, width] and pins the outer parts to the border.

    A part left of the picture still counts as an edge at x = 0, so whatever it
    encloses to its right stays covered; a part right of it lands in the spare
    columns of the accumulation buffer.
    """
    cuts = [0.0, 1.0]
    if x0 != x1:
        for bound in (0.0, float(width)):
            t = (bound - x0) / (x1 - x0)
            if 0.0 < t < 1.0:
                cuts.append(t)
    cuts.sort()
    pieces = []
    for a, b in zip(cuts, cuts[1:]):
        xa, ya = x0 + (x1 - x0) * a, y0 + (y1 - y0) * a
        xb, yb = x0 + (x1 - x0) * b, y0 + (y1 - y0) * b
        pieces.append((_pin(xa, width), ya, _pin(xb, width), yb))
    return pieces


def _pin(x, width):
    return 0.0 if x < 0.0 else (float(width) if x > width else x)


def _add_edge(acc, stride, height, x0, y0, x1, y1):
    if y0 == y1:
        return
    direction = 1.0
    if y0 > y1:
        direction = -1.0
        x0, y0, x1, y1 = x1, y1, x0, y0
    dxdy = (x1 - x0) / (y1 - y0)
    for y in range(max(0, math.floor(y0)), min(height, math.ceil(y1))):
        top = max(float(y), y0)
        bottom = min(y + 1.0, y1)
        if bottom <= top:
            continue
        xa = x0 + (top - y0) * dxdy
        xb = x0 + (bottom - y0) * dxdy
        _add_row_span(acc, y * stride, xa, xb, (bottom - top) * direction)


def _add_row_span(acc, row, xa, xb, d):
    """Adds one edge piece that crosses a single pixel row from xa to xb."""
    left, right = (xa, xb) if xa < xb else (xb, xa)
    left_floor = math.floor(left)
    li = int(left_floor)
    right_ceil = math.ceil(right)
    ri = int(right_ceil)
    if ri <= li + 1:
        mid = 0.5 * (xa + xb) - left_floor
        acc[row + li] += d - d * mid
        acc[row + li + 1] += d * mid
        return
    slope = 1.0 / (right - left)
    lf = left - left_floor
    a0 = 0.5 * slope * (1.0 - lf) ** 2
    rf = right - right_ceil + 1.0
    am = 0.5 * slope * rf * rf
    acc[row + li] += d * a0
    if ri == li + 2:
        acc[row + li + 1] += d * (1.0 - a0 - am)
    else:
        a1 = slope * (1.5 - lf)
        acc[row + li + 1] += d * (a1 - a0)
        for xi in range(li + 2, ri - 1):
            acc[row + xi] += d * slope
        a2 = a1 + (ri - li - 3) * slope
        acc[row + ri - 1] += d * (1.0 - a2 - am)
    acc[row + ri] += d * am
