#!/usr/bin/env python3
"""Draws the runtime's hand cursor (hand.cur) and program icon (velomar.ico).

Both are 32 x 32 in 16 colours (4 bits per pixel). The hand's hot spot is the
tip of the raised index finger, at (12, 1). The files are written beside this
script, or into the folder given as the argument. The output is deterministic, so a rerun leaves the
committed files unchanged.
"""
import math
import os
import struct
import sys

HAND_HOTSPOT = (12, 1)

# ' ' transparent, 'X' black, '.' white, 'o' light grey.
HAND = [
    "",
    "           XXX",
    "          X...X",
    "          X...X",
    "          X...X",
    "          X...X",
    "          X...XXX",
    "          X...X..XXX",
    "          X...X..X..XXX",
    "          X...X..X..X..X",
    "    XXX   X...X..X..X..X",
    "    X..X  X............X",
    "    X...X X............X",
    "     X...XX............X",
    "      X..X.............X",
    "       X...............X",
    "       X..............oX",
    "        X.............oX",
    "        X............oX",
    "         X...........oX",
    "         X..........oX",
    "          X.........oX",
    "          X.........oX",
    "          XXXXXXXXXXXX",
]

# The standard 16-colour palette, (r, g, b).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, SILVER, GREY, BLUE, WHITE = 0, 7, 8, 12, 15
SIZE = 32


def hand_pixels():
    """Rows of palette indices, None for transparent."""
    codes = {" ": None, "X": BLACK, ".": WHITE, "o": SILVER}
    rows = []
    for line in HAND + [""] * (SIZE - len(HAND)):
        assert len(line) <= SIZE, line
        rows.append([codes[c] for c in line.ljust(SIZE)])
    return rows


def icon_pixels():
    """A disc with a blue V on it."""
    rows = []
    c = (SIZE - 1) / 2.0
    for y in range(SIZE):
        row = []
        for x in range(SIZE):
            d = math.hypot(x - c, y - c)
            if d > 15.5:
                row.append(None)
            elif d > 14.5:
                row.append(GREY)
            elif d < 2.5:
                row.append(None)  # the hole in the middle
            elif d < 3.5:
                row.append(GREY)
            else:
                row.append(SILVER if (x + y) % 7 else WHITE)
        rows.append(row)
    # The V: two thick strokes from the top corners to the bottom centre.
    for y in range(6, 27):
        t = (y - 6) / 20.0
        for x0 in (7 + t * 8.5, 24 - t * 8.5):
            for x in range(int(x0) - 1, int(x0) + 2):
                if rows[y][x] is not None and math.hypot(x - c, y - c) > 3.5:
                    rows[y][x] = BLUE
    return rows


def dib(rows):
    """BITMAPINFOHEADER, palette, XOR bits (4 bpp) and AND mask, bottom row first."""
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b"".join(struct.pack("BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    xor = bytearray()
    mask = bytearray()
    for row in reversed(rows):
        for x in range(0, SIZE, 2):
            hi = row[x] or 0
            lo = row[x + 1] or 0
            xor.append((hi << 4) | lo)
        bits = 0
        for x in range(SIZE):
            bits = (bits << 1) | (1 if row[x] is None else 0)
        mask += struct.pack(">I", bits)  # rows are 32 bits, already DWORD aligned
    return header + palette + bytes(xor) + bytes(mask)


def icon_file(rows, kind, hotspot):
    """An .ico (kind 1) or .cur (kind 2) holding one image."""
    image = dib(rows)
    directory = struct.pack("<HHH", 0, kind, 1)
    if kind == 2:
        planes_or_x, bits_or_y = hotspot
    else:
        planes_or_x, bits_or_y = 1, 4
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, planes_or_x, bits_or_y, len(image), 22)
    return directory + entry + image


def main():
    here = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(here, "hand.cur"), "wb") as f:
        f.write(icon_file(hand_pixels(), 2, HAND_HOTSPOT))
    with open(os.path.join(here, "velomar.ico"), "wb") as f:
        f.write(icon_file(icon_pixels(), 1, None))


if __name__ == "__main__":
    main()
