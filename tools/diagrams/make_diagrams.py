#!/usr/bin/env python3
"""Draws the block diagrams of the three demonstration windows as palette BMP files.

  form1-diagram.bmp  single-input neuron, 561 x 130, 8 bits per pixel, seven colours
  form2-diagram.bmp  two-input neuron,    565 x 244, 4 bits per pixel, standard 16 colours
  form3-diagram.bmp  network of three,    740 x 227, 4 bits per pixel, standard 16 colours

and the same diagrams drawn at two and three times their size for screens with more pixels,
as palette PNG files form1-diagram@2x.png, form1-diagram@3x.png and so on.

Every picture has a silver background (the bottom-left pixel, which the windows treat as
transparent), red lines, navy boxes with red frames and a maroon inner edge, and yellow
sum signs and F letters with olive and black fringes. Coordinates are inclusive pixel ranges
in picture coordinates, written the way the windows' layouts were measured. At a larger scale
every pixel of those coordinates is a square of scale x scale pixels, and what slopes (lines,
the strokes of the sum signs, arrowheads) and the glyphs' fringes are drawn at the finer
pixels rather than enlarged, so that they keep their shape without steps; at scale 1 the
pictures are the ones the layouts were measured on.

Usage: python3 tools/diagrams/make_diagrams.py assets/pictures
Only the standard library is used, and the output is the same bytes on every run.
"""
import math
import os
import struct
import sys
import zlib

SILVER = (0xC0, 0xC0, 0xC0)
GREY = (0x80, 0x80, 0x80)
BLACK = (0x00, 0x00, 0x00)
MAROON = (0x80, 0x00, 0x00)
OLIVE = (0x80, 0x80, 0x00)
NAVY = (0x00, 0x00, 0x80)
RED = (0xFF, 0x00, 0x00)
YELLOW = (0xFF, 0xFF, 0x00)

# The single-input picture carries only the colours it uses.
SEVEN_COLOURS = [SILVER, NAVY, RED, YELLOW, MAROON, OLIVE, BLACK]

# The standard 16-colour palette of 4-bit bitmaps: grey at index 7, silver at index 8.
STANDARD_16 = [
    BLACK, MAROON, (0x00, 0x80, 0x00), OLIVE, NAVY, (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), GREY,
    SILVER, RED, (0x00, 0xFF, 0x00), YELLOW, (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF),
    (0xFF, 0xFF, 0xFF),
]


def lerp(a, b, i, n):
    """Step i of n from a to b in whole pixels, exact at both ends. The fraction is dropped, so
    where a stroke moves fewer columns than it has rows the odd rows come first, next to where
    the stroke starts, and the rest of it runs at an even slope."""
    if n == 0:
        return a
    return a + abs(b - a) * i // n * (1 if b >= a else -1)


def scaled_range(r, scale):
    """The pixels at `scale` of the inclusive range r = (first, last) of picture pixels."""
    return r[0] * scale, r[1] * scale + scale - 1


class Canvas:
    """A picture width x height of the layouts' pixels, drawn with `scale` x `scale` pixels to each."""

    def __init__(self, width, height, scale=1):
        self.scale = scale
        self.width, self.height = width * scale, height * scale
        self.rows = [[SILVER] * self.width for _ in range(self.height)]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.rows[y][x] = colour

    def fill(self, xs, ys, colour):
        """Fills the inclusive ranges xs = (left, right), ys = (top, bottom) of picture pixels."""
        xs, ys = scaled_range(xs, self.scale), scaled_range(ys, self.scale)
        for y in range(ys[0], ys[1] + 1):
            for x in range(xs[0], xs[1] + 1):
                self.put(x, y, colour)

    def paint(self, pixels, colour):
        """Sets pixels at the canvas' own scale."""
        for x, y in pixels:
            self.put(x, y, colour)

    def box(self, outer, inside):
        """A red box with a navy inside and a one-pixel maroon edge between them.

        outer and inside are (left, right, top, bottom); the frame is what lies between them."""
        self.fill(outer[0:2], outer[2:4], RED)
        self.fill((inside[0] - 1, inside[1] + 1), (inside[2] - 1, inside[3] + 1), MAROON)
        self.fill(inside[0:2], inside[2:4], NAVY)

    def sloped_line(self, start, end, width, colour):
        """A straight line of the given width between two pixel centres, drawn as one vertical run
        per column (lines here are flatter than 45 degrees), cut off square at both ends."""
        (x0, y0), (x1, y1) = start, end
        if x1 < x0:
            (x0, y0), (x1, y1) = (x1, y1), (x0, y0)
        s = self.scale
        # Pixel centres and the columns from the first to the last one, at the canvas' scale.
        centre0 = (x0 * s + (s - 1) / 2, y0 * s + (s - 1) / 2)
        centre1 = (x1 * s + (s - 1) / 2, y1 * s + (s - 1) / 2)
        run = round(width * s * math.hypot(x1 - x0, y1 - y0) / (x1 - x0))
        for x in range(x0 * s, x1 * s + s):
            centre = centre0[1] + (centre1[1] - centre0[1]) * (x - centre0[0]) / (centre1[0] - centre0[0])
            top = math.floor(centre - (run - 1) / 2 + 0.5)
            for y in range(top, top + run):
                self.put(x, y, colour)


def slanted_rows(first, last, spans, scale=1):
    """Pixels of a stroke whose row spans move linearly from spans[0] (at row first) to spans[1]
    (at row last); a span is (left, right). The rows may run upwards (last < first). At a scale,
    the rows and spans of the end rows become those of their pixels at that scale, and the stroke
    moves between them row by row of the finer pixels."""
    if scale != 1:
        (l0, r0), (l1, r1) = spans
        upwards = last < first
        first = first * scale + (scale - 1 if upwards else 0)
        last = last * scale + (0 if upwards else scale - 1)
        spans = (scaled_range((l0, r0), scale), scaled_range((l1, r1), scale))
    (l0, r0), (l1, r1) = spans
    n = abs(last - first)
    step = 1 if last >= first else -1
    for i in range(n + 1):
        for x in range(lerp(l0, l1, i, n), lerp(r0, r1, i, n) + 1):
            yield x, first + step * i


def rect_pixels(xs, ys, scale=1):
    xs, ys = scaled_range(xs, scale), scaled_range(ys, scale)
    return {(x, y) for y in range(ys[0], ys[1] + 1) for x in range(xs[0], xs[1] + 1)}


def sigma(xs, top_bar, bottom_bar, top_foot, point, bottom_foot, scale=1):
    """The sum sign: two bars over the columns xs, joined on the left by two strokes that meet at a
    point on the right. top_foot and bottom_foot are the strokes' spans where they leave the bars;
    point is (left, right, top, bottom) of the part where the strokes meet."""
    pixels = rect_pixels(xs, top_bar, scale) | rect_pixels(xs, bottom_bar, scale)
    pixels |= rect_pixels(point[0:2], point[2:4], scale)
    pixels |= set(slanted_rows(top_bar[1] + 1, point[2], (top_foot, point[0:2]), scale))
    pixels |= set(slanted_rows(point[3], bottom_bar[0] - 1, (point[0:2], bottom_foot), scale))
    return pixels


def letter_f(stem, ys, right, top_bar, middle_bar, scale=1):
    """The letter F: a stem over the rows ys and two bars from the stem's left edge to right."""
    pixels = rect_pixels(stem, ys, scale)
    pixels |= rect_pixels((stem[0], right), top_bar, scale)
    pixels |= rect_pixels((stem[0], right), middle_bar, scale)
    return pixels


def shifted(pixels, dx, dy):
    return {(x + dx, y + dy) for x, y in pixels}


def paint_outlined(canvas, glyph):
    """A yellow glyph with a one-pixel outline (one picture pixel: `scale` pixels wide): olive where
    the glyph lies to the right of or below the outline pixel (its upper and left edges), black on
    its lower and right edges."""
    s = canvas.scale
    outline = set()
    for k in range(1, s + 1):
        for dx, dy in ((k, 0), (-k, 0), (0, k), (0, -k)):
            outline |= shifted(glyph, dx, dy)
    outline -= glyph
    upper_left = set()
    for k in range(1, s + 1):
        upper_left |= shifted(glyph, -k, 0) | shifted(glyph, 0, -k)
    canvas.paint(outline & upper_left, OLIVE)
    canvas.paint(outline - upper_left, BLACK)
    canvas.paint(glyph, YELLOW)


def paint_shadowed(canvas, glyph):
    """A yellow glyph with a shadow on its right and lower edges: one olive picture pixel, then one
    black."""
    s = canvas.scale
    near = set()
    for dx in range(s + 1):
        for dy in range(s + 1):
            near |= shifted(glyph, dx, dy)
    far = set()
    for dx in range(2 * s + 1):
        for dy in range(2 * s + 1):
            far |= shifted(glyph, dx, dy)
    canvas.paint(far - near - glyph, BLACK)
    canvas.paint(near - glyph, OLIVE)
    canvas.paint(glyph, YELLOW)


def open_arrowhead(canvas, upper_start, lower_start, tip, width):
    """Two arms of the given width (counted along each row) from the start points, which are the
    arms' outer left pixels, to the tip column (tip_x, (top, bottom)) where the shaft ends. Each arm
    is stepped from its start towards the tip, so the two arms are mirror images of each other."""
    tip_x, (tip_top, tip_bottom) = tip
    (ux, uy), (lx, ly) = upper_start, lower_start
    right = tip_x - width + 1
    s = canvas.scale
    canvas.paint(slanted_rows(uy, tip_top, ((ux, ux + width - 1), (right, tip_x)), s), RED)
    canvas.paint(slanted_rows(ly, tip_bottom, ((lx, lx + width - 1), (right, tip_x)), s), RED)


def form1_diagram(scale=1):
    """The single-input neuron: input line, sum box, function box, output arrow, threshold."""
    c = Canvas(561, 130, scale)
    c.box((201, 289, 6, 94), (210, 281, 14, 86))
    paint_outlined(c, sigma((226, 265), (22, 26), (74, 77), (226, 234), (246, 254, 48, 53), (226, 234), scale))
    c.box((381, 470, 6, 94), (391, 461, 14, 86))
    paint_shadowed(c, letter_f((404, 411), (22, 77), 446, (22, 27), (47, 53), scale))
    c.fill((65, 208), (48, 53), RED)  # input line, running into the sum box's frame
    c.fill((283, 389), (48, 53), RED)  # link from the sum box to the function box
    c.fill((462, 519), (48, 53), RED)  # output arrow's shaft
    open_arrowhead(c, (496, 30), (496, 70), (519, (48, 53)), 13)
    c.fill((243, 249), (95, 127), RED)  # threshold, narrowing by a pixel on each side in its last row
    c.fill((244, 248), (128, 128), RED)
    return c


def form2_input_line(c, top_at_start, bottom_at_start, slope_sign):
    """An input line from its vertical cut at x 64 to the sum box's left side, moving one row for
    every two columns (down for slope_sign 1, up for -1). Its edges run straight through the middle
    of each two-column step: row edge + (x - 64.5) / 2 at the centre x of a column, rounded, which
    at scale 1 is the step of every second column."""
    s = c.scale
    for x in range(64 * s, 210 * s):
        centre = (x + 0.5) / s - 0.5  # in picture pixels
        shift = slope_sign * (centre - 64.5) / 2
        top = math.floor((top_at_start + shift) * s + 0.5)
        bottom = math.floor((bottom_at_start + 1 + shift) * s + 0.5)
        for y in range(top, bottom):
            c.put(x, y, RED)


def form2_diagram(scale=1):
    """The two-input neuron: two slanted input lines, sum box, function box, output arrow, threshold."""
    c = Canvas(565, 244, scale)
    form2_input_line(c, 7, 15, 1)
    form2_input_line(c, 202, 209, -1)
    c.box((210, 306, 59, 157), (219, 297, 69, 146))
    paint_outlined(c, sigma((237, 279), (77, 83), (133, 138), (237, 247), (259, 267, 106, 110), (237, 249), scale))
    c.box((406, 503, 59, 157), (416, 493, 69, 146))
    paint_shadowed(c, letter_f((431, 438), (77, 138), 477, (77, 83), (105, 110), scale))
    c.fill((307, 405), (106, 112), RED)  # link from the sum box to the function box
    c.fill((504, 557), (106, 112), RED)  # output arrow's shaft
    open_arrowhead(c, (531, 86), (531, 130), (557, (106, 112)), 12)
    c.fill((255, 262), (158, 233), RED)  # threshold
    return c


def form3_neuron(c, sum_box, sum_glyph_origin, function_box, f_origin, sigma_height, f_right):
    """One neuron of the network: a thin-framed sum box and a function box with a 6-pixel frame.

    The glyphs keep the hidden neurons' shapes (4-pixel strokes), placed at the given top-left
    corners; sigma_height is the sum sign's height, 48 for the hidden neurons."""
    left, right, top, bottom = sum_box
    c.box(sum_box, (left + 2, right - 2, top + 2, bottom - 2))
    left, right, top, bottom = function_box
    c.box(function_box, (left + 6, right - 6, top + 6, bottom - 6))
    x, y = sum_glyph_origin
    last = y + sigma_height - 1
    middle = y + (sigma_height - 4) // 2
    paint_outlined(c, sigma((x, x + 38), (y, y + 3), (last - 3, last), (x, x + 3),
                            (x + 11, x + 15, middle, middle + 3), (x, x + 3), c.scale))
    x, y = f_origin
    paint_shadowed(c, letter_f((x, x + 4), (y, y + 43), f_right, (y, y + 5), (y + 20, y + 23), c.scale))


def form3_diagram(scale=1):
    """The network: one input feeding two hidden neurons, whose outputs feed the output neuron."""
    c = Canvas(740, 227, scale)
    form3_neuron(c, (184, 252, 32, 100), (198, 42), (277, 336, 32, 99), (292, 44), 48, 320)
    form3_neuron(c, (184, 252, 121, 189), (198, 131), (278, 337, 122, 190), (293, 135), 48, 321)
    form3_neuron(c, (499, 566, 77, 145), (512, 87), (594, 652, 77, 143), (609, 89), 46, 636)
    c.sloped_line((13, 110), (183, 65), 3, RED)  # input to hidden neuron 1
    c.sloped_line((13, 110), (183, 153), 3, RED)  # input to hidden neuron 2
    c.fill((216, 217), (0, 31), RED)  # threshold of hidden neuron 1, from the top edge
    c.fill((216, 217), (190, 223), RED)  # threshold of hidden neuron 2
    c.fill((253, 276), (64, 67), RED)  # hidden neuron 1, sum to function
    c.fill((253, 277), (153, 155), RED)  # hidden neuron 2, sum to function
    c.sloped_line((337, 66), (498, 110), 3, RED)  # hidden neuron 1 to the output neuron
    c.sloped_line((338, 153), (498, 110), 3, RED)  # hidden neuron 2 to the output neuron
    c.fill((530, 533), (146, 169), RED)  # threshold of the output neuron
    c.fill((567, 593), (109, 111), RED)  # output neuron, sum to function
    c.fill((653, 736), (109, 111), RED)  # output arrow's shaft
    open_arrowhead(c, (712, 92), (714, 126), (736, (109, 111)), 5)
    return c


def encode_bmp(canvas, palette, bits):
    """A bottom-up BMP with a BITMAPINFOHEADER, the given palette and 8 or 4 bits per pixel."""
    index = {colour: i for i, colour in enumerate(palette)}
    stride = (canvas.width * bits + 31) // 32 * 4
    pixels = bytearray()
    for row in reversed(canvas.rows):
        indices = [index[colour] for colour in row]
        if bits == 4:
            indices.append(0)  # pads an odd width to whole bytes
            line = bytes((indices[i] << 4) | indices[i + 1] for i in range(0, canvas.width, 2))
        else:
            line = bytes(indices)
        pixels += line + b"\0" * (stride - len(line))
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    offset = 14 + 40 + len(table)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height, 1, bits, 0, len(pixels), 3780, 3780,
                       len(palette), len(palette))
    return header + info + table + bytes(pixels)


def png_chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)


def encode_png(canvas, palette):
    """A PNG of 8-bit palette indices, the given palette, each row unfiltered, compressed at level 9."""
    index = {colour: i for i, colour in enumerate(palette)}
    raw = b"".join(b"\0" + bytes(index[colour] for colour in row) for row in canvas.rows)
    header = struct.pack(">IIBBBBB", canvas.width, canvas.height, 8, 3, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", header)
            + png_chunk(b"PLTE", b"".join(bytes(colour) for colour in palette))
            + png_chunk(b"IDAT", zlib.compress(raw, 9)) + png_chunk(b"IEND", b""))


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_diagrams.py OUTDIR")
    out_dir = sys.argv[1]
    os.makedirs(out_dir, exist_ok=True)
    pictures = [
        ("form1-diagram", form1_diagram, SEVEN_COLOURS, 8),
        ("form2-diagram", form2_diagram, STANDARD_16, 4),
        ("form3-diagram", form3_diagram, STANDARD_16, 4),
    ]
    for name, draw, palette, bits in pictures:
        with open(os.path.join(out_dir, name + ".bmp"), "wb") as out:
            out.write(encode_bmp(draw(), palette, bits))
        for scale in (2, 3):
            with open(os.path.join(out_dir, "%s@%dx.png" % (name, scale)), "wb") as out:
                out.write(encode_png(draw(scale), palette))


if __name__ == "__main__":
    main()
