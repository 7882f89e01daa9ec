// StretchBlt in the default BLACKONWHITE mode: growing repeats pixels,
// shrinking ANDs the pixels that fall together, negative extents mirror.
#include <climits>

#include "raster_test_support.h"

using namespace raster_test;
using platform::Rgb;
using platform::Rop;

namespace {

constexpr Pixel A = 0x110000, B = 0x002200, C = 0x000033;

TEST(StretchTest, GrowingRepeatsEachSourcePixel) {
    Canvas src(Rows{{A, B}});
    Canvas dst(4, 2, K);
    ASSERT_TRUE(dst.dc.StretchBlt(0, 0, 4, 2, src.dc, 0, 0, 2, 1, Rop::SrcCopy));
    EXPECT_TRUE(SurfaceIs(dst.surface(), Rows{{A, A, B, B}, {A, A, B, B}}));

    // Three into five: the pixel under each destination pixel's centre.
    Canvas src3(Rows{{A, B, C}});
    Canvas dst5(5, 1, K);
    ASSERT_TRUE(dst5.dc.StretchBlt(0, 0, 5, 1, src3.dc, 0, 0, 3, 1, Rop::SrcCopy));
    EXPECT_TRUE(SurfaceIs(dst5.surface(), Rows{{A, A, B, C, C}}));
}

TEST(StretchTest, ShrinkingAndsThePixelsThatMerge) {
    Canvas src(
        Rows{{0xFF00FF, 0x00FFFF, 0xFFFFFF, 0x0000FF}, {0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFF0000}});
    Canvas across(2, 2, K);
    ASSERT_TRUE(across.dc.StretchBlt(0, 0, 2, 2, src.dc, 0, 0, 4, 2, Rop::SrcCopy));
    EXPECT_TRUE(SurfaceIs(across.surface(), Rows{{0x0000FF, 0x0000FF}, {W, 0xFF0000}}));
    Canvas down(4, 1, K);
    ASSERT_TRUE(down.dc.StretchBlt(0, 0, 4, 1, src.dc, 0, 0, 4, 2, Rop::SrcCopy));
    EXPECT_TRUE(SurfaceIs(down.surface(), Rows{{0xFF00FF, 0x00FFFF, W, 0x000000}}));
    // Three into two: the middle pixel's centre lies on the edge and goes to the first.
    Canvas src3(Rows{{A, B, C}});
    Canvas two(2, 1, K);
    ASSERT_TRUE(two.dc.StretchBlt(0, 0, 2, 1, src3.dc, 0, 0, 3, 1, Rop::SrcCopy));
    EXPECT_TRUE(SurfaceIs(two.surface(), Rows{{A & B, C}}));
}

TEST(StretchTest, ShrinkingAMonochromePictureKeepsItsBlackLines) {
    Canvas src(Rows{{W, K, W, W}, {W, K, W, W}, {W, W, W, W}, {K, K, K, K}}, true);
    Canvas dst(2, 2, K, true);
    ASSERT_TRUE(dst.dc.StretchBlt(0, 0, 2, 2, src.dc, 0, 0, 4, 4, Rop::SrcCopy));
    EXPECT_TRUE(SurfaceIs(dst.surface(), Rows{{K, W}, {K, K}}));
}

TEST(StretchTest, NegativeExtentsMirror) {
    Canvas src(Rows{{A, B, C}});
    Canvas dst(3, 1, K);
    // The idiom for a mirror image: start at the last column, width negative.
    ASSERT_TRUE(dst.dc.StretchBlt(2, 0, -3, 1, src.dc, 0, 0, 3, 1, Rop::SrcCopy));
    EXPECT_TRUE(SurfaceIs(dst.surface(), Rows{{C, B, A}}));
    // Mirroring both sides cancels out.
    Canvas both(3, 1, K);
    ASSERT_TRUE(both.dc.StretchBlt(2, 0, -3, 1, src.dc, 2, 0, -3, 1, Rop::SrcCopy));
    EXPECT_TRUE(SurfaceIs(both.surface(), Rows{{A, B, C}}));
    // Mirrored and grown.
    Canvas wide(6, 1, K);
    ASSERT_TRUE(wide.dc.StretchBlt(5, 0, -6, 1, src.dc, 0, 0, 3, 1, Rop::SrcCopy));
    EXPECT_TRUE(SurfaceIs(wide.surface(), Rows{{C, C, B, B, A, A}}));
}

TEST(StretchTest, MonochromeSourceTakesTheDestinationColours) {
    Canvas mask(Rows{{W, K}}, true);
    Canvas dst(4, 1, 0x777777);
    dst.dc.SetBkColor(Rgb(0x0A, 0x0B, 0x0C));
    dst.dc.SetTextColor(Rgb(0xA0, 0xB0, 0xC0));
    ASSERT_TRUE(dst.dc.StretchBlt(0, 0, 4, 1, mask.dc, 0, 0, 2, 1, Rop::SrcCopy));
    EXPECT_TRUE(SurfaceIs(dst.surface(), Rows{{0x0A0B0C, 0x0A0B0C, 0xA0B0C0, 0xA0B0C0}}));
}

TEST(StretchTest, SourceOutsideItsBitmapLeavesThoseDestinationPixels) {
    Canvas src(Rows{{A, B}});
    Canvas dst(4, 1, K);
    ASSERT_TRUE(dst.dc.StretchBlt(0, 0, 4, 1, src.dc, 1, 0, 2, 1, Rop::SrcCopy));
    EXPECT_TRUE(SurfaceIs(dst.surface(), Rows{{B, B, K, K}}));
    EXPECT_TRUE(dst.dc.StretchBlt(0, 0, 4, 1, src.dc, 0, 0, 0, 1, Rop::SrcCopy));
    EXPECT_TRUE(dst.dc.StretchBlt(0, 0, INT_MAX, INT_MAX, src.dc, 0, 0, 1, 1, Rop::SrcAnd));
    EXPECT_TRUE(SurfaceIs(dst.surface(), Rows{{A & B, A & B, K, K}}));
}

// The window's background is stretched or shrunk to the 638 x 438 client area.
class BackgroundTest : public ::testing::TestWithParam<std::pair<int, int>> {};

TEST_P(BackgroundTest, CoversTheClientAreaExactly) {
    const auto [w, h] = GetParam();
    // White is neutral to the AND of shrinking, so each corner's colour must
    // reach the client's corner unchanged.
    Surface picture(w, h, false, W);
    picture.At(w - 1, h - 1) = 0x00FF00;
    picture.At(0, 0) = 0xFF0000;
    Canvas src{std::move(picture)};
    Canvas client(638, 438, 0x010101);
    ASSERT_TRUE(client.dc.StretchBlt(0, 0, 638, 438, src.dc, 0, 0, w, h, Rop::SrcCopy));
    const Surface& s = client.surface();
    EXPECT_EQ(s.At(0, 0), 0xFF0000u);
    EXPECT_EQ(s.At(637, 437), w > 1 ? 0x00FF00u : 0xFF0000u);
    int untouched = 0;
    for (Pixel p : s.pixels) untouched += p == 0x010101;
    EXPECT_EQ(untouched, 0);
}

INSTANTIATE_TEST_SUITE_P(Sizes, BackgroundTest,
                         ::testing::Values(std::make_pair(800, 600), std::make_pair(320, 240),
                                           std::make_pair(639, 439), std::make_pair(1, 1),
                                           std::make_pair(638, 438)));

}  // namespace
