// What a drawing operation needs of a DC: the surface, where DC point (0, 0)
// lies on it, the part that may be touched, and the DC's two colours.
#pragma once

#include <algorithm>
#include <cstdint>

#include "platform/raster/surface.h"

namespace platform::raster {

struct View {
    Surface* surface = nullptr;
    Point origin;
    Rect clip;  // surface coordinates, always inside the surface
    ColorRef textColor = 0x000000;
    ColorRef bkColor = 0xFFFFFF;
};

// A rectangle in 64-bit coordinates: DC arguments plus an origin may leave int.
struct Box {
    std::int64_t left = 0;
    std::int64_t top = 0;
    std::int64_t right = 0;
    std::int64_t bottom = 0;

    bool Empty() const { return left >= right || top >= bottom; }
    std::int64_t Width() const { return right - left; }
    std::int64_t Height() const { return bottom - top; }
};

inline Box BoxOf(const Rect& r) { return Box{r.left, r.top, r.right, r.bottom}; }

inline Box Intersect(const Box& a, const Box& b) {
    return Box{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
               std::min(a.bottom, b.bottom)};
}

// The rectangle (x, y, w, h) of DC coordinates placed on the view's surface.
inline Box PlaceOnSurface(const View& v, std::int64_t x, std::int64_t y, std::int64_t w,
                          std::int64_t h) {
    return Box{v.origin.x + x, v.origin.y + y, v.origin.x + x + w, v.origin.y + y + h};
}

// Clip meets the surface's own bounds.
inline Rect ClipInside(const Rect& clip, const Surface& s) {
    Box b = Intersect(BoxOf(clip), Box{0, 0, s.width, s.height});
    if (b.Empty()) return Rect{};
    return Rect{int(b.left), int(b.top), int(b.right), int(b.bottom)};
}

}  // namespace platform::raster
