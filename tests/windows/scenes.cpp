#include "scenes.h"

#include <cstdio>

#include "engine/installer_wnd.h"

namespace scenes {

namespace {

using platform::ColorRef;
using platform::DC;
using platform::Graphics;
using platform::Rect;
using platform::Rgb;
using platform::Rop;

// Magenta first: it is the mask colour of the transparent scenes.
constexpr ColorRef kPalette[] = {Rgb(255, 0, 255), Rgb(12, 200, 34), Rgb(250, 250, 250),
                                 Rgb(0, 0, 0),     Rgb(90, 60, 200), Rgb(255, 255, 255),
                                 Rgb(200, 120, 7), Rgb(33, 33, 160)};
constexpr int kColours = 8;
constexpr ColorRef kMask = kPalette[0];

// A bitmap selected into its own memory DC.
struct Canvas {
    std::unique_ptr<DC> dc;
    std::unique_ptr<platform::Bitmap> bitmap;
    platform::Bitmap* old = nullptr;
    Canvas(Graphics& g, int w, int h, bool mono = false)
        : dc(g.CreateCompatibleDC(nullptr)),
          bitmap(mono ? g.CreateMonochromeBitmap(w, h) : g.CreateCompatibleBitmap(nullptr, w, h)) {
        if (dc && bitmap) old = dc->SelectBitmap(bitmap.get());
    }
    ~Canvas() {
        if (dc && old) dc->SelectBitmap(old);
    }
};

void Stripes(DC& dc, int w, int h, int band, int offset) {
    for (int i = 0; i * band < w; ++i)
        dc.FillSolidRect(Rect{i * band, 0, (i + 1) * band, h}, kPalette[(i + offset) % kColours]);
}

// Square cells of `cell` pixels; cell 1 gives every pixel its own colour.
void Blocks(DC& dc, int w, int h, int cell, int offset) {
    for (int y = 0; y * cell < h; ++y)
        for (int x = 0; x * cell < w; ++x)
            dc.FillSolidRect(Rect{x * cell, y * cell, (x + 1) * cell, (y + 1) * cell},
                             kPalette[(x * 3 + y * 5 + offset) % kColours]);
}

// Raster operations, colour to colour, with a source offset and a destination
// rectangle inside the picture.
template <Rop rop>
void DrawRop(Graphics& g, DC& target) {
    Stripes(target, 40, 30, 3, 0);
    Canvas src(g, 40, 30);
    Blocks(*src.dc, 40, 30, 4, 1);
    target.BitBlt(4, 3, 30, 22, *src.dc, 2, 1, rop);
}

// Colour to monochrome: pixels of the source's background colour become 1.
void DrawMonoFromColour(Graphics& g, DC& target) {
    Canvas src(g, 40, 30);
    Blocks(*src.dc, 40, 30, 3, 2);
    src.dc->SetBkColor(kPalette[1]);
    target.BitBlt(0, 0, 40, 30, *src.dc, 0, 0, Rop::SrcCopy);
}

// Monochrome to colour: 1 bits take the destination's background colour, 0
// bits its text colour; also through SRCAND and SRCPAINT.
void DrawMonoToColour(Graphics& g, DC& target) {
    Stripes(target, 40, 30, 2, 3);
    Canvas mono(g, 40, 30, true);
    mono.dc->FillSolidRect(Rect{0, 0, 40, 30}, Rgb(255, 255, 255));
    for (int i = 0; i < 40; i += 5) mono.dc->FillSolidRect(Rect{i, i / 2, i + 3, 30}, Rgb(0, 0, 0));
    target.SetTextColor(Rgb(200, 30, 40));
    target.SetBkColor(Rgb(20, 90, 180));
    target.BitBlt(2, 2, 36, 12, *mono.dc, 1, 0, Rop::SrcCopy);
    target.BitBlt(2, 15, 18, 13, *mono.dc, 0, 10, Rop::SrcAnd);
    target.BitBlt(20, 15, 18, 13, *mono.dc, 0, 10, Rop::SrcPaint);
}

// The window's transparent drawing, twice: once inside, once over the right edge.
void DrawTransparentLogo(Graphics& g, DC& target) {
    Stripes(target, 48, 36, 3, 2);
    Canvas logo(g, 24, 18);
    Blocks(*logo.dc, 24, 18, 2, 0);
    logo.dc->FillSolidRect(Rect{0, 0, 5, 18}, kMask);
    CInstallerWnd::DrawTransparent(10, 7, 24, 18, *logo.dc, target, kMask);
    CInstallerWnd::DrawTransparent(36, 20, 24, 18, *logo.dc, target, kMask);
}

// A logo as large as a menu's, every pixel its own, hanging over two edges.
void DrawLargeTransparentLogo(Graphics& g, DC& target) {
    Stripes(target, 240, 180, 7, 1);
    Canvas logo(g, 200, 150);
    Blocks(*logo.dc, 200, 150, 1, 0);
    CInstallerWnd::DrawTransparent(-30, 50, 200, 150, *logo.dc, target, kMask);
}

// A resized logo as the animation draws it: grown 1.95 times, once inside and
// once over the bottom right corner.
void DrawResizedTransparentLogo(Graphics& g, DC& target) {
    Stripes(target, 64, 48, 3, 4);
    Canvas logo(g, 20, 14);
    Blocks(*logo.dc, 20, 14, 1, 3);
    CInstallerWnd::DrawTransparentStretched(2, 3, 39, 27, *logo.dc, 20, 14, target, kMask);
    CInstallerWnd::DrawTransparentStretched(37, 30, 39, 27, *logo.dc, 20, 14, target, kMask);
}

// A source of w x h in cells of `cell` pixels, stretched to (x, y, dw, dh).
void Stretch(Graphics& g, DC& target, int w, int h, int cell, int pattern, int x, int y, int dw,
             int dh) {
    Canvas src(g, w, h);
    Blocks(*src.dc, w, h, cell, pattern);
    target.StretchBlt(x, y, dw, dh, *src.dc, 0, 0, w, h, Rop::SrcCopy);
}

// The colour backgrounds: a 639 x 439 bitmap, vertex 1 at (639, 439).
void Gradient(DC& target, std::uint16_t r, std::uint16_t g, std::uint16_t b, std::uint16_t end,
              platform::GradientMode mode) {
    platform::TriVertex v0, v1;
    v0.red = r;
    v0.green = g;
    v0.blue = b;
    v1.x = 639;
    v1.y = 439;
    v1.red = v1.green = v1.blue = end;
    target.GradientFill(v0, v1, mode);
}

void DrawSolidFills(Graphics&, DC& target) {
    target.FillSolidRect(Rect{0, 0, 30, 20}, Rgb(1, 2, 3));
    target.FillSolidRect(Rect{-5, -5, 10, 8}, kPalette[6]);
    target.FillSolidRect(Rect{25, 15, 45, 40}, kPalette[4]);
    target.FillSolidRect(Rect{12, 12, 12, 18}, kPalette[1]);  // empty
    target.FillSolidRect(Rect{20, 10, 14, 4}, kPalette[1]);   // inverted
}

}  // namespace

const std::vector<Scene>& All() {
    static const std::vector<Scene> scenes = {
        {"rop_srccopy", 40, 30, false, DrawRop<Rop::SrcCopy>},
        {"rop_srcpaint", 40, 30, false, DrawRop<Rop::SrcPaint>},
        {"rop_srcand", 40, 30, false, DrawRop<Rop::SrcAnd>},
        {"rop_srcinvert", 40, 30, false, DrawRop<Rop::SrcInvert>},
        {"rop_srcerase", 40, 30, false, DrawRop<Rop::SrcErase>},
        {"rop_notsrccopy", 40, 30, false, DrawRop<Rop::NotSrcCopy>},
        {"rop_blackness", 40, 30, false, DrawRop<Rop::Blackness>},
        {"rop_whiteness", 40, 30, false, DrawRop<Rop::Whiteness>},
        {"mono_from_colour", 40, 30, true, DrawMonoFromColour},
        {"mono_to_colour", 40, 30, false, DrawMonoToColour},
        {"transparent", 48, 36, false, DrawTransparentLogo},
        {"transparent_large", 240, 180, false, DrawLargeTransparentLogo},
        {"transparent_resized", 64, 48, false, DrawResizedTransparentLogo},
        {"stretch_up", 40, 30, false,
         [](Graphics& g, DC& t) {
             Stripes(t, 40, 30, 4, 1);
             Stretch(g, t, 7, 5, 1, 0, 2, 3, 29, 23);
         }},
        {"stretch_down", 20, 16, false,
         [](Graphics& g, DC& t) {
             Stripes(t, 20, 16, 4, 1);
             Stretch(g, t, 37, 29, 1, 0, 3, 2, 13, 11);
         }},
        // Three source pixels into two: every second source centre lies
        // exactly on a destination pixel's edge.
        {"stretch_down_even", 20, 16, false,
         [](Graphics& g, DC& t) {
             Stripes(t, 20, 16, 4, 2);
             Stretch(g, t, 18, 12, 1, 0, 2, 1, 12, 8);
         }},
        // A resized logo's first animation frame: 2.95 times its size.
        {"stretch_logo_grow", 64, 40, false,
         [](Graphics& g, DC& t) {
             Stripes(t, 64, 40, 5, 0);
             Stretch(g, t, 20, 12, 3, 4, 1, 2, 59, 35);
         }},
        {"gradient_h", 639, 439, false,
         [](Graphics&, DC& t) {
             Gradient(t, 0x12 * 256, 0x80 * 256, 0xFF * 256, 0xF000, platform::GradientMode::RectH);
         }},
        {"gradient_v", 639, 439, false,
         [](Graphics&, DC& t) { Gradient(t, 0, 0, 0xFF * 256, 0, platform::GradientMode::RectV); }},
        {"solid_fills", 40, 30, false, DrawSolidFills},
    };
    return scenes;
}

std::unique_ptr<platform::Bitmap> Render(Graphics& g, const Scene& scene) {
    Canvas canvas(g, scene.width, scene.height, scene.monochrome);
    if (!canvas.old) return nullptr;
    // A known start: the scenes that do not cover every pixel leave black.
    canvas.dc->FillSolidRect(Rect{0, 0, scene.width, scene.height}, Rgb(0, 0, 0));
    scene.draw(g, *canvas.dc);
    canvas.dc->SelectBitmap(canvas.old);
    canvas.old = nullptr;
    return std::move(canvas.bitmap);
}

bool WriteDump(const std::string& path, const platform::raster::Surface& picture) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const std::uint32_t size[2] = {std::uint32_t(picture.width), std::uint32_t(picture.height)};
    const bool ok =
        std::fwrite(size, 4, 2, f) == 2 &&
        std::fwrite(picture.pixels.data(), 4, picture.pixels.size(), f) == picture.pixels.size();
    return std::fclose(f) == 0 && ok;
}

bool ReadDump(const std::string& path, platform::raster::Surface* picture) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    std::uint32_t size[2] = {};
    bool ok = std::fread(size, 4, 2, f) == 2 && size[0] <= 4096 && size[1] <= 4096;
    if (ok) {
        *picture = platform::raster::Surface(int(size[0]), int(size[1]));
        ok = std::fread(picture->pixels.data(), 4, picture->pixels.size(), f) ==
             picture->pixels.size();
    }
    std::fclose(f);
    return ok;
}

}  // namespace scenes
