#!/usr/bin/env python3
"""Draws the program icon: a neuron with three inputs and one output.

Two pictures of the same drawing:
- the window icon, 32 x 32 pixels, 16 colours (4-bit indexed PNG, colour 0 transparent), drawn pixel by pixel:
      python3 tools/icon/make_icon.py assets/icon/MAINICON.png
- the desktop's icon theme entry, an SVG and antialiased PNGs at the theme's sizes, all from one list of shapes
  laid on the window icon's 32-unit grid with its colours, and the icon of a lesson file (the same neuron on a
  page with a folded corner):
      python3 tools/icon/make_icon.py --theme packaging/icons
Only the standard library is used, so the icons can be re-made anywhere.
"""
import os
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
TRANSPARENT, NAVY, TEAL, SILVER, GREY, RED, BLUE, AQUA, WHITE = 0, 4, 6, 7, 8, 9, 12, 14, 15

# The drawing's geometry, in the window icon's pixels: the cell body and the three input terminals.
BODY_X, BODY_Y, BODY_RADIUS = 15, 16, 7
INPUTS = [(3, 5), (3, 16), (3, 27)]


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
    body_x, body_y = BODY_X, BODY_Y
    inputs = INPUTS
    for x, y in inputs:
        line(canvas, x, y, body_x - 6, body_y + (y - body_y) // 4, NAVY)
    disc(canvas, body_x, body_y, BODY_RADIUS, TEAL, NAVY)
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


# ---------------------------------------------------------------------------------------------------------------
# The theme icon: the same drawing as shapes, in paint order, on a 32-unit grid where the window icon's pixel
# (x, y) is the unit square from (x, y) to (x + 1, y + 1).

THEME_NAME = "ro.rna_introducere.rna"
THEME_SIZES = (16, 32, 48, 64, 128, 256)
GRID = 32
STROKE = 1.0


def theme_shapes():
    """Each shape: ("line", (x0, y0, x1, y1), width, colour), ("circle", (cx, cy, r), fill, outline) with a
    STROKE-wide outline centred on the circle, or ("polygon", points, fill)."""
    cx, cy = BODY_X + 0.5, BODY_Y + 0.5
    shapes = []
    # The connections run under the body to its centre line, so that they meet its rim whatever the size.
    for x, y in INPUTS:
        shapes.append(("line", (x + 0.5, y + 0.5, cx - 3, cy + (y - BODY_Y) / 4), 1.2, NAVY))
    shapes.append(("circle", (cx, cy, BODY_RADIUS), TEAL, NAVY))
    shapes.append(("circle", (cx - 2.4, cy - 2.4, 1.3), AQUA, None))
    for x, y in INPUTS:
        shapes.append(("circle", (x + 0.5, y + 0.5, 2.2), BLUE, NAVY))
    # The output: a shaft from the body's rim and an arrow head, as in the window icon.
    shapes.append(("polygon", [(cx + BODY_RADIUS, cy - 1.5), (25.5, cy - 1.5), (25.5, cy + 1.5),
                               (cx + BODY_RADIUS, cy + 1.5)], RED))
    shapes.append(("polygon", [(25, cy - 4.5), (30, cy), (25, cy + 4.5)], RED))
    return shapes


LESSON_ICON_NAME = "application-x-rna-lesson"


def scaled_shapes(shapes, factor, dx, dy):
    """The shapes made `factor` times smaller or larger and moved by (dx, dy); outlines keep their width."""
    def point(x, y):
        return (x * factor + dx, y * factor + dy)
    result = []
    for shape in shapes:
        if shape[0] == "line":
            (x0, y0, x1, y1), width, colour = shape[1:]
            result.append(("line", point(x0, y0) + point(x1, y1), width * factor, colour))
        elif shape[0] == "circle":
            (cx, cy, r), fill, outline = shape[1:]
            result.append(("circle", point(cx, cy) + (r * factor,), fill, outline))
        else:
            points, fill = shape[1:]
            result.append(("polygon", [point(x, y) for x, y in points], fill))
    return result


def lesson_shapes():
    """A page with its top right corner folded, outlined in grey, and the program's neuron on it."""
    left, top, right, bottom, fold = 4.5, 1.5, 27.5, 30.5, 7
    outline = [(left, top), (right - fold, top), (right, top + fold), (right, bottom), (left, bottom)]
    inner = [(left + 1, top + 1), (right - fold - 0.4, top + 1), (right - 1, top + fold + 0.4),
             (right - 1, bottom - 1), (left + 1, bottom - 1)]
    shapes = [("polygon", outline, GREY), ("polygon", inner, WHITE),
              ("polygon", [(right - fold, top), (right - fold, top + fold), (right, top + fold)], SILVER)]
    return shapes + scaled_shapes(theme_shapes(), 0.62, 5.8, 9.5)


def hex_colour(index):
    return "#%02x%02x%02x" % PALETTE[index]


def number(value):
    return ("%.2f" % value).rstrip("0").rstrip(".")


def svg_text(shapes):
    parts = ['<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">'
             % (GRID, GRID, GRID, GRID)]
    for shape in shapes:
        kind = shape[0]
        if kind == "line":
            (x0, y0, x1, y1), width, colour = shape[1:]
            parts.append('  <line x1="%s" y1="%s" x2="%s" y2="%s" stroke="%s" stroke-width="%s" '
                         'stroke-linecap="round"/>' % (number(x0), number(y0), number(x1), number(y1),
                                                        hex_colour(colour), number(width)))
        elif kind == "circle":
            (x, y, r), fill, outline = shape[1:]
            stroke = ' stroke="%s" stroke-width="%s"' % (hex_colour(outline), number(STROKE)) if outline else ""
            parts.append('  <circle cx="%s" cy="%s" r="%s" fill="%s"%s/>'
                         % (number(x), number(y), number(r), hex_colour(fill), stroke))
        else:
            points, fill = shape[1:]
            text = " ".join("%s,%s" % (number(x), number(y)) for x, y in points)
            parts.append('  <polygon points="%s" fill="%s"/>' % (text, hex_colour(fill)))
    parts.append("</svg>")
    return "\n".join(parts) + "\n"


def segment_distance2(px, py, x0, y0, x1, y1):
    dx, dy = x1 - x0, y1 - y0
    t = ((px - x0) * dx + (py - y0) * dy) / (dx * dx + dy * dy)
    t = max(0.0, min(1.0, t))
    ex, ey = x0 + t * dx - px, y0 + t * dy - py
    return ex * ex + ey * ey


def inside_polygon(px, py, points):
    """Even-odd rule: a ray to the right crosses the outline an odd number of times."""
    inside = False
    for (x0, y0), (x1, y1) in zip(points, points[1:] + points[:1]):
        if (y0 > py) != (y1 > py) and px < x0 + (py - y0) * (x1 - x0) / (y1 - y0):
            inside = not inside
    return inside


def shape_regions(shape):
    """The shape as regions, each (bounding box, test of a point, colour), painted in this order."""
    kind = shape[0]
    if kind == "line":
        (x0, y0, x1, y1), width, colour = shape[1:]
        h = width / 2
        box = (min(x0, x1) - h, min(y0, y1) - h, max(x0, x1) + h, max(y0, y1) + h)
        return [(box, lambda x, y: segment_distance2(x, y, x0, y0, x1, y1) <= h * h, colour)]
    if kind == "circle":
        (cx, cy, r), fill, outline = shape[1:]
        regions = [((cx - r, cy - r, cx + r, cy + r), lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r, fill)]
        if outline is not None:
            lo, hi = r - STROKE / 2, r + STROKE / 2
            regions.append(((cx - hi, cy - hi, cx + hi, cy + hi),
                            lambda x, y: lo * lo <= (x - cx) ** 2 + (y - cy) ** 2 <= hi * hi, outline))
        return regions
    points, fill = shape[1:]
    xs, ys = [p[0] for p in points], [p[1] for p in points]
    return [((min(xs), min(ys), max(xs), max(ys)), lambda x, y: inside_polygon(x, y, points), fill)]


def rasterise(shapes, size):
    """Paints the shapes at size x size pixels, each pixel the average of n x n samples: RGBA rows."""
    n = 8 if size <= 64 else 4
    samples = size * n
    scale = samples / GRID
    colour_of = bytearray(samples * samples)  # 0: nothing painted, else palette index + 1
    for shape in shapes:
        for (x0, y0, x1, y1), test, colour in shape_regions(shape):
            first_column, last_column = max(0, int(x0 * scale)), min(samples - 1, int(x1 * scale) + 1)
            first_row, last_row = max(0, int(y0 * scale)), min(samples - 1, int(y1 * scale) + 1)
            for sy in range(first_row, last_row + 1):
                y = (sy + 0.5) / scale
                row = sy * samples
                for sx in range(first_column, last_column + 1):
                    if test((sx + 0.5) / scale, y):
                        colour_of[row + sx] = colour + 1
    pixels = []
    for py in range(size):
        row = bytearray()
        for px in range(size):
            red = green = blue = covered = 0
            for sy in range(py * n, py * n + n):
                for value in colour_of[sy * samples + px * n: sy * samples + px * n + n]:
                    if value:
                        r, g, b = PALETTE[value - 1]
                        red, green, blue, covered = red + r, green + g, blue + b, covered + 1
            if covered:
                row += bytes((round(red / covered), round(green / covered), round(blue / covered),
                              round(255 * covered / (n * n))))
            else:
                row += bytes(4)
        pixels.append(bytes(row))
    return pixels


def encode_rgba_png(pixels):
    size = len(pixels)
    rows = b"".join(b"\x00" + row for row in pixels)
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(rows, 9))
            + chunk(b"IEND", b""))


def write_theme(folder):
    """Writes hicolor/scalable/apps/NAME.svg and hicolor/SxS/apps/NAME.png below folder, and the lesson file's
    icon the same way under mimetypes."""
    for context, name, shapes in (("apps", THEME_NAME, theme_shapes()),
                                  ("mimetypes", LESSON_ICON_NAME, lesson_shapes())):
        targets = [("scalable", ".svg", svg_text(shapes).encode())]
        targets += [("%dx%d" % (size, size), ".png", encode_rgba_png(rasterise(shapes, size)))
                    for size in THEME_SIZES]
        for directory, suffix, data in targets:
            path = os.path.join(folder, "hicolor", directory, context)
            os.makedirs(path, exist_ok=True)
            with open(os.path.join(path, name + suffix), "wb") as out:
                out.write(data)


def main():
    if len(sys.argv) == 3 and sys.argv[1] == "--theme":
        write_theme(sys.argv[2])
        return
    if len(sys.argv) != 2:
        sys.exit("usage: make_icon.py OUT.png | make_icon.py --theme FOLDER")
    with open(sys.argv[1], "wb") as out:
        out.write(encode_png(draw_icon()))


if __name__ == "__main__":
    main()
