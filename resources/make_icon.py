#!/usr/bin/env python3
"""Writes tallywick.ico: the program icon, a written sum on a slate.

The file holds three images, in this order: 32x32 in 2 colours, 32x32 in 16 colours and 16x16 in
16 colours. The pictures are drawn here from rectangles and small digit glyphs, so running the
script again gives the same bytes. Standard library only.

Usage: python3 make_icon.py [output path]   (default: tallywick.ico next to this script)
"""

import os
import struct
import sys

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


def main():
    path = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "tallywick.ico")
    colour32 = slate32(BLACK, RED)
    images = [
        (32, 2, 1, dib(two_colour(slate32(BLACK, BLACK)), PALETTE2, 1)),
        (32, 16, 4, dib(colour32, PALETTE16, 4)),
        (16, 16, 4, dib(slate16(), PALETTE16, 4)),
    ]
    with open(path, "wb") as f:
        f.write(icon_file(images))


if __name__ == "__main__":
    main()
