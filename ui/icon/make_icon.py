#!/usr/bin/env python3
"""Draws the program's icon: a rounded tile with the letter T in stripes that
step from red through gold to blue, as the tool's text does. Writes a .ico
with 16, 32 and 48 pixel images (32-bit BMP form).

Usage: make_icon.py OUTPUT.ico
"""
import struct
import sys


def lerp(a, b, f):
    return tuple(round(x + (y - x) * f) for x, y in zip(a, b))


def ramp(f):
    red, gold, blue = (230, 40, 40), (240, 190, 30), (40, 90, 230)
    return lerp(red, gold, f * 2) if f < 0.5 else lerp(gold, blue, (f - 0.5) * 2)


def pixel(x, y, n):
    """RGBA of pixel (x, y) of an n by n image, y from the top."""
    u, v = (x + 0.5) / n, (y + 0.5) / n
    r = 0.18  # corner radius of the tile
    cx, cy = min(max(u, r), 1 - r), min(max(v, r), 1 - r)
    if (u - cx) ** 2 + (v - cy) ** 2 > r * r:
        return (0, 0, 0, 0)
    bar = 0.16 <= v <= 0.34 and 0.14 <= u <= 0.86
    stem = 0.34 < v <= 0.86 and 0.40 <= u <= 0.60
    if bar or stem:
        return (*ramp(v if stem else u), 255)
    return (250, 248, 240, 255)


def image(n):
    rows = []
    for y in reversed(range(n)):  # bitmaps run bottom-up
        row = b"".join(bytes((b, g, r, a)) for r, g, b, a in (pixel(x, y, n) for x in range(n)))
        rows.append(row)
    xor = b"".join(rows)
    mask_row = ((n + 31) // 32) * 4
    header = struct.pack("<IiiHHIIiiII", 40, n, 2 * n, 1, 32, 0, len(xor), 0, 0, 0, 0)
    return header + xor + bytes(mask_row * n)


def main():
    sizes = (16, 32, 48)
    images = [image(n) for n in sizes]
    out = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for n, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", n, n, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(sys.argv[1], "wb") as f:
        f.write(out + b"".join(images))


if __name__ == "__main__":
    main()
