// The window's transparent drawing in one pass over the destination.
#pragma once

#include "platform/raster/view.h"

namespace platform::raster {

// What shows through the key colour instead of the destination's own pixels:
// `view`, with its DC point (x, y) under the drawing's top-left corner.
struct Beneath {
    View view;
    int x = 0;
    int y = 0;
};

// Draws src's (sx, sy, sw, sh), grown to dst's (x, y, w, h) as StretchBlt
// grows a picture, except where it has the key colour. Each destination pixel
// becomes (s == key ? d : s) without the spare byte: what the mask sequence
// (copy, mask, SRCAND, SRCPAINT) leaves there; with `beneath`, d is its pixel
// rather than the destination's. Only plain cases, else false and nothing
// drawn: colour surfaces, each distinct, w >= sw > 0 and h >= sh > 0, and
// sources readable everywhere they are read.
bool TransparentViews(const View& dst, int x, int y, int w, int h, const View& src, int sx, int sy,
                      int sw, int sh, ColorRef key, const Beneath* beneath = nullptr);

}  // namespace platform::raster
