#!/usr/bin/env python3
"""Checks the committed resources for what Windows and the program rely on.

Usage: check_resources.py RES_DIR   (exit status 1 and a message per fault)
"""
import struct
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

ICON_SIZES = [128, 96, 72, 64, 48, 32, 24, 16]
PICTURE_SIZE = (216, 88)
KEY = (0, 128, 0)  # made transparent when the picture is drawn
PICTURE_COLOURS = {KEY, (255, 255, 0), (255, 0, 0), (64, 32, 0)}


def check_icon(data):
    faults = []
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    if (reserved, kind) != (0, 1):
        return ["app.ico: not an icon file"]
    sizes = []
    for i in range(count):
        w, h, _, _, _, bpp, length, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
        size = w or 256
        sizes.append(size)
        entry = data[offset:offset + length]
        if len(entry) != length:
            faults.append(f"app.ico: {size}px entry runs past the end of the file")
            continue
        if w != h or bpp != 32:
            faults.append(f"app.ico: entry {i} is {w}x{h} at {bpp} bpp, want square 32 bpp")
        if entry[:8] == b"\x89PNG\r\n\x1a\n":
            pw, ph, depth, colour_type = struct.unpack_from(">IIBB", entry, 16)
            if (pw, ph, depth, colour_type) != (size, size, 8, 6):
                faults.append(f"app.ico: {size}px PNG is {pw}x{ph}, depth {depth}, colour type {colour_type}; "
                              "want 8-bit RGBA")
            continue
        hsize, bw, bh, _, bits, compression = struct.unpack_from("<IiiHHI", entry, 0)
        if (hsize, bw, bh, bits, compression) != (40, size, 2 * size, 32, 0):
            faults.append(f"app.ico: {size}px bitmap header is {(hsize, bw, bh, bits, compression)}")
            continue
        alpha = entry[40 + 3:40 + size * size * 4:4]
        if min(alpha) != 0 or max(alpha) != 255:
            faults.append(f"app.ico: {size}px image lacks both transparent and opaque pixels")
    if sizes != ICON_SIZES:
        faults.append(f"app.ico: sizes {sizes}, want {ICON_SIZES}")
    return faults


def check_picture(data):
    if data[:2] != b"BM":
        return ["tip_picture.bmp: not a BMP file"]
    (pixels_at,) = struct.unpack_from("<I", data, 10)
    hsize, w, h, _, bits, compression = struct.unpack_from("<IiiHHI", data, 14)
    if (w, h) != PICTURE_SIZE or bits != 24 or compression != 0 or hsize < 40:
        return [f"tip_picture.bmp: {w}x{h} at {bits} bpp, compression {compression}; "
                f"want {PICTURE_SIZE[0]}x{PICTURE_SIZE[1]} (bottom-up) at 24 bpp, uncompressed"]
    stride = (w * 3 + 3) & ~3
    if len(data) < pixels_at + stride * h:
        return ["tip_picture.bmp: pixel data is truncated"]
    seen = {}
    for row in range(h):
        line = data[pixels_at + row * stride:pixels_at + row * stride + w * 3]
        for x in range(w):
            b, g, r = line[3 * x:3 * x + 3]
            seen.setdefault((r, g, b), (x, h - 1 - row))
    faults = []
    stray = {c: at for c, at in seen.items() if c not in PICTURE_COLOURS}
    if stray:
        shown = ", ".join(f"{c} at {at}" for c, at in sorted(stray.items())[:5])
        faults.append(f"tip_picture.bmp: {len(stray)} colour(s) outside the palette, e.g. {shown}")
    bottom_left = tuple(reversed(data[pixels_at:pixels_at + 3]))
    if bottom_left != KEY:
        faults.append(f"tip_picture.bmp: bottom-left pixel is {bottom_left}, want {KEY}")
    if not {(255, 255, 0), (255, 0, 0)} <= seen.keys():
        faults.append("tip_picture.bmp: yellow or red drawing is missing")
    return faults


def check_manifest(text):
    try:
        root = ET.fromstring(text)
    except ET.ParseError as e:
        return [f"app.manifest: not well-formed XML: {e}"]
    ns = {"v1": "urn:schemas-microsoft-com:asm.v1"}
    ident = root.find("v1:assemblyIdentity", ns)
    if ident is None or ident.get("version", "").count(".") != 3:
        return ["app.manifest: assemblyIdentity with a four-part version is missing"]
    return []


def main(argv):
    if len(argv) != 2:
        sys.exit(__doc__)
    res = Path(argv[1])
    faults = (check_icon((res / "app.ico").read_bytes())
              + check_picture((res / "tip_picture.bmp").read_bytes())
              + check_manifest((res / "app.manifest").read_bytes()))
    for fault in faults:
        print(fault, file=sys.stderr)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
