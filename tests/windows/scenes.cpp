#include "scenes.h"

#include <array>
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

struct Canvas {
    std::unique_ptr<DC> dc;
    std::unique_ptr<platform::Bitmap> bitmap;
    platform::Bitmap* old = nullptr;
    Canvas(Graphics& g, int w, int h)
        : dc(g.CreateCompatibleDC(nullptr)), bitmap(g.CreateCompatibleBitmap(nullptr, w, h)) {
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

// Stripes (band, offset) with a source of blocks (w, h, cell, pattern)
// stretched onto them at (x, y, width, height).
Scene Stretched(const char* name, int width, int height, int band, int offset,
                std::array<int, 4> src, std::array<int, 4> to) {
    return {name, width, height, [=](Graphics& g, DC& target) {
                Stripes(target, width, height, band, offset);
                Canvas source(g, src[0], src[1]);
                Blocks(*source.dc, src[0], src[1], src[2], src[3]);
                target.StretchBlt(to[0], to[1], to[2], to[3], *source.dc, 0, 0, src[0], src[1],
                                  Rop::SrcCopy);
            }};
}

}  // namespace

const std::vector<Scene>& All() {
    static const std::vector<Scene> scenes = {
        {"transparent", 48, 36, DrawTransparentLogo},
        {"transparent_large", 240, 180, DrawLargeTransparentLogo},
        {"transparent_resized", 64, 48, DrawResizedTransparentLogo},
        Stretched("stretch_up", 40, 30, 4, 1, {7, 5, 1, 0}, {2, 3, 29, 23}),
        Stretched("stretch_down", 20, 16, 4, 1, {37, 29, 1, 0}, {3, 2, 13, 11}),
        // Three source pixels into two: every second source centre lies
        // exactly on a destination pixel's edge.
        Stretched("stretch_down_even", 20, 16, 4, 2, {18, 12, 1, 0}, {2, 1, 12, 8}),
        // A resized logo's first animation frame: 2.95 times its size.
        Stretched("stretch_logo_grow", 64, 40, 5, 0, {20, 12, 3, 4}, {1, 2, 59, 35}),
    };
    return scenes;
}

std::unique_ptr<platform::Bitmap> Render(Graphics& g, const Scene& scene) {
    Canvas canvas(g, scene.width, scene.height);
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
