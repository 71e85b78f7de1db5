#!/usr/bin/env python3
"""Writes the OK button's glyph pair: two 18 x 18 images side by side (normal, disabled) as a 24-bit BMP.

The background is olive, which the button treats as transparent (the bottom-left pixel's colour).
Usage: make_ok_glyph.py OUT.bmp
"""
import struct
import sys

SIZE = 18
OLIVE = (0x80, 0x80, 0x00)
GREEN = (0x00, 0x80, 0x00)
DARK_GREEN = (0x00, 0x50, 0x00)
GREY = (0x80, 0x80, 0x80)
WHITE = (0xFF, 0xFF, 0xFF)

# The check mark's stroke: a short arm down to the right, then a long arm up to the right.
STROKE = [((3.0, 9.0), (7.0, 13.0)), ((7.0, 13.0), (15.0, 4.0))]
HALF_WIDTH = 1.6


def distance_to_segment(px, py, a, b):
    (ax, ay), (bx, by) = a, b
    dx, dy = bx - ax, by - ay
    t = ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)
    t = max(0.0, min(1.0, t))
    cx, cy = ax + t * dx, ay + t * dy
    return ((px - cx) ** 2 + (py - cy) ** 2) ** 0.5


def on_mark(x, y, grow=0.0):
    return any(distance_to_segment(x, y, a, b) <= HALF_WIDTH + grow for a, b in STROKE)


def normal_pixel(x, y):
    if on_mark(x, y):
        return GREEN
    if on_mark(x - 1, y - 1):  # a darker edge below and right of the stroke
        return DARK_GREEN
    return OLIVE


def disabled_pixel(x, y):
    # Embossed: a white copy one pixel down and right, the grey mark over it.
    if on_mark(x, y):
        return GREY
    if on_mark(x - 1, y - 1):
        return WHITE
    return OLIVE


def rows():
    for y in range(SIZE):
        row = [normal_pixel(x, y) for x in range(SIZE)]
        row += [disabled_pixel(x, y) for x in range(SIZE)]
        yield row


def write_bmp(path, image):
    height = len(image)
    width = len(image[0])
    stride = (width * 3 + 3) & ~3
    pixels = bytearray()
    for row in reversed(image):  # BMP rows run bottom-up
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += b"\0" * (stride - len(line))
        pixels += line
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(pixels), 0, 0, 14 + 40)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 3780, 3780, 0, 0)
    with open(path, "wb") as out:
        out.write(header + info + pixels)


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: make_ok_glyph.py OUT.bmp")
    write_bmp(sys.argv[1], list(rows()))
