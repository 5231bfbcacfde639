#!/usr/bin/env python3
"""Writes the program icon, a written sum on a slate, in every form the program and a desktop use.

tallywick.ico holds three images, in this order: 32x32 in 2 colours, 32x32 in 16 colours and 16x16
in 16 colours. The desktop theme icons under hicolor/ are the same pictures: the 16-pixel one as
drawn for that size, every other size the 32-pixel picture rendered at that size, each pixel
covered by the picture's squares in proportion to their area, so whole multiples stay sharp. The
scalable SVG is the 32-pixel picture as squares. The pictures are drawn here from rectangles and
small digit glyphs, so running the script again gives the same bytes. Standard library only.

Usage: python3 make_icon.py [output folder]   (default: the folder of this script)
"""

import os
import struct
import sys
import zlib

# The name the desktop entry, the AppStream file and the theme icons share.
APP_ID = "io.github.tallywick.tallywick"
THEME_SIZES = [16, 22, 24, 32, 48, 64, 128, 256]

# The standard 16-colour palette, in its usual order.
PALETTE16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
PALETTE2 = [(0, 0, 0), (255, 255, 255)]

BLACK, TEAL, GREY, RED, WHITE = 0, 6, 8, 9, 15
CLEAR = None  # a see-through pixel

# Digit and sign glyphs, '#' for ink. The 5x7 set serves the 32-pixel image, the 3x5 set the
# 16-pixel one.
GLYPHS_5X7 = {
    "1": ["..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."],
    "2": [".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"],
    "3": ["#####", "...#.", "..#..", "...#.", "....#", "#...#", ".###."],
    "+": ["..#..", "..#..", "#####", "..#..", "..#.."],
}
GLYPHS_3X5 = {
    "1": [".#.", "##.", ".#.", ".#.", "###"],
    "2": ["##.", "..#", ".#.", "#..", "###"],
    "+": [".#.", "###", ".#."],
}


class Canvas:
    def __init__(self, size):
        self.size = size
        self.pixels = [[CLEAR] * size for _ in range(size)]

    def fill(self, left, top, right, bottom, colour):
        """Fills the rectangle whose corners are (left, top) and (right, bottom), inclusive."""
        for y in range(top, bottom + 1):
            for x in range(left, right + 1):
                self.pixels[y][x] = colour

    def box(self, left, top, right, bottom, fill, outline):
        self.fill(left, top, right, bottom, outline)
        self.fill(left + 1, top + 1, right - 1, bottom - 1, fill)

    def glyph(self, rows, left, top, colour):
        for dy, row in enumerate(rows):
            for dx, mark in enumerate(row):
                if mark == "#":
                    self.pixels[top + dy][left + dx] = colour

    def round_corners(self):
        last = self.size - 1
        for x, y in ((0, 0), (1, 0), (0, 1)):
            for px, py in ((x, y), (last - x, y), (x, last - y), (last - x, last - y)):
                self.pixels[py][px] = CLEAR


def slate32(ink, result_ink):
    """A sheet of paper on a teal slate with 1 + 2 written as a sum and its result 3 below."""
    c = Canvas(32)
    c.box(0, 0, 31, 31, TEAL, BLACK)
    c.round_corners()
    c.box(5, 1, 26, 30, WHITE, GREY)
    c.glyph(GLYPHS_5X7["1"], 18, 3, ink)
    c.glyph(GLYPHS_5X7["+"], 9, 12, ink)
    c.glyph(GLYPHS_5X7["2"], 18, 11, ink)
    c.fill(8, 19, 23, 20, ink)  # the rule
    c.glyph(GLYPHS_5X7["3"], 18, 22, result_ink)
    return c


def slate16():
    """The same slate, small: the sum 1 + 2 waiting for its result."""
    c = Canvas(16)
    c.box(0, 0, 15, 15, TEAL, BLACK)
    c.pixels[0][0] = c.pixels[0][15] = c.pixels[15][0] = c.pixels[15][15] = CLEAR
    c.box(2, 0, 13, 15, WHITE, GREY)
    c.glyph(GLYPHS_3X5["1"], 8, 2, BLACK)
    c.glyph(GLYPHS_3X5["+"], 4, 9, BLACK)
    c.glyph(GLYPHS_3X5["2"], 8, 8, BLACK)
    c.fill(3, 14, 12, 14, BLACK)  # the rule
    return c


def two_colour(canvas):
    """The 16-colour picture reduced to black and white by brightness."""
    out = Canvas(canvas.size)
    for y in range(canvas.size):
        for x in range(canvas.size):
            colour = canvas.pixels[y][x]
            if colour is not None:
                r, g, b = PALETTE16[colour]
                out.pixels[y][x] = 1 if 299 * r + 587 * g + 114 * b >= 128000 else 0
    return out


def pack_rows(rows, bits):
    """Packs rows of palette indices, bottom row first, each row padded to four bytes."""
    data = bytearray()
    for row in reversed(rows):
        line = bytearray()
        acc, used = 0, 0
        for value in row:
            acc = (acc << bits) | value
            used += bits
            if used == 8:
                line.append(acc)
                acc, used = 0, 0
        if used:
            line.append(acc << (8 - used))
        while len(line) % 4:
            line.append(0)
        data += line
    return bytes(data)


def dib(canvas, palette, bits):
    """One icon image: header, palette, colour bitmap and transparency mask."""
    size = canvas.size
    colours = [[0 if p is None else p for p in row] for row in canvas.pixels]
    mask = [[1 if p is None else 0 for p in row] for row in canvas.pixels]
    xor = pack_rows(colours, bits)
    andmask = pack_rows(mask, 1)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0, len(xor) + len(andmask),
                         0, 0, 0, 0)
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    return header + table + xor + andmask


def icon_file(images):
    """images: (size, colour count, bits per pixel, image bytes) in file order."""
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, count, bits, data in images:
        out += struct.pack("<BBBBHHII", size, size, count, 0, 1, bits, len(data), offset)
        offset += len(data)
    for _, _, _, data in images:
        out += data
    return out


def rgba(canvas):
    """The picture as rows of (red, green, blue, alpha)."""
    return [[(0, 0, 0, 0) if p is None else PALETTE16[p] + (255,) for p in row]
            for row in canvas.pixels]


def coverage(source, target):
    """For each target pixel along one axis, the source pixels it overlaps and by how much."""
    scale = source / target
    weights = []
    for t in range(target):
        start, end = t * scale, (t + 1) * scale
        first, last = int(start), min(source - 1, int(end - 1e-9))
        weights.append([(s, (min(end, s + 1) - max(start, s)) / scale)
                        for s in range(first, last + 1)])
    return weights


def render(pixels, size):
    """The picture at another size: each pixel the area-weighted mean of the squares it covers,
    with colour weighted by opacity so see-through squares add no colour."""
    axis = coverage(len(pixels), size)
    out = []
    for y in range(size):
        row = []
        for x in range(size):
            r = g = b = a = 0.0
            for sy, wy in axis[y]:
                for sx, wx in axis[x]:
                    pr, pg, pb, pa = pixels[sy][sx]
                    w = wx * wy * pa
                    r, g, b, a = r + pr * w, g + pg * w, b + pb * w, a + w
            if a == 0:
                row.append((0, 0, 0, 0))
            else:
                row.append((round(r / a), round(g / a), round(b / a), round(a)))
        out.append(row)
    return out


def png_file(pixels):
    """An 8-bit RGBA PNG of the given rows, without any time stamp."""
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    size = len(pixels)
    raw = b"".join(b"\0" + bytes(v for px in row for v in px) for row in pixels)
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


def svg_file(canvas):
    """The picture as one path of unit squares per colour, runs along a row joined."""
    paths = {}
    for y, row in enumerate(canvas.pixels):
        x = 0
        while x < canvas.size:
            colour = row[x]
            end = x
            while end + 1 < canvas.size and row[end + 1] == colour:
                end += 1
            if colour is not None:
                paths.setdefault(colour, []).append(f"M{x} {y}h{end - x + 1}v1h-{end - x + 1}z")
            x = end + 1
    lines = [f'<svg xmlns="http://www.w3.org/2000/svg" width="{canvas.size}" '
             f'height="{canvas.size}" viewBox="0 0 {canvas.size} {canvas.size}" '
             'shape-rendering="crispEdges">']
    for colour in sorted(paths):
        r, g, b = PALETTE16[colour]
        lines.append(f'<path fill="#{r:02x}{g:02x}{b:02x}" d="{"".join(paths[colour])}"/>')
    lines.append("</svg>")
    return ("\n".join(lines) + "\n").encode("ascii")


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    colour32 = slate32(BLACK, RED)
    images = [
        (32, 2, 1, dib(two_colour(slate32(BLACK, BLACK)), PALETTE2, 1)),
        (32, 16, 4, dib(colour32, PALETTE16, 4)),
        (16, 16, 4, dib(slate16(), PALETTE16, 4)),
    ]
    write(os.path.join(folder, "tallywick.ico"), icon_file(images))

    theme = os.path.join(folder, "hicolor")
    for size in THEME_SIZES:
        pixels = rgba(slate16()) if size == 16 else render(rgba(colour32), size)
        write(os.path.join(theme, f"{size}x{size}", "apps", APP_ID + ".png"), png_file(pixels))
    write(os.path.join(theme, "scalable", "apps", APP_ID + ".svg"), svg_file(colour32))


if __name__ == "__main__":
    main()
