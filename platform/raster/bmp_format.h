// The parts of a .bmp file between the file header and the pixel data, read and
// validated once so the pixel decoders can trust every field they get.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/raster/surface.h"

namespace platform::raster::bmp {

// Limits that keep a hostile header from asking for an absurd surface.
constexpr int kMaxDimension = 16384;
constexpr std::uint64_t kMaxPixels = std::uint64_t(1) << 26;  // 256 MiB of 32-bit pixels

// An RLE stream may leave pixels unwritten, so a few bytes could claim any size.
// Encoders spend at least 2 bytes per 255 pixels and 2 per row: any stream may
// have a picture of kRleFreePixels (four times an 800 x 600 background), and
// kRlePixelsPerByte per byte of stream beyond that. Only streams that could
// not have drawn their picture are refused.
constexpr std::uint64_t kRleFreePixels = std::uint64_t(1) << 21;
constexpr std::uint64_t kRlePixelsPerByte = 512;

enum class Compression { Rgb, Rle8, Rle4, BitFields };

// One colour channel of a 16- or 32-bit pixel: a contiguous run of bits.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    int bits = 0;  // width of the mask; 0 when the channel is absent
};

struct Layout {
    int width = 0;
    int height = 0;  // always positive
    bool topDown = false;
    int bitCount = 0;
    Compression compression = Compression::Rgb;
    Channel red, green, blue;     // 16 and 32 bits per pixel only
    std::vector<Pixel> palette;   // 1, 4 and 8 bits per pixel; may be shorter than 2^bitCount
    std::size_t pixelOffset = 0;  // where the pixel data begins in the file
};

// Bounds-checked little-endian reads; false when the bytes are not all there.
bool ReadU16(const std::uint8_t* data, std::size_t size, std::size_t at, std::uint32_t* v);
bool ReadU32(const std::uint8_t* data, std::size_t size, std::size_t at, std::uint32_t* v);

// Reads the file and info headers, the bit field masks and the colour table
// from the first `available` bytes of a file of `size` bytes.
[[nodiscard]] bool ParseLayout(const std::uint8_t* data, std::size_t available, std::size_t size,
                               Layout* out);

// Everything ParseLayout reads lies in the file's first kHeadBytes.
constexpr std::size_t kHeadBytes = 2048;

// Bytes of one stored row, with and without its padding to 32 bits.
std::size_t RowStride(const Layout& layout);
std::size_t RowBytes(const Layout& layout);

// One uncompressed row as stored into the surface row `dst`.
void DecodeRow(const Layout& layout, const std::uint8_t* src, Pixel* dst);

// Pixel decoders: `out` is already sized width x height and filled with the
// colour of palette index 0 (black without a palette).
[[nodiscard]] bool DecodeUncompressed(const Layout& layout, const std::uint8_t* data,
                                      std::size_t size, Surface* out);
[[nodiscard]] bool DecodeRle(const Layout& layout, const std::uint8_t* data, std::size_t size,
                             Surface* out);

// The colour of a palette index; black for an index beyond the table.
inline Pixel PaletteColour(const Layout& layout, std::uint32_t index) {
    return index < layout.palette.size() ? layout.palette[index] : 0;
}

}  // namespace platform::raster::bmp
