// Text through FreeType: the hotspot font (semi-bold, italic, underlined
// sans-serif), drawn in the text colour, measured as GDI measures.
#include <algorithm>
#include <climits>

#include "platform/raster/cp1252.h"
#include "platform/raster/raster_font.h"
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
    r.outPrecision = 2;
    r.clipPrecision = 1;
    r.pitchAndFamily = 0x20;
    return r;
}

constexpr Pixel kPaper = 0x204060;
constexpr Pixel kInk = 0xF0C080;

struct TextTest : ::testing::Test {
    platform::raster::RasterGraphics g;
    std::unique_ptr<platform::Font> font = g.CreateFontFor(HotSpotFont(-16));
    Canvas canvas{200, 40, kPaper};

    void SetUp() override {
        ASSERT_NE(font, nullptr);
        canvas.dc.SelectFont(font.get());
        canvas.dc.SetTextColor(Rgb(0xF0, 0xC0, 0x80));
        canvas.dc.SetBkColor(Rgb(0x01, 0x02, 0x03));
    }
    Size Measure(const std::string& text) {
        Size s;
        EXPECT_TRUE(canvas.dc.MeasureText(text, &s));
        return s;
    }
    // The box of pixels that differ from the paper, or an empty rect.
    Rect Inked() {
        Rect r{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
        const Surface& s = canvas.surface();
        for (int y = 0; y < s.height; ++y)
            for (int x = 0; x < s.width; ++x)
                if (s.At(x, y) != kPaper)
                    r = Rect{std::min(r.left, x), std::min(r.top, y), std::max(r.right, x + 1),
                             std::max(r.bottom, y + 1)};
        return r.left > r.right ? Rect{} : r;
    }
};

TEST_F(TextTest, TransparentTextBlendsTheTextColourOverWhatIsThere) {
    canvas.dc.SetBkMode(BkMode::Transparent);
    ASSERT_TRUE(canvas.dc.TextOutAt(10, 5, "Install Now"));
    int solid = 0, partial = 0;
    for (Pixel p : canvas.surface().pixels) {
        if (p == kInk) ++solid;
        if (p == kPaper || p == kInk) continue;
        ++partial;
        // An antialiased edge lies between paper and ink in every channel.
        for (int shift : {0, 8, 16}) {
            const Pixel c = (p >> shift) & 0xFF, a = (kPaper >> shift) & 0xFF,
                        b = (kInk >> shift) & 0xFF;
            ASSERT_TRUE(std::min(a, b) <= c && c <= std::max(a, b)) << std::hex << p;
        }
    }
    EXPECT_GT(solid, 50);  // stems and the underline in the exact text colour
    EXPECT_GT(partial, 0);
}

TEST_F(TextTest, ExtentCoversTheInkedPixels) {
    canvas.dc.SetBkMode(BkMode::Transparent);
    // Italic overhangs ("W", "Quit") and a leading descender ("jump") included.
    for (const std::string text :
         {"Install Now", "Quit", "Readme", "Visit our web site", "g", "jump", "W"}) {
        canvas.surface().pixels.assign(canvas.surface().pixels.size(), kPaper);
        ASSERT_TRUE(canvas.dc.TextOutAt(10, 5, text));
        const Size extent = Measure(text);
        const Rect ink = Inked();
        SCOPED_TRACE(text);
        EXPECT_GE(ink.left, 10);
        EXPECT_GE(ink.top, 5);
        EXPECT_LE(ink.right, 10 + extent.cx);
        EXPECT_LE(ink.bottom, 5 + extent.cy);
        // The underline runs the whole advance width.
        EXPECT_EQ(ink.left, 10);
        EXPECT_EQ(ink.right, 10 + extent.cx);
    }
}

TEST_F(TextTest, GlyphsSitOnTheBaselineInsideTheCell) {
    auto plain = g.CreateFontFor(HotSpotFont(-16, /*underline=*/false));
    canvas.dc.SelectFont(plain.get());
    canvas.dc.SetBkMode(BkMode::Transparent);
    ASSERT_TRUE(canvas.dc.TextOutAt(10, 5, "Hg"));
    const Size extent = Measure("Hg");
    const Rect ink = Inked();
    // Capitals reach up near the cell's top without being cut by it, and the
    // descender reaches down near its bottom: the ascent is right.
    EXPECT_GT(ink.top, 5);
    EXPECT_LE(ink.top, 5 + extent.cy / 4);
    EXPECT_GE(ink.bottom, 5 + extent.cy - 2);
    EXPECT_LE(ink.bottom, 5 + extent.cy);
}

TEST_F(TextTest, OpaqueModeFillsTheCellWithTheBackgroundColour) {
    ASSERT_TRUE(canvas.dc.TextOutAt(10, 5, "Quit"));  // a fresh DC draws opaque
    const Size extent = Measure("Quit");
    const Surface& s = canvas.surface();
    for (int y = 0; y < s.height; ++y) {
        for (int x = 0; x < s.width; ++x) {
            const bool inCell = x >= 10 && x < 10 + extent.cx && y >= 5 && y < 5 + extent.cy;
            if (inCell) {
                ASSERT_NE(s.At(x, y), kPaper) << x << "," << y;
            } else {
                ASSERT_EQ(s.At(x, y), kPaper) << x << "," << y;
            }
        }
    }
    EXPECT_EQ(s.At(10, 5), 0x010203u);  // the cell's corner: background, no glyph reaches it
}

TEST_F(TextTest, UnderlineIsASolidRowBelowTheBaseline) {
    auto plain = g.CreateFontFor(HotSpotFont(-16, /*underline=*/false));
    auto underlinedRow = [&](platform::Font* f) {
        canvas.surface().pixels.assign(canvas.surface().pixels.size(), kPaper);
        canvas.dc.SelectFont(f);
        canvas.dc.SetBkMode(BkMode::Transparent);
        canvas.dc.TextOutAt(0, 0, "Quit");
        const int width = Measure("Quit").cx;
        for (int y = 0; y < canvas.surface().height; ++y) {
            int n = 0;
            while (n < width && canvas.surface().At(n, y) == kInk) ++n;
            if (n == width) return y;
        }
        return -1;
    };
    const int row = underlinedRow(font.get());
    EXPECT_GT(row, 12);  // below the baseline of a 16 pixel character height
    EXPECT_LT(row, Measure("Quit").cy);
    EXPECT_EQ(underlinedRow(plain.get()), -1);
}

TEST_F(TextTest, HeightsFollowWindowsRules) {
    // Positive: the cell height itself.
    for (int h : {10, 13, 19, 24, 40}) {
        auto f = g.CreateFontFor(HotSpotFont(h));
        canvas.dc.SelectFont(f.get());
        EXPECT_EQ(Measure("Ag").cy, h);
        canvas.dc.SelectFont(font.get());
    }
    // Negative: the character height, so the cell is taller than it and scales with it.
    const int cell16 = Measure("Ag").cy;
    EXPECT_GT(cell16, 16);
    EXPECT_LT(cell16, 24);
    auto big = g.CreateFontFor(HotSpotFont(-32));
    canvas.dc.SelectFont(big.get());
    EXPECT_NEAR(Measure("Ag").cy, 2 * cell16, 1);
    // Zero: a usable default size.
    auto standard = g.CreateFontFor(HotSpotFont(0));
    canvas.dc.SelectFont(standard.get());
    EXPECT_GT(Measure("Ag").cy, 12);
}

TEST_F(TextTest, AbsurdRequestsGiveABoundedUsableFont) {
    for (int height : {INT_MIN, INT_MAX}) {
        FontRequest r = HotSpotFont(height);
        r.weight = 99999;
        auto f = g.CreateFontFor(r);
        ASSERT_NE(f, nullptr) << height;
        canvas.dc.SelectFont(f.get());
        const Size s = Measure("W");
        EXPECT_GT(s.cy, 100);
        EXPECT_LE(s.cy, 3 * 2048);
        EXPECT_TRUE(canvas.dc.TextOutAt(0, 0, "W"));
        canvas.dc.SelectFont(font.get());
    }
}

TEST_F(TextTest, WidthIsTheSumOfAdvancesWithoutKerning) {
    for (const char* pair : {"AV", "To", "Wa", "LT"}) {
        const std::string both(pair);
        EXPECT_EQ(Measure(both).cx, Measure(both.substr(0, 1)).cx + Measure(both.substr(1)).cx)
            << pair;
    }
    EXPECT_EQ(Measure("").cx, 0);
    EXPECT_EQ(Measure("").cy, Measure("x").cy);
    EXPECT_GT(Measure("WWW").cx, Measure("iii").cx);
}

TEST_F(TextTest, WindowsCodePageBytesReachTheirGlyphs) {
    EXPECT_EQ(platform::raster::Cp1252ToUnicode(0x80), U'\u20AC');
    EXPECT_EQ(platform::raster::Cp1252ToUnicode(0x93), U'\u201C');
    EXPECT_EQ(platform::raster::Cp1252ToUnicode(0x9F), U'\u0178');
    EXPECT_EQ(platform::raster::Cp1252ToUnicode(0xE9), U'\u00E9');
    EXPECT_EQ(platform::raster::Cp1252ToUnicode(0x81), U'\u0081');
    EXPECT_EQ(platform::raster::Cp1252ToUnicode('A'), U'A');
    // "é" as one byte is the e with an accent: as wide as "e" is not guaranteed,
    // but it must draw more than the bare "e" does.
    canvas.dc.SetBkMode(BkMode::Transparent);
    auto inkOf = [&](const std::string& text) {
        canvas.surface().pixels.assign(canvas.surface().pixels.size(), kPaper);
        canvas.dc.TextOutAt(0, 0, text);
        return std::count_if(canvas.surface().pixels.begin(), canvas.surface().pixels.end(),
                             [](Pixel p) { return p != kPaper; });
    };
    EXPECT_GT(inkOf("\xE9"), inkOf("e"));
    EXPECT_NE(inkOf("\x80"), inkOf("\x81"));  // the euro sign, not the missing-glyph box
}

TEST(TextOnSurfacesTest, MonochromeTextIsBlackOrWhiteOnly) {
    platform::raster::RasterGraphics g;
    auto font = g.CreateFontFor(HotSpotFont(-16));
    Canvas mono(80, 24, K, true);
    mono.dc.SelectFont(font.get());
    mono.dc.SetTextColor(Rgb(255, 255, 255));
    mono.dc.SetBkMode(BkMode::Transparent);
    ASSERT_TRUE(mono.dc.TextOutAt(2, 2, "Quit"));
    int white = 0;
    for (Pixel p : mono.surface().pixels) {
        ASSERT_TRUE(p == W || p == K);
        white += p == W;
    }
    EXPECT_GT(white, 20);
}

TEST(TextOnSurfacesTest, FontSelectionReturnsThePreviousFont) {
    platform::raster::RasterGraphics g;
    auto a = g.CreateFontFor(HotSpotFont(-12));
    auto b = g.CreateFontFor(HotSpotFont(-20));
    platform::raster::RasterDC dc;
    platform::Font* stock = dc.SelectFont(a.get());
    ASSERT_NE(stock, nullptr);
    EXPECT_EQ(dc.SelectFont(b.get()), a.get());
    EXPECT_EQ(dc.SelectFont(stock), b.get());
    EXPECT_EQ(dc.SelectFont(nullptr), nullptr);
    Size s;
    EXPECT_TRUE(dc.MeasureText("x", &s));  // the stock font measures too
    EXPECT_GT(s.cy, 0);
}

}  // namespace
