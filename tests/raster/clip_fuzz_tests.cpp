// Every drawing operation with arbitrary arguments, extremes included, on a
// window DC whose clip is an inner part of its surface: nothing outside the
// clip may change (and under the sanitizers nothing may be read or written
// out of bounds).
#include <climits>
#include <random>

#include "platform/raster/raster_graphics.h"
#include "raster_test_support.h"

using namespace raster_test;
using platform::Point;
using platform::Rect;
using platform::Rop;

namespace {

int Arg(std::mt19937& rng) {
    static const int extremes[] = {INT_MIN, INT_MIN + 1, -100000, -7,     -1,          0,
                                   1,       3,           9,       100000, INT_MAX - 1, INT_MAX};
    std::uniform_int_distribution<int> pick(0, 3);
    if (pick(rng) == 0) return extremes[std::uniform_int_distribution<int>(0, 11)(rng)];
    return std::uniform_int_distribution<int>(-20, 20)(rng);
}

TEST(ClipFuzzTest, ArbitraryArgumentsNeverTouchOutsideTheClip) {
    platform::raster::RasterGraphics g;
    platform::FontRequest request;
    request.height = -9;
    request.underline = true;
    auto font = g.CreateFontFor(request);
    const Rop rops[] = {Rop::SrcCopy,  Rop::SrcPaint,   Rop::SrcAnd,    Rop::SrcInvert,
                        Rop::SrcErase, Rop::NotSrcCopy, Rop::Blackness, Rop::Whiteness};
    std::mt19937 rng(20240611);
    for (int round = 0; round < 3000; ++round) {
        Surface window = Pattern(12, 10);
        const Surface before = window;
        const Rect clip{3, 2, 9, 8};
        RasterDC dc(&window, Point{Arg(rng) % 6, Arg(rng) % 6}, clip);
        dc.SelectFont(font.get());
        Surface picture = Pattern(5, 4);
        if (round % 2 == 0) {  // colour and monochrome sources
            picture.monochrome = true;
            for (Pixel& p : picture.pixels) p = (p >> 8) & 1 ? W : K;
        }
        Canvas src(std::move(picture));
        const Rop rop = rops[round % 8];
        switch (round % 5) {
            case 0:
                dc.BitBlt(Arg(rng), Arg(rng), Arg(rng), Arg(rng), src.dc, Arg(rng), Arg(rng), rop);
                break;
            case 1:
                dc.StretchBlt(Arg(rng), Arg(rng), Arg(rng), Arg(rng), src.dc, Arg(rng), Arg(rng),
                              Arg(rng), Arg(rng), rop);
                break;
            case 2: {
                platform::TriVertex a{Arg(rng), Arg(rng), 0xFF00, 0, 0x8000, 0};
                platform::TriVertex b{Arg(rng), Arg(rng), 0, 0xFF00, 0, 0};
                dc.GradientFill(a, b, platform::GradientMode(round % 2));
                break;
            }
            case 3:
                dc.FillSolidRect(Rect{Arg(rng), Arg(rng), Arg(rng), Arg(rng)}, 0x00FF00);
                break;
            case 4:
                dc.TextOutAt(Arg(rng), Arg(rng), "Wj\xE9");
                break;
        }
        // Reading from the window DC into a bitmap must stay inside it, too.
        Canvas back(4, 4, 0);
        back.dc.StretchBlt(0, 0, 4, 4, dc, Arg(rng), Arg(rng), Arg(rng), Arg(rng), Rop::SrcCopy);
        for (int y = 0; y < window.height; ++y)
            for (int x = 0; x < window.width; ++x)
                if (!clip.Contains(Point{x, y})) {
                    ASSERT_EQ(window.At(x, y), before.At(x, y))
                        << "round " << round << " touched " << Point{x, y};
                }
    }
}

}  // namespace
