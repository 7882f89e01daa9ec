// The transparent logo drawing the menu window performs, composed from the
// primitives exactly as the window does it: a working copy, a monochrome mask
// made against the mask colour, SRCAND of the mask into copy and destination,
// then SRCPAINT of the copy.
#include "platform/raster/raster_graphics.h"
#include "raster_test_support.h"

using namespace raster_test;
using platform::ColorRef;
using platform::DC;
using platform::Point;
using platform::Rect;
using platform::Rgb;
using platform::Rop;

namespace {

void DrawTransparent(platform::Graphics& g, int x, int y, int w, int h, DC& src, DC& dst,
                     ColorRef mask) {
    auto copyDC = g.CreateCompatibleDC(&src);
    auto copy = g.CreateCompatibleBitmap(&src, w, h);
    auto* oldCopy = copyDC->SelectBitmap(copy.get());
    copyDC->BitBlt(0, 0, w, h, src, 0, 0, Rop::SrcCopy);
    const ColorRef srcBk = src.GetBkColor(), srcText = src.GetTextColor();

    auto maskDC = g.CreateCompatibleDC(&dst);
    auto maskBitmap = g.CreateMonochromeBitmap(w, h);
    auto* oldMask = maskDC->SelectBitmap(maskBitmap.get());
    copyDC->SetBkColor(mask);
    maskDC->BitBlt(0, 0, w, h, *copyDC, 0, 0, Rop::SrcCopy);

    copyDC->SetBkColor(Rgb(0, 0, 0));
    copyDC->SetTextColor(Rgb(255, 255, 255));
    copyDC->BitBlt(0, 0, w, h, *maskDC, 0, 0, Rop::SrcAnd);

    const ColorRef dstBk = dst.SetBkColor(Rgb(255, 255, 255));
    const ColorRef dstText = dst.SetTextColor(Rgb(0, 0, 0));
    dst.BitBlt(x, y, w, h, *maskDC, 0, 0, Rop::SrcAnd);
    dst.BitBlt(x, y, w, h, *copyDC, 0, 0, Rop::SrcPaint);

    dst.SetBkColor(dstBk);
    dst.SetTextColor(dstText);
    maskDC->SelectBitmap(oldMask);
    copyDC->SelectBitmap(oldCopy);
    src.SetBkColor(srcBk);
    src.SetTextColor(srcText);
}

constexpr Pixel M = 0xFF00FF;  // the mask colour as a pixel

struct TransparentTest : ::testing::Test {
    platform::raster::RasterGraphics g;
    // A pixel equal to the mask colour, one off by a single step in each
    // component, and black and white, which the AND / OR steps must keep.
    Canvas logo{Rows{{M, 0xFF00FE, 0xFE00FF, M}, {0xFF01FF, 0x000000, 0xFFFFFF, M}}};
    Surface under = Pattern(6, 4);
};

TEST_F(TransparentTest, MaskColourShowsWhatLiesBeneathAndEveryOtherPixelIsDrawn) {
    Canvas dst{Surface(under)};
    dst.dc.SetBkColor(Rgb(1, 2, 3));
    dst.dc.SetTextColor(Rgb(4, 5, 6));
    logo.dc.SetBkColor(Rgb(7, 8, 9));
    logo.dc.SetTextColor(Rgb(10, 11, 12));

    DrawTransparent(g, 1, 1, 4, 2, logo.dc, dst.dc, Rgb(0xFF, 0x00, 0xFF));

    Rows expected(4, std::vector<Pixel>(6));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x) expected[y][x] = under.At(x, y);
    expected[1][2] = 0xFF00FE;
    expected[1][3] = 0xFE00FF;
    expected[2][1] = 0xFF01FF;
    expected[2][2] = 0x000000;
    expected[2][3] = 0xFFFFFF;
    EXPECT_TRUE(SurfaceIs(dst.surface(), expected));
    // Both DCs get their colours back.
    EXPECT_EQ(dst.dc.GetBkColor(), Rgb(1, 2, 3));
    EXPECT_EQ(dst.dc.GetTextColor(), Rgb(4, 5, 6));
    EXPECT_EQ(logo.dc.GetBkColor(), Rgb(7, 8, 9));
    EXPECT_EQ(logo.dc.GetTextColor(), Rgb(10, 11, 12));
}

TEST_F(TransparentTest, BlackAsTheMaskColourStillDrawsWhite) {
    Canvas dst{Surface(under)};
    Canvas dark(Rows{{0x000000, 0xFFFFFF}, {0x010000, 0x000000}});
    DrawTransparent(g, 0, 0, 2, 2, dark.dc, dst.dc, Rgb(0, 0, 0));
    EXPECT_EQ(dst.surface().At(0, 0), under.At(0, 0));
    EXPECT_EQ(dst.surface().At(1, 0), 0xFFFFFFu);
    EXPECT_EQ(dst.surface().At(0, 1), 0x010000u);
    EXPECT_EQ(dst.surface().At(1, 1), under.At(1, 1));
}

TEST_F(TransparentTest, IntoAWindowDCAtItsOriginAndClippedAtItsEdge) {
    // The paint DC of a window whose client area starts at (1, 1) of its surface.
    Surface window(6, 4, false, 0x222222);
    platform::raster::RasterDC paint(&window, Point{1, 1}, Rect{1, 1, 5, 3});
    DrawTransparent(g, 2, 0, 4, 2, logo.dc, paint, Rgb(0xFF, 0x00, 0xFF));
    const Pixel o = 0x222222;
    EXPECT_TRUE(SurfaceIs(window, Rows{{o, o, o, o, o, o},
                                       {o, o, o, o, 0xFF00FE, o},
                                       {o, o, o, 0xFF01FF, 0x000000, o},
                                       {o, o, o, o, o, o}}));
}

}  // namespace
