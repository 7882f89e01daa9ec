// Shared by the raster pixel tests: memory DCs over tiny bitmaps, and whole
// surface comparisons that print both pictures when they differ.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "platform/raster/raster_bitmap.h"
#include "platform/raster/raster_dc.h"

namespace raster_test {

using platform::raster::Pixel;
using platform::raster::RasterBitmap;
using platform::raster::RasterDC;
using platform::raster::Surface;
using Rows = std::vector<std::vector<Pixel>>;

constexpr Pixel W = 0xFFFFFF, K = 0x000000;

inline Surface SurfaceOf(const Rows& rows, bool mono = false) {
    Surface s(int(rows.empty() ? 0 : rows[0].size()), int(rows.size()), mono);
    for (int y = 0; y < s.height; ++y)
        for (int x = 0; x < s.width; ++x) s.At(x, y) = rows[std::size_t(y)][std::size_t(x)];
    return s;
}

// A memory DC with its own bitmap selected, as the engine makes them.
struct Canvas {
    std::unique_ptr<RasterBitmap> bitmap;
    RasterDC dc;

    explicit Canvas(Surface s) : bitmap(std::make_unique<RasterBitmap>(std::move(s))) {
        dc.SelectBitmap(bitmap.get());
    }
    Canvas(int w, int h, Pixel fill, bool mono = false) : Canvas(Surface(w, h, mono, fill)) {}
    explicit Canvas(const Rows& rows, bool mono = false) : Canvas(SurfaceOf(rows, mono)) {}

    Surface& surface() { return bitmap->surface(); }
};

// The pixels in hex, a row a line.
inline std::string Picture(const Surface& s) {
    std::string out;
    char buf[8];
    for (int y = 0; y < s.height; ++y, out += "\n")
        for (int x = 0; x < s.width; ++x)
            out += (std::snprintf(buf, sizeof buf, " %06x", unsigned(s.At(x, y))), buf);
    return out;
}

inline ::testing::AssertionResult SurfaceIs(const Surface& actual, const Surface& want) {
    if (actual.width == want.width && actual.pixels == want.pixels)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "\nexpected:\n"
                                         << Picture(want) << "actual:\n"
                                         << Picture(actual);
}

inline ::testing::AssertionResult SurfaceIs(const Surface& actual, const Rows& expected) {
    return SurfaceIs(actual, SurfaceOf(expected, actual.monochrome));
}

// Every pixel different in a 0x00RRGGBB pattern, so a misplaced pixel shows.
inline Surface Pattern(int w, int h) {
    Surface s(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) s.At(x, y) = Pixel(0x101010 * (y + 1) + 0x000100 * x + 0x01);
    return s;
}

}  // namespace raster_test
