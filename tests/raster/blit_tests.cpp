// BitBlt: raster operations, colour <-> monochrome conversion, clipping, and
// the memory DC's bitmap selection rules.
#include <climits>

#include "platform/raster/raster_graphics.h"
#include "raster_test_support.h"

using namespace raster_test;
using platform::BitmapInfo;
using platform::Point;
using platform::Rect;
using platform::Rgb;
using platform::Rop;

namespace {

struct RopCase {
    Rop rop;
    const char* name;
    std::vector<Pixel> expected;
};

class RopTest : public ::testing::TestWithParam<RopCase> {};

TEST_P(RopTest, CombinesEachPixel) {
    Canvas src(Rows{{0xFF00FF, 0x0F0F0F, 0x000000, 0xFFFFFF}});
    Canvas dst(Rows{{0x00FFFF, 0xF0F0F0, 0x123456, 0x123456}});
    ASSERT_TRUE(dst.dc.BitBlt(0, 0, 4, 1, src.dc, 0, 0, GetParam().rop));
    EXPECT_TRUE(SurfaceIs(dst.surface(), Rows{GetParam().expected}));
}

INSTANTIATE_TEST_SUITE_P(
    AllRops, RopTest,
    ::testing::Values(
        RopCase{Rop::SrcCopy, "SrcCopy", {0xFF00FF, 0x0F0F0F, 0x000000, 0xFFFFFF}},
        RopCase{Rop::SrcPaint, "SrcPaint", {0xFFFFFF, 0xFFFFFF, 0x123456, 0xFFFFFF}},
        RopCase{Rop::SrcAnd, "SrcAnd", {0x0000FF, 0x000000, 0x000000, 0x123456}},
        RopCase{Rop::SrcInvert, "SrcInvert", {0xFFFF00, 0xFFFFFF, 0x123456, 0xEDCBA9}},
        RopCase{Rop::SrcErase, "SrcErase", {0xFF0000, 0x0F0F0F, 0x000000, 0xEDCBA9}},
        RopCase{Rop::NotSrcCopy, "NotSrcCopy", {0x00FF00, 0xF0F0F0, 0xFFFFFF, 0x000000}},
        RopCase{Rop::Blackness, "Blackness", {K, K, K, K}},
        RopCase{Rop::Whiteness, "Whiteness", {W, W, W, W}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BlitTest, UnknownRopFailsAndChangesNothing) {
    Canvas src(2, 1, 0x112233);
    Canvas dst(2, 1, 0x445566);
    EXPECT_FALSE(dst.dc.BitBlt(0, 0, 2, 1, src.dc, 0, 0, Rop(0x00BB0226)));  // MERGEPAINT
    EXPECT_TRUE(SurfaceIs(dst.surface(), Rows{{0x445566, 0x445566}}));
}

TEST(ConversionTest, ColourToMonoMarksTheSourceBackgroundColourOnly) {
    // One pixel equal to the key, one off by a single blue step, one white.
    Canvas src(Rows{{0x102030, 0x102031, 0xFFFFFF, 0x102030}});
    src.dc.SetBkColor(Rgb(0x10, 0x20, 0x30));
    src.dc.SetTextColor(Rgb(0xFF, 0xFF, 0xFF));  // the source's text colour plays no part
    Canvas mask(4, 1, K, /*mono=*/true);
    mask.dc.SetBkColor(Rgb(9, 9, 9));  // nor do the destination's colours
    mask.dc.SetTextColor(Rgb(7, 7, 7));
    ASSERT_TRUE(mask.dc.BitBlt(0, 0, 4, 1, src.dc, 0, 0, Rop::SrcCopy));
    EXPECT_TRUE(SurfaceIs(mask.surface(), Rows{{W, K, K, W}}));
}

TEST(ConversionTest, MonoToColourTakesTheDestinationColours) {
    Canvas mask(Rows{{W, K, K, W}}, /*mono=*/true);
    mask.dc.SetBkColor(Rgb(1, 1, 1));  // the source's colours play no part
    mask.dc.SetTextColor(Rgb(2, 2, 2));
    Canvas dst(4, 1, 0x777777);
    dst.dc.SetBkColor(Rgb(0x01, 0x02, 0x03));
    dst.dc.SetTextColor(Rgb(0xC8, 0x64, 0x32));
    ASSERT_TRUE(dst.dc.BitBlt(0, 0, 4, 1, mask.dc, 0, 0, Rop::SrcCopy));
    EXPECT_TRUE(SurfaceIs(dst.surface(), Rows{{0x010203, 0xC86432, 0xC86432, 0x010203}}));

    // The raster operation applies to the expanded colour.
    Canvas under(Rows{{0x0F0F0F, 0x0F0F0F, 0xF0F0F0, 0xF0F0F0}});
    under.dc.SetBkColor(Rgb(0xFF, 0x00, 0xFF));
    under.dc.SetTextColor(Rgb(0x00, 0xFF, 0x00));
    ASSERT_TRUE(under.dc.BitBlt(0, 0, 4, 1, mask.dc, 0, 0, Rop::SrcPaint));
    EXPECT_TRUE(SurfaceIs(under.surface(), Rows{{0xFF0FFF, 0x0FFF0F, 0xF0FFF0, 0xFFF0FF}}));
}

TEST(ClipTest, EmptyAndNegativeSizesDrawNothing) {
    Canvas src(2, 2, 0xABCDEF);
    Canvas dst(2, 2, 0x111111);
    EXPECT_TRUE(dst.dc.BitBlt(0, 0, -2, 2, src.dc, 0, 0, Rop::SrcCopy));
    EXPECT_TRUE(dst.dc.BitBlt(0, 0, 2, 0, src.dc, 0, 0, Rop::SrcCopy));
    EXPECT_TRUE(dst.dc.BitBlt(0, 0, INT_MIN, INT_MIN, src.dc, 0, 0, Rop::Whiteness));
    EXPECT_TRUE(SurfaceIs(dst.surface(), Rows{{0x111111, 0x111111}, {0x111111, 0x111111}}));
}

TEST(ClipTest, HugeCoordinatesNeverReachOutOfBounds) {
    Canvas src(Pattern(3, 3));
    Canvas dst(3, 3, 0x111111);
    EXPECT_TRUE(dst.dc.BitBlt(INT_MAX, INT_MAX, INT_MAX, INT_MAX, src.dc, 0, 0, Rop::SrcCopy));
    EXPECT_TRUE(
        dst.dc.BitBlt(INT_MIN, INT_MIN, INT_MAX, INT_MAX, src.dc, INT_MAX, 0, Rop::SrcCopy));
    EXPECT_TRUE(dst.dc.BitBlt(0, 0, INT_MAX, INT_MAX, src.dc, INT_MIN, INT_MIN, Rop::SrcCopy));
    EXPECT_TRUE(dst.dc.StretchBlt(INT_MIN, 0, INT_MAX, 3, src.dc, 0, 0, INT_MIN, 3, Rop::SrcCopy));
    for (Pixel p : dst.surface().pixels) EXPECT_EQ(p, 0x111111u);
    // The whole source, asked far beyond both surfaces, lands where it should.
    EXPECT_TRUE(dst.dc.BitBlt(0, 0, INT_MAX, INT_MAX, src.dc, 0, 0, Rop::SrcCopy));
    EXPECT_EQ(dst.surface().pixels, Pattern(3, 3).pixels);
}

TEST(ClipTest, DestinationAndSourceEdgesCutTheCopy) {
    const Surface p = Pattern(3, 2);
    Canvas src{Surface(p)};
    Canvas dst(3, 2, K);
    // One column off the destination's left edge: source columns 1 and 2 land at 0 and 1.
    ASSERT_TRUE(dst.dc.BitBlt(-1, 0, 3, 2, src.dc, 0, 0, Rop::SrcCopy));
    EXPECT_TRUE(
        SurfaceIs(dst.surface(), Rows{{p.At(1, 0), p.At(2, 0), K}, {p.At(1, 1), p.At(2, 1), K}}));
    // Reading past the source's right and top edges leaves those pixels alone.
    Canvas dst2(3, 2, K);
    ASSERT_TRUE(dst2.dc.BitBlt(0, 0, 3, 2, src.dc, 1, -1, Rop::SrcCopy));
    EXPECT_TRUE(SurfaceIs(dst2.surface(), Rows{{K, K, K}, {p.At(1, 0), p.At(2, 0), K}}));
}

TEST(ClipTest, OverlappingCopyWithinOneSurfaceReadsBeforeWriting) {
    const Surface p = Pattern(3, 3);
    Canvas c{Surface(p)};
    ASSERT_TRUE(c.dc.BitBlt(1, 1, 2, 2, c.dc, 0, 0, Rop::SrcCopy));
    EXPECT_TRUE(SurfaceIs(c.surface(), Rows{{p.At(0, 0), p.At(1, 0), p.At(2, 0)},
                                            {p.At(0, 1), p.At(0, 0), p.At(1, 0)},
                                            {p.At(0, 2), p.At(0, 1), p.At(1, 1)}}));
}

TEST(WindowDCTest, DrawsAtItsOriginAndStaysInsideItsClip) {
    // A 5 x 4 window surface whose client area starts at (1, 1) and is 3 x 2.
    Surface window(5, 4, false, 0x111111);
    RasterDC dc(&window, Point{1, 1}, Rect{1, 1, 4, 3});
    EXPECT_FALSE(dc.monochrome());
    EXPECT_TRUE(dc.FillSolidRect(Rect{-5, -5, 50, 50}, Rgb(0xAA, 0xBB, 0xCC)));
    const Pixel o = 0x111111, f = 0xAABBCC;
    EXPECT_TRUE(SurfaceIs(
        window, Rows{{o, o, o, o, o}, {o, f, f, f, o}, {o, f, f, f, o}, {o, o, o, o, o}}));

    Canvas logo(Rows{{0x000001, 0x000002}, {0x000003, 0x000004}});
    ASSERT_TRUE(dc.BitBlt(2, 1, 2, 2, logo.dc, 0, 0, Rop::SrcCopy));
    EXPECT_TRUE(SurfaceIs(
        window, Rows{{o, o, o, o, o}, {o, f, f, f, o}, {o, f, f, 1, o}, {o, o, o, o, o}}));

    // Read back as a source, client point (0, 0) is the window surface's (1, 1).
    Canvas copy(2, 1, K);
    ASSERT_TRUE(copy.dc.BitBlt(0, 0, 2, 1, dc, 1, 1, Rop::SrcCopy));
    EXPECT_TRUE(SurfaceIs(copy.surface(), Rows{{f, 1}}));

    // A window DC holds no bitmap of its own.
    auto bitmap = std::make_unique<RasterBitmap>(Surface(1, 1));
    EXPECT_EQ(dc.SelectBitmap(bitmap.get()), nullptr);
}

TEST(SelectTest, FreshMemoryDCHoldsAMonochromeStockBitmap) {
    RasterDC dc;
    EXPECT_TRUE(dc.monochrome());
    auto colour = std::make_unique<RasterBitmap>(Surface(4, 3));
    platform::Bitmap* stock = dc.SelectBitmap(colour.get());
    ASSERT_NE(stock, nullptr);
    BitmapInfo info;
    ASSERT_TRUE(stock->GetInfo(&info));
    EXPECT_EQ(info.width, 1);
    EXPECT_EQ(info.height, 1);
    EXPECT_EQ(info.bitsPixel, 1);
    EXPECT_FALSE(dc.monochrome());
    EXPECT_EQ(dc.SelectBitmap(stock), colour.get());  // the previous one comes back
    EXPECT_TRUE(dc.monochrome());
    EXPECT_EQ(dc.SelectBitmap(nullptr), nullptr);
}

TEST(SelectTest, ABitmapLivesInOneDCAtATime) {
    auto bitmap = std::make_unique<RasterBitmap>(Surface(2, 2));
    RasterDC first, second;
    ASSERT_NE(first.SelectBitmap(bitmap.get()), nullptr);
    EXPECT_EQ(second.SelectBitmap(bitmap.get()), nullptr);
    // Deleting the DC frees the bitmap for another.
    auto owner = std::make_unique<RasterDC>();
    auto other = std::make_unique<RasterBitmap>(Surface(2, 2));
    owner->SelectBitmap(other.get());
    owner.reset();
    EXPECT_NE(second.SelectBitmap(other.get()), nullptr);
}

TEST(SelectTest, DestroyingASelectedBitmapLeavesTheDCUsable) {
    RasterDC dc;
    auto bitmap = std::make_unique<RasterBitmap>(Surface(8, 8));
    dc.SelectBitmap(bitmap.get());
    bitmap.reset();
    EXPECT_TRUE(dc.monochrome());  // back on its stock bitmap
    EXPECT_TRUE(dc.FillSolidRect(Rect{0, 0, 8, 8}, Rgb(255, 255, 255)));
    EXPECT_EQ(dc.surface()->width, 1);
}

TEST(GraphicsTest, CompatibleBitmapsFollowTheReferenceDCsDepth) {
    platform::raster::RasterGraphics g;
    BitmapInfo info;
    auto fresh = g.CreateCompatibleDC(nullptr);
    // GDI's well-known trap: compatible with a fresh memory DC means monochrome.
    auto mono = g.CreateCompatibleBitmap(fresh.get(), 4, 4);
    ASSERT_TRUE(mono && mono->GetInfo(&info));
    EXPECT_EQ(info.bitsPixel, 1);

    auto screen = g.CreateCompatibleBitmap(nullptr, 4, 3);
    ASSERT_TRUE(screen && screen->GetInfo(&info));
    EXPECT_EQ(info.bitsPixel, 32);
    EXPECT_EQ(info.width, 4);
    EXPECT_EQ(info.height, 3);
    fresh->SelectBitmap(screen.get());
    auto colour = g.CreateCompatibleBitmap(fresh.get(), 2, 2);
    ASSERT_TRUE(colour && colour->GetInfo(&info));
    EXPECT_EQ(info.bitsPixel, 32);

    auto empty = g.CreateCompatibleBitmap(nullptr, 0, 10);
    ASSERT_TRUE(empty && empty->GetInfo(&info));
    EXPECT_EQ(info.width, 1);
    EXPECT_EQ(info.bitsPixel, 1);
    EXPECT_EQ(g.CreateCompatibleBitmap(nullptr, -1, 10), nullptr);
    EXPECT_EQ(g.CreateMonochromeBitmap(100000, 100000), nullptr);
    EXPECT_EQ(g.CreateCompatibleBitmap(nullptr, INT_MAX, INT_MAX), nullptr);
}

}  // namespace
