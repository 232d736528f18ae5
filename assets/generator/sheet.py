"""The contact sheet: every picture at its real size and four times enlarged,
each on the ground it is seen on, with its file name and length."""
import zlib

from . import encode, font, scenes
from .canvas import Canvas

MARGIN = 16
PAPER = (250, 250, 250)
LABEL = (40, 40, 40)


class Sheet:
    def __init__(self, width):
        self.width = width
        self.rows = []

    def _ensure(self, height):
        while len(self.rows) < height:
            self.rows.append(bytearray(PAPER * self.width))

    def fill(self, left, top, width, height, colour):
        self._ensure(top + height)
        for y in range(top, top + height):
            self.rows[y][3 * left:3 * (left + width)] = bytes(colour[:3]) * width

    def picture(self, left, top, width, height, pixels, ground, factor):
        self._ensure(top + height * factor)
        for y in range(height):
            row = bytearray()
            for r, g, b, a in pixels[y * width:(y + 1) * width]:
                row += bytes(_over((r, g, b), ground, a)) * factor
            for k in range(factor):
                self.rows[top + y * factor + k][3 * left:3 * left + len(row)] = row

    def label(self, left, top, text):
        room = self.width - left
        mask, width = font.bitmap_text(room, 14, text, 12, 0, 11)
        self._ensure(top + 14)
        for y in range(14):
            for x in range(min(width, room)):
                if mask.values[y * room + x]:
                    self.rows[top + y][3 * (left + x):3 * (left + x) + 3] = bytes(LABEL)

    def png(self):
        raw = b"".join(b"\0" + bytes(r) for r in self.rows)
        header = encode.struct.pack(">IIBBBBB", self.width, len(self.rows), 8, 2, 0, 0, 0)
        return (encode.PNG_SIGNATURE + encode._chunk(b"IHDR", header)
                + encode._chunk(b"IDAT", zlib.compress(raw, 6)) + encode._chunk(b"IEND", b""))


def _over(colour, ground, alpha):
    return tuple((c * alpha + g * (255 - alpha) + 127) // 255 for c, g in zip(colour, ground[:3]))


def _row_width(images, factor):
    return sum(w * factor + 16 + MARGIN for w, _, _ in images)


def _place(sheet, left, top, images, ground, factor):
    """Draws the images side by side from (left, top); returns (right edge, height used)."""
    tallest = 0
    for width, height, pixels in images:
        w, h = width * factor, height * factor
        sheet.fill(left, top, w + 16, h + 16, ground)
        sheet.picture(left + 8, top + 8, width, height, pixels, ground, factor)
        left += w + 16 + MARGIN
        tallest = max(tallest, h + 16)
    return left, tallest


def contact_sheet(entries):
    """entries: (picture, file bytes, images) for every picture of the catalogue."""
    pictures = {p.path: [Canvas.of_pixels(*image) for image in images] for p, _, images in entries}
    views = [(what, scene(pictures)) for what, scene in scenes.SCENES]
    width = MARGIN + max([_row_width(images, 4) for _, _, images in entries]
                         + [2 * (v.width + 16 + MARGIN) for _, v in views])
    sheet = Sheet(width)
    top = MARGIN
    for what, view in views:
        sheet.label(MARGIN, top, what)
        images = [(view.width, view.height, view.pixels())]
        top += 20
        for factor in (1, 2):
            _, used = _place(sheet, MARGIN, top, images, PAPER, factor)
            top += used + 8
        top += MARGIN
    for picture, data, images in entries:
        sheet.label(MARGIN, top, f"{picture.path}  ({picture.what}, {len(data)} bytes)")
        top += 20
        ground = tuple(int(v) for v in picture.ground[:3])
        if MARGIN + _row_width(images, 1) + _row_width(images, 4) <= width:
            right, used1 = _place(sheet, MARGIN, top, images, ground, 1)
            _, used4 = _place(sheet, right, top, images, ground, 4)
            top += max(used1, used4) + 8
        else:
            for factor in (1, 4):
                _, used = _place(sheet, MARGIN, top, images, ground, factor)
                top += used + 8
        top += MARGIN
    sheet._ensure(top)
    return sheet.png()
