// The one-pass transparent drawing against the mask sequence it replaces, run
// step by step on the same raster: every pixel must match.
#include <random>

#include "platform/raster/raster_graphics.h"
#include "raster_test_support.h"

using namespace raster_test;
using platform::Point;
using platform::Rect;
using platform::Rop;

namespace {

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

TEST(TransparentBltTest, DrawsWhatTheMaskSequenceDraws) {
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
    }
}

// Where one pass could differ from the sequence it declines, drawing nothing,
// and the caller runs the sequence.
TEST(TransparentBltTest, DeclinesWhatItCannotDrawAlike) {
    Canvas src{Logo(8, 6, 3)};
    Canvas dst{Logo(16, 12, 5)};
    Canvas mono(16, 12, K, /*mono=*/true);
    const Surface before = dst.surface();
    const platform::ColorRef key = platform::raster::ColorRefOf(kKey);
    EXPECT_FALSE(mono.dc.TransparentBlt(0, 0, 8, 6, src.dc, 0, 0, 8, 6, key));  // monochrome
    EXPECT_FALSE(dst.dc.TransparentBlt(0, 0, 4, 3, src.dc, 0, 0, 8, 6, key));   // shrinking
    EXPECT_FALSE(dst.dc.TransparentBlt(0, 0, 8, 6, src.dc, 2, 0, 8, 6, key));   // past its edge
    EXPECT_FALSE(dst.dc.TransparentBlt(1, 1, 8, 6, dst.dc, 0, 0, 8, 6, key));   // one surface
    EXPECT_FALSE(dst.dc.TransparentBlt(0, 0, 0, 6, src.dc, 0, 0, 0, 6, key));   // empty
    EXPECT_FALSE(dst.dc.TransparentBlt(0, 0, 1 << 20, 1 << 20, src.dc, 0, 0, 8, 6, key));
    EXPECT_EQ(dst.surface().pixels, before.pixels);
}

}  // namespace
