#include "platform/raster/bmp_decoder.h"

#include <utility>
#include <vector>

#include "platform/raster/bmp_format.h"

namespace platform::raster {

namespace {

bool IsRle(const bmp::Layout& layout) {
    return layout.compression == bmp::Compression::Rle8 ||
           layout.compression == bmp::Compression::Rle4;
}

bool ReadExactly(std::FILE* file, std::uint8_t* to, std::size_t n) {
    return std::fread(to, 1, n, file) == n;
}

// Uncompressed rows in file order; the last one may lack its padding.
bool ReadRows(std::FILE* file, const bmp::Layout& layout, Surface* image) {
    const std::size_t stride = bmp::RowStride(layout);
    std::vector<std::uint8_t> row(stride);
    for (int r = 0; r < layout.height; ++r) {
        const std::size_t n = r + 1 < layout.height ? stride : bmp::RowBytes(layout);
        if (!ReadExactly(file, row.data(), n)) return false;
        const int y = layout.topDown ? r : layout.height - 1 - r;
        bmp::DecodeRow(layout, row.data(), &image->At(0, y));
    }
    return true;
}

}  // namespace

bool DecodeBmp(const std::uint8_t* data, std::size_t size, Surface* out) {
    if (out == nullptr) return false;
    *out = Surface();
    bmp::Layout layout;
    if (data == nullptr || !bmp::ParseLayout(data, size, size, &layout)) return false;
    Surface image(layout.width, layout.height, false, bmp::PaletteColour(layout, 0));
    const bool decoded = IsRle(layout) ? bmp::DecodeRle(layout, data, size, &image)
                                       : bmp::DecodeUncompressed(layout, data, size, &image);
    if (!decoded) return false;
    *out = std::move(image);
    return true;
}

bool DecodeBmpFile(std::FILE* file, std::size_t size, Surface* out, std::uint64_t maxPixels) {
    if (out == nullptr) return false;
    *out = Surface();
    if (file == nullptr) return false;
    std::uint8_t head[bmp::kHeadBytes];
    const std::size_t available = size < sizeof head ? size : sizeof head;
    bmp::Layout layout;
    if (!ReadExactly(file, head, available) || !bmp::ParseLayout(head, available, size, &layout))
        return false;
    if (std::uint64_t(layout.width) * std::uint64_t(layout.height) > maxPixels) return false;

    // Uncompressed rows write every pixel; RLE may skip some, which keep colour 0.
    Surface image = IsRle(layout)
                        ? Surface(layout.width, layout.height, false, bmp::PaletteColour(layout, 0))
                        : Surface::Unfilled(layout.width, layout.height, false);
    if (std::fseek(file, long(layout.pixelOffset), SEEK_SET) != 0) return false;
    if (IsRle(layout)) {
        // A stream is as large as the file allows; its pixels are bounded by it.
        std::vector<std::uint8_t> stream(size - layout.pixelOffset);
        if (!ReadExactly(file, stream.data(), stream.size())) return false;
        bmp::Layout fromStart = layout;
        fromStart.pixelOffset = 0;
        if (!bmp::DecodeRle(fromStart, stream.data(), stream.size(), &image)) return false;
    } else if (!ReadRows(file, layout, &image)) {
        return false;
    }
    *out = std::move(image);
    return true;
}

}  // namespace platform::raster
