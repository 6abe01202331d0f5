#!/usr/bin/env python3
"""Draws the program's icon (48 x 48) and the link's hand cursor (32 x 32).

Both are written as 32-bit images with an alpha channel and an AND mask, the
form windres takes. Run it again after changing a drawing; the outputs are
committed beside this script.
"""
import math
import struct
import sys
from pathlib import Path


def icon_file(kind, size, pixels, hotspot=(0, 0)):
    """kind 1 = icon, 2 = cursor; pixels[y][x] = (r, g, b, a), top row first."""
    xor = bytearray()
    for row in reversed(pixels):
        for r, g, b, a in row:
            xor += bytes((b, g, r, a))
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(pixels):
        bits = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    image = header + xor + mask
    if kind == 1:
        plane_or_x, bits_or_y = 1, 32
    else:
        plane_or_x, bits_or_y = hotspot
    entry = struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, plane_or_x, bits_or_y, len(image), 6 + 16)
    return struct.pack("<HHH", 0, kind, 1) + entry + image


def blend(under, over):
    """Porter-Duff 'over' on straight-alpha (r, g, b, a) with 0..1 floats."""
    ur, ug, ub, ua = under
    orr, og, ob, oa = over
    a = oa + ua * (1 - oa)
    if a == 0:
        return (0, 0, 0, 0)
    mix = lambda o, u: (o * oa + u * ua * (1 - oa)) / a
    return (mix(orr, ur), mix(og, ug), mix(ob, ub), a)


def coverage(inside, x, y, n=4):
    """Share of the pixel (x, y) for which inside(px, py) holds."""
    hits = 0
    for i in range(n):
        for j in range(n):
            if inside(x + (i + 0.5) / n, y + (j + 0.5) / n):
                hits += 1
    return hits / (n * n)


def rounded_rect(left, top, right, bottom, radius):
    def inside(px, py):
        if not (left <= px <= right and top <= py <= bottom):
            return False
        cx = min(max(px, left + radius), right - radius)
        cy = min(max(py, top + radius), bottom - radius)
        return (px - cx) ** 2 + (py - cy) ** 2 <= radius**2

    return inside


def draw_icon():
    """A film strip on a blue tile, cut short by an orange line: titles made shorter."""
    size = 48
    tile = rounded_rect(1, 1, 47, 47, 8)
    strip = rounded_rect(5, 13, 43, 35, 2)
    holes = [rounded_rect(x, y, x + 3, y + 3, 0.8) for x in range(8, 41, 6) for y in (15.5, 29.5)]
    frames = [rounded_rect(x, 20, x + 9, 28, 1) for x in (8, 19)]
    cut = rounded_rect(31.5, 8, 34.5, 40, 1.5)
    pixels = []
    for y in range(size):
        row = []
        for x in range(size):
            shade = y / size
            colour = (0, 0, 0, 0)
            colour = blend(colour, (0.16 - 0.06 * shade, 0.36 - 0.12 * shade, 0.66 - 0.16 * shade, coverage(tile, x, y)))
            faded = x >= 33
            strip_alpha = coverage(strip, x, y) * (0.35 if faded else 1.0)
            colour = blend(colour, (0.96, 0.96, 0.93, strip_alpha))
            for hole in holes:
                colour = blend(colour, (0.12, 0.22, 0.40, coverage(hole, x, y) * (0.35 if faded else 1.0)))
            for frame in frames:
                colour = blend(colour, (0.35, 0.62, 0.90, coverage(frame, x, y)))
            colour = blend(colour, (1.0, 0.55, 0.10, coverage(cut, x, y)))
            row.append(tuple(int(round(c * 255)) for c in colour))
        pixels.append(row)
    return icon_file(1, size, pixels)


HAND = """
.....XX.........................
....XooX........................
....XooX........................
....XooX........................
....XooX........................
....XooXXX......................
....XooXooXXX...................
....XooXooXooXX.................
XX..XooXooXooXoX................
XoX.XooooooooXoX................
XooXXoooooooooooX...............
.XooXoooooooooooX...............
..XoooooooooooooX...............
..XoooooooooooooX...............
...XooooooooooooX...............
...XoooooooooooX................
....XooooooooooX................
....XooooooooooX................
.....XooooooooX.................
.....XooooooooX.................
.....XXXXXXXXXX.................
"""


def draw_cursor():
    """A pointing hand whose fingertip is the hot spot (6, 1)."""
    size = 32
    rows = [line.ljust(size, ".") for line in HAND.strip("\n").splitlines()]
    rows += ["." * size] * (size - len(rows))
    palette = {".": (0, 0, 0, 0), "X": (0, 0, 0, 255), "o": (255, 255, 255, 255)}
    pixels = [[palette[c] for c in row] for row in rows]
    return icon_file(2, size, pixels, hotspot=(6, 1))


if __name__ == "__main__":
    out = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).parent
    (out / "morvane.ico").write_bytes(draw_icon())
    (out / "link_hand.cur").write_bytes(draw_cursor())
