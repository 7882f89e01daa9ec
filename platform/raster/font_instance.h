// A face at one size with Windows-style metrics, and its rendered glyphs.
// Text is single-byte, so the glyph cache is one slot per byte value.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/raster/font_library.h"
#include "platform/types.h"

namespace platform::raster {

// An antialiased glyph: coverage 0-255, placed relative to the pen on the baseline.
struct Glyph {
    bool ready = false;
    int left = 0;  // from the pen to the first column
    int top = 0;   // from the baseline up to the first row
    int width = 0;
    int rows = 0;
    int advance = 0;  // whole pixels, as GDI's character widths
    std::vector<std::uint8_t> coverage;
};

// Where the text metrics come from (TEXTMETRIC and OUTLINETEXTMETRIC).
struct FontMetrics {
    int ascent = 0;        // tmAscent
    int descent = 0;       // tmDescent
    int height = 0;        // tmHeight = ascent + descent: the cell
    int underlineTop = 0;  // rows below the baseline to the underline's top
    int underlineSize = 1;
    int strikeoutTop = 0;  // rows above the baseline to the strike-out's top
    int strikeoutSize = 1;
};

class FontInstance {
  public:
    // Height as CreateFontA takes it: negative, the character (em) height in
    // pixels; positive, the cell height; 0, a 12 pixel character height.
    static constexpr int kDefaultCharHeight = 12;
    // Sizes beyond this are clamped: nobody reads text taller than the screen.
    static constexpr int kMaxHeight = 2048;

    // Null when no face can be had for the request.
    static std::shared_ptr<FontInstance> Create(const FontRequest& request);
    ~FontInstance();
    FontInstance(const FontInstance&) = delete;
    FontInstance& operator=(const FontInstance&) = delete;

    const FontMetrics& metrics() const { return metrics_; }
    bool underline() const { return underline_; }
    bool strikeOut() const { return strikeOut_; }

    const Glyph& GlyphOf(unsigned char byte);
    // Sum of the characters' advances: GetTextExtentPoint32's width (no kerning).
    int Advance(const std::string& text);

  private:
    FontInstance() = default;
    void Render(unsigned char byte, Glyph* glyph);

    FaceChoice choice_;
    FT_Size size_ = nullptr;
    FontMetrics metrics_;
    bool underline_ = false;
    bool strikeOut_ = false;
    std::array<Glyph, 256> glyphs_;
};

}  // namespace platform::raster
