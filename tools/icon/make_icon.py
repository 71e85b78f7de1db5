#!/usr/bin/env python3
"""Draws the program icon: a neuron with three inputs and one output, 32 x 32 pixels,
16 colours (4-bit indexed PNG, colour 0 transparent).

Usage: python3 tools/icon/make_icon.py assets/icon/MAINICON.png
Only the standard library is used, so the icon can be re-made anywhere.
"""
import struct
import sys
import zlib

SIZE = 32

# The classic 16-colour palette; index 0 doubles as the transparent background.
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
TRANSPARENT, NAVY, TEAL, RED, BLUE, AQUA = 0, 4, 6, 9, 12, 14


def new_canvas():
    return [[TRANSPARENT] * SIZE for _ in range(SIZE)]


def put(canvas, x, y, colour):
    if 0 <= x < SIZE and 0 <= y < SIZE:
        canvas[y][x] = colour


def line(canvas, x0, y0, x1, y1, colour):
    """Bresenham line, both end points included."""
    dx, dy = abs(x1 - x0), -abs(y1 - y0)
    sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
    err = dx + dy
    while True:
        put(canvas, x0, y0, colour)
        if (x0, y0) == (x1, y1):
            return
        e2 = 2 * err
        if e2 >= dy:
            err += dy
            x0 += sx
        if e2 <= dx:
            err += dx
            y0 += sy


def disc(canvas, cx, cy, radius, fill, outline):
    """A filled circle of the given radius around the pixel centre (cx, cy), with a 1-pixel rim."""
    for y in range(SIZE):
        for x in range(SIZE):
            d2 = (x - cx) ** 2 + (y - cy) ** 2
            if d2 <= (radius + 0.5) ** 2:
                put(canvas, x, y, outline if d2 > (radius - 0.6) ** 2 else fill)


def draw_icon():
    canvas = new_canvas()
    body_x, body_y = 15, 16
    inputs = [(3, 5), (3, 16), (3, 27)]
    for x, y in inputs:
        line(canvas, x, y, body_x - 6, body_y + (y - body_y) // 4, NAVY)
    disc(canvas, body_x, body_y, 7, TEAL, NAVY)
    # A highlight so the body reads as a cell rather than a flat dot.
    for x, y in [(12, 12), (13, 12), (12, 13)]:
        put(canvas, x, y, AQUA)
    for x, y in inputs:
        disc(canvas, x, y, 2.2, BLUE, NAVY)
    # The output: a red arrow leaving the body to the right.
    for y in (15, 16, 17):
        line(canvas, body_x + 8, y, 26, y, RED)
    for i in range(5):
        line(canvas, 25 + i, 12 + i, 25 + i, 20 - i, RED)
    return canvas


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def encode_png(canvas):
    rows = b""
    for row in canvas:
        packed = bytes((row[i] << 4) | row[i + 1] for i in range(0, SIZE, 2))
        rows += b"\x00" + packed
    header = struct.pack(">IIBBBBB", SIZE, SIZE, 4, 3, 0, 0, 0)
    palette = b"".join(bytes(rgb) for rgb in PALETTE)
    alpha = b"\x00"  # only index 0 is transparent
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"PLTE", palette)
            + chunk(b"tRNS", alpha) + chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_icon.py OUT.png")
    with open(sys.argv[1], "wb") as out:
        out.write(encode_png(draw_icon()))


if __name__ == "__main__":
    main()
