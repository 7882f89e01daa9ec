#include "platform/raster/bmp_decoder.h"

#include <utility>

#include "platform/raster/bmp_format.h"

namespace platform::raster {

bool DecodeBmp(const std::uint8_t* data, std::size_t size, Surface* out) {
    if (out == nullptr) return false;
    *out = Surface();
    bmp::Layout layout;
    if (data == nullptr || !bmp::ParseLayout(data, size, &layout)) return false;
    Surface image(layout.width, layout.height, false, bmp::PaletteColour(layout, 0));
    const bool rle = layout.compression == bmp::Compression::Rle8 ||
                     layout.compression == bmp::Compression::Rle4;
    const bool decoded = rle ? bmp::DecodeRle(layout, data, size, &image)
                             : bmp::DecodeUncompressed(layout, data, size, &image);
    if (!decoded) return false;
    *out = std::move(image);
    return true;
}

}  // namespace platform::raster
