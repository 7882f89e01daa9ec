// The window's transparent drawing in one pass over the destination.
#pragma once

#include "platform/raster/view.h"

namespace platform::raster {

// Draws src's (sx, sy, sw, sh), grown to dst's (x, y, w, h) as StretchBlt
// grows a picture, except where it has the key colour. Each destination pixel
// becomes (s == key ? d : s) without the spare byte: what the mask sequence
// (copy, mask, SRCAND, SRCPAINT) leaves there. Only plain cases, else false
// and nothing drawn: both sides colour, two surfaces, w >= sw > 0 and
// h >= sh > 0, and a source readable everywhere it is read.
bool TransparentViews(const View& dst, int x, int y, int w, int h, const View& src, int sx, int sy,
                      int sw, int sh, ColorRef key);

}  // namespace platform::raster
