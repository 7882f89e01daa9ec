// GradientFill with rectangles: 16-bit channels interpolated per pixel, far
// edge exclusive; and FillSolidRect.
#include "raster_test_support.h"

using namespace raster_test;
using platform::GradientMode;
using platform::Rect;
using platform::Rgb;
using platform::TriVertex;

namespace {

TriVertex Vertex(int x, int y, std::uint16_t r, std::uint16_t g, std::uint16_t b) {
    TriVertex v;
    v.x = x;
    v.y = y;
    v.red = r;
    v.green = g;
    v.blue = b;
    return v;
}

// Red falls from 0xFF00 and green rises to 0xFF00 over four pixels: at step t of
// 4 the channel is (c0 * (4 - t) + c1 * t) / 4 >> 8, worked out by hand.
const std::vector<Pixel> kFourSteps = {0xFF0010, 0xBF3F10, 0x7F7F10, 0x3FBF10};

TEST(GradientTest, HorizontalInterpolatesAcrossColumns) {
    Canvas c(4, 2, K);
    ASSERT_TRUE(c.dc.GradientFill(Vertex(0, 0, 0xFF00, 0, 0x1000), Vertex(4, 2, 0, 0xFF00, 0x1000),
                                  GradientMode::RectH));
    EXPECT_TRUE(SurfaceIs(c.surface(), Rows{kFourSteps, kFourSteps}));
}

TEST(GradientTest, VerticalInterpolatesDownRows) {
    Canvas c(2, 4, K);
    ASSERT_TRUE(c.dc.GradientFill(Vertex(0, 0, 0xFF00, 0, 0x1000), Vertex(2, 4, 0, 0xFF00, 0x1000),
                                  GradientMode::RectV));
    Rows expected;
    for (Pixel p : kFourSteps) expected.push_back({p, p});
    EXPECT_TRUE(SurfaceIs(c.surface(), expected));
}

TEST(GradientTest, VerticesGivenLowerRightFirstKeepTheirColoursAtTheirEdges) {
    Canvas c(4, 1, K);
    ASSERT_TRUE(c.dc.GradientFill(Vertex(4, 1, 0, 0xFF00, 0x1000), Vertex(0, 0, 0xFF00, 0, 0x1000),
                                  GradientMode::RectH));
    EXPECT_TRUE(SurfaceIs(c.surface(), Rows{kFourSteps}));
}

TEST(GradientTest, ClippedPixelsKeepTheirPlaceInTheWholeRun) {
    Canvas c(2, 1, K);
    ASSERT_TRUE(c.dc.GradientFill(Vertex(-2, 0, 0xFF00, 0, 0x1000), Vertex(2, 1, 0, 0xFF00, 0x1000),
                                  GradientMode::RectH));
    EXPECT_TRUE(SurfaceIs(c.surface(), Rows{{kFourSteps[2], kFourSteps[3]}}));
}

TEST(GradientTest, EmptyRectanglesAndUnknownModesDrawNothing) {
    Canvas c(2, 1, 0x123456);
    EXPECT_TRUE(
        c.dc.GradientFill(Vertex(1, 0, 0, 0, 0), Vertex(1, 1, 0, 0, 0), GradientMode::RectH));
    EXPECT_FALSE(c.dc.GradientFill(Vertex(0, 0, 0, 0, 0), Vertex(2, 1, 0, 0, 0), GradientMode(2)));
    EXPECT_TRUE(SurfaceIs(c.surface(), Rows{{0x123456, 0x123456}}));
}

// The window's colour backgrounds: 639 x 439, from the colour towards light
// grey (0xF000 per channel) or black.
TEST(GradientTest, BlueToLightGreyFromTopToBottom) {
    Canvas c(639, 439, K);
    ASSERT_TRUE(c.dc.GradientFill(Vertex(0, 0, 0, 0, 0xFF00),
                                  Vertex(639, 439, 0xF000, 0xF000, 0xF000), GradientMode::RectV));
    const Surface& s = c.surface();
    EXPECT_EQ(s.At(0, 0), 0x0000FFu);
    // Row 438: red (0xF000 * 438) / 439 >> 8 = 239; blue (0xFF00 + 0xF000 * 438) / 439 >> 8 = 240.
    EXPECT_EQ(s.At(638, 438), 0xEFEFF0u);
    for (int y = 0; y < s.height; ++y) {
        for (int x = 1; x < s.width; ++x) ASSERT_EQ(s.At(x, y), s.At(0, y)) << "row " << y;
        if (y == 0) continue;
        const Pixel above = s.At(0, y - 1), here = s.At(0, y);
        ASSERT_GE(here >> 16, above >> 16) << "red falls at row " << y;
        ASSERT_LE(here & 0xFF, above & 0xFF) << "blue rises at row " << y;
    }
}

TEST(GradientTest, ColourToBlackFromLeftToRight) {
    Canvas c(639, 439, W);
    ASSERT_TRUE(c.dc.GradientFill(Vertex(0, 0, 0x8000, 0xFF00, 0x4000), Vertex(639, 439, 0, 0, 0),
                                  GradientMode::RectH));
    const Surface& s = c.surface();
    EXPECT_EQ(s.At(0, 438), 0x80FF40u);
    EXPECT_EQ(s.At(638, 0), 0x000000u);  // 0xFF00 / 639 >> 8 is 0
    for (int x = 1; x < s.width; ++x) {
        const Pixel left = s.At(x - 1, 0), here = s.At(x, 0);
        for (int shift : {0, 8, 16})
            ASSERT_LE((here >> shift) & 0xFF, (left >> shift) & 0xFF) << "column " << x;
        ASSERT_EQ(s.At(x, 438), here);
    }
}

TEST(GradientTest, MonochromeSurfacesGetTheNearerOfBlackAndWhite) {
    Canvas c(4, 1, K, true);
    ASSERT_TRUE(c.dc.GradientFill(Vertex(0, 0, 0xFF00, 0xFF00, 0xFF00), Vertex(4, 1, 0, 0, 0),
                                  GradientMode::RectH));
    EXPECT_TRUE(SurfaceIs(c.surface(), Rows{{W, W, K, K}}));
}

TEST(FillTest, SolidRectangleIsExclusiveAtRightAndBottom) {
    Canvas c(3, 3, K);
    ASSERT_TRUE(c.dc.FillSolidRect(Rect{1, 0, 3, 2}, Rgb(0x12, 0x34, 0x56)));
    const Pixel f = 0x123456;
    EXPECT_TRUE(SurfaceIs(c.surface(), Rows{{K, f, f}, {K, f, f}, {K, K, K}}));
    ASSERT_TRUE(c.dc.FillSolidRect(Rect{2, 1, 2, 3}, Rgb(255, 255, 255)));  // empty: nothing
    EXPECT_TRUE(SurfaceIs(c.surface(), Rows{{K, f, f}, {K, f, f}, {K, K, K}}));
    // Inverted edges fill (right, left] x (bottom, top], as GDI's PatBlt does.
    ASSERT_TRUE(c.dc.FillSolidRect(Rect{1, 2, 0, 0}, Rgb(255, 255, 255)));
    EXPECT_TRUE(SurfaceIs(c.surface(), Rows{{K, f, f}, {K, W, f}, {K, W, K}}));
}

TEST(FillTest, MonochromeSurfacesGetTheNearerOfBlackAndWhite) {
    Canvas c(2, 1, K, true);
    ASSERT_TRUE(c.dc.FillSolidRect(Rect{0, 0, 1, 1}, Rgb(200, 200, 200)));
    ASSERT_TRUE(c.dc.FillSolidRect(Rect{1, 0, 2, 1}, Rgb(100, 100, 100)));
    EXPECT_TRUE(SurfaceIs(c.surface(), Rows{{W, K}}));
}

}  // namespace
