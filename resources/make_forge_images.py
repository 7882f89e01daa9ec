#!/usr/bin/env python3
"""Draws the Windows editor's bitmaps: the toolbar strip (forge_toolbar.bmp,
ten 16 x 15 buttons), the template tree's images (forge_tree.bmp, six
16 x 16 images on pure red, the transparent colour) and the Project Wizard's
picture (forge_wizard.bmp, 145 x 343).

All are 16-colour BMPs with the standard palette. The toolbar's background is
light grey, which the toolbar maps to the button face. The files are written
beside this script, or into the folder given as the argument; the output is
deterministic.
"""
import math
import os
import struct
import sys

PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
(BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER,
 GREY, RED, LIME, YELLOW, BLUE, FUCHSIA, AQUA, WHITE) = range(16)


class Canvas:
    def __init__(self, w, h, fill):
        self.w, self.h = w, h
        self.px = [[fill] * w for _ in range(h)]

    def set(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c

    def rect(self, x0, y0, x1, y1, c, outline=None):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                edge = x in (x0, x1) or y in (y0, y1)
                self.set(x, y, outline if (outline is not None and edge) else c)

    def line(self, x0, y0, x1, y1, c):
        n = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(n + 1):
            self.set(round(x0 + (x1 - x0) * i / n), round(y0 + (y1 - y0) * i / n), c)

    def disc(self, cx, cy, r, c, hole=0):
        for y in range(self.h):
            for x in range(self.w):
                d = math.hypot(x - cx, y - cy)
                if hole <= d <= r:
                    self.set(x, y, c)

    def bmp(self):
        stride = ((self.w + 1) // 2 + 3) & ~3
        bits = bytearray()
        for row in reversed(self.px):
            line = bytearray()
            for x in range(0, self.w, 2):
                hi = row[x]
                lo = row[x + 1] if x + 1 < self.w else 0
                line.append((hi << 4) | lo)
            bits += line + b"\0" * (stride - len(line))
        palette = b"".join(struct.pack("BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
        info = struct.pack("<IiiHHIIiiII", 40, self.w, self.h, 1, 4, 0, len(bits), 2835, 2835, 16, 0)
        offset = 14 + len(info) + len(palette)
        head = struct.pack("<2sIHHI", b"BM", offset + len(bits), 0, 0, offset)
        return head + info + palette + bytes(bits)


def page(c, x, y, fold=YELLOW):
    c.rect(x + 2, y + 1, x + 11, y + 13, WHITE, BLACK)
    c.line(x + 8, y + 1, x + 11, y + 4, BLACK)
    c.set(x + 10, y + 2, fold)


def toolbar():
    """New, Open, Save, Test, Build, Copy, Image, Arrange, Help, About: 16 x 15
    each, in the order of the editor's ToolPicture."""
    c = Canvas(10 * 16, 15, SILVER)
    page(c, 0, 0)                                    # New
    c.rect(18, 5, 30, 12, YELLOW, BLACK)             # Open: a folder
    c.rect(18, 3, 23, 5, YELLOW, BLACK)
    c.rect(33, 1, 45, 13, NAVY, BLACK)               # Save: a diskette
    c.rect(35, 2, 43, 6, WHITE)
    c.rect(36, 9, 42, 13, SILVER)
    for i in range(8):                               # Test: a play arrow
        c.line(52 + i, 2 + i // 2, 52 + i, 12 - i // 2, GREEN)
    c.rect(66, 8, 77, 12, MAROON, BLACK)             # Build: a hammer
    c.line(68, 7, 76, 1, OLIVE)
    c.line(69, 7, 77, 1, OLIVE)
    c.disc(88, 7, 6, SILVER, 2)                      # Copy: a disc with an arrow
    c.disc(88, 7, 6.5, GREY, 6)
    c.line(92, 13, 94, 11, BLUE)
    c.rect(97, 0, 106, 12, WHITE, GREY)              # Image: a file with a disc before it
    for y in (3, 6, 9):
        c.line(99, y, 104, y, GREY)
    c.disc(106, 9, 5, SILVER, 1)
    c.disc(106, 9, 5.5, GREY, 5)
    for x in range(112, 123):                        # Arrange: a dashed tile and the pointer
        for y in (0, 8):
            c.set(x, y, BLACK if x % 2 == 0 else SILVER)
    for y in range(1, 8):
        c.set(112, y, BLACK if y % 2 == 0 else SILVER)
        c.set(122, y, BLACK if y % 2 == 0 else SILVER)
        c.line(113, y, 121, y, AQUA)
    for i in range(8):
        c.line(119, 5 + i, 119 + i // 2 + 1, 5 + i, WHITE if i < 7 else BLACK)
        c.set(119, 5 + i, BLACK)
        c.set(119 + i // 2 + 1, 5 + i, BLACK)
    c.rect(130, 1, 141, 13, YELLOW, BLACK)           # Help: a book with "?"
    for x, y in ((134, 4), (135, 3), (136, 3), (137, 4), (137, 5), (136, 6), (135, 7), (135, 8), (135, 11)):
        c.set(x, y, NAVY)
    c.disc(151.5, 7, 6, WHITE)                       # About: an "i"
    c.disc(151.5, 7, 6.6, NAVY, 6)
    c.rect(151, 6, 152, 11, NAVY)
    c.rect(151, 3, 152, 4, NAVY)
    return c


def tree():
    """Root, audio, background image, bitmaps & logos, hyper-links, one item."""
    c = Canvas(6 * 16, 16, RED)
    c.disc(7.5, 7.5, 7, SILVER, 2)                   # the root: a disc
    c.disc(7.5, 7.5, 7.5, GREY, 7)
    c.rect(19, 5, 22, 10, BLACK)                     # audio: a speaker
    for i in range(5):
        c.line(23 + i, 5 - i, 23 + i, 10 + i, BLACK)
    c.rect(33, 2, 46, 13, AQUA, BLACK)               # background: a landscape
    c.rect(34, 9, 45, 12, GREEN)
    c.disc(42, 5, 1.5, YELLOW)
    c.rect(49, 2, 56, 9, BLUE, BLACK)                # bitmaps & logos: two tiles
    c.rect(54, 6, 62, 13, YELLOW, BLACK)
    c.rect(65, 5, 71, 9, RED, NAVY)                  # hyper-links: two links
    c.rect(66, 6, 70, 8, WHITE)
    c.rect(69, 7, 76, 11, RED, NAVY)
    c.rect(70, 8, 75, 10, WHITE)
    page(c, 82, 1)                                   # one item: a page
    for y in (5, 7, 9, 11):
        c.line(85, y, 91, y, GREY)
    return c


def wizard():
    """A tall panel: a sky fading to night with a disc and a V."""
    w, h = 145, 343
    c = Canvas(w, h, NAVY)
    for y in range(h):
        band = [NAVY, BLUE, TEAL, AQUA][min(3, y * 4 // h)]
        for x in range(w):
            # Dither between bands so the fade is soft.
            t = (y * 4 % h) / h
            if (x + y) % 4 < t * 4 and y * 4 // h < 3:
                band_c = [BLUE, TEAL, AQUA, AQUA][y * 4 // h]
            else:
                band_c = band
            c.set(x, y, band_c)
    c.disc(72, 120, 50, SILVER, 8)
    c.disc(72, 120, 51, GREY, 50)
    c.disc(72, 120, 9, GREY, 8)
    for y in range(85, 160):
        t = (y - 85) / 75
        for x0 in (44 + t * 26, 100 - t * 26):
            for x in range(int(x0) - 3, int(x0) + 4):
                if math.hypot(x - 72, y - 120) > 10:
                    c.set(x, y, NAVY)
    for x in range(w):
        c.set(x, 0, BLACK)
        c.set(x, h - 1, BLACK)
    for y in range(h):
        c.set(0, y, BLACK)
        c.set(w - 1, y, BLACK)
    return c


def main():
    here = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    for name, canvas in (("forge_toolbar.bmp", toolbar()), ("forge_tree.bmp", tree()),
                         ("forge_wizard.bmp", wizard())):
        with open(os.path.join(here, name), "wb") as f:
            f.write(canvas.bmp())


if __name__ == "__main__":
    main()
