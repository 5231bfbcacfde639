#!/usr/bin/env python3
"""Writes the Setup window's background picture, gradient.bmp, next to this script.

The picture is 2 x 576 pixels, 24 bits per pixel, both columns alike: green stays 204 while red
and blue run from lavender at the top to peach a little above the middle and back to lavender.
Only the standard library is used, so the committed picture can be rebuilt anywhere:

    python3 setup/make_gradient.py
"""

import os
import struct

WIDTH = 2
HEIGHT = 576
GREEN = 204


def ramp(start, end, step, steps):
    # Half rounds up, so the result does not depend on the platform's rounding of ties.
    return int(start + (end - start) * step / steps + 0.5)


def row_colour(row):
    """The (red, green, blue) of a row counted from the top."""
    if row <= 285:
        return ramp(204, 254, row, 285), GREEN, ramp(255, 153, row, 285)
    if row <= 287:
        return 254, GREEN, 153
    if row <= 548:
        return ramp(250, 204, row - 288, 260), GREEN, ramp(162, 255, row - 288, 260)
    return 204, GREEN, 255


def bitmap():
    row_size = (WIDTH * 3 + 3) // 4 * 4
    pixels = bytearray()
    # A bitmap stores its bottom row first, each pixel as blue, green, red.
    for row in reversed(range(HEIGHT)):
        red, green, blue = row_colour(row)
        line = bytes((blue, green, red)) * WIDTH
        pixels += line + bytes(row_size - len(line))
    header_size = 14 + 40
    file_header = struct.pack("<2sIHHI", b"BM", header_size + len(pixels), 0, 0, header_size)
    # 2835 pixels per metre is 72 dots per inch; the window stretches the picture anyway.
    info_header = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 24, 0, len(pixels),
                              2835, 2835, 0, 0)
    return file_header + info_header + bytes(pixels)


def main():
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "gradient.bmp")
    with open(path, "wb") as out:
        out.write(bitmap())


if __name__ == "__main__":
    main()
