"""Picture files from pixels: PNG (truecolour, truecolour with alpha, palette) and ICO.

The bytes depend only on the pixels and on zlib at level 9, so the same
pixels always give the same file. A PNG can be brought to an exact length
with a private ancillary chunk that decoders skip.
"""
import struct
import zlib

PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"
# Ancillary (lower case), private (lower case), reserved bit clear (upper
# case), safe to copy (lower case): every decoder ignores it.
PADDING_CHUNK = b"paDd"


def png_rgba(width, height, pixels, length=None):
    rows = [bytes(v for p in pixels[y * width:(y + 1) * width] for v in p) for y in range(height)]
    return _png(width, height, 6, 4, rows, [], length)


def png_rgb(width, height, pixels, length=None):
    if any(p[3] != 255 for p in pixels):
        raise ValueError("an opaque picture has transparent pixels")
    rows = [bytes(v for p in pixels[y * width:(y + 1) * width] for v in p[:3]) for y in range(height)]
    return _png(width, height, 2, 3, rows, [], length)


def png_palette(width, height, pixels, length=None):
    """An 8-bit palette PNG; needs at most 256 distinct colours (transparency via tRNS)."""
    colours = sorted(set(pixels), key=lambda p: (p[3], p[0], p[1], p[2]))
    if len(colours) > 256:
        raise ValueError(f"{len(colours)} colours do not fit a palette")
    index = {c: i for i, c in enumerate(colours)}
    rows = [bytes(index[p] for p in pixels[y * width:(y + 1) * width]) for y in range(height)]
    chunks = [(b"PLTE", bytes(v for c in colours for v in c[:3]))]
    translucent = [c[3] for c in colours if c[3] < 255]
    if translucent:
        chunks.append((b"tRNS", bytes(translucent)))
    return _png(width, height, 3, 1, rows, chunks, length, filtered=False)


def without_signature(data):
    if not data.startswith(PNG_SIGNATURE):
        raise ValueError("not a PNG file")
    return data[len(PNG_SIGNATURE):]


def ico(images):
    """An icon file of 32-bit images, each (size, pixels), in the given order.

    Images are stored as bitmaps rather than PNG, so an icon's length follows
    from its sizes alone.
    """
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = len(header) + 16 * len(images)
    directory, bodies = b"", b""
    for size, pixels in images:
        body = _icon_bitmap(size, pixels)
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(body), offset)
        bodies += body
        offset += len(body)
    return header + directory + bodies


def _icon_bitmap(size, pixels):
    info = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = b"".join(bytes((b, g, r, a)) for y in reversed(range(size))
                      for r, g, b, a in pixels[y * size:(y + 1) * size])
    # The AND mask marks fully transparent pixels for renderers without alpha.
    mask_stride = (size + 31) // 32 * 4
    mask = b""
    for y in reversed(range(size)):
        bits = bytearray(mask_stride)
        for x in range(size):
            if pixels[y * size + x][3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(bits)
    return info + colour + mask


def _chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


def _png(width, height, colour_type, bytes_per_pixel, rows, extra_chunks, length, filtered=True):
    header = struct.pack(">IIBBBBB", width, height, 8, colour_type, 0, 0, 0)
    raw = _filter_rows(rows, bytes_per_pixel) if filtered else b"".join(b"\0" + r for r in rows)
    data = zlib.compress(raw, 9)
    head = PNG_SIGNATURE + _chunk(b"IHDR", header) + b"".join(_chunk(k, d) for k, d in extra_chunks)
    tail = _chunk(b"IDAT", data) + _chunk(b"IEND", b"")
    if length is None:
        return head + tail
    missing = length - len(head) - len(tail)
    if missing < 12:
        raise ValueError(f"PNG of {len(head) + len(tail)} bytes cannot be padded to {length}")
    return head + _chunk(PADDING_CHUNK, bytes(missing - 12)) + tail


def _filter_rows(rows, bpp):
    """Per row, the filter with the smallest sum of absolute values (the usual rule)."""
    out = []
    previous = bytes(len(rows[0]))
    for row in rows:
        candidates = [_apply_filter(kind, row, previous, bpp) for kind in range(5)]
        best = min(range(5), key=lambda k: sum(v if v < 128 else 256 - v for v in candidates[k]))
        out.append(bytes([best]) + candidates[best])
        previous = row
    return b"".join(out)


def _apply_filter(kind, row, previous, bpp):
    out = bytearray(len(row))
    for i, value in enumerate(row):
        left = row[i - bpp] if i >= bpp else 0
        up = previous[i]
        corner = previous[i - bpp] if i >= bpp else 0
        if kind == 0:
            predicted = 0
        elif kind == 1:
            predicted = left
        elif kind == 2:
            predicted = up
        elif kind == 3:
            predicted = (left + up) // 2
        else:
            predicted = _paeth(left, up, corner)
        out[i] = (value - predicted) & 0xFF
    return bytes(out)


def _paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c
