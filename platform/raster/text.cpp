#include "platform/raster/text.h"

#include "platform/raster/fill.h"
#include "platform/raster/pixel_ops.h"

namespace platform::raster {

namespace {

Pixel Blend(Pixel under, Pixel ink, unsigned coverage) {
    Pixel out = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        unsigned d = (under >> shift) & 0xFF;
        unsigned t = (ink >> shift) & 0xFF;
        out |= Pixel((t * coverage + d * (255 - coverage) + 127) / 255) << shift;
    }
    return out;
}

// One glyph whose origin (pen, baseline) is given in surface coordinates.
void DrawGlyph(const View& dst, const Glyph& glyph, std::int64_t penX, std::int64_t baseline) {
    Surface& s = *dst.surface;
    const Pixel ink = SolidFor(s, dst.textColor);
    const std::int64_t left = penX + glyph.left;
    const std::int64_t top = baseline - glyph.top;
    const Box b = Intersect(Box{left, top, left + glyph.width, top + glyph.rows}, BoxOf(dst.clip));
    for (auto y = b.top; y < b.bottom; ++y) {
        const std::uint8_t* cov = &glyph.coverage[std::size_t(y - top) * std::size_t(glyph.width) +
                                                  std::size_t(b.left - left)];
        Pixel* out = &s.At(int(b.left), int(y));
        for (std::int64_t x = 0; x < b.Width(); ++x) {
            const unsigned c = cov[x];
            if (c == 0) continue;
            if (s.monochrome)
                out[x] = c >= 128 ? ink : out[x];
            else
                out[x] = c == 255 ? ink : Blend(out[x], ink, c);
        }
    }
}

// A line in the text colour, `size` rows from `top`, across `width` from x (DC coordinates).
void DrawLine(const View& dst, std::int64_t x, std::int64_t top, int width, int size) {
    if (width <= 0) return;
    const Box b = Intersect(PlaceOnSurface(dst, x, top, width, size), BoxOf(dst.clip));
    if (b.Empty()) return;
    FillBox(*dst.surface, b, SolidFor(*dst.surface, dst.textColor));
}

}  // namespace

void DrawTextRun(const View& dst, FontInstance& font, int x, int y, const std::string& text,
                 BkMode mode) {
    if (!dst.surface) return;
    const FontMetrics& m = font.metrics();
    const int width = font.Advance(text);
    // Ink stays inside the cell that MeasureText reports, so a hotspot's hit
    // rectangle covers all of its text: an italic's last overhang is cut.
    const Box cell = Intersect(PlaceOnSurface(dst, x, y, width, m.height), BoxOf(dst.clip));
    if (cell.Empty()) return;
    View inCell = dst;
    inCell.clip = Rect{int(cell.left), int(cell.top), int(cell.right), int(cell.bottom)};
    if (mode == BkMode::Opaque) FillBox(*dst.surface, cell, SolidFor(*dst.surface, dst.bkColor));

    const std::int64_t baseline = std::int64_t(dst.origin.y) + y + m.ascent;
    std::int64_t pen = std::int64_t(dst.origin.x) + x;
    for (char c : text) {
        const Glyph& glyph = font.GlyphOf(static_cast<unsigned char>(c));
        DrawGlyph(inCell, glyph, pen, baseline);
        pen += glyph.advance;
    }

    const std::int64_t baselineY = std::int64_t(y) + m.ascent;
    if (font.underline()) DrawLine(inCell, x, baselineY + m.underlineTop, width, m.underlineSize);
    if (font.strikeOut()) DrawLine(inCell, x, baselineY - m.strikeoutTop, width, m.strikeoutSize);
}

Size MeasureTextRun(FontInstance& font, const std::string& text) {
    return Size{font.Advance(text), font.metrics().height};
}

}  // namespace platform::raster
