"""Outlines of the shapes the pictures are made of, as lists of closed contours.

Coordinates are pixels with y pointing down; angles are degrees, growing
clockwise on screen from the +x axis. Outlines run clockwise and holes run
against them, so a ring or a stroked frame fills correctly in one pass.
"""
import math


def rect(x, y, w, h):
    return [[(x, y), (x + w, y), (x + w, y + h), (x, y + h)]]


def round_rect(x, y, w, h, r):
    r = min(r, w / 2, h / 2)
    if r <= 0:
        return rect(x, y, w, h)
    points = []
    points += arc(x + w - r, y + r, r, -90, 0)
    points += arc(x + w - r, y + h - r, r, 0, 90)
    points += arc(x + r, y + h - r, r, 90, 180)
    points += arc(x + r, y + r, r, 180, 270)
    return [points]


def ellipse(cx, cy, rx, ry):
    return [arc_ellipse(cx, cy, rx, ry, 0, 360)[:-1]]


def circle(cx, cy, r):
    return ellipse(cx, cy, r, r)


def ring(cx, cy, outer, inner):
    return circle(cx, cy, outer) + [list(reversed(circle(cx, cy, inner)[0]))]


def polygon(points):
    return [list(points)]


def frame(x, y, w, h, r, width):
    """A rounded rectangle's border of the given width, drawn inside the box."""
    outer = round_rect(x, y, w, h, r)[0]
    inner = round_rect(x + width, y + width, w - 2 * width, h - 2 * width, max(0.0, r - width))[0]
    return [outer, list(reversed(inner))]


def arc(cx, cy, r, start, end):
    return arc_ellipse(cx, cy, r, r, start, end)


def arc_ellipse(cx, cy, rx, ry, start, end):
    """Points along an elliptic arc, close enough together to look round at any size."""
    sweep = math.radians(end - start)
    steps = max(2, math.ceil(abs(sweep) * max(rx, ry) / 0.35), math.ceil(abs(sweep) / 0.2))
    points = []
    for i in range(steps + 1):
        t = math.radians(start) + sweep * i / steps
        points.append((cx + rx * math.cos(t), cy + ry * math.sin(t)))
    return points


def quad(p0, p1, p2):
    """A quadratic Bezier curve as points, p0 included."""
    size = abs(p0[0] - 2 * p1[0] + p2[0]) + abs(p0[1] - 2 * p1[1] + p2[1])
    steps = max(1, math.ceil(math.sqrt(size / 0.08)))
    points = []
    for i in range(steps + 1):
        t = i / steps
        u = 1 - t
        points.append((u * u * p0[0] + 2 * u * t * p1[0] + t * t * p2[0],
                       u * u * p0[1] + 2 * u * t * p1[1] + t * t * p2[1]))
    return points


def cubic(p0, p1, p2, p3):
    """A cubic Bezier curve as points, p0 included."""
    size = max(abs(p0[0] - 2 * p1[0] + p2[0]) + abs(p0[1] - 2 * p1[1] + p2[1]),
               abs(p1[0] - 2 * p2[0] + p3[0]) + abs(p1[1] - 2 * p2[1] + p3[1]))
    steps = max(1, math.ceil(math.sqrt(size / 0.05)))
    points = []
    for i in range(steps + 1):
        t = i / steps
        u = 1 - t
        a, b, c, d = u * u * u, 3 * u * u * t, 3 * u * t * t, t * t * t
        points.append((a * p0[0] + b * p1[0] + c * p2[0] + d * p3[0],
                       a * p0[1] + b * p1[1] + c * p2[1] + d * p3[1]))
    return points


def stroke(points, width, cap="butt", join="miter", closed=False):
    """The outline of a line of the given width drawn along `points`."""
    half = width / 2
    points = _without_repeats(points)
    if closed:
        if _same(points[0], points[-1]):
            points = points[:-1]
        left = _offset_side(points + points[:2], half, join)[1:-1]
        right = _offset_side(list(reversed(points)) + list(reversed(points))[:2], half, join)[1:-1]
        return [left, right]
    left = _offset_side(points, half, join)
    right = _offset_side(list(reversed(points)), half, join)
    return [left + _cap(points[-1], points[-2], half, cap) + right + _cap(points[0], points[1], half, cap)]


def line(p0, p1, width, cap="round"):
    return stroke([p0, p1], width, cap)


def arc_stroke(cx, cy, r, start, end, width, cap="round"):
    return stroke(arc(cx, cy, r, start, end), width, cap, join="round")


def translate(contours, dx, dy):
    return [[(x + dx, y + dy) for x, y in c] for c in contours]


def scale(contours, factor, ox=0.0, oy=0.0):
    return [[(ox + x * factor, oy + y * factor) for x, y in c] for c in contours]


def _same(a, b):
    return abs(a[0] - b[0]) <= 1e-9 and abs(a[1] - b[1]) <= 1e-9


def _without_repeats(points):
    kept = [points[0]]
    for p in points[1:]:
        if not _same(p, kept[-1]):
            kept.append(p)
    return kept


def _normal(a, b, half):
    dx, dy = b[0] - a[0], b[1] - a[1]
    length = math.hypot(dx, dy)
    return (-dy / length * half, dx / length * half)


def _offset_side(points, half, join):
    """One side of a stroke: the points shifted to the left of the direction of travel."""
    out = []
    n0 = _normal(points[0], points[1], half)
    out.append((points[0][0] + n0[0], points[0][1] + n0[1]))
    for i in range(1, len(points) - 1):
        prev, here, nxt = points[i - 1], points[i], points[i + 1]
        na, nb = _normal(prev, here, half), _normal(here, nxt, half)
        turn = (here[0] - prev[0]) * (nxt[1] - here[1]) - (here[1] - prev[1]) * (nxt[0] - here[0])
        outer = turn < 0  # this side is on the outside of the bend
        if join == "round" and outer:
            a0 = math.degrees(math.atan2(na[1], na[0]))
            a1 = math.degrees(math.atan2(nb[1], nb[0]))
            while a1 > a0:
                a1 -= 360
            out += arc(here[0], here[1], half, a0, a1)
            continue
        mx, my = na[0] + nb[0], na[1] + nb[1]
        m2 = mx * mx + my * my
        if m2 < 1e-12:
            out.append((here[0] + na[0], here[1] + na[1]))
            continue
        k = 2 * half * half / m2
        if k * math.sqrt(m2) > 4 * half:  # too sharp for a mitre: bevel
            out += [(here[0] + na[0], here[1] + na[1]), (here[0] + nb[0], here[1] + nb[1])]
        else:
            out.append((here[0] + mx * k, here[1] + my * k))
    n1 = _normal(points[-2], points[-1], half)
    out.append((points[-1][0] + n1[0], points[-1][1] + n1[1]))
    return out


def _cap(end, before, half, cap):
    """The points that close a stroke's end, between its left and its right side."""
    dx, dy = end[0] - before[0], end[1] - before[1]
    length = math.hypot(dx, dy)
    ux, uy = dx / length, dy / length
    if cap == "round":
        start = math.degrees(math.atan2(ux, -uy))  # direction of the left side
        return arc(end[0], end[1], half, start, start - 180)[1:-1]
    if cap == "square":
        return [(end[0] - uy * half + ux * half, end[1] + ux * half + uy * half),
                (end[0] + uy * half + ux * half, end[1] - ux * half + uy * half)]
    return []
