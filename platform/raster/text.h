// TextOutA at top-left alignment and GetTextExtentPoint32A on a view.
#pragma once

#include <string>

#include "platform/raster/font_instance.h"
#include "platform/raster/view.h"

namespace platform::raster {

// Draws the text with its cell's top-left corner at (x, y): glyphs blended by
// coverage in the view's text colour, then the underline and strike-out across
// the advance width. In BkMode::Opaque the cell box is first filled with the
// background colour. Nothing is drawn outside the cell (advance width x cell
// height): an italic overhang or a leading descender is cut there. On a monochrome surface a glyph
// pixel is set when at least half covered.
void DrawTextRun(const View& dst, FontInstance& font, int x, int y, const std::string& text,
                 BkMode mode);

// Width: the sum of the advances; height: the cell (tmHeight).
Size MeasureTextRun(FontInstance& font, const std::string& text);

}  // namespace platform::raster
