#!/usr/bin/env python3
"""Pack square raw RGBA images into a .ico whose entries are all 32-bit with alpha.

Usage: make_ico.py OUT.ico SIZE:FILE.rgba [SIZE:FILE.rgba ...]
Entries keep the order given. Sizes of 64 and up are stored as PNG (RGBA),
the others as 32-bit BMPs: the large ones are most of the program file's
size otherwise, and every Windows the program runs on reads PNG icons.
"""
import struct
import sys
import zlib

PNG_FROM_SIZE = 64


def png_entry(size, rgba):
    def chunk(kind, payload):
        return struct.pack(">I", len(payload)) + kind + payload + struct.pack(">I", zlib.crc32(kind + payload))
    stride = size * 4
    raw = b"".join(b"\x00" + rgba[y * stride:(y + 1) * stride] for y in range(size))
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


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
            rgba = f.read()
        if len(rgba) != size * size * 4:
            sys.exit(f"make_ico: {size}px image has {len(rgba)} bytes, expected {size * size * 4}")
        entries.append((size, png_entry(size, rgba) if size >= PNG_FROM_SIZE else bmp_entry(size, rgba)))

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
