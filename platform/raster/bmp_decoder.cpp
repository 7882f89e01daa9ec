#include "platform/raster/bmp_decoder.h"

#include <algorithm>
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

// Uncompressed rows in file order, read many at a time (one read call per row
// is thousands of calls for a large picture); the last row may lack its padding.
bool ReadRows(std::FILE* file, const bmp::Layout& layout, Surface* image) {
    constexpr std::size_t kChunkBytes = std::size_t(64) << 10;
    const std::size_t stride = bmp::RowStride(layout);
    const int perChunk = int(std::min<std::size_t>(
        std::max<std::size_t>(1, kChunkBytes / stride), std::size_t(layout.height)));
    std::vector<std::uint8_t> chunk(stride * std::size_t(perChunk));
    for (int first = 0; first < layout.height; first += perChunk) {
        const int rows = std::min(perChunk, layout.height - first);
        const bool last = first + rows == layout.height;
        const std::size_t n =
            std::size_t(rows - 1) * stride + (last ? bmp::RowBytes(layout) : stride);
        if (!ReadExactly(file, chunk.data(), n)) return false;
        for (int i = 0; i < rows; ++i) {
            const int r = first + i;
            const int y = layout.topDown ? r : layout.height - 1 - r;
            bmp::DecodeRow(layout, chunk.data() + std::size_t(i) * stride, &image->At(0, y));
        }
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
