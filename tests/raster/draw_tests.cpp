// Drawing on raster DCs: BitBlt and StretchBlt with their raster operations,
// colour <-> monochrome conversion, scaling and clipping; GradientFill and
// FillSolidRect; the memory DC's bitmap selection rules; and the window's
// transparent drawing built on them.
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <functional>
#include <random>

#include "engine/installer_wnd.h"
#include "platform/platform.h"
#include "platform/raster/raster_graphics.h"
#include "raster_test_support.h"

using namespace raster_test;
using platform::BitmapInfo;
using platform::GradientMode;
using platform::Point;
using platform::Rect;
using platform::Rgb;
using platform::Rop;
using platform::TriVertex;

namespace {

const Rop kRops[] = {Rop::SrcCopy,  Rop::SrcPaint,   Rop::SrcAnd,    Rop::SrcInvert,
                     Rop::SrcErase, Rop::NotSrcCopy, Rop::Blackness, Rop::Whiteness};

TEST(BlitTest, EachRopCombinesEachPixel) {
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
    Canvas dst(2, 1, 0x445566);
    EXPECT_FALSE(dst.dc.BitBlt(0, 0, 2, 1, src.dc, 0, 0, Rop(0x00BB0226)));
    EXPECT_TRUE(SurfaceIs(dst.surface(), Rows{{0x445566, 0x445566}}));
}

TEST(BlitTest, ConversionsUseOnlyTheColoursThatCount) {
    // Colour to mono: 1 where the source has its background colour; one pixel
    // is off by a single blue step. No other colour plays a part.
    Canvas src(Rows{{0x102030, 0x102031, 0xFFFFFF, 0x102030}});
    src.dc.SetBkColor(Rgb(0x10, 0x20, 0x30));
    src.dc.SetTextColor(Rgb(0xFF, 0xFF, 0xFF));
    Canvas mask(4, 1, K, /*mono=*/true);
    mask.dc.SetBkColor(Rgb(1, 1, 1));
    mask.dc.SetTextColor(Rgb(2, 2, 2));
    ASSERT_TRUE(mask.dc.BitBlt(0, 0, 4, 1, src.dc, 0, 0, Rop::SrcCopy));
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
    EXPECT_TRUE(dst.dc.BitBlt(0, 0, 2, 0, src.dc, 0, 0, Rop::SrcCopy));
    EXPECT_TRUE(dst.dc.BitBlt(0, 0, INT_MIN, INT_MIN, src.dc, 0, 0, Rop::Whiteness));
    EXPECT_TRUE(dst.dc.BitBlt(INT_MAX, INT_MAX, INT_MAX, INT_MAX, src.dc, 0, 0, Rop::SrcCopy));
    EXPECT_TRUE(
        dst.dc.BitBlt(INT_MIN, INT_MIN, INT_MAX, INT_MAX, src.dc, INT_MAX, 0, Rop::SrcCopy));
    EXPECT_TRUE(dst.dc.BitBlt(0, 0, INT_MAX, INT_MAX, src.dc, INT_MIN, INT_MIN, Rop::SrcCopy));
    EXPECT_TRUE(dst.dc.StretchBlt(INT_MIN, 0, INT_MAX, 3, src.dc, 0, 0, INT_MIN, 3, Rop::SrcCopy));
    EXPECT_TRUE(dst.dc.StretchBlt(0, 0, 3, 2, src.dc, 0, 0, 0, 1, Rop::SrcCopy));
    EXPECT_TRUE(SurfaceIs(dst.surface(), Rows{{o, o, o}, {o, o, o}}));
    // One column off the destination's left edge: source columns 1 and 2 land at 0 and 1.
    ASSERT_TRUE(dst.dc.BitBlt(-1, 0, 3, 2, src.dc, 0, 0, Rop::SrcCopy));
    EXPECT_TRUE(
        SurfaceIs(dst.surface(), Rows{{p.At(1, 0), p.At(2, 0), o}, {p.At(1, 1), p.At(2, 1), o}}));
    // Reading past the source's right and top edges leaves those pixels alone.
    Canvas dst2(3, 2, o);
    ASSERT_TRUE(dst2.dc.BitBlt(0, 0, 3, 2, src.dc, 1, -1, Rop::SrcCopy));
    EXPECT_TRUE(SurfaceIs(dst2.surface(), Rows{{o, o, o}, {p.At(1, 0), p.At(2, 0), o}}));
    // The whole source, asked far beyond both surfaces, lands where it should.
    ASSERT_TRUE(dst2.dc.BitBlt(0, 0, INT_MAX, INT_MAX, src.dc, 0, 0, Rop::SrcCopy));
    EXPECT_EQ(dst2.surface().pixels, p.pixels);
    // Stretched that far, one source pixel covers the whole destination.
    ASSERT_TRUE(dst2.dc.StretchBlt(0, 0, INT_MAX, INT_MAX, src.dc, 0, 0, 1, 1, Rop::SrcAnd));
    EXPECT_TRUE(SurfaceIs(dst2.surface(), Rows{{0x101011, 0x101011, 0x101011}, {1, 1, 1}}));
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
        {"mirrored", abc, {2, 0, -3, 1}, {0, 0, 3, 1}, {{C, B, A}}},
        {"mirrored twice", abc, {2, 0, -3, 1}, {2, 0, -3, 1}, {{A, B, C}}},
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
    // The window's background, stretched or shrunk to the 638 x 438 client area.
    const std::pair<int, int> sizes[] = {{800, 600}, {320, 240}, {639, 439}, {1, 1}, {638, 438}};
    for (const auto& [w, h] : sizes) {
        SCOPED_TRACE(std::to_string(w) + " x " + std::to_string(h));
        // White is neutral to the AND of shrinking, so each corner's colour must
        // reach the client's corner unchanged.
        Canvas src(w, h, W);
        src.surface().At(w - 1, h - 1) = 0x00FF00;
        src.surface().At(0, 0) = 0xFF0000;
        Canvas client(638, 438, 0x010101);
        ASSERT_TRUE(client.dc.StretchBlt(0, 0, 638, 438, src.dc, 0, 0, w, h, Rop::SrcCopy));
        const Surface& s = client.surface();
        EXPECT_EQ(s.At(0, 0), 0xFF0000u);
        EXPECT_EQ(s.At(637, 437), w > 1 ? 0x00FF00u : 0xFF0000u);
        EXPECT_EQ(std::count(s.pixels.begin(), s.pixels.end(), 0x010101u), 0);
    }
}

// A stretch with a raster operation or a depth change must give what a plain
// stretch followed by a BitBlt gives: the rows a stretch repeats are built
// once, and a plain copy is built in place, so each path is compared.
TEST(BlitTest, StretchCombiningOrConvertingEqualsStretchThenBlit) {
    Surface mono = Pattern(5, 4);
    mono.monochrome = true;
    for (Pixel& p : mono.pixels) p = (p >> 8) & 1 ? W : K;
    const struct {
        const char* what;
        int to[4], from[4];
    } shapes[] = {
        {"grown", {1, 0, 9, 7}, {0, 0, 5, 4}},
        {"shrunk", {0, 1, 3, 2}, {0, 0, 5, 4}},
        {"grown across, shrunk down", {0, 0, 8, 3}, {1, 0, 4, 4}},
        {"mirrored and grown", {8, 6, -7, -5}, {0, 0, 5, 4}},
    };
    for (const auto& shape : shapes) {
        for (bool srcMono : {false, true}) {
            for (bool dstMono : {false, true}) {
                for (Rop rop : {Rop::SrcCopy, Rop::SrcPaint, Rop::SrcAnd, Rop::SrcInvert}) {
                    SCOPED_TRACE(std::string(shape.what) + (srcMono ? " mono" : " colour") +
                                 (dstMono ? " to mono, rop " : " to colour, rop ") +
                                 std::to_string(int(rop)));
                    Canvas src(srcMono ? mono : Pattern(5, 4));
                    src.dc.SetBkColor(Rgb(0x00, 0x02, 0x21));  // a pixel of the pattern
                    Surface under = Pattern(10, 8);
                    if (dstMono) {
                        under.monochrome = true;
                        for (Pixel& p : under.pixels) p = p & 0x10 ? W : K;
                    }
                    Canvas direct{Surface(under)}, twoSteps{Surface(under)};
                    for (Canvas* c : {&direct, &twoSteps}) {
                        c->dc.SetBkColor(Rgb(0x12, 0x34, 0x56));
                        c->dc.SetTextColor(Rgb(0xAB, 0xCD, 0xEF));
                    }
                    const auto& t = shape.to;
                    const auto& f = shape.from;
                    ASSERT_TRUE(direct.dc.StretchBlt(t[0], t[1], t[2], t[3], src.dc, f[0], f[1],
                                                     f[2], f[3], rop));
                    Canvas stretched(10, 8, K, srcMono);
                    stretched.dc.SetBkColor(src.dc.GetBkColor());
                    ASSERT_TRUE(stretched.dc.StretchBlt(t[0], t[1], t[2], t[3], src.dc, f[0], f[1],
                                                        f[2], f[3], Rop::SrcCopy));
                    // Only the stretch's own area takes part in the second step.
                    const int x = std::min(t[0], t[0] + t[2] + 1),
                              y = std::min(t[1], t[1] + t[3] + 1);
                    ASSERT_TRUE(twoSteps.dc.BitBlt(x, y, std::abs(t[2]), std::abs(t[3]),
                                                   stretched.dc, x, y, rop));
                    EXPECT_EQ(direct.surface().pixels, twoSteps.surface().pixels)
                        << "direct:\n"
                        << Picture(direct.surface()) << "two steps:\n"
                        << Picture(twoSteps.surface());
                }
            }
        }
    }
}

TEST(BlitTest, WindowDCDrawsAtItsOriginInsideItsClip) {
    // A 5 x 4 window surface whose client area starts at (1, 1) and is 3 x 2.
    Surface window(5, 4, false, 0x111111);
    RasterDC dc(&window, Point{1, 1}, Rect{1, 1, 4, 3});
    EXPECT_FALSE(dc.monochrome());
    EXPECT_TRUE(dc.FillSolidRect(Rect{-5, -5, 50, 50}, Rgb(0xAA, 0xBB, 0xCC)));
    const Pixel o = 0x111111, f = 0xAABBCC;
    EXPECT_TRUE(SurfaceIs(
        window, Rows{{o, o, o, o, o}, {o, f, f, f, o}, {o, f, f, f, o}, {o, o, o, o, o}}));
    // Read back as a source, client point (0, 0) is the window surface's (1, 1).
    window.At(3, 2) = 1;
    Canvas copy(2, 1, K);
    ASSERT_TRUE(copy.dc.BitBlt(0, 0, 2, 1, dc, 1, 1, Rop::SrcCopy));
    EXPECT_TRUE(SurfaceIs(copy.surface(), Rows{{f, 1}}));
    // A window DC holds no bitmap of its own.
    auto bitmap = std::make_unique<RasterBitmap>(Surface(1, 1));
    EXPECT_EQ(dc.SelectBitmap(bitmap.get()), nullptr);
}

// Every operation with arbitrary arguments, extremes included, on a window DC
// whose clip is an inner part of its surface: nothing outside the clip may
// change (and under the sanitizers nothing may be touched out of bounds).
TEST(BlitTest, ArbitraryArgumentsNeverTouchOutsideTheClip) {
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
        for (int y = 0; y < window.height; ++y)
            for (int x = 0; x < window.width; ++x)
                if (!clip.Contains(Point{x, y})) {
                    ASSERT_EQ(window.At(x, y), before.At(x, y))
                        << "round " << round << " touched " << Point{x, y};
                }
    }
}

TEST(SelectTest, StockBitmapAndOneDCPerBitmap) {
    RasterDC dc, other;
    EXPECT_TRUE(dc.monochrome());
    auto colour = std::make_unique<RasterBitmap>(Surface(4, 3));
    platform::Bitmap* stock = dc.SelectBitmap(colour.get());
    ASSERT_NE(stock, nullptr);
    BitmapInfo info;
    ASSERT_TRUE(stock->GetInfo(&info));
    EXPECT_EQ((std::vector<int>{info.width, info.height, info.bitsPixel}),
              (std::vector<int>{1, 1, 1}));
    EXPECT_FALSE(dc.monochrome());
    EXPECT_EQ(other.SelectBitmap(colour.get()), nullptr);  // held by dc
    EXPECT_EQ(dc.SelectBitmap(stock), colour.get());       // the previous one comes back
    EXPECT_TRUE(dc.monochrome());
    EXPECT_EQ(dc.SelectBitmap(nullptr), nullptr);
    // Deleting the DC frees its bitmap for another.
    auto owner = std::make_unique<RasterDC>();
    auto held = std::make_unique<RasterBitmap>(Surface(2, 2));
    owner->SelectBitmap(held.get());
    owner.reset();
    EXPECT_NE(other.SelectBitmap(held.get()), nullptr);
    // Destroying a selected bitmap puts the DC back on its usable stock bitmap.
    held.reset();
    EXPECT_TRUE(other.monochrome());
    EXPECT_TRUE(other.FillSolidRect(Rect{0, 0, 8, 8}, Rgb(255, 255, 255)));
    EXPECT_EQ(other.surface()->width, 1);
}

TEST(SelectTest, CompatibleBitmapsFollowTheReferenceDCsDepth) {
    platform::raster::RasterGraphics g;
    auto bits = [](const std::unique_ptr<platform::Bitmap>& b) {
        BitmapInfo info;
        return b && b->GetInfo(&info) ? std::vector<int>{info.width, info.height, info.bitsPixel}
                                      : std::vector<int>{};
    };
    auto fresh = g.CreateCompatibleDC(nullptr);
    // GDI's well-known trap: compatible with a fresh memory DC means monochrome.
    EXPECT_EQ(bits(g.CreateCompatibleBitmap(fresh.get(), 4, 4)), (std::vector<int>{4, 4, 1}));
    auto screen = g.CreateCompatibleBitmap(nullptr, 4, 3);
    EXPECT_EQ(bits(screen), (std::vector<int>{4, 3, 32}));
    EXPECT_EQ(bits(g.CreateCompatibleBitmap(nullptr, 0, 10)), (std::vector<int>{1, 1, 1}));
    EXPECT_EQ(g.CreateCompatibleBitmap(nullptr, -1, 10), nullptr);
    EXPECT_EQ(g.CreateMonochromeBitmap(100000, 100000), nullptr);
    EXPECT_EQ(g.CreateCompatibleBitmap(nullptr, INT_MAX, INT_MAX), nullptr);
}

// A new bitmap is black. Its black is written only when a copy does not
// overwrite all of it, so each way of first touching one is compared with a
// bitmap made black up front.
TEST(SelectTest, NewBitmapsAreBlackHoweverTheyAreFirstUsed) {
    platform::raster::RasterGraphics g;
    Canvas src(Pattern(4, 3));
    Canvas small(Pattern(2, 2));
    Surface windowPixels = Pattern(6, 5);
    RasterDC window(&windowPixels, Point{1, 1}, Rect{1, 1, 4, 3});  // a 3 x 2 client
    using Use = std::function<void(RasterDC&)>;
    // A copy of the 4 x 3 area at (x, y), or a stretch of it, from `from` (null: the DC itself).
    auto blit = [](int x, int y, RasterDC* from, int sx, int sy, Rop rop = Rop::SrcCopy) -> Use {
        return [=](RasterDC& dc) { dc.BitBlt(x, y, 4, 3, from ? *from : dc, sx, sy, rop); };
    };
    auto stretch = [](int x, int w, int h, RasterDC* from, int sx, int sw, int sh) -> Use {
        return [=](RasterDC& dc) { dc.StretchBlt(x, 0, w, h, *from, sx, 0, sw, sh, Rop::SrcCopy); };
    };
    RasterDC* const s = &src.dc;
    const struct {
        const char* what;
        bool mono;
        Use use;
    } cases[] = {
        {"whole copy", false, blit(0, 0, s, 0, 0)},
        {"part copy", false, blit(1, 1, s, 0, 0)},
        {"smaller source", false, blit(0, 0, &small.dc, 0, 0)},
        {"source offset past its edge", false, blit(0, 0, s, 1, 0)},
        {"clipped window source", false, blit(0, 0, &window, 0, 0)},
        {"whole OR", false, blit(0, 0, s, 0, 0, Rop::SrcPaint)},
        {"onto itself", false, blit(0, 0, nullptr, 1, 0)},
        {"grown", false, stretch(0, 4, 3, &small.dc, 0, 2, 2)},
        {"shrunk", false, stretch(0, 3, 2, s, 0, 4, 3)},
        {"mirrored", false, stretch(3, -4, 3, s, 0, 4, 3)},
        {"filled in part", false,
         [](RasterDC& dc) {
             dc.FillSolidRect(Rect{1, 0, 3, 2}, 0x00FF00);
         }},
        {"text", false, [](RasterDC& dc) { dc.TextOutAt(0, 0, "."); }},
        {"mask of the whole", true, blit(0, 0, s, 0, 0)},
    };
    src.dc.SetBkColor(Rgb(0x00, 0x02, 0x21));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Canvas black(4, 3, K, c.mono);
        c.use(black.dc);
        auto fresh =
            c.mono ? g.CreateMonochromeBitmap(4, 3) : g.CreateCompatibleBitmap(nullptr, 4, 3);
        RasterDC dc;
        ASSERT_NE(dc.SelectBitmap(fresh.get()), nullptr);
        c.use(dc);
        // Read back through another DC, as a source, not through the surface.
        Canvas back(4, 3, 0x777777, c.mono);
        ASSERT_TRUE(back.dc.BitBlt(0, 0, 4, 3, dc, 0, 0, Rop::SrcCopy));
        EXPECT_EQ(back.surface().pixels, black.surface().pixels)
            << "new:\n"
            << Picture(back.surface()) << "black:\n"
            << Picture(black.surface());
    }
    // Never drawn on, it reads black too, through its surface as well.
    auto untouched = g.CreateCompatibleBitmap(nullptr, 3, 2);
    const Surface& pixels = static_cast<RasterBitmap*>(untouched.get())->surface();
    EXPECT_EQ(std::count(pixels.pixels.begin(), pixels.pixels.end(), K), 6);
}

// The window's own transparent drawing, on the primitives above.
TEST(TransparentTest, MaskColourShowsWhatLiesBeneathAndEveryOtherPixelIsDrawn) {
    platform::raster::RasterGraphics g;
    platform::Install(platform::Platform{&g});
    // A pixel equal to the mask colour, one off by a single step in each
    // component, and black and white, which the AND / OR steps must keep.
    constexpr Pixel M = 0xFF00FF;
    Canvas logo{Rows{{M, 0xFF00FE, 0xFE00FF, M}, {0xFF01FF, K, W, M}}};
    const Surface under = Pattern(6, 4);
    Canvas dst{Surface(under)};
    dst.dc.SetBkColor(Rgb(1, 2, 3));
    dst.dc.SetTextColor(Rgb(4, 5, 6));
    logo.dc.SetBkColor(Rgb(7, 8, 9));
    logo.dc.SetTextColor(Rgb(10, 11, 12));
    CInstallerWnd::DrawTransparent(1, 1, 4, 2, logo.dc, dst.dc, Rgb(0xFF, 0x00, 0xFF));
    Surface want = under;
    want.At(2, 1) = 0xFF00FE;
    want.At(3, 1) = 0xFE00FF;
    want.At(1, 2) = 0xFF01FF;
    want.At(2, 2) = K;
    want.At(3, 2) = W;
    EXPECT_EQ(dst.surface().pixels, want.pixels) << Picture(dst.surface());
    // Both DCs get their colours back.
    EXPECT_EQ((std::vector<platform::ColorRef>{dst.dc.GetBkColor(), dst.dc.GetTextColor(),
                                               logo.dc.GetBkColor(), logo.dc.GetTextColor()}),
              (std::vector<platform::ColorRef>{Rgb(1, 2, 3), Rgb(4, 5, 6), Rgb(7, 8, 9),
                                               Rgb(10, 11, 12)}));

    // Black as the mask colour still draws white, and a near-black pixel.
    Canvas dark(Rows{{K, W}, {0x010000, K}});
    CInstallerWnd::DrawTransparent(0, 0, 2, 2, dark.dc, dst.dc, Rgb(0, 0, 0));
    want.At(1, 0) = W;
    want.At(0, 1) = 0x010000;
    EXPECT_EQ(dst.surface().pixels, want.pixels) << Picture(dst.surface());

    // Into a paint DC whose client area starts at (1, 1) of its window surface,
    // clipped at its edge.
    Surface window(6, 4, false, 0x222222);
    RasterDC paint(&window, Point{1, 1}, Rect{1, 1, 5, 3});
    CInstallerWnd::DrawTransparent(2, 0, 4, 2, logo.dc, paint, Rgb(0xFF, 0x00, 0xFF));
    const Pixel o = 0x222222;
    EXPECT_TRUE(SurfaceIs(window, Rows{{o, o, o, o, o, o},
                                       {o, o, o, o, 0xFF00FE, o},
                                       {o, o, o, 0xFF01FF, K, o},
                                       {o, o, o, o, o, o}}));
    platform::Install(platform::Platform{});
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
}

// The window's colour backgrounds, 639 x 439: every row (column) alike, and
// each channel stepping from the first colour towards the second, never back.
TEST(GradientTest, WindowBackgroundsStepSteadilyToTheirEndColours) {
    const struct {
        TriVertex from, to;
        GradientMode mode;
        Pixel first, last;
    } cases[] = {
        // Row 438: red (0xF000 * 438) / 439 >> 8 = 239,
        // blue (0xFF00 + 0xF000 * 438) / 439 >> 8 = 240.
        {{0, 0, 0, 0, 0xFF00}, {639, 439, 0xF000, 0xF000, 0xF000}, V, 0x0000FF, 0xEFEFF0},
        // Column 638: green 0xFF00 / 639 >> 8 is 0.
        {{0, 0, 0x8000, 0xFF00, 0x4000}, {639, 439}, H, 0x80FF40, 0},
    };
    for (const auto& c : cases) {
        Canvas canvas(639, 439, 0x123456);
        ASSERT_TRUE(canvas.dc.GradientFill(c.from, c.to, c.mode));
        const bool down = c.mode == V;
        const int n = down ? 439 : 639, m = down ? 639 : 439;
        // Pixel j across of step i along the gradient.
        auto at = [&](int i, int j) {
            return down ? canvas.surface().At(j, i) : canvas.surface().At(i, j);
        };
        EXPECT_EQ(at(0, 0), c.first);
        EXPECT_EQ(at(n - 1, m - 1), c.last);
        for (int i = 0; i < n; ++i) {
            for (int j = 1; j < m; ++j) ASSERT_EQ(at(i, j), at(i, 0)) << i << ", " << j;
            for (int shift = 0; i > 0 && shift < 24; shift += 8) {
                auto channel = [shift](Pixel p) { return int((p >> shift) & 0xFF); };
                const int step = channel(at(i, 0)) - channel(at(i - 1, 0));
                ASSERT_GE(step * (channel(c.last) - channel(c.first)), 0) << "step " << i;
            }
        }
    }
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

}  // namespace
