// Uses libpng's simplified API: it reports errors by return value, so no
// setjmp/longjmp crosses C++ frames.
#include "platform/headless/png_writer.h"

#include <png.h>

#include <cstdint>
#include <cstdio>
#include <utility>
#include <vector>

#include "platform/platform.h"
#include "platform/replacement_file.h"

namespace platform {
namespace {

constexpr std::uint64_t kMaxReadPixels = std::uint64_t(1) << 26;

bool Inside(const raster::Surface& s, const Rect& a) {
    return a.left >= 0 && a.top >= 0 && a.left < a.right && a.top < a.bottom &&
           a.right <= s.width && a.bottom <= s.height &&
           s.pixels.size() == std::size_t(s.width) * std::size_t(s.height);
}

std::vector<std::uint8_t> RgbBytes(const raster::Surface& s, const Rect& a) {
    std::vector<std::uint8_t> rgb;
    rgb.reserve(std::size_t(a.Width()) * std::size_t(a.Height()) * 3);
    for (int y = a.top; y < a.bottom; ++y) {
        for (int x = a.left; x < a.right; ++x) {
            const raster::Pixel p = s.At(x, y);
            rgb.push_back(std::uint8_t(p >> 16));
            rgb.push_back(std::uint8_t(p >> 8));
            rgb.push_back(std::uint8_t(p));
        }
    }
    return rgb;
}

}  // namespace

bool WritePng(const raster::Surface& surface, const Rect& area, const std::string& path) {
    if (!Inside(surface, area)) {
        Trace("WritePng(): the area lies outside the %d x %d surface\n", surface.width,
              surface.height);
        return false;
    }
    const std::vector<std::uint8_t> rgb = RgbBytes(surface, area);
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = png_uint_32(area.Width());
    image.height = png_uint_32(area.Height());
    image.format = PNG_FORMAT_RGB;
    // Speed over size: encoding took a fifth of a render at the default
    // compression, a twentieth at this, for a file about a third larger.
    image.flags = PNG_IMAGE_FLAG_FAST;

    // Into memory first, then through the one safe writer: a link at the path
    // is replaced, never written through, and no half file is ever seen.
    png_alloc_size_t size = 0;
    if (!png_image_write_get_memory_size(image, size, 0, rgb.data(), 0, nullptr)) {
        Trace("WritePng(): %s: %s\n", path.c_str(), image.message);
        return false;
    }
    std::string bytes(size, '\0');
    if (!png_image_write_to_memory(&image, bytes.data(), &size, 0, rgb.data(), 0, nullptr)) {
        Trace("WritePng(): %s: %s\n", path.c_str(), image.message);
        return false;
    }
    bytes.resize(size);
    if (!WriteWholeFile(path, bytes)) {
        Trace("WritePng(): cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

bool ReadPng(const std::string& path, raster::Surface* out) {
    if (out == nullptr) return false;
    *out = raster::Surface();
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return false;
    if (std::uint64_t(image.width) * image.height > kMaxReadPixels) {
        png_image_free(&image);
        return false;
    }
    image.format = PNG_FORMAT_RGB;
    std::vector<std::uint8_t> rgb(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) {
        png_image_free(&image);
        return false;
    }
    raster::Surface s = raster::Surface::Unfilled(int(image.width), int(image.height), false);
    for (std::size_t i = 0; i < s.pixels.size(); ++i)
        s.pixels[i] = (raster::Pixel(rgb[3 * i]) << 16) | (raster::Pixel(rgb[3 * i + 1]) << 8) |
                      raster::Pixel(rgb[3 * i + 2]);
    *out = std::move(s);
    return true;
}

}  // namespace platform
