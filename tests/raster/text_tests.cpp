// Text through FreeType: the hotspot font (semi-bold, italic, underlined
// sans-serif), drawn in the text colour, measured as GDI measures.
#include <algorithm>
#include <climits>

#include "platform/raster/font_instance.h"
#include "platform/raster/raster_graphics.h"
#include "raster_test_support.h"

using namespace raster_test;
using platform::BkMode;
using platform::FontRequest;
using platform::Rect;
using platform::Rgb;
using platform::Size;

namespace {

FontRequest HotSpotFont(int height, bool underline = true) {
    FontRequest r;
    r.height = height;
    r.weight = 600;
    r.italic = true;
    r.underline = underline;
    r.pitchAndFamily = 0x20;  // FF_SWISS: sans-serif
    return r;
}

constexpr Pixel kPaper = 0x204060, kInk = 0xF0C080;

struct TextTest : ::testing::Test {
    platform::raster::RasterGraphics g;
    std::unique_ptr<platform::Font> font = g.CreateFontFor(HotSpotFont(-16));
    std::unique_ptr<platform::Font> plain = g.CreateFontFor(HotSpotFont(-16, false));
    Canvas canvas{200, 40, kPaper};

    void SetUp() override {
        ASSERT_TRUE(font && plain);
        canvas.dc.SelectFont(font.get());
        canvas.dc.SetTextColor(Rgb(0xF0, 0xC0, 0x80));
        canvas.dc.SetBkColor(Rgb(0x01, 0x02, 0x03));
    }
    Size Measure(const std::string& text) {
        Size s;
        EXPECT_TRUE(canvas.dc.MeasureText(text, &s));
        return s;
    }
    // Draws at (10, 5) on fresh paper; returns the box of changed pixels.
    Rect Draw(const std::string& text, BkMode mode = BkMode::Transparent) {
        Surface& s = canvas.surface();
        s.pixels.assign(s.pixels.size(), kPaper);
        canvas.dc.SetBkMode(mode);
        EXPECT_TRUE(canvas.dc.TextOutAt(10, 5, text));
        Rect r{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
        for (int y = 0; y < s.height; ++y)
            for (int x = 0; x < s.width; ++x)
                if (s.At(x, y) != kPaper)
                    r = Rect{std::min(r.left, x), std::min(r.top, y), std::max(r.right, x + 1),
                             std::max(r.bottom, y + 1)};
        return r;
    }
};

TEST_F(TextTest, InkInTheTextColourWithinTheExtentOpaqueFillsTheCellAndCodePageGlyphs) {
    // White on black, each pixel is the ink's coverage; in the text colour on the
    // paper, each mixes the two by it, rounded to the nearest. One glyph, so that
    // no pixel is mixed twice where italic neighbours overlap.
    Surface& s = canvas.surface();
    s.pixels.assign(s.pixels.size(), K);
    canvas.dc.SetBkMode(BkMode::Transparent);
    canvas.dc.SetTextColor(Rgb(255, 255, 255));
    ASSERT_TRUE(canvas.dc.TextOutAt(10, 5, "W"));
    const auto coverage = s.pixels;
    canvas.dc.SetTextColor(Rgb(0xF0, 0xC0, 0x80));
    Draw("W");
    int solid = 0, partial = 0;
    for (std::size_t i = 0; i < coverage.size(); ++i) {
        const Pixel a = coverage[i] & 0xFF;
        solid += a == 255;  // the stems and the underline in the exact text colour
        partial += a != 0 && a != 255;
        Pixel want = 0;
        for (int shift : {0, 8, 16})
            want |= ((kInk >> shift & 0xFF) * a + (kPaper >> shift & 0xFF) * (255 - a) + 127) / 255
                    << shift;
        ASSERT_EQ(s.pixels[i], want) << std::hex << "coverage " << a << " at " << i;
    }
    EXPECT_GT(solid, 30);
    EXPECT_GT(partial, 30);

    // Italic overhangs ("W") and a leading descender ("jump") included.
    for (const char* text : {"W", "jump"}) {
        const Rect ink = Draw(text);
        const Size extent = Measure(text);
        EXPECT_GE(ink.top, 5) << text;
        EXPECT_LE(ink.bottom, 5 + extent.cy) << text;
        // The underline runs the whole advance width, and nothing goes beyond it.
        EXPECT_EQ(ink.left, 10) << text;
        EXPECT_EQ(ink.right, 10 + extent.cx) << text;
    }
    // A space is its underline alone: the font's rows below the baseline.
    const platform::raster::FontMetrics m =
        platform::raster::FontInstance::Create(HotSpotFont(-16))->metrics();
    const int under = 5 + m.ascent + m.underlineTop;
    EXPECT_EQ(Draw(" "), (Rect{10, under, 10 + Measure(" ").cx, under + m.underlineSize}));
    const Size extent = Measure("Quit");
    EXPECT_EQ(Draw("Quit", BkMode::Opaque), (Rect{10, 5, 10 + extent.cx, 5 + extent.cy}));
    EXPECT_EQ(canvas.surface().At(10, 5), 0x010203u);  // the corner: background, no glyph

    // Code page bytes: 0xE9 is the e with an accent, so it draws more than the bare "e".
    auto inkOf = [&](const std::string& text) {
        Draw(text);
        const auto& p = canvas.surface().pixels;
        return std::count_if(p.begin(), p.end(), [](Pixel q) { return q != kPaper; });
    };
    EXPECT_GT(inkOf("\xE9"), inkOf("e"));
    EXPECT_NE(inkOf("\x80"), inkOf("\x81"));  // the euro sign, not the missing-glyph box
}

TEST_F(TextTest, SizesFollowWindowsRulesAndGlyphsSitOnTheBaseline) {
    auto cellOf = [&](const FontRequest& r) {
        auto f = g.CreateFontFor(r);
        EXPECT_NE(f, nullptr) << r.height;
        canvas.dc.SelectFont(f.get());
        const int cy = Measure("W").cy;
        EXPECT_TRUE(canvas.dc.TextOutAt(0, 0, "W"));
        canvas.dc.SelectFont(font.get());
        return cy;
    };
    EXPECT_EQ(cellOf(HotSpotFont(19)), 19);  // positive: the cell height itself
    // Negative: the character height, so the cell is taller than it and scales with it.
    const int cell16 = Measure("Ag").cy;
    EXPECT_GT(cell16, 16);
    EXPECT_LT(cell16, 24);
    EXPECT_NEAR(cellOf(HotSpotFont(-32)), 2 * cell16, 1);
    // Absurd requests give a bounded, usable font.
    FontRequest absurd = HotSpotFont(INT_MIN);
    absurd.weight = 99999;
    EXPECT_GT(cellOf(absurd), 100);
    EXPECT_LE(cellOf(absurd), 3 * 2048);
    // Width is the sum of advances, without kerning.
    EXPECT_EQ(Measure("AV").cx, Measure("A").cx + Measure("V").cx);
    // Capitals reach up near the cell's top without being cut by it, and the
    // descender reaches down near its bottom: the ascent is right.
    canvas.dc.SelectFont(plain.get());
    const Rect ink = Draw("Hg");
    const int cy = Measure("Hg").cy;
    EXPECT_GT(ink.top, 5);
    EXPECT_LE(ink.top, 5 + cy / 4);
    EXPECT_GE(ink.bottom, 5 + cy - 2);
    EXPECT_LE(ink.bottom, 5 + cy);
}

}  // namespace
