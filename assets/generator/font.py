"""Text for the pictures, from the CJK font Debian ships (fonts-wqy-zenhei).

Large text is filled from the glyph outlines like every other shape. Small
captions use the font's hand-made 1-bit strikes (12 to 16 pixels), which stay
crisp where outlines would blur.
"""
import struct

from . import canvas, shapes

FONT_FILE = "/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc"
OUTLINE_FACE = "WenQuanYi Zen Hei"
BITMAP_FACE = "WenQuanYi Zen Hei Sharp"

_faces = {}


def face(name):
    if name not in _faces:
        with open(FONT_FILE, "rb") as f:
            data = f.read()
        count = struct.unpack(">I", data[8:12])[0]
        offsets = struct.unpack(f">{count}I", data[12:12 + 4 * count])
        for offset in offsets:
            candidate = Face(data, offset)
            _faces[candidate.name] = candidate
    return _faces[name]


class Face:
    def __init__(self, data, offset):
        self.data = data
        count = struct.unpack(">H", data[offset + 4:offset + 6])[0]
        self.tables = {}
        for i in range(count):
            tag, _, start, length = struct.unpack(">4sIII", data[offset + 12 + 16 * i:offset + 28 + 16 * i])
            self.tables[tag.decode("latin-1")] = (start, length)
        self.name = self._family_name()
        head = self.tables["head"][0]
        self.units_per_em = self._u16(head + 18)
        self.long_offsets = self._s16(head + 50) == 1
        hhea = self.tables["hhea"][0]
        self.ascender = self._s16(hhea + 4)
        self.metrics_count = self._u16(hhea + 34)
        self.cmap = self._read_cmap()

    def _u16(self, at):
        return struct.unpack(">H", self.data[at:at + 2])[0]

    def _s16(self, at):
        return struct.unpack(">h", self.data[at:at + 2])[0]

    def _u32(self, at):
        return struct.unpack(">I", self.data[at:at + 4])[0]

    def _family_name(self):
        start = self.tables["name"][0]
        count, strings = self._u16(start + 2), self._u16(start + 4)
        for i in range(count):
            platform, _, language, name_id, length, offset = struct.unpack(
                ">6H", self.data[start + 6 + 12 * i:start + 18 + 12 * i])
            if platform == 3 and language == 0x409 and name_id == 1:
                at = start + strings + offset
                return self.data[at:at + length].decode("utf-16-be")
        raise ValueError("font without a family name")

    def _read_cmap(self):
        start = self.tables["cmap"][0]
        for i in range(self._u16(start + 2)):
            platform, encoding, offset = struct.unpack(">HHI", self.data[start + 4 + 8 * i:start + 12 + 8 * i])
            if platform == 3 and encoding == 1 and self._u16(start + offset) == 4:
                return self._cmap_format4(start + offset)
        raise ValueError("font without a Unicode character map")

    def _cmap_format4(self, at):
        segments = self._u16(at + 6) // 2
        ends, starts = at + 14, at + 16 + 2 * segments
        deltas, ranges = starts + 2 * segments, starts + 4 * segments
        mapping = {}
        for s in range(segments):
            first, last = self._u16(starts + 2 * s), self._u16(ends + 2 * s)
            delta, range_offset = self._u16(deltas + 2 * s), self._u16(ranges + 2 * s)
            for code in range(first, min(last, 0xFFFE) + 1):
                if range_offset == 0:
                    glyph = (code + delta) & 0xFFFF
                else:
                    glyph = self._u16(ranges + 2 * s + range_offset + 2 * (code - first))
                    glyph = (glyph + delta) & 0xFFFF if glyph else 0
                mapping[code] = glyph
        return mapping

    def glyph(self, char):
        return self.cmap.get(ord(char), 0)

    def advance(self, glyph):
        hmtx = self.tables["hmtx"][0]
        return self._u16(hmtx + 4 * min(glyph, self.metrics_count - 1))

    def _glyph_data(self, glyph):
        loca = self.tables["loca"][0]
        if self.long_offsets:
            start, end = self._u32(loca + 4 * glyph), self._u32(loca + 4 * glyph + 4)
        else:
            start, end = 2 * self._u16(loca + 2 * glyph), 2 * self._u16(loca + 2 * glyph + 2)
        base = self.tables["glyf"][0]
        return base + start, end - start

    def outline(self, glyph):
        """Contours in font units (y up) as lists of (x, y, on_curve)."""
        at, length = self._glyph_data(glyph)
        if length == 0:
            return []
        contours = self._s16(at)
        if contours < 0:
            return self._composite(at + 10)
        ends = [self._u16(at + 10 + 2 * i) for i in range(contours)]
        points = ends[-1] + 1 if ends else 0
        at += 10 + 2 * contours
        at += 2 + self._u16(at)
        flags = []
        while len(flags) < points:
            flag = self.data[at]
            at += 1
            repeat = 0
            if flag & 8:
                repeat = self.data[at]
                at += 1
            flags += [flag] * (repeat + 1)
        xs, at = self._coordinates(flags, at, 2, 16)
        ys, at = self._coordinates(flags, at, 4, 32)
        result, first = [], 0
        for end in ends:
            result.append([(xs[i], ys[i], bool(flags[i] & 1)) for i in range(first, end + 1)])
            first = end + 1
        return result

    def _coordinates(self, flags, at, short_bit, same_bit):
        values, value = [], 0
        for flag in flags:
            if flag & short_bit:
                step = self.data[at]
                at += 1
                value += step if flag & same_bit else -step
            elif not flag & same_bit:
                value += self._s16(at)
                at += 2
            values.append(value)
        return values, at

    def _composite(self, at):
        contours = []
        while True:
            flags, component = self._u16(at), self._u16(at + 2)
            at += 4
            if flags & 1:
                dx, dy = self._s16(at), self._s16(at + 2)
                at += 4
            else:
                dx, dy = struct.unpack(">bb", self.data[at:at + 2])
                at += 2
            if flags & 0x08:
                at += 2
            elif flags & 0x40:
                at += 4
            elif flags & 0x80:
                at += 8
            for contour in self.outline(component):
                contours.append([(x + dx, y + dy, on) for x, y, on in contour])
            if not flags & 0x20:
                return contours

    def strike(self, ppem):
        return Strike(self, ppem)


class Strike:
    """One size of the font's embedded 1-bit glyphs (EBLC/EBDT tables)."""

    def __init__(self, face, ppem):
        self.face = face
        self.ppem = ppem
        eblc = face.tables["EBLC"][0]
        for i in range(face._u32(eblc + 4)):
            size = eblc + 8 + 48 * i
            if face.data[size + 45] == ppem:
                self.ascender = struct.unpack(">b", face.data[size + 16:size + 17])[0]
                self.tables = eblc + face._u32(size)
                self.table_count = face._u32(size + 8)
                return
        raise ValueError(f"no {ppem}-pixel strike")

    def glyph(self, char):
        """(width, height, bearing_x, bearing_y, advance, rows of 0/1) of one character."""
        face, glyph = self.face, self.face.glyph(char)
        ebdt = face.tables["EBDT"][0]
        for i in range(self.table_count):
            entry = self.tables + 8 * i
            first, last = face._u16(entry), face._u16(entry + 2)
            if not first <= glyph <= last:
                continue
            sub = self.tables + face._u32(entry + 4)
            index_format, image_format = face._u16(sub), face._u16(sub + 2)
            image = ebdt + face._u32(sub + 4)
            if index_format == 1 and image_format == 7:
                at = image + face._u32(sub + 8 + 4 * (glyph - first))
                metrics = face.data[at:at + 8]
                at += 8
            elif index_format == 2 and image_format == 5:
                size = face._u32(sub + 8)
                metrics = face.data[sub + 12:sub + 20]
                at = image + size * (glyph - first)
            else:
                raise ValueError(f"bitmap format {index_format}/{image_format}")
            height, width, bx, by, advance = struct.unpack(">BBbbB", metrics[:5])
            rows = []
            for y in range(height):
                row = []
                for x in range(width):
                    bit = y * width + x
                    row.append((face.data[at + bit // 8] >> (7 - bit % 8)) & 1)
                rows.append(row)
            return width, height, bx, by, advance, rows
        raise ValueError(f"no bitmap for {char!r}")


def outline_text(text, size, x, baseline, spacing=0.0, family=OUTLINE_FACE):
    """The outline of a line of text at `size` pixels per em; returns (contours, advance)."""
    f = face(family)
    unit = size / f.units_per_em
    contours, pen = [], x
    for char in text:
        glyph = f.glyph(char)
        for contour in f.outline(glyph):
            contours.append(_curve_points(contour, pen, baseline, unit))
        pen += f.advance(glyph) * unit + spacing
    return contours, pen - x - spacing


def outline_width(text, size, spacing=0.0, family=OUTLINE_FACE):
    return outline_text(text, size, 0, 0, spacing, family)[1]


def _curve_points(contour, x, baseline, unit):
    """TrueType quadratic contour -> polygon in pixels (y down)."""
    pts = [(x + px * unit, baseline - py * unit, on) for px, py, on in contour]
    # Start on a point that lies on the curve (or between two control points).
    start = next((i for i, p in enumerate(pts) if p[2]), None)
    if start is None:
        a, b = pts[0], pts[1]
        pts.insert(0, ((a[0] + b[0]) / 2, (a[1] + b[1]) / 2, True))
        start = 0
    pts = pts[start:] + pts[:start] + [pts[start]]
    out = [pts[0][:2]]
    control = None
    for px, py, on in pts[1:]:
        if on:
            if control is None:
                out.append((px, py))
            else:
                out += shapes.quad(out[-1], control, (px, py))[1:]
                control = None
        else:
            if control is not None:
                middle = ((control[0] + px) / 2, (control[1] + py) / 2)
                out += shapes.quad(out[-1], control, middle)[1:]
            control = (px, py)
    return out[:-1]


def bitmap_text(width, height, text, ppem, x, baseline, spacing=0):
    """A mask with a line of crisp 1-bit text; returns (mask, advance)."""
    strike = face(BITMAP_FACE).strike(ppem)
    values = [0.0] * (width * height)
    pen = x
    for char in text:
        w, h, bx, by, advance, rows = strike.glyph(char)
        for gy in range(h):
            for gx in range(w):
                px, py = pen + bx + gx, baseline - by + gy
                if rows[gy][gx] and 0 <= px < width and 0 <= py < height:
                    values[py * width + px] = 1.0
        pen += advance + spacing
    return canvas.Mask(width, height, values), pen - x - spacing


def bitmap_width(text, ppem, spacing=0):
    strike = face(BITMAP_FACE).strike(ppem)
    return sum(strike.glyph(c)[4] for c in text) + spacing * (len(text) - 1)
