#!/usr/bin/env python3
"""Writes the program's icons as 16-colour .ico files next to this script.

pixmode.ico      the program's icon, 32x32 and 16x16: a monitor showing a grid of pixels
sort_up.ico      8x8 upward triangle outline (ascending sort marker)
sort_down.ico    8x8 downward triangle outline (descending sort marker)
row_marker.ico   4x4 filled dot with transparent corners

Pictures are drawn as rows of palette letters; "." is transparent.
"""
import os
import struct

# The standard 16-colour palette, keyed by the letters the pictures use.
PALETTE = [
    ("k", (0, 0, 0)), ("r", (128, 0, 0)), ("g", (0, 128, 0)), ("o", (128, 128, 0)),
    ("n", (0, 0, 128)), ("p", (128, 0, 128)), ("t", (0, 128, 128)), ("s", (192, 192, 192)),
    ("d", (128, 128, 128)), ("R", (255, 0, 0)), ("G", (0, 255, 0)), ("Y", (255, 255, 0)),
    ("B", (0, 0, 255)), ("M", (255, 0, 255)), ("C", (0, 255, 255)), ("w", (255, 255, 255)),
]
INDEX = {letter: i for i, (letter, _) in enumerate(PALETTE)}


def monitor(size):
    """The program's picture: a grey monitor on a stand with coloured pixel blocks on screen."""
    rows = [["."] * size for _ in range(size)]
    top, bottom = 1, size * 3 // 4 - 1
    left, right = 0, size - 1
    for y in range(top, bottom + 1):
        for x in range(left, right + 1):
            edge = y in (top, bottom) or x in (left, right)
            rows[y][x] = "k" if edge else "s"
    # Screen inside the bezel.
    inset = max(2, size // 8)
    colours = "RGBYCM"
    cell = max(2, size // 8)
    for y in range(top + inset, bottom - inset + 1):
        for x in range(left + inset, right - inset + 1):
            block = ((x - left - inset) // cell) + ((y - top - inset) // cell)
            rows[y][x] = colours[block % len(colours)] if (x + y) % 2 == 0 or size < 32 else "n"
    # Stand.
    neck = size // 2
    for y in range(bottom + 1, size - 2):
        rows[y][neck - 1] = "d"
        rows[y][neck] = "d"
    for x in range(size // 4, size - size // 4):
        rows[size - 2][x] = "k"
        rows[size - 3][x] = "d" if rows[size - 3][x] == "." else rows[size - 3][x]
    return ["".join(r) for r in rows]


SORT_UP = [
    "........",
    "...kk...",
    "...kk...",
    "..k..k..",
    "..k..k..",
    ".k....k.",
    ".kkkkkk.",
    "........",
]
SORT_DOWN = list(reversed(SORT_UP))
ROW_MARKER = [
    ".nn.",
    "nnnn",
    "nnnn",
    ".nn.",
]


def image(picture):
    """One icon image: BITMAPINFOHEADER, palette, 4-bit colour bits, 1-bit mask, bottom-up."""
    height = len(picture)
    width = len(picture[0])
    colour_stride = ((width * 4 + 31) // 32) * 4
    mask_stride = ((width + 31) // 32) * 4
    colour = bytearray()
    mask = bytearray()
    for row in reversed(picture):
        line = bytearray(colour_stride)
        bits = bytearray(mask_stride)
        for x, letter in enumerate(row):
            value = 0 if letter == "." else INDEX[letter]
            line[x // 2] |= value << (4 if x % 2 == 0 else 0)
            if letter == ".":
                bits[x // 8] |= 0x80 >> (x % 8)
        colour += line
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 4, 0, len(colour) + len(mask), 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for _, (r, g, b) in PALETTE)
    return width, height, header + palette + bytes(colour) + bytes(mask)


def write_icon(path, pictures):
    images = [image(p) for p in pictures]
    data = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for width, height, body in images:
        data += struct.pack("<BBBBHHII", width % 256, height % 256, 16, 0, 1, 4, len(body), offset)
        offset += len(body)
    for _, _, body in images:
        data += body
    with open(path, "wb") as out:
        out.write(data)


if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    write_icon(os.path.join(here, "pixmode.ico"), [monitor(32), monitor(16)])
    write_icon(os.path.join(here, "sort_up.ico"), [SORT_UP])
    write_icon(os.path.join(here, "sort_down.ico"), [SORT_DOWN])
    write_icon(os.path.join(here, "row_marker.ico"), [ROW_MARKER])
