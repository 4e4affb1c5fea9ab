#!/usr/bin/env python3
"""Pack square raw RGBA images into a .ico whose entries are all 32-bit BMPs.

Usage: make_ico.py OUT.ico SIZE:FILE.rgba [SIZE:FILE.rgba ...]
Entries keep the order given. BMP entries (not PNG) are used for every size
because they load on every Windows version and through windres unchanged.
"""
import struct
import sys


def bmp_entry(size, rgba):
    if len(rgba) != size * size * 4:
        sys.exit(f"make_ico: {size}px image has {len(rgba)} bytes, expected {size * size * 4}")
    # Height is doubled because an icon BMP holds the colour rows and then the AND mask.
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    rows = []
    mask_rows = []
    mask_stride = ((size + 31) // 32) * 4
    for y in reversed(range(size)):  # bottom-up
        row = rgba[y * size * 4:(y + 1) * size * 4]
        bgra = bytearray(len(row))
        bgra[0::4] = row[2::4]
        bgra[1::4] = row[1::4]
        bgra[2::4] = row[0::4]
        bgra[3::4] = row[3::4]
        rows.append(bytes(bgra))
        # Programs that ignore alpha fall back to this mask: set bits are transparent.
        bits = bytearray(mask_stride)
        for x in range(size):
            if row[x * 4 + 3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask_rows.append(bytes(bits))
    return header + b"".join(rows) + b"".join(mask_rows)


def main(argv):
    if len(argv) < 3:
        sys.exit(__doc__)
    entries = []
    for arg in argv[2:]:
        size_text, path = arg.split(":", 1)
        size = int(size_text)
        if not 1 <= size <= 256:
            sys.exit(f"make_ico: bad size {size}")
        with open(path, "rb") as f:
            entries.append((size, bmp_entry(size, f.read())))

    out = bytearray(struct.pack("<HHH", 0, 1, len(entries)))
    offset = 6 + 16 * len(entries)
    for size, data in entries:
        dim = size % 256  # 0 means 256
        out += struct.pack("<BBBBHHII", dim, dim, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for _, data in entries:
        out += data
    with open(argv[1], "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main(sys.argv)
