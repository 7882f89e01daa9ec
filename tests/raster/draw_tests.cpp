// Drawing on raster DCs: blits with their raster operations, colour <-> monochrome, scaling
// and clipping; gradients and fills; bitmap selection; transparent drawing; the pixel memory.
#include <sys/resource.h>
#include <unistd.h>

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <random>

#include "platform/raster/pixel_memory.h"
#include "platform/raster/raster_graphics.h"
#include "raster_test_support.h"

using namespace raster_test;
using platform::BitmapInfo;
using platform::raster::AllocatePixels;
using platform::raster::FreePixels;
using platform::GradientMode;
using platform::Point;
using platform::Rect;
using platform::Rgb;
using platform::Rop;
using platform::TriVertex;

namespace {

const Rop kRops[] = {Rop::SrcCopy,  Rop::SrcPaint,   Rop::SrcAnd,    Rop::SrcInvert,
                     Rop::SrcErase, Rop::NotSrcCopy, Rop::Blackness, Rop::Whiteness};

// Each raster operation combines each pixel; colour and monochrome convert by
// the colours that count and no other.
TEST(BlitTest, EachRopCombinesEachPixelAndConversionsUseOnlyTheColoursThatCount) {
    const std::vector<Pixel> expected[] = {
        {0xFF00FF, 0x0F0F0F, 0x000000, 0xFFFFFF},  // SrcCopy
        {0xFFFFFF, 0xFFFFFF, 0x123456, 0xFFFFFF},  // SrcPaint
        {0x0000FF, 0x000000, 0x000000, 0x123456},  // SrcAnd
        {0xFFFF00, 0xFFFFFF, 0x123456, 0xEDCBA9},  // SrcInvert
        {0xFF0000, 0x0F0F0F, 0x000000, 0xEDCBA9},  // SrcErase
        {0x00FF00, 0xF0F0F0, 0xFFFFFF, 0x000000},  // NotSrcCopy
        {K, K, K, K},                              // Blackness
        {W, W, W, W},                              // Whiteness
    };
    Canvas src(Rows{{0xFF00FF, 0x0F0F0F, 0x000000, 0xFFFFFF}});
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE(i);
        Canvas dst(Rows{{0x00FFFF, 0xF0F0F0, 0x123456, 0x123456}});
        ASSERT_TRUE(dst.dc.BitBlt(0, 0, 4, 1, src.dc, 0, 0, kRops[i]));
        EXPECT_TRUE(SurfaceIs(dst.surface(), Rows{expected[i]}));
    }
    // An operation outside the set (MERGEPAINT) fails and draws nothing.
    Canvas unchanged(1, 1, 0x445566);
    EXPECT_FALSE(unchanged.dc.BitBlt(0, 0, 1, 1, src.dc, 0, 0, Rop(0x00BB0226)));
    EXPECT_TRUE(SurfaceIs(unchanged.surface(), Rows{{0x445566}}));

    // Colour to mono: 1 where the source has its background colour; one pixel
    // is off by a single blue step. No other colour plays a part.
    Canvas colour(Rows{{0x102030, 0x102031, 0xFFFFFF, 0x102030}});
    colour.dc.SetBkColor(Rgb(0x10, 0x20, 0x30));
    colour.dc.SetTextColor(Rgb(0xFF, 0xFF, 0xFF));
    Canvas mask(4, 1, K, /*mono=*/true);
    mask.dc.SetBkColor(Rgb(1, 1, 1));
    mask.dc.SetTextColor(Rgb(2, 2, 2));
    ASSERT_TRUE(mask.dc.BitBlt(0, 0, 4, 1, colour.dc, 0, 0, Rop::SrcCopy));
    EXPECT_TRUE(SurfaceIs(mask.surface(), Rows{{W, K, K, W}}));
    // Mono to colour: 1 becomes the destination's background colour, 0 its text
    // colour, and the raster operation applies to the expanded colour.
    Canvas dst(Rows{{0x0F0F0F, 0x0F0F0F, 0xF0F0F0, 0xF0F0F0}});
    dst.dc.SetBkColor(Rgb(0xFF, 0x00, 0xFF));
    dst.dc.SetTextColor(Rgb(0x00, 0xFF, 0x00));
    ASSERT_TRUE(dst.dc.BitBlt(0, 0, 4, 1, mask.dc, 0, 0, Rop::SrcPaint));
    EXPECT_TRUE(SurfaceIs(dst.surface(), Rows{{0xFF0FFF, 0x0FFF0F, 0xF0FFF0, 0xFFF0FF}}));
    dst.dc.SetBkColor(Rgb(0x01, 0x02, 0x03));
    dst.dc.SetTextColor(Rgb(0xC8, 0x64, 0x32));
    ASSERT_TRUE(dst.dc.StretchBlt(0, 0, 4, 1, mask.dc, 0, 0, 2, 1, Rop::SrcCopy));
    EXPECT_TRUE(SurfaceIs(dst.surface(), Rows{{0x010203, 0x010203, 0xC86432, 0xC86432}}));
}

TEST(BlitTest, EdgesCutTheCopyAndExtremesDrawNothing) {
    const Surface p = Pattern(3, 2);
    const Pixel o = 0x111111;
    Canvas src{Surface(p)};
    Canvas dst(3, 2, o);
    EXPECT_TRUE(dst.dc.BitBlt(0, 0, -2, 2, src.dc, 0, 0, Rop::SrcCopy));
    EXPECT_TRUE(dst.dc.BitBlt(INT_MAX, INT_MAX, INT_MAX, INT_MAX, src.dc, 0, 0, Rop::SrcCopy));
    EXPECT_TRUE(dst.dc.StretchBlt(INT_MIN, 0, INT_MAX, 3, src.dc, 0, 0, INT_MIN, 3, Rop::SrcCopy));
    EXPECT_TRUE(SurfaceIs(dst.surface(), Rows{{o, o, o}, {o, o, o}}));
    // One column off the destination's left edge, reading one row above the source.
    ASSERT_TRUE(dst.dc.BitBlt(-1, 0, 3, 2, src.dc, 0, -1, Rop::SrcCopy));
    EXPECT_TRUE(SurfaceIs(dst.surface(), Rows{{o, o, o}, {p.At(1, 0), p.At(2, 0), o}}));
    // Stretched that far, one source pixel covers the whole destination.
    ASSERT_TRUE(dst.dc.StretchBlt(0, 0, INT_MAX, INT_MAX, src.dc, 0, 0, 1, 1, Rop::SrcAnd));
    const Pixel a = 0x101011;  // each pixel ANDed with the source's first
    EXPECT_TRUE(SurfaceIs(dst.surface(), Rows{{a, a, a}, {a, a, a}}));
    // Within one surface, an overlapping copy reads before it writes.
    Canvas c{Pattern(3, 3)};
    ASSERT_TRUE(c.dc.BitBlt(1, 1, 2, 2, c.dc, 0, 0, Rop::SrcCopy));
    const Surface q = Pattern(3, 3);
    EXPECT_TRUE(SurfaceIs(c.surface(), Rows{{q.At(0, 0), q.At(1, 0), q.At(2, 0)},
                                            {q.At(0, 1), q.At(0, 0), q.At(1, 0)},
                                            {q.At(0, 2), q.At(0, 1), q.At(1, 1)}}));
}

TEST(BlitTest, StretchingSamplesPixelCentresAndAndsWhatMerges) {
    constexpr Pixel A = 0x110000, B = 0x002200, C = 0x000033;
    const Rows ab{{A, B}}, abc{{A, B, C}};
    const Rows four{{0xFF00FF, 0x00FFFF, W, 0x0000FF}, {W, W, W, 0xFF0000}};
    const Rows lines{{W, K, W, W}, {W, K, W, W}, {W, W, W, W}, {K, K, K, K}};
    const struct {
        const char* what;
        Rows src;
        int to[4], from[4];  // x, y, width, height on the destination and the source
        Rows want;           // the destination, black before
        bool mono = false;
    } cases[] = {
        {"doubled", ab, {0, 0, 4, 2}, {0, 0, 2, 1}, {{A, A, B, B}, {A, A, B, B}}},
        {"three into five", abc, {0, 0, 5, 1}, {0, 0, 3, 1}, {{A, A, B, C, C}}},
        {"halved across", four, {0, 0, 2, 2}, {0, 0, 4, 2}, {{0x0000FF, 0x0000FF}, {W, 0xFF0000}}},
        {"halved down", four, {0, 0, 4, 1}, {0, 0, 4, 2}, {{0xFF00FF, 0x00FFFF, W, K}}},
        // The middle pixel's centre lies on the edge and goes to the first.
        {"three into two", abc, {0, 0, 2, 1}, {0, 0, 3, 1}, {{A & B, C}}},
        {"monochrome keeps black lines", lines, {0, 0, 2, 2}, {0, 0, 4, 4}, {{K, W}, {K, K}}, true},
        {"mirrored and grown", abc, {5, 0, -6, 1}, {0, 0, 3, 1}, {{C, C, B, B, A, A}}},
        {"source past its bitmap", ab, {0, 0, 4, 1}, {1, 0, 2, 1}, {{B, B, K, K}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Canvas src(c.src, c.mono);
        Canvas dst(int(c.want[0].size()), int(c.want.size()), K, c.mono);
        ASSERT_TRUE(dst.dc.StretchBlt(c.to[0], c.to[1], c.to[2], c.to[3], src.dc, c.from[0],
                                      c.from[1], c.from[2], c.from[3], Rop::SrcCopy));
        EXPECT_TRUE(SurfaceIs(dst.surface(), c.want));
    }
}

TEST(BlitTest, WindowDCDrawsAtItsOriginInsideItsClipWhateverTheArguments) {
    // A 5 x 4 window surface whose client area starts at (1, 1) and is 3 x 2.
    Surface window(5, 4, false, 0x111111);
    RasterDC dc(&window, Point{1, 1}, Rect{1, 1, 4, 3});
    EXPECT_TRUE(dc.FillSolidRect(Rect{-5, -5, 50, 50}, Rgb(0xAA, 0xBB, 0xCC)));
    const Pixel o = 0x111111, f = 0xAABBCC;
    EXPECT_TRUE(SurfaceIs(
        window, Rows{{o, o, o, o, o}, {o, f, f, f, o}, {o, f, f, f, o}, {o, o, o, o, o}}));
    // Read back as a source, client point (0, 0) is the window surface's (1, 1).
    window.At(3, 2) = 1;
    Canvas copy(2, 1, K);
    ASSERT_TRUE(copy.dc.BitBlt(0, 0, 2, 1, dc, 1, 1, Rop::SrcCopy));
    EXPECT_TRUE(SurfaceIs(copy.surface(), Rows{{f, 1}}));

    // Every operation with arbitrary arguments, extremes included, on a window DC
    // whose clip is an inner part of its surface: nothing outside the clip, or
    // outside what the DC reports as written, may change (and under the
    // sanitizers nothing may be touched out of bounds).
    std::mt19937 rng(20240611);
    auto arg = [&rng] {
        static const int extremes[] = {INT_MIN, INT_MIN + 1, -100000, -7,     -1,          0,
                                       1,       3,           9,       100000, INT_MAX - 1, INT_MAX};
        if (std::uniform_int_distribution<int>(0, 3)(rng) == 0)
            return extremes[std::uniform_int_distribution<int>(0, 11)(rng)];
        return std::uniform_int_distribution<int>(-20, 20)(rng);
    };
    platform::raster::RasterGraphics g;
    platform::FontRequest request;
    request.height = -9;
    request.underline = true;
    auto font = g.CreateFontFor(request);
    const Rect clip{3, 2, 9, 8};
    const Surface before = Pattern(12, 10);
    for (int round = 0; round < 3000; ++round) {
        Surface window = before;
        RasterDC dc(&window, Point{arg() % 6, arg() % 6}, clip);
        dc.SelectFont(font.get());
        Surface picture = Pattern(5, 4);
        if (round % 2 == 0) {  // colour and monochrome sources
            picture.monochrome = true;
            for (Pixel& p : picture.pixels) p = (p >> 8) & 1 ? W : K;
        }
        Canvas src(std::move(picture));
        const Rop rop = kRops[round % 8];
        switch (round % 5) {
            case 0:
                dc.BitBlt(arg(), arg(), arg(), arg(), src.dc, arg(), arg(), rop);
                break;
            case 1:
                dc.StretchBlt(arg(), arg(), arg(), arg(), src.dc, arg(), arg(), arg(), arg(), rop);
                break;
            case 2:
                dc.GradientFill({arg(), arg(), 0xFF00, 0, 0x8000}, {arg(), arg(), 0, 0xFF00},
                                platform::GradientMode(round % 2));
                break;
            case 3:
                dc.FillSolidRect(Rect{arg(), arg(), arg(), arg()}, 0x00FF00);
                break;
            default:
                dc.TextOutAt(arg(), arg(), "Wj\xE9");
        }
        // Reading from the window DC into a bitmap must stay inside it, too.
        Canvas back(4, 4, 0);
        back.dc.StretchBlt(0, 0, 4, 4, dc, arg(), arg(), arg(), arg(), Rop::SrcCopy);
        // What changed lies inside what the DC says it wrote: a host shows only that.
        const Rect written = dc.Written();
        for (int y = 0; y < window.height; ++y)
            for (int x = 0; x < window.width; ++x)
                if (window.At(x, y) != before.At(x, y)) {
                    ASSERT_TRUE(clip.Contains(Point{x, y}) && written.Contains(Point{x, y}))
                        << "round " << round << " touched " << Point{x, y};
                }
    }
}

std::vector<int> InfoOf(const platform::Bitmap* b) {
    BitmapInfo info;
    return b && b->GetInfo(&info) ? std::vector<int>{info.width, info.height, info.bitsPixel}
                                  : std::vector<int>{};
}

TEST(SelectTest, OneDCPerBitmapAndTheDepthOfTheReferenceDC) {
    RasterDC dc, other;
    auto colour = std::make_unique<RasterBitmap>(Surface(4, 3));
    platform::Bitmap* stock = dc.SelectBitmap(colour.get());
    EXPECT_EQ(InfoOf(stock), (std::vector<int>{1, 1, 1}));
    EXPECT_EQ(other.SelectBitmap(colour.get()), nullptr);  // held by dc
    EXPECT_EQ(dc.SelectBitmap(stock), colour.get());       // the previous one comes back
    // Destroying a selected bitmap puts the DC back on its usable stock bitmap.
    EXPECT_NE(other.SelectBitmap(colour.get()), nullptr);
    colour.reset();
    EXPECT_TRUE(other.FillSolidRect(Rect{0, 0, 8, 8}, Rgb(255, 255, 255)));
    EXPECT_EQ(other.surface()->width, 1);

    platform::raster::RasterGraphics g;
    // GDI's well-known trap: compatible with a fresh memory DC means monochrome.
    EXPECT_EQ(InfoOf(g.CreateCompatibleBitmap(&dc, 4, 4).get()), (std::vector<int>{4, 4, 1}));
    EXPECT_EQ(InfoOf(g.CreateCompatibleBitmap(nullptr, 4, 3).get()), (std::vector<int>{4, 3, 32}));
    EXPECT_EQ(g.CreateCompatibleBitmap(nullptr, -1, 10), nullptr);
    EXPECT_EQ(g.CreateMonochromeBitmap(100000, 100000), nullptr);

    // A new bitmap is black, though its black is written only when a copy does
    // not overwrite all of it: an OR onto it must find black.
    Canvas src(Pattern(4, 3));
    auto fresh = g.CreateCompatibleBitmap(nullptr, 4, 3);
    ASSERT_NE(dc.SelectBitmap(fresh.get()), nullptr);
    ASSERT_TRUE(dc.BitBlt(0, 0, 4, 3, src.dc, 0, 0, Rop::SrcPaint));
    Canvas back(4, 3, 0x777777);
    ASSERT_TRUE(back.dc.BitBlt(0, 0, 4, 3, dc, 0, 0, Rop::SrcCopy));
    EXPECT_TRUE(SurfaceIs(back.surface(), Pattern(4, 3)));
}

constexpr GradientMode H = GradientMode::RectH, V = GradientMode::RectV;

TEST(GradientTest, InterpolatesFromEdgeToEdge) {
    // Red falls from 0xFF00 and green rises to 0xFF00 over four pixels: at step t of
    // 4 the channel is (c0 * (4 - t) + c1 * t) / 4 >> 8, worked out by hand.
    const Pixel s0 = 0xFF0010, s1 = 0xBF3F10, s2 = 0x7F7F10, s3 = 0x3FBF10;
    const TriVertex red{0, 0, 0xFF00, 0, 0x1000}, green{0, 0, 0, 0xFF00, 0x1000};
    const TriVertex white{0, 0, 0xFF00, 0xFF00, 0xFF00};
    auto at = [](TriVertex v, int x, int y) { return v.x = x, v.y = y, v; };
    const struct {
        const char* what;
        TriVertex from, to;
        GradientMode mode;
        Rows want;
        bool mono = false;
    } cases[] = {
        {"across", red, at(green, 4, 2), H, {{s0, s1, s2, s3}, {s0, s1, s2, s3}}},
        {"down", red, at(green, 2, 4), V, {{s0, s0}, {s1, s1}, {s2, s2}, {s3, s3}}},
        {"lower right first", at(green, 4, 1), red, H, {{s0, s1, s2, s3}}},
        // Clipped pixels keep their place in the whole run.
        {"clipped", at(red, -2, 0), at(green, 2, 1), H, {{s2, s3}}},
        {"monochrome: the nearer of black and white", white, {4, 1}, H, {{W, W, K, K}}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Canvas canvas(int(c.want[0].size()), int(c.want.size()), K, c.mono);
        ASSERT_TRUE(canvas.dc.GradientFill(c.from, c.to, c.mode));
        EXPECT_TRUE(SurfaceIs(canvas.surface(), c.want));
    }
    // Empty rectangles and unknown modes draw nothing.
    Canvas c(2, 1, 0x123456);
    EXPECT_TRUE(c.dc.GradientFill({1, 0}, {1, 1, 0xFF00}, GradientMode::RectH));
    EXPECT_FALSE(c.dc.GradientFill({0, 0}, {2, 1}, GradientMode(2)));
    EXPECT_TRUE(SurfaceIs(c.surface(), Rows{{0x123456, 0x123456}}));
    // The window's 439 rows: the last is (0xFF00 + 0xF000 * 438) / 439 >> 8 = 240 in blue.
    Canvas window(1, 439, K);
    ASSERT_TRUE(window.dc.GradientFill({0, 0, 0, 0, 0xFF00}, {1, 439, 0xF000, 0xF000, 0xF000}, V));
    EXPECT_EQ(window.surface().At(0, 438), 0xEFEFF0u);
}

TEST(FillTest, SolidRectangleIsExclusiveAtRightAndBottom) {
    Canvas c(3, 3, K);
    ASSERT_TRUE(c.dc.FillSolidRect(Rect{1, 0, 3, 2}, Rgb(0x12, 0x34, 0x56)));
    ASSERT_TRUE(c.dc.FillSolidRect(Rect{2, 1, 2, 3}, Rgb(255, 255, 255)));  // empty: nothing
    const Pixel f = 0x123456;
    EXPECT_TRUE(SurfaceIs(c.surface(), Rows{{K, f, f}, {K, f, f}, {K, K, K}}));
    // Inverted edges fill (right, left] x (bottom, top], as GDI's PatBlt does.
    ASSERT_TRUE(c.dc.FillSolidRect(Rect{1, 2, 0, 0}, Rgb(255, 255, 255)));
    EXPECT_TRUE(SurfaceIs(c.surface(), Rows{{K, f, f}, {K, W, f}, {K, W, K}}));
    // A monochrome surface gets the nearer of black and white.
    Canvas mono(2, 1, K, true);
    ASSERT_TRUE(mono.dc.FillSolidRect(Rect{0, 0, 1, 1}, Rgb(200, 200, 200)));
    ASSERT_TRUE(mono.dc.FillSolidRect(Rect{1, 0, 2, 1}, Rgb(100, 100, 100)));
    EXPECT_TRUE(SurfaceIs(mono.surface(), Rows{{W, K}}));
}

// The one-pass transparent drawing against the mask sequence it replaces, run
// step by step on the same raster: every pixel must match.
constexpr Pixel kKey = 0xFF00FF;

// Noise with a third of its pixels the key colour, some a single step off it
// in one channel, and some black.
Surface Logo(int w, int h, unsigned seed) {
    std::mt19937 random(seed);
    Surface s(w, h);
    for (Pixel& p : s.pixels) {
        const unsigned r = random();
        p = r % 3 == 0   ? kKey
            : r % 5 == 0 ? kKey ^ (1u << (r >> 8) % 24)
            : r % 7 == 0 ? K
                         : Pixel(r >> 8) & W;
    }
    return s;
}

// What the window ran before the one pass: a grown copy, a mask of the key
// colour, the copy's transparent part blackened, the destination punched and
// the copy ORed in.
void MaskSequence(RasterDC& dst, int x, int y, int w, int h, RasterDC& src, int sx, int sy, int sw,
                  int sh, Pixel key) {
    Canvas work(w, h, K);
    work.dc.StretchBlt(0, 0, w, h, src, sx, sy, sw, sh, Rop::SrcCopy);
    Canvas mask(w, h, K, /*mono=*/true);
    work.dc.SetBkColor(platform::raster::ColorRefOf(key));
    mask.dc.BitBlt(0, 0, w, h, work.dc, 0, 0, Rop::SrcCopy);
    work.dc.SetBkColor(0);
    work.dc.SetTextColor(0xFFFFFF);
    work.dc.BitBlt(0, 0, w, h, mask.dc, 0, 0, Rop::SrcAnd);
    dst.SetBkColor(0xFFFFFF);
    dst.SetTextColor(0);
    dst.BitBlt(x, y, w, h, mask.dc, 0, 0, Rop::SrcAnd);
    dst.BitBlt(x, y, w, h, work.dc, 0, 0, Rop::SrcPaint);
}

TEST(TransparentBltTest, DrawsWhatTheMaskSequenceDrawsOrDeclines) {
    const struct {
        const char* name;
        int x, y, w, h;      // destination
        int sx, sy, sw, sh;  // source
        Pixel key;
        bool windowDC;  // a paint DC at (3, 2) of its surface, clipped inside it
    } cases[] = {
        {"inside", 5, 4, 20, 14, 0, 0, 20, 14, kKey, false},
        {"over the top left", -7, -5, 20, 14, 0, 0, 20, 14, kKey, false},
        {"over the bottom right", 30, 22, 20, 14, 0, 0, 20, 14, kKey, false},
        {"a part of the source", 2, 3, 11, 9, 6, 4, 11, 9, kKey, false},
        {"black as the key", 4, 4, 20, 14, 0, 0, 20, 14, K, false},
        {"grown 1.95 times", -3, 6, 39, 27, 0, 0, 20, 14, kKey, false},
        {"grown unevenly", 8, 1, 31, 15, 2, 1, 13, 13, kKey, false},
        {"into a clipped window", 1, -2, 39, 27, 0, 0, 20, 14, kKey, true},
    };
    const Surface logo = Logo(20, 14, 7);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Canvas src{Surface(logo)};
        const Surface under = Logo(40, 30, 11);
        Surface oneSurface(under), sequenceSurface(under);
        const Point origin = c.windowDC ? Point{3, 2} : Point{0, 0};
        const Rect clip = c.windowDC ? Rect{4, 3, 35, 26} : Rect{0, 0, 40, 30};
        RasterDC one(&oneSurface, origin, clip), sequence(&sequenceSurface, origin, clip);
        ASSERT_TRUE(one.TransparentBlt(c.x, c.y, c.w, c.h, src.dc, c.sx, c.sy, c.sw, c.sh,
                                       platform::raster::ColorRefOf(c.key)));
        MaskSequence(sequence, c.x, c.y, c.w, c.h, src.dc, c.sx, c.sy, c.sw, c.sh, c.key);
        EXPECT_TRUE(SurfaceIs(oneSurface, sequenceSurface));
        EXPECT_NE(oneSurface.pixels, under.pixels);  // something was drawn
        // Over another picture: as a copy of its part, then the sequence.
        Canvas beneath{Logo(100, 80, 13)};
        Surface overSurface(under), copySurface(under);
        RasterDC over(&overSurface, origin, clip), copy(&copySurface, origin, clip);
        ASSERT_TRUE(over.TransparentBltOver(c.x, c.y, c.w, c.h, src.dc, c.sx, c.sy, c.sw, c.sh,
                                            platform::raster::ColorRefOf(c.key), beneath.dc,
                                            c.x + 20, c.y + 15));
        copy.BitBlt(c.x, c.y, c.w, c.h, beneath.dc, c.x + 20, c.y + 15, Rop::SrcCopy);
        MaskSequence(copy, c.x, c.y, c.w, c.h, src.dc, c.sx, c.sy, c.sw, c.sh, c.key);
        EXPECT_TRUE(SurfaceIs(overSurface, copySurface));
    }

    // Where one pass could differ from the sequence it declines, drawing nothing,
    // and the caller runs the sequence.
    Canvas src{Logo(8, 6, 3)};
    Canvas dst{Logo(16, 12, 5)};
    Canvas mono(16, 12, K, /*mono=*/true);
    const Surface before = dst.surface();
    const platform::ColorRef key = platform::raster::ColorRefOf(kKey);
    EXPECT_FALSE(mono.dc.TransparentBlt(0, 0, 8, 6, src.dc, 0, 0, 8, 6, key));
    EXPECT_FALSE(dst.dc.TransparentBlt(0, 0, 8, 6, mono.dc, 0, 0, 8, 6, key));
    EXPECT_FALSE(dst.dc.TransparentBlt(1, 1, 8, 6, dst.dc, 0, 0, 8, 6, key));  // one surface
    // Beneath: the destination itself, monochrome, or read past its edge.
    for (auto* below : {&dst, &mono, &src})
        EXPECT_FALSE(dst.dc.TransparentBltOver(0, 0, 8, 6, src.dc, 0, 0, 8, 6, key, below->dc,
                                               below == &src ? 1 : 0, 0));
    // w, h, sx, sy, sw, sh: narrower, lower, past each edge, empty, beyond any bitmap.
    const int sizes[][6] = {
        {7, 6, 0, 0, 8, 6},  {8, 5, 0, 0, 8, 6}, {8, 6, -1, 0, 8, 6},
        {8, 6, 0, -1, 8, 6}, {8, 6, 1, 0, 8, 6}, {8, 6, 0, 1, 8, 6},
        {0, 6, 0, 0, 0, 6},  {8, 0, 0, 0, 8, 0}, {1 << 20, 1 << 20, 0, 0, 8, 6}};
    for (const auto& c : sizes)
        EXPECT_FALSE(dst.dc.TransparentBlt(0, 0, c[0], c[1], src.dc, c[2], c[3], c[4], c[5], key))
            << c[0] << " " << c[1] << " " << c[2] << " " << c[3];
    EXPECT_EQ(dst.surface().pixels, before.pixels);
}

}  // namespace

// Pixel blocks: a size near SIZE_MAX fails rather than wrapping to a small
// block; with no room for the large mapping a block still comes, from a
// mapping of its own or the heap; freed ranges are reused.
TEST(PixelMemoryTest, HugeSizesFailTightAddressSpaceStillServesAndRangesAreReused) {
    // In a fresh process, so that no chunk mapped by an earlier test serves.
    ::testing::FLAGS_gtest_death_test_style = "threadsafe";
    for (std::size_t bytes : {SIZE_MAX, SIZE_MAX - 100, SIZE_MAX / 2 + 1})
        EXPECT_THROW(AllocatePixels(bytes), std::bad_alloc) << bytes;
    const auto tight = [] {
        std::FILE* statm = std::fopen("/proc/self/statm", "r");
        unsigned long pages = 0;
        if (!statm || std::fscanf(statm, "%lu", &pages) != 1) std::_Exit(2);
        const rlim_t room = pages * sysconf(_SC_PAGESIZE) + (std::size_t(12) << 20);
        const rlimit limit{room, room};
        if (setrlimit(RLIMIT_AS, &limit) != 0) std::_Exit(3);
        std::vector<void*> blocks;
        for (int i = 0; i < 3; ++i) {
            blocks.push_back(AllocatePixels(std::size_t(1) << 20));
            std::memset(blocks.back(), i, std::size_t(1) << 20);
        }
        for (void* block : blocks) FreePixels(block, std::size_t(1) << 20);
        std::_Exit(0);
    };
    EXPECT_EXIT(tight(), ::testing::ExitedWithCode(0), "");

    // Freed ranges are handed out again, merged with their neighbours, and no
    // two live blocks ever share a byte (after the check in a fresh process).
    std::vector<std::pair<char*, std::size_t>> live;
    auto take = [&](std::size_t kib) {
        live.emplace_back(static_cast<char*>(AllocatePixels(kib << 10)), kib << 10);
    };
    for (std::size_t kib : {64, 100, 2500, 70, 1000, 128}) take(kib);
    for (std::size_t round = 0; round < 4; ++round) {
        // Every other block goes, then blocks of other sizes come into the gaps.
        for (std::size_t i = live.size(); i-- > 0;)
            if ((i + round) % 2 == 0) {
                FreePixels(live[i].first, live[i].second);
                live.erase(live.begin() + std::ptrdiff_t(i));
            }
        for (std::size_t kib : {65, 2100, 64, 400, 90}) take(kib);
        for (const auto& [a, n] : live)
            for (const auto& [b, m] : live)
                ASSERT_TRUE(a == b || a + n <= b || b + m <= a) << "round " << round;
    }
    for (const auto& [at, bytes] : live) FreePixels(at, bytes);
}

// Huge pages only where a block fills them: a half-used huge page is resident
// whole. A block of 2 MiB or more starts on one and leaves its tail to small
// pages; a smaller block gets none, until the pixels are many.
#if defined(__linux__) && !defined(__SANITIZE_ADDRESS__)
TEST(PixelMemoryTest, HugePagesUnderWholeBlocksUntilThePixelsAreMany) {
    constexpr std::uintptr_t kHuge = std::uintptr_t(2) << 20;
    // Whether the mapping holding an address is advised to use huge pages.
    const auto advised = [](const void* at) {
        const auto address = reinterpret_cast<std::uintptr_t>(at);
        std::FILE* smaps = std::fopen("/proc/self/smaps", "r");
        if (!smaps) std::_Exit(9);
        char line[512];
        bool inside = false, huge = false;
        while (std::fgets(line, sizeof line, smaps)) {
            unsigned long from = 0, to = 0;
            if (std::sscanf(line, "%lx-%lx ", &from, &to) == 2)
                inside = from <= address && address < to;
            else if (inside && std::strncmp(line, "VmFlags:", 8) == 0)
                huge = std::strstr(line, " hg") != nullptr;
        }
        std::fclose(smaps);
        return huge;
    };
    // In a fresh process, so that no range advised by an earlier test is reused.
    const auto check = [&] {
        const std::size_t small = std::size_t(1) << 20, large = 5 * kHuge / 2;
        char* a = static_cast<char*>(AllocatePixels(small));
        char* b = static_cast<char*>(AllocatePixels(large));
        char* c = static_cast<char*>(AllocatePixels(small));
        if (reinterpret_cast<std::uintptr_t>(b) % kHuge != 0) std::_Exit(1);
        if (advised(a) || advised(c) || advised(b + large - 1)) std::_Exit(2);
        if (!advised(b) || !advised(b + 2 * kHuge - 1)) std::_Exit(3);
        // The gap left before the aligned block serves the small one.
        if (!(a < c && c < b)) std::_Exit(4);
        // Past 8 MiB handed out, a large project's: every page a block touches.
        void* d = AllocatePixels(small);
        void* e = AllocatePixels(small);
        if (!advised(e)) std::_Exit(5);
        for (void* block : std::initializer_list<void*>{a, c, d, e}) FreePixels(block, small);
        FreePixels(b, large);
        std::_Exit(0);
    };
    EXPECT_EXIT(check(), ::testing::ExitedWithCode(0), "");
}
#endif
