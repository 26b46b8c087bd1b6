"""Writes Windows icon files: an ICONDIR, then one BMP-style image per entry (BITMAPINFOHEADER with
twice the height, optional palette, bottom-up colour rows, then the 1-bit AND mask, each row padded
to four bytes). 32-bit images carry their alpha; palette images (4 or 8 bits) are transparent
where the mask is set, and their colour there is palette entry 0, black, as the shell expects."""

import struct

OPAQUE = 128  # alpha from which a pixel counts as opaque in the mask


def _row_bytes(width, bits):
    return (width * bits + 31) // 32 * 4


def _mask(rows):
    size = len(rows)
    out = bytearray()
    for row in reversed(rows):
        line = bytearray(_row_bytes(size, 1))
        for x, pixel in enumerate(row):
            if pixel[3] < OPAQUE:
                line[x // 8] |= 0x80 >> (x % 8)
        out += line
    return bytes(out)


def _colour_32(rows):
    out = bytearray()
    for row in reversed(rows):
        for r, g, b, a in row:
            out += bytes((b, g, r, a)) if a else b"\0\0\0\0"
    return bytes(out)


def _median_cut(counts, wanted):
    """Reduces {colour: count} to at most `wanted` colours; deterministic."""
    boxes = [sorted(counts.items())]
    while len(boxes) < wanted:
        best, best_range, channel = None, 0, 0
        for index, box in enumerate(boxes):
            if len(box) < 2:
                continue
            for c in range(3):
                values = [colour[c] for colour, _ in box]
                spread = max(values) - min(values)
                if spread > best_range:
                    best, best_range, channel = index, spread, c
        if best is None:
            break
        box = sorted(boxes.pop(best), key=lambda item: (item[0][channel], item[0]))
        total = sum(n for _, n in box)
        running, cut = 0, 1
        for cut in range(1, len(box)):
            running += box[cut - 1][1]
            if running * 2 >= total:
                break
        boxes += [box[:cut], box[cut:]]
    palette = []
    for box in boxes:
        total = sum(n for _, n in box)
        palette.append(tuple(int(sum(colour[c] * n for colour, n in box) / total + 0.5)
                             for c in range(3)))
    return sorted(set(palette))


def _palette_for(rows, bits):
    counts = {}
    for row in rows:
        for r, g, b, a in row:
            if a >= OPAQUE:
                counts[(r, g, b)] = counts.get((r, g, b), 0) + 1
    counts.pop((0, 0, 0), None)  # black is always entry 0
    room = (1 << bits) - 1
    colours = sorted(counts) if len(counts) <= room else _median_cut(counts, room)
    return [(0, 0, 0)] + colours


def _nearest(palette, colour, cache):
    if colour not in cache:
        cache[colour] = min(range(len(palette)),
                            key=lambda i: (sum((p - c) ** 2 for p, c in zip(palette[i], colour)), i))
    return cache[colour]


def _colour_indexed(rows, bits, palette):
    cache = {}
    out = bytearray()
    for row in reversed(rows):
        line = bytearray(_row_bytes(len(row), bits))
        for x, (r, g, b, a) in enumerate(row):
            index = _nearest(palette, (r, g, b), cache) if a >= OPAQUE else 0
            if bits == 8:
                line[x] = index
            else:
                line[x // 2] |= index << (4 if x % 2 == 0 else 0)
        out += line
    return bytes(out)


def image_bytes(rows, bits):
    """One icon image (header, palette, colour, mask) from square RGBA rows."""
    size = len(rows)
    if bits == 32:
        palette_bytes, colour = b"", _colour_32(rows)
    elif bits in (4, 8):
        palette = _palette_for(rows, bits)
        palette += [(0, 0, 0)] * ((1 << bits) - len(palette))
        palette_bytes = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
        colour = _colour_indexed(rows, bits, palette)
    else:
        raise ValueError("unsupported bit depth %d" % bits)
    mask = _mask(rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0,
                         len(colour) + len(mask), 0, 0, 0, 0)
    return header + palette_bytes + colour + mask


def icon_file(images):
    """The whole file from a list of (rows, bits), in that order."""
    blobs = [(len(rows), bits, image_bytes(rows, bits)) for rows, bits in images]
    out = bytearray(struct.pack("<HHH", 0, 1, len(blobs)))
    offset = 6 + 16 * len(blobs)
    for size, bits, blob in blobs:
        colours = 16 if bits == 4 else 0
        out += struct.pack("<BBBBHHII", size % 256, size % 256, colours, 0, 1, bits, len(blob),
                           offset)
        offset += len(blob)
    for _, _, blob in blobs:
        out += blob
    return bytes(out)
