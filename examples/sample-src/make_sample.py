#!/usr/bin/env python3
"""Draws the sample project's pictures and sounds into examples/sample/res.

ImageMagick (/usr/bin/convert) renders the shapes and text and reduces the
colours; this script writes the 8-bit BMP files itself, so the logos' mask
colour stays exact, and synthesises the two short WAV files.

Run from anywhere: python3 examples/sample-src/make_sample.py [velomarforge-cli]
The project file is written plain and then stored scrambled, as the editor
stores it, by the given velomarforge-cli (default: build/bin/velomarforge-cli).
"""
import math
import os
import struct
import subprocess
import sys
import wave

HERE = os.path.dirname(os.path.abspath(__file__))
RES = os.path.join(HERE, "..", "sample", "res")
CONVERT = "/usr/bin/convert"
FONT = "DejaVu-Sans-Bold"

MASK = (255, 0, 255)  # the logos' transparent colour
TOP = "#0f2238"  # background gradient, top
BOTTOM = "#1c5d6a"  # background gradient, bottom


def render_rgba(args, width, height):
    """Runs convert with the drawing arguments and returns RGBA rows."""
    raw = subprocess.run([CONVERT] + args + ["-depth", "8", "rgba:-"],
                         check=True, stdout=subprocess.PIPE).stdout
    assert len(raw) == width * height * 4, "unexpected image size"
    return [[tuple(raw[(y * width + x) * 4:(y * width + x) * 4 + 4]) for x in range(width)]
            for y in range(height)]


def quantize(rows, width, height, colours):
    """Reduces opaque RGB rows to at most `colours` colours with ImageMagick."""
    ppm = b"P6 %d %d 255\n" % (width, height) + bytes(c for row in rows for p in row for c in p)
    raw = subprocess.run([CONVERT, "ppm:-", "+dither", "-colors", str(colours), "-depth", "8",
                          "rgb:-"], input=ppm, check=True, stdout=subprocess.PIPE).stdout
    return [[tuple(raw[(y * width + x) * 3:(y * width + x) * 3 + 3]) for x in range(width)]
            for y in range(height)]


def rle8(indices):
    """Encodes one row as BI_RLE8 runs, ending with the end-of-line mark."""
    out = bytearray()
    i = 0
    while i < len(indices):
        run = 1
        while i + run < len(indices) and run < 255 and indices[i + run] == indices[i]:
            run += 1
        if run >= 3 or i + run == len(indices):
            out += bytes([run, indices[i]])
            i += run
            continue
        # A literal stretch up to the next run of three.
        j = i
        while j < len(indices) and j - i < 255:
            if j + 2 < len(indices) and indices[j] == indices[j + 1] == indices[j + 2]:
                break
            j += 1
        literal = indices[i:j]
        if len(literal) < 3:
            for v in literal:
                out += bytes([1, v])
        else:
            out += bytes([0, len(literal)]) + bytes(literal)
            if len(literal) % 2:
                out += b"\0"
        i = j
    return bytes(out) + b"\0\0"


def write_bmp8(path, rows, width, height, compress):
    """Writes RGB rows as an 8-bit palettized BMP, RLE8-compressed if asked."""
    palette = sorted({p for row in rows for p in row})
    assert len(palette) <= 256, "too many colours for an 8-bit BMP"
    index = {p: i for i, p in enumerate(palette)}
    bottom_up = [[index[p] for p in row] for row in reversed(rows)]
    if compress:
        bits = b"".join(rle8(r) for r in bottom_up) + b"\0\1"
    else:
        stride = (width + 3) & ~3
        bits = b"".join(bytes(r) + b"\0" * (stride - width) for r in bottom_up)
    table = b"".join(bytes([b, g, r, 0]) for (r, g, b) in palette)
    offset = 14 + 40 + len(table)
    header = struct.pack("<2sIHHI", b"BM", offset + len(bits), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 1 if compress else 0, len(bits),
                       2835, 2835, len(palette), 0)
    with open(path, "wb") as f:
        f.write(header + info + table + bits)


def over(fg, alpha, bg):
    return tuple(round(f * alpha + b * (1 - alpha)) for f, b in zip(fg, bg))


def make_logo(name, draw, width, height, backdrop, colours=48):
    """A logo drawn on transparency: mostly transparent pixels take the mask
    colour; the rest are blended over the colour the logo will stand on, so
    its edges stay smooth without a fringe of the mask colour."""
    rows = render_rgba(["-size", "%dx%d" % (width, height), "xc:none"] + draw, width, height)
    solid = [[over(p[:3], p[3] / 255, backdrop) for p in row] for row in rows]
    solid = quantize(solid, width, height, colours)
    for y in range(height):
        for x in range(width):
            if rows[y][x][3] < 96:
                solid[y][x] = MASK
            elif solid[y][x] == MASK:
                solid[y][x] = (254, 0, 254)
    write_bmp8(os.path.join(RES, name), solid, width, height, compress=False)


def hex_rgb(text):
    return tuple(int(text[i:i + 2], 16) for i in (1, 3, 5))


def make_background():
    w, h = 640, 440
    draw = ["-size", "%dx%d" % (w, h), "gradient:%s-%s" % (TOP, BOTTOM),
            "-fill", "none", "-strokewidth", "2",
            "-stroke", "#2a7482", "-draw", "circle 560,420 560,200",
            "-stroke", "#24687a", "-draw", "circle 560,420 560,250",
            "-stroke", "#d9a441", "-strokewidth", "1", "-draw", "line 40,112 400,112",
            "-stroke", "none", "-fill", "#15354d", "-draw", "rectangle 0,404 640,440",
            "-fill", "#d9a441", "-draw", "rectangle 0,404 640,405"]
    rows = [[p[:3] for p in row] for row in render_rgba(draw, w, h)]
    rows = quantize(rows, w, h, 64)
    write_bmp8(os.path.join(RES, "background.bmp"), rows, w, h, compress=True)


def write_wav(path, notes, rate=11025):
    """Sine notes (frequency, seconds) with a short fade, 8-bit mono."""
    samples = bytearray()
    for freq, seconds in notes:
        count = int(rate * seconds)
        for i in range(count):
            fade = min(1.0, i / (rate * 0.005), (count - i) / (rate * 0.03))
            value = 0.35 * fade * math.sin(2 * math.pi * freq * i / rate)
            samples.append(int(128 + 127 * value))
    with wave.open(path, "wb") as f:
        f.setnchannels(1)
        f.setsampwidth(1)
        f.setframerate(rate)
        f.writeframes(bytes(samples))


SETTINGS = {
    "WindowTitle": "Velomar Sample",
    "BackGroundBitmapName": "res\\background.bmp",
    "LogoAnnimationDelay": 15,
    # name, location, animate start location or None, resize
    "Logos": [("res\\title.bmp", (40, 38), None, 0),
              ("res\\disc.bmp", (484, 26), (640, 26), 0),
              ("res\\tagline.bmp", (44, 122), (44, 300), 1)],
    # text, left, top, command, data A, data B
    "HotSpots": [("Visit the Velomar web site", 64, 190, "OPENABSOLUTE",
                  "http://www.example.com/", ""),
                 ("Browse the documentation", 64, 230, "OPEN", "docs", ""),
                 ("Open the welcome page", 64, 270, "OPEN", "docs\\welcome.htm", ""),
                 ("Quit", 64, 330, "QUIT", "", "")],
    "HotSpotTextColor": (226, 236, 240),
    "HotSpotTextHiliteColor": (243, 196, 92),
    "HotSpotFontSize": 20,
    "StartupWaveFile": "res\\startup.wav",
    "HotSpotWaveFile": "res\\hover.wav",
}


def write_settings(path, s):
    """Writes AppSetup.dat plain, in the layout the editor writes."""
    out = ["[English]\n", "INIEncryptionType=0\n", "INIVersion=3\n",
           "WindowTitle=%s\n" % s["WindowTitle"],
           "BackGroundBitmapName=%s\n\n" % s["BackGroundBitmapName"],
           "\nNumberOfLogosToDraw=%d\n\n" % len(s["Logos"])]
    for n, (name, (x, y), start, resize) in enumerate(s["Logos"], 1):
        out += ["LogoBitmapName%d=%s\n" % (n, name), "LogoBitmapLocationX%d=%d\n" % (n, x),
                "LogoBitmapLocationY%d=%d\n" % (n, y), "AnimateLogo%d=%d\n" % (n, start is not None)]
        if start is not None:
            out += ["LogoBitmapAnimateLocationX%d=%d\n" % (n, start[0]),
                    "LogoBitmapAnimateLocationY%d=%d\n" % (n, start[1]),
                    "ResizeLogo%d=%d\n" % (n, resize)]
        out += ["LogoBitmapMaskColor%s%d=%d\n" % (c, n, v) for c, v in zip("RGB", MASK)]
    out += ["LogoAnnimationDelay=%d\n\n" % s["LogoAnnimationDelay"],
            "\nNumberOfHotSpots=%d\n\n" % len(s["HotSpots"])]
    for n, (text, left, top, command, a, b) in enumerate(s["HotSpots"], 1):
        out += ["HotSpotText%d=%s\n" % (n, text), "HotSpotTextLocationLeft%d=%d\n" % (n, left),
                "HotSpotTextLocationTop%d=%d\n" % (n, top), "HotSpotCommand%d=%s\n" % (n, command),
                "HotSpotCommandDataA%d=%s\n" % (n, a), "HotSpotCommandDataB%d=%s\n" % (n, b)]
    for key in ("HotSpotTextColor", "HotSpotTextHiliteColor"):
        out += [("\n" if c == "R" else "") + "%s%s=%d\n" % (key, c, v)
                for c, v in zip("RGB", s[key])]
    out += ["\nHotSpotFontSize=%d\n" % s["HotSpotFontSize"],
            "\nStartupWaveFile=%s\n" % s["StartupWaveFile"],
            "HotSpotWaveFile=%s\n" % s["HotSpotWaveFile"]]
    with open(path, "w", newline="\r\n") as f:
        f.write("".join(out))


def write_extras(project):
    docs = os.path.join(project, "docs")
    os.makedirs(docs, exist_ok=True)
    with open(os.path.join(docs, "readme.txt"), "w", newline="\r\n") as f:
        f.write("Velomar sample disc\n\nThis folder is what the menu's "
                "\"Browse the documentation\" link opens.\n")
    # A page opens in the browser on Windows and Linux alike, as a script would not.
    with open(os.path.join(docs, "welcome.htm"), "w", newline="\r\n") as f:
        f.write("<!DOCTYPE html>\n<html lang=\"en\">\n<head><meta charset=\"utf-8\">"
                "<title>Welcome</title></head>\n<body>\n<h1>Welcome to the Velomar sample "
                "disc</h1>\n<p>The menu's \"Open the welcome page\" link opened this page "
                "from the disc's <code>docs</code> folder.</p>\n</body>\n</html>\n")


def main():
    os.makedirs(RES, exist_ok=True)
    project = os.path.join(HERE, "..", "sample")
    write_settings(os.path.join(project, "AppSetup.dat"), SETTINGS)
    cli = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "..", "..", "build", "bin",
                                                                "velomarforge-cli")
    if os.access(cli, os.X_OK):
        subprocess.run([cli, "resave", project, "--scrambled"], check=True)
    else:
        print("note: %s not found; AppSetup.dat stays plain" % cli, file=sys.stderr)
    write_extras(project)
    make_background()
    title_bg = hex_rgb(TOP)
    make_logo("title.bmp", ["-font", FONT, "-pointsize", "54", "-fill", "#f3e6c4",
                            "-annotate", "+2+56", "VELOMAR"], 300, 66, title_bg)
    # A disc: a wide stroked ring leaves the hole transparent.
    make_logo("disc.bmp", ["-fill", "none",
                           "-stroke", "#c9d3dc", "-strokewidth", "42", "-draw", "circle 60,60 60,25",
                           "-stroke", "#e8eef3", "-strokewidth", "10", "-draw", "circle 60,60 60,42",
                           "-stroke", "#9fb4c6", "-strokewidth", "6", "-draw", "circle 60,60 60,43",
                           "-stroke", "#7d8f9e", "-strokewidth", "2", "-draw", "circle 60,60 60,4",
                           "-draw", "circle 60,60 60,46",
                           "-stroke", "none", "-fill", "#d9a441",
                           "-draw", "polygon 78,16 106,36 88,42"],
              120, 120, (24, 60, 82))
    make_logo("tagline.bmp", ["-font", "DejaVu-Sans", "-pointsize", "17", "-fill", "#9fd3d8",
                              "-annotate", "+1+19", "Menus for discs, made simply"],
              260, 26, (18, 48, 70), colours=24)
    write_wav(os.path.join(RES, "startup.wav"), [(523.25, 0.12), (659.25, 0.12), (783.99, 0.22)])
    write_wav(os.path.join(RES, "hover.wav"), [(1318.5, 0.04)])


if __name__ == "__main__":
    main()
