// The raster's costs on the menu window's own workloads.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "engine/installer_wnd.h"
#include "platform/platform.h"
#include "platform/raster/raster_bitmap.h"
#include "platform/raster/raster_dc.h"
#include "platform/raster/raster_graphics.h"

namespace {

using namespace platform;
using namespace platform::raster;

struct Held {
    std::unique_ptr<RasterBitmap> bitmap;
    RasterDC dc;
    Held(int w, int h, Pixel fill)
        : bitmap(std::make_unique<RasterBitmap>(Surface(w, h, false, fill))) {
        dc.SelectBitmap(bitmap.get());
    }
};

void Scatter(Surface& s) {
    for (std::size_t i = 0; i < s.pixels.size(); ++i)
        s.pixels[i] = Pixel(i * 2654435761u) & 0xFFFFFF;
}

// The whole client area copied, as every animation frame does.
void BM_BitBltClient(benchmark::State& state) {
    Held src(638, 438, 0), dst(638, 438, 0);
    Scatter(src.bitmap->surface());
    for (auto _ : state) {
        dst.dc.BitBlt(0, 0, 638, 438, src.dc, 0, 0, Rop::SrcCopy);
        benchmark::DoNotOptimize(dst.bitmap->surface().pixels.data());
    }
    state.SetBytesProcessed(state.iterations() * 638 * 438 * 4);
}
BENCHMARK(BM_BitBltClient);

// The floor for the copy above: the same bytes with one memcpy.
void BM_MemcpyClient(benchmark::State& state) {
    std::vector<Pixel> src(638 * 438, 1), dst(638 * 438);
    for (auto _ : state) {
        std::memcpy(dst.data(), src.data(), src.size() * sizeof(Pixel));
        benchmark::DoNotOptimize(dst.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * 638 * 438 * 4);
}
BENCHMARK(BM_MemcpyClient);

// The menu window's transparent logo drawing, as the window does it.
void BM_DrawTransparentLogo(benchmark::State& state) {
    RasterGraphics g;
    platform::Install(Platform{&g});
    Held logo(200, 150, 0xFF00FF), client(638, 438, 0x3366CC);
    Surface& s = logo.bitmap->surface();
    for (int y = 20; y < 130; ++y)
        for (int x = 20; x < 180; ++x) s.At(x, y) = Pixel(0x102030 + x + y);
    for (auto _ : state) {
        CInstallerWnd::DrawTransparent(100, 100, 200, 150, logo.dc, client.dc, Rgb(255, 0, 255));
        benchmark::DoNotOptimize(client.bitmap->surface().pixels.data());
    }
    platform::Install(Platform{});
}
BENCHMARK(BM_DrawTransparentLogo);

// An 800 x 600 background shrunk to the client area at every paint.
void BM_StretchBackground(benchmark::State& state) {
    Held src(800, 600, 0), dst(638, 438, 0);
    Scatter(src.bitmap->surface());
    for (auto _ : state) {
        dst.dc.StretchBlt(0, 0, 638, 438, src.dc, 0, 0, 800, 600, Rop::SrcCopy);
        benchmark::DoNotOptimize(dst.bitmap->surface().pixels.data());
    }
}
BENCHMARK(BM_StretchBackground);

// A dithered colour background, made once per window.
void BM_GradientBackground(benchmark::State& state) {
    Held dst(639, 439, 0);
    TriVertex v0{0, 0, 0x1200, 0x3400, 0xFF00, 0};
    TriVertex v1{639, 439, 0xF000, 0xF000, 0xF000, 0};
    const GradientMode mode = state.range(0) ? GradientMode::RectV : GradientMode::RectH;
    for (auto _ : state) {
        dst.dc.GradientFill(v0, v1, mode);
        benchmark::DoNotOptimize(dst.bitmap->surface().pixels.data());
    }
}
BENCHMARK(BM_GradientBackground)->Arg(0)->Arg(1);

// All hotspots drawn and measured, as at the first paint.
void BM_HotSpotTexts(benchmark::State& state) {
    RasterGraphics g;
    Held client(638, 438, 0x3366CC);
    FontRequest r;
    r.height = -16;
    r.weight = 600;
    r.italic = true;
    r.underline = true;
    r.pitchAndFamily = 0x20;
    auto font = g.CreateFontFor(r);
    Font* old = client.dc.SelectFont(font.get());
    client.dc.SetBkMode(BkMode::Transparent);
    client.dc.SetTextColor(Rgb(255, 255, 0));
    std::vector<std::string> texts;
    for (int i = 0; i < 15; ++i) texts.push_back("Install component number " + std::to_string(i));
    for (auto _ : state) {
        for (int i = 0; i < 15; ++i) {
            client.dc.TextOutAt(40, 20 + 26 * i, texts[std::size_t(i)]);
            Size size;
            client.dc.MeasureText(texts[std::size_t(i)], &size);
            benchmark::DoNotOptimize(size);
        }
    }
    client.dc.SelectFont(old);
}
BENCHMARK(BM_HotSpotTexts);

}  // namespace
