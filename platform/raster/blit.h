// BitBlt and StretchBlt between views, with GDI's colour <-> monochrome rules:
// a monochrome destination gets 1 where the source pixel equals the source's
// background colour; a monochrome source gives 1 bits the destination's
// background colour and 0 bits its text colour. Both clip to the destination's
// clip and to the source's readable area; destination pixels with nothing to
// read stay as they are.
#pragma once

#include "platform/raster/view.h"

namespace platform::raster {

// `src` may be null when the operation reads no source (Blackness, Whiteness).
// False for an unknown raster operation or a missing source.
bool BlitViews(const View& dst, int x, int y, int w, int h, const View* src, int sx, int sy,
               Rop rop);

// The default stretch mode, BLACKONWHITE: growing repeats the pixel under the
// destination pixel's centre; shrinking ANDs together all source pixels whose
// centres fall in the destination pixel, which keeps black lines of a
// monochrome picture (checked against GDI by tests/windows). A negative width
// or height mirrors; the run then covers x + w + 1 .. x, as in the
// StretchBlt(x + w - 1, ..., -w) idiom.
bool StretchViews(const View& dst, int x, int y, int w, int h, const View& src, int sx, int sy,
                  int sw, int sh, Rop rop);

}  // namespace platform::raster
