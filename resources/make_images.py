#!/usr/bin/env python3
"""Draws the runtime's hand cursor (hand.cur) and program icon (velomar.ico).

The hand is 32 x 32 in 16 colours (4 bits per pixel); its hot spot is the
tip of the raised index finger, at (12, 1). The icon is one drawing at 16, 24,
32 and 48 pixels in the same 16 colours and at 256 as a PNG, and the same
drawing as velomar.svg for the desktop. The files are written beside this
script, or into the folder given as the argument. The output is deterministic, so a rerun leaves the
committed files unchanged.
"""
import math
import os
import struct
import sys
import zlib

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


# The icon's drawing, on a 32-unit square: a disc (grey rim, silver face, a
# hole) with a blue V. Every size of velomar.ico and velomar.svg comes from it.
DISC_R, RIM, HOLE_R, HOLE_RIM = 15.5, 1.0, 2.5, 1.0
V_STROKES = [((7.5, 6.5), (15.5, 26.5)), ((24.5, 6.5), (16.5, 26.5))]
V_HALF_WIDTH = 1.6
ICON_SIZES = (16, 24, 32, 48, 256)


def segment_distance(p, a, b):
    (px, py), (ax, ay), (bx, by) = p, a, b
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(px - ax - t * dx, py - ay - t * dy)


def icon_colour(x, y, px):
    """Palette index at (x, y) in drawing units, None outside; `px` is one
    pixel in units, so that thin lines stay at least a pixel wide."""
    d = math.hypot(x - 16, y - 16)
    rim, hole_rim = max(RIM, px), max(HOLE_RIM, px)
    if d > DISC_R or d < HOLE_R:
        return None
    if d > DISC_R - rim or d < HOLE_R + hole_rim:
        return GREY
    half = max(V_HALF_WIDTH, px * 0.75)
    if any(segment_distance((x, y), a, b) <= half for a, b in V_STROKES):
        return BLUE
    return SILVER


def icon_pixels(size):
    """Rows of palette indices, None for transparent, sampled at pixel centres."""
    unit = 32.0 / size
    return [[icon_colour((x + 0.5) * unit, (y + 0.5) * unit, unit) for x in range(size)]
            for y in range(size)]


def icon_rgba(size, samples=4):
    """RGBA bytes, the edges smoothed by averaging samples x samples points a pixel."""
    unit = 32.0 / size
    out = bytearray()
    for y in range(size):
        for x in range(size):
            r = g = b = a = 0
            for sy in range(samples):
                for sx in range(samples):
                    c = icon_colour((x + (sx + 0.5) / samples) * unit,
                                    (y + (sy + 0.5) / samples) * unit, unit)
                    if c is not None:
                        pr, pg, pb = PALETTE[c]
                        r, g, b, a = r + pr, g + pg, b + pb, a + 1
            n = samples * samples
            out += bytes((r // a, g // a, b // a, 255 * a // n)) if a else bytes(4)
    return bytes(out)


def png(size, rgba):
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    stride = size * 4
    raw = b"".join(b"\0" + rgba[y * stride:(y + 1) * stride] for y in range(size))
    return (b"\x89PNG\r\n\x1a\n" +
            chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def icon_svg():
    """The same drawing as a scalable picture for the desktop."""
    def hexc(i):
        return "#%02x%02x%02x" % PALETTE[i]
    v = " ".join('<line x1="%g" y1="%g" x2="%g" y2="%g"/>' % (a + b) for a, b in V_STROKES)
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">\n'
            '<path fill-rule="evenodd" fill="%s" d="M16 %g a%g %g 0 1 0 0.001 0z'
            'M16 %g a%g %g 0 1 0 0.001 0z"/>\n'
            '<circle cx="16" cy="16" r="%g" fill="none" stroke="%s" stroke-width="%g"/>\n'
            '<circle cx="16" cy="16" r="%g" fill="none" stroke="%s" stroke-width="%g"/>\n'
            '<g stroke="%s" stroke-width="%g" stroke-linecap="round">%s</g>\n</svg>\n') % (
        hexc(SILVER), 16 - DISC_R, DISC_R, DISC_R, 16 - HOLE_R, HOLE_R, HOLE_R,
        DISC_R - RIM / 2, hexc(GREY), RIM, HOLE_R + HOLE_RIM / 2, hexc(GREY), HOLE_RIM,
        hexc(BLUE), 2 * V_HALF_WIDTH, v)


def dib(rows):
    """BITMAPINFOHEADER, palette, XOR bits (4 bpp) and AND mask, bottom row first."""
    size = len(rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b"".join(struct.pack("BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    xor = bytearray()
    mask = bytearray()
    for row in reversed(rows):
        line = bytearray((((row[x] or 0) << 4) | (row[x + 1] or 0)) for x in range(0, size, 2))
        xor += line + bytes(-len(line) % 4)  # rows are DWORD aligned
        bits = bytearray((size + 7) // 8)
        for x in range(size):
            if row[x] is None:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits + bytes(-len(bits) % 4)
    return header + palette + bytes(xor) + bytes(mask)


def icon_file(images, kind, hotspot):
    """An .ico (kind 1) or .cur (kind 2): `images` are (size, bytes, bits per pixel),
    each a DIB or, at 256, a PNG as Windows keeps its large icons."""
    directory = struct.pack("<HHH", 0, kind, len(images))
    offset = 6 + 16 * len(images)
    entries, data = b"", b""
    for size, image, bpp in images:
        colours = 16 if bpp == 4 else 0
        planes_or_x, bits_or_y = hotspot if kind == 2 else (1, bpp)
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, colours, 0, planes_or_x,
                               bits_or_y, len(image), offset + len(data))
        data += image
    return directory + entries + data


def program_icon():
    images = [(n, dib(icon_pixels(n)), 4) for n in ICON_SIZES if n < 256]
    return icon_file(images + [(256, png(256, icon_rgba(256)), 32)], 1, None)


def main():
    here = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(here, "hand.cur"), "wb") as f:
        f.write(icon_file([(SIZE, dib(hand_pixels()), 4)], 2, HAND_HOTSPOT))
    with open(os.path.join(here, "velomar.ico"), "wb") as f:
        f.write(program_icon())
    with open(os.path.join(here, "velomar.svg"), "w") as f:
        f.write(icon_svg())


if __name__ == "__main__":
    main()
