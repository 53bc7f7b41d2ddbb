#!/usr/bin/env python3
"""Draws the installer's splash bitmaps (BITMAP 109 and 125) and the picture
of its pages (BITMAP 120).

The pictures are drawn from a few shapes: a colour band, a label with an
EAN-13 symbol that a scanner reads (the splash of the barcode DLL), and bar
rows. The script writes 24-bit BMP files.

    draw_setup_images.py [--check] [output directory]

The output directory defaults to setup/res/images. With --check nothing is
written: the script fails when a file there differs from what it would draw.
"""

import argparse
import pathlib
import struct
import sys

WHITE = (255, 255, 255)
BLACK = (0, 0, 0)
NAVY = (0, 40, 120)
BLUE = (0, 90, 200)
GREEN = (0, 120, 60)
LIGHT = (230, 236, 245)

# EAN-13 digit patterns (odd parity L, even parity G, right-hand R), as bars
# of 7 modules, and the parities of the left half by the first digit.
L_CODES = ["0001101", "0011001", "0010011", "0111101", "0100011",
           "0110001", "0101111", "0111011", "0110111", "0001011"]
G_CODES = ["".join("1" if b == "0" else "0" for b in code)[::-1] for code in L_CODES]
R_CODES = ["".join("1" if b == "0" else "0" for b in code) for code in L_CODES]
PARITIES = ["LLLLLL", "LLGLGG", "LLGGLG", "LLGGGL", "LGLLGG",
            "LGGLLG", "LGGGLL", "LGLGLG", "LGLGGL", "LGGLGL"]


def ean13_modules(twelve):
    digits = [int(c) for c in twelve]
    check = (10 - sum(d * (3 if i % 2 else 1) for i, d in enumerate(digits)) % 10) % 10
    digits.append(check)
    modules = "101"
    for i, digit in enumerate(digits[1:7]):
        parity = PARITIES[digits[0]][i]
        modules += (L_CODES if parity == "L" else G_CODES)[digit]
    modules += "01010"
    for digit in digits[7:]:
        modules += R_CODES[digit]
    return modules + "101"


class Picture:
    def __init__(self, width, height, colour=WHITE):
        self.width = width
        self.height = height
        self.rows = [[colour] * width for _ in range(height)]

    def fill(self, left, top, width, height, colour):
        for y in range(max(top, 0), min(top + height, self.height)):
            row = self.rows[y]
            for x in range(max(left, 0), min(left + width, self.width)):
                row[x] = colour

    def band(self, top, height, upper, lower):
        """A vertical gradient from upper to lower colour."""
        for i in range(height):
            t = i / max(height - 1, 1)
            colour = tuple(round(a + (b - a) * t) for a, b in zip(upper, lower))
            self.fill(0, top + i, self.width, 1, colour)

    def bars(self, left, top, modules, module_width, height):
        for i, module in enumerate(modules):
            if module == "1":
                self.fill(left + i * module_width, top, module_width, height, BLACK)

    def bmp(self):
        stride = (self.width * 3 + 3) & ~3
        pixels = bytearray()
        for row in reversed(self.rows):
            line = bytearray()
            for r, g, b in row:
                line += bytes((b, g, r))
            line += b"\0" * (stride - len(line))
            pixels += line
        header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
        info = struct.pack("<IiiHHIIiiII", 40, self.width, self.height, 1, 24, 0,
                           len(pixels), 2835, 2835, 0, 0)
        return header + info + bytes(pixels)


def splash(accent, with_symbol):
    picture = Picture(400, 240, LIGHT)
    picture.band(0, 70, NAVY, accent)
    picture.fill(0, 70, 400, 4, WHITE)
    # A label with its barcode: quiet zones of 11 modules either side.
    picture.fill(70, 100, 260, 110, WHITE)
    picture.fill(70, 100, 260, 2, BLACK)
    picture.fill(70, 208, 260, 2, BLACK)
    picture.fill(70, 100, 2, 110, BLACK)
    picture.fill(328, 100, 2, 110, BLACK)
    if with_symbol:
        modules = ean13_modules("424242000001")
        picture.bars(200 - len(modules), 118, modules, 2, 76)
    else:
        # The print server: a stack of cabinets with their lights.
        for i in range(3):
            top = 116 + i * 28
            picture.fill(140, top, 120, 22, NAVY)
            picture.fill(150, top + 8, 60, 6, accent)
            picture.fill(236, top + 8, 8, 6, (0, 220, 0))
    return picture


def page_picture():
    picture = Picture(96, 240)
    picture.band(0, 240, NAVY, BLUE)
    # Rows of a stacked symbol on a white label.
    picture.fill(12, 60, 72, 120, WHITE)
    pattern = "1101100101110100110010111010011"
    for row in range(10):
        shifted = pattern[row * 3 % len(pattern):] + pattern[:row * 3 % len(pattern)]
        picture.bars(17, 66 + row * 11, shifted, 2, 9)
    return picture


IMAGES = {
    "splash_barcode.bmp": lambda: splash(BLUE, True),
    "splash_server.bmp": lambda: splash(GREEN, False),
    "picture.bmp": page_picture,
}


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true")
    default = pathlib.Path(__file__).resolve().parents[2] / "setup" / "res" / "images"
    parser.add_argument("directory", nargs="?", type=pathlib.Path, default=default)
    arguments = parser.parse_args()
    differing = []
    for name, draw in IMAGES.items():
        data = draw().bmp()
        path = arguments.directory / name
        if arguments.check:
            if not path.exists() or path.read_bytes() != data:
                differing.append(name)
        else:
            path.parent.mkdir(parents=True, exist_ok=True)
            path.write_bytes(data)
    if differing:
        print("differ from what draw_setup_images.py draws: " + ", ".join(differing))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
