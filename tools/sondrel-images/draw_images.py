#!/usr/bin/env python3
"""Draws Sondrel's tree images (BITMAP 109 to 118) and its program icon.

The images are pixel art kept here as text, one character per pixel, so that
a change is a readable diff. The script writes 24-bit BMP files (16 x 16,
background RGB(255, 0, 255), the mask colour the tree's image list leaves
transparent) and one .ico with 16, 32 and 48 pixel images in 32-bit colour.

    draw_images.py [--check] [output directory]

The output directory defaults to sondrel/res/images beside this script's
repository root. With --check nothing is written: the script fails when a
file there differs from what it would draw.
"""

import argparse
import pathlib
import struct
import sys

MASK = (255, 0, 255)

PALETTE = {
    ".": MASK,
    "K": (0, 0, 0),
    "W": (255, 255, 255),
    "G": (128, 128, 128),
    "L": (192, 192, 192),
    "Y": (255, 214, 90),
    "O": (184, 134, 11),
    "R": (220, 0, 0),
    "B": (0, 70, 190),
    "b": (150, 190, 240),
    "N": (0, 0, 128),
    "E": (0, 150, 0),
}

FOLDER = [
    "................",
    "................",
    ".OOOOO..........",
    "OYYYYYO.........",
    "OYYYYYYOOOOOOOO.",
    "OYYYYYYYYYYYYYO.",
    "OYWWWWWWWWWWWYO.",
    "OYWKWKKWKWKKWYO.",
    "OYWKWKKWKWKKWYO.",
    "OYWKWKKWKWKKWYO.",
    "OYWWWWWWWWWWWYO.",
    "OYYYYYYYYYYYYYO.",
    "OYYYYYYYYYYYYYO.",
    "OOOOOOOOOOOOOOO.",
    "................",
    "................",
]

LABEL = [
    "................",
    "................",
    "................",
    "GGGGGGGGGGGGGGG.",
    "GWWWWWWWWWWWWWG.",
    "GWKWKKWKWKKWKWG.",
    "GWKWKKWKWKKWKWG.",
    "GWKWKKWKWKKWKWG.",
    "GWKWKKWKWKKWKWG.",
    "GWKWKKWKWKKWKWG.",
    "GWKWKKWKWKKWKWG.",
    "GWWWWWWWWWWWWWG.",
    "GGGGGGGGGGGGGGG.",
    "................",
    "................",
    "................",
]

SHEET = [
    "..GGGGGGGGG.....",
    "..GWWWWWWWGG....",
    "..GWbbbbbWGWG...",
    "..GWWWWWWWGGGG..",
    "..GWbbbbbbbbWG..",
    "..GWWWWWWWWWWG..",
    "..GWKWKKWKKWWG..",
    "..GWKWKKWKKWWG..",
    "..GWKWKKWKKWWG..",
    "..GWKWKKWKKWWG..",
    "..GWWWWWWWWWWG..",
    "..GWbbbbbbWWWG..",
    "..GWWWWWWWWWWG..",
    "..GGGGGGGGGGGG..",
    "................",
    "................",
]

CABINET = [
    "................",
    "..NNNNNNNNNNNN..",
    "..NBBBBBBBBBBN..",
    "..NBbbbbbbbbBN..",
    "..NBBBBWWBBBBN..",
    "..NNNNNNNNNNNN..",
    "..NBBBBBBBBBBN..",
    "..NBbbbbbbbbBN..",
    "..NBBBBWWBBBBN..",
    "..NNNNNNNNNNNN..",
    "..NBBBBBBBBBBN..",
    "..NBbbbbbbbbBN..",
    "..NBBBBWWBBBBN..",
    "..NNNNNNNNNNNN..",
    "................",
    "................",
]

MONITOR = [
    "................",
    ".GGGGGGGGGGGGGG.",
    ".GNNNNNNNNNNNNG.",
    ".GNbbbbbbbbbbNG.",
    ".GNbWWWbbbbbbNG.",
    ".GNbWWbbbbbbbNG.",
    ".GNbbbbbbbbbbNG.",
    ".GNbbbbbbbbbbNG.",
    ".GNbbbbbbbbbbNG.",
    ".GNNNNNNNNNNNNG.",
    ".GGGGGGGGGGGEGG.",
    "......GGGG......",
    "......GGGG......",
    "...GGGGGGGGGG...",
    "...KKKKKKKKKK...",
    "................",
]

# Marks drawn over a base image at its lower right corner; "." keeps the
# base pixel. A red dot says "changed since import", a lock "read-only".
MODIFIED_MARK = [
    "..WWWW..",
    ".WRRRRW.",
    "WRRRRRRW",
    "WRRRRRRW",
    "WRRRRRRW",
    "WRRRRRRW",
    ".WRRRRW.",
    "..WWWW..",
]

LOCK_MARK = [
    "..KKKK..",
    ".KWWWWK.",
    ".KW..WK.",
    "KKKKKKKK",
    "KYYYYYYK",
    "KYYKKYYK",
    "KYYKKYYK",
    "KKKKKKKK",
]


def overlay(base, mark):
    rows = [list(row) for row in base]
    top = len(rows) - len(mark)
    left = len(rows[0]) - len(mark[0])
    for y, line in enumerate(mark):
        for x, pixel in enumerate(line):
            if pixel != ".":
                rows[top + y][left + x] = pixel
    return ["".join(row) for row in rows]


# Bitmap id -> (file name, picture). The tree shows configurations with 110
# and 116, named codes with 113 and 115, definitions with 117 and their root
# with 112; tab 1 shows 110, tab 0 shows 112.
TREE_IMAGES = {
    109: ("sap_system.bmp", MONITOR),
    110: ("config.bmp", FOLDER),
    111: ("config_read_only.bmp", overlay(FOLDER, LOCK_MARK)),
    112: ("definitions_root.bmp", CABINET),
    113: ("named_code.bmp", LABEL),
    114: ("named_code_read_only.bmp", overlay(LABEL, LOCK_MARK)),
    115: ("named_code_modified.bmp", overlay(LABEL, MODIFIED_MARK)),
    116: ("config_modified.bmp", overlay(FOLDER, MODIFIED_MARK)),
    117: ("definition.bmp", SHEET),
    118: ("definition_modified.bmp", overlay(SHEET, MODIFIED_MARK)),
}

ICON_FILE = "Sondrel.ico"
ICON_SIZES = (16, 32, 48)


def bmp_24(picture):
    """A bottom-up 24-bit BMP of the picture (rows are padded to 4 bytes)."""
    height = len(picture)
    width = len(picture[0])
    if any(len(row) != width for row in picture):
        raise ValueError("picture rows differ in length")
    stride = (width * 3 + 3) & ~3
    pixels = bytearray()
    for row in reversed(picture):
        line = bytearray()
        for pixel in row:
            red, green, blue = PALETTE[pixel]
            line += bytes((blue, green, red))
        pixels += line + bytes(stride - len(line))
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    offset = 14 + len(info)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return header + info + bytes(pixels)


# The icon: a white label with black bars on a blue rounded square. The bar
# pattern is a run of bars and spaces in modules of 1 to 3 pixels.
ICON_BARS = "1101001100101101110100101100110110100111010"
ICON_BLUE = (0, 70, 190, 255)
ICON_WHITE = (255, 255, 255, 255)
ICON_BLACK = (0, 0, 0, 255)
ICON_CLEAR = (0, 0, 0, 0)


def icon_pixel(size, x, y):
    corner = max(2, size // 8)
    # Rounded corners of the blue square.
    for cx, cy in ((corner, corner), (size - 1 - corner, corner), (corner, size - 1 - corner),
                   (size - 1 - corner, size - 1 - corner)):
        if (x < corner or x > size - 1 - corner) and (y < corner or y > size - 1 - corner):
            if (x - cx) ** 2 + (y - cy) ** 2 > corner ** 2:
                return ICON_CLEAR
    border = max(1, size // 10)
    if x < border or x >= size - border or y < border or y >= size - border:
        return ICON_BLUE
    # The label inside, with a quiet zone around the bars.
    quiet = max(1, size // 16)
    bars_top = border + quiet
    bars_bottom = size - border - quiet - max(2, size // 5)
    bars_left = border + quiet
    bars_right = size - border - quiet
    if bars_left <= x < bars_right and bars_top <= y < bars_bottom:
        # Whole pixels per module, so that no bar is smeared into its
        # neighbour at the small sizes.
        module = (x - bars_left) // max(1, size // 16)
        return ICON_BLACK if ICON_BARS[module % len(ICON_BARS)] == "1" else ICON_WHITE
    # A line of "text" below the bars.
    text_top = bars_bottom + max(1, size // 16)
    text_bottom = text_top + max(1, size // 16)
    if text_top <= y < text_bottom and bars_left + border <= x < bars_right - border:
        return ICON_BLUE if (x - bars_left) % 3 != 2 else ICON_WHITE
    return ICON_WHITE


def icon_image(size):
    """One icon image: BITMAPINFOHEADER, BGRA rows bottom-up, AND mask."""
    colour = bytearray()
    mask = bytearray()
    mask_stride = ((size + 31) // 32) * 4
    for y in reversed(range(size)):
        bits = 0
        mask_line = bytearray()
        for x in range(size):
            red, green, blue, alpha = icon_pixel(size, x, y)
            colour += bytes((blue, green, red, alpha))
            bits = (bits << 1) | (1 if alpha == 0 else 0)
            if x % 8 == 7:
                mask_line.append(bits)
                bits = 0
        mask += mask_line + bytes(mask_stride - len(mask_line))
    info = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 32, 0, len(colour) + len(mask), 0,
                       0, 0, 0)
    return info + bytes(colour) + bytes(mask)


def icon_file():
    images = [icon_image(size) for size in ICON_SIZES]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    entries = b""
    for size, image in zip(ICON_SIZES, images):
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    return directory + entries + b"".join(images)


def all_files():
    files = {name: bmp_24(picture) for name, picture in TREE_IMAGES.values()}
    files[ICON_FILE] = icon_file()
    return files


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true",
                        help="compare with the files instead of writing them")
    default_out = pathlib.Path(__file__).resolve().parents[2] / "sondrel" / "res" / "images"
    parser.add_argument("output", nargs="?", type=pathlib.Path, default=default_out)
    arguments = parser.parse_args()

    stale = []
    for name, content in all_files().items():
        path = arguments.output / name
        if arguments.check:
            if not path.is_file() or path.read_bytes() != content:
                stale.append(str(path))
        else:
            arguments.output.mkdir(parents=True, exist_ok=True)
            path.write_bytes(content)
    if stale:
        print("not as drawn by this script:\n  " + "\n  ".join(stale), file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
