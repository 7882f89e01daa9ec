// Uncompressed .bmp pixel rows: palette indexes, bit fields and BGR bytes.
#include "platform/raster/bmp_format.h"

#include <cstring>

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#include <immintrin.h>
#endif

namespace platform::raster::bmp {
namespace {

// An n-bit channel becomes 8 bits by repeating its bits (5-bit 0x1F gives 0xFF,
// 0x10 gives 0x84), so full scale stays full scale; wider channels keep their top 8 bits.
std::uint32_t Scale(std::uint32_t value, const Channel& c) {
    if (c.bits == 0) return 0;
    const std::uint32_t v = (value & c.mask) >> c.shift;
    if (c.bits >= 8) return v >> (c.bits - 8);
    std::uint32_t wide = 0;
    int filled = 0;
    for (; filled < 8; filled += c.bits) wide = (wide << c.bits) | v;
    return wide >> (filled - 8);
}

Pixel FromFields(const Layout& l, std::uint32_t v) {
    return (Scale(v, l.red) << 16) | (Scale(v, l.green) << 8) | Scale(v, l.blue);
}

// Four pixels from twelve bytes with one byte shuffle; each step reads 16
// bytes, so it stops while 16 remain in the row. Returns the pixels done.
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#define VELOMAR_SHUFFLE_ROWS 1
__attribute__((target("ssse3"))) int DecodeRow24Shuffled(const std::uint8_t* __restrict src,
                                                         Pixel* __restrict dst, int width) {
    const __m128i order = _mm_setr_epi8(0, 1, 2, -128, 3, 4, 5, -128, 6, 7, 8, -128, 9, 10, 11, -128);
    int x = 0;
    for (; 3 * x + 16 <= 3 * width; x += 4) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + 3 * x));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + x), _mm_shuffle_epi8(bytes, order));
    }
    return x;
}
#endif

// B, G, R bytes. On a little-endian host four pixels are three 32-bit words
// (BGRB GRBG RBGR), split by shifts; the pixels left over are read bytewise,
// so nothing past the row is read.
void DecodeRow24(const std::uint8_t* __restrict src, Pixel* __restrict dst, int width) {
    int x = 0;
#ifdef VELOMAR_SHUFFLE_ROWS
    static const bool shuffles = __builtin_cpu_supports("ssse3");
    if (shuffles) x = DecodeRow24Shuffled(src, dst, width);
#endif
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
    for (; x + 4 <= width; x += 4) {
        std::uint32_t w0, w1, w2;
        std::memcpy(&w0, src + 3 * x, 4);
        std::memcpy(&w1, src + 3 * x + 4, 4);
        std::memcpy(&w2, src + 3 * x + 8, 4);
        dst[x] = w0 & 0xFFFFFF;
        dst[x + 1] = (w0 >> 24) | ((w1 & 0xFFFF) << 8);
        dst[x + 2] = (w1 >> 16) | ((w2 & 0xFF) << 16);
        dst[x + 3] = w2 >> 8;
    }
#endif
    for (; x < width; ++x) {
        const std::uint8_t* p = src + 3 * x;
        dst[x] = (Pixel(p[2]) << 16) | (Pixel(p[1]) << 8) | Pixel(p[0]);
    }
}

}  // namespace

void DecodeRow(const Layout& l, const std::uint8_t* src, Pixel* dst) {
    switch (l.bitCount) {
        case 1:
        case 4:
        case 8: {
            const int perByte = 8 / l.bitCount;
            const std::uint32_t mask = (1u << l.bitCount) - 1;
            for (int x = 0; x < l.width; ++x) {
                const int shift = 8 - l.bitCount * (x % perByte + 1);
                dst[x] = PaletteColour(l, (src[x / perByte] >> shift) & mask);
            }
            break;
        }
        case 16:
            for (int x = 0; x < l.width; ++x)
                dst[x] =
                    FromFields(l, std::uint32_t(src[2 * x]) | (std::uint32_t(src[2 * x + 1]) << 8));
            break;
        case 24:
            DecodeRow24(src, dst, l.width);
            break;
        case 32:
            for (int x = 0; x < l.width; ++x) {
                const std::uint8_t* p = src + 4 * x;
                dst[x] =
                    FromFields(l, std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) |
                                      (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[3]) << 24));
            }
            break;
    }
}

std::size_t RowStride(const Layout& l) {
    return (std::size_t(l.width) * std::size_t(l.bitCount) + 31) / 32 * 4;
}

std::size_t RowBytes(const Layout& l) {
    return (std::size_t(l.width) * std::size_t(l.bitCount) + 7) / 8;
}

bool DecodeUncompressed(const Layout& l, const std::uint8_t* data, std::size_t size, Surface* out) {
    const std::size_t stride = RowStride(l);
    const std::size_t rowBytes = RowBytes(l);
    for (int row = 0; row < l.height; ++row) {
        const std::size_t at = l.pixelOffset + std::size_t(row) * stride;
        if (at > size || size - at < rowBytes) return false;  // ParseLayout has checked; stay safe
        const int y = l.topDown ? row : l.height - 1 - row;
        DecodeRow(l, data + at, &out->At(0, y));
    }
    return true;
}

}  // namespace platform::raster::bmp
