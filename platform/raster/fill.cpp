#include "platform/raster/fill.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/raster/pixel_ops.h"

namespace platform::raster {

namespace {

std::uint8_t Channel(std::uint16_t c0, std::uint16_t c1, std::int64_t t, std::int64_t n) {
    return std::uint8_t(((std::int64_t(c0) * (n - t) + std::int64_t(c1) * t) / n) >> 8);
}

// The colour at offset t of a run of n pixels, as the surface stores it.
Pixel GradientAt(const Surface& s, const TriVertex& a, const TriVertex& b, std::int64_t t,
                 std::int64_t n) {
    ColorRef c = Rgb(Channel(a.red, b.red, t, n), Channel(a.green, b.green, t, n),
                     Channel(a.blue, b.blue, t, n));
    return SolidFor(s, c);
}

// An edge pair as GDI's PatBlt takes it: reversed edges cover (end, start].
void Span(std::int64_t start, std::int64_t end, std::int64_t* from, std::int64_t* to) {
    if (end < start) {
        *from = end + 1;
        *to = start + 1;
    } else {
        *from = start;
        *to = end;
    }
}

}  // namespace

void FillBox(Surface& s, const Box& b, Pixel value) {
    for (auto y = b.top; y < b.bottom; ++y) {
        Pixel* row = &s.At(int(b.left), int(y));
        std::fill(row, row + b.Width(), value);
    }
}

void FillSolid(const View& dst, const Rect& rect, ColorRef color) {
    if (!dst.surface) return;
    std::int64_t left, right, top, bottom;
    Span(rect.left, rect.right, &left, &right);
    Span(rect.top, rect.bottom, &top, &bottom);
    Box b = Intersect(PlaceOnSurface(dst, left, top, right - left, bottom - top), BoxOf(dst.clip));
    if (!b.Empty()) FillBox(*dst.surface, b, SolidFor(*dst.surface, color));
}

bool FillGradient(const View& dst, const TriVertex& v0, const TriVertex& v1, GradientMode mode) {
    if (mode != GradientMode::RectH && mode != GradientMode::RectV) return false;
    if (!dst.surface) return false;
    const bool horizontal = mode == GradientMode::RectH;
    // The colour of the vertex on the left (top) edge starts the run.
    const TriVertex* first = &v0;
    const TriVertex* second = &v1;
    if (horizontal ? v1.x < v0.x : v1.y < v0.y) std::swap(first, second);

    const std::int64_t left = std::min(v0.x, v1.x), right = std::max(v0.x, v1.x);
    const std::int64_t top = std::min(v0.y, v1.y), bottom = std::max(v0.y, v1.y);
    if (left >= right || top >= bottom) return true;
    const Box whole = PlaceOnSurface(dst, left, top, right - left, bottom - top);
    const Box b = Intersect(whole, BoxOf(dst.clip));
    if (b.Empty()) return true;

    Surface& s = *dst.surface;
    if (horizontal) {
        const std::int64_t n = whole.Width();
        std::vector<Pixel> row(std::size_t(b.Width()));
        for (std::int64_t x = b.left; x < b.right; ++x)
            row[std::size_t(x - b.left)] = GradientAt(s, *first, *second, x - whole.left, n);
        for (auto y = b.top; y < b.bottom; ++y)
            std::copy(row.begin(), row.end(), &s.At(int(b.left), int(y)));
    } else {
        const std::int64_t n = whole.Height();
        for (auto y = b.top; y < b.bottom; ++y)
            FillBox(s, Box{b.left, y, b.right, y + 1},
                    GradientAt(s, *first, *second, y - whole.top, n));
    }
    return true;
}

}  // namespace platform::raster
