// Solid fills and GradientFill on a view.
#pragma once

#include "platform/raster/view.h"

namespace platform::raster {

// Sets every pixel of b, which lies inside the surface, to value.
void FillBox(Surface& s, const Box& b, Pixel value);

// FillRect with a solid brush: right and bottom exclusive. As in GDI, an
// inverted rectangle (right < left) fills the mirrored run (right, left].
void FillSolid(const View& dst, const Rect& rect, ColorRef color);

// GRADIENT_FILL_RECT_H / _V between two vertices (either may be the upper
// left). Each 16-bit channel goes linearly from the first edge's value to the
// second's: at offset t of a run of n pixels, (c0 * (n - t) + c1 * t) / n,
// then >> 8. The far edge is exclusive, so c1 itself is never reached.
// False for an unknown mode.
bool FillGradient(const View& dst, const TriVertex& v0, const TriVertex& v1, GradientMode mode);

}  // namespace platform::raster
