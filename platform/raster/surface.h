// A 32-bit raster surface: the pixels behind every bitmap and window of the
// portable backends.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/types.h"

namespace platform::raster {

// A pixel is 0x00RRGGBB, the layout of a 32-bit DIB in memory (blue in the low
// byte). A monochrome surface holds only 0x000000 (bit 0) and 0xFFFFFF (bit 1).
using Pixel = std::uint32_t;

constexpr Pixel PixelOf(ColorRef c) {
    return (Pixel(RedOf(c)) << 16) | (Pixel(GreenOf(c)) << 8) | Pixel(BlueOf(c));
}
constexpr ColorRef ColorRefOf(Pixel p) {
    return Rgb(std::uint8_t(p >> 16), std::uint8_t(p >> 8), std::uint8_t(p));
}

struct Surface {
    int width = 0;
    int height = 0;
    bool monochrome = false;
    std::vector<Pixel> pixels;  // row-major, top row first

    Surface() = default;
    Surface(int w, int h, bool mono = false, Pixel fill = 0)
        : width(w), height(h), monochrome(mono), pixels(std::size_t(w) * std::size_t(h), fill) {}

    Pixel& At(int x, int y) { return pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)]; }
    Pixel At(int x, int y) const {
        return pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)];
    }
};

}  // namespace platform::raster
