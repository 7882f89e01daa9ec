// Header, bit field and colour table parsing for .bmp files.
#include "platform/raster/bmp_format.h"

#include <cstdlib>

namespace platform::raster::bmp {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kCoreHeaderSize = 12;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::size_t kOs2HeaderSize = 64;

constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiRle8 = 1;
constexpr std::uint32_t kBiRle4 = 2;
constexpr std::uint32_t kBiBitFields = 3;

// The info header fields every variant shares, widened so nothing overflows.
struct Fields {
    std::size_t headerSize = 0;
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::uint32_t planes = 0;
    std::uint32_t bitCount = 0;
    std::uint32_t compression = kBiRgb;
    std::uint32_t colorsUsed = 0;
    std::size_t paletteEntrySize = 4;
};

bool ReadFields(const std::uint8_t* data, std::size_t size, Fields* f) {
    const std::size_t at = kFileHeaderSize;
    std::uint32_t headerSize = 0;
    if (!ReadU32(data, size, at, &headerSize)) return false;
    if (std::uint64_t(at) + headerSize > size) return false;
    f->headerSize = headerSize;
    std::uint32_t w = 0, h = 0;
    if (headerSize == kCoreHeaderSize) {
        // Core header: unsigned 16-bit sizes, always bottom-up, RGB triples.
        f->paletteEntrySize = 3;
        if (!ReadU16(data, size, at + 4, &w) || !ReadU16(data, size, at + 6, &h) ||
            !ReadU16(data, size, at + 8, &f->planes) || !ReadU16(data, size, at + 10, &f->bitCount))
            return false;
        f->width = w;
        f->height = h;
        return true;
    }
    switch (headerSize) {
        case 40:
        case 52:
        case 56:
        case 64:
        case 108:
        case 124:
            break;
        default:
            return false;
    }
    if (!ReadU32(data, size, at + 4, &w) || !ReadU32(data, size, at + 8, &h) ||
        !ReadU16(data, size, at + 12, &f->planes) || !ReadU16(data, size, at + 14, &f->bitCount) ||
        !ReadU32(data, size, at + 16, &f->compression) ||
        !ReadU32(data, size, at + 32, &f->colorsUsed))
        return false;
    f->width = std::int32_t(w);
    f->height = std::int32_t(h);
    // In the OS/2 2.x header, 3 and 4 mean Huffman 1D and RLE24, which Windows never read.
    if (headerSize == kOs2HeaderSize && f->compression > kBiRle4) return false;
    return true;
}

bool SetCompression(const Fields& f, Layout* out) {
    switch (f.compression) {
        case kBiRgb:
            out->compression = Compression::Rgb;
            return f.bitCount == 1 || f.bitCount == 4 || f.bitCount == 8 || f.bitCount == 16 ||
                   f.bitCount == 24 || f.bitCount == 32;
        case kBiRle8:
            out->compression = Compression::Rle8;
            return f.bitCount == 8;
        case kBiRle4:
            out->compression = Compression::Rle4;
            return f.bitCount == 4;
        case kBiBitFields:
            out->compression = Compression::BitFields;
            return f.bitCount == 16 || f.bitCount == 32;
        default:
            return false;  // JPEG, PNG and anything unknown
    }
}

bool SetDimensions(const Fields& f, Layout* out) {
    const std::int64_t height = f.height < 0 ? -f.height : f.height;
    if (f.width <= 0 || f.width > kMaxDimension) return false;
    if (height == 0 || height > kMaxDimension) return false;
    if (std::uint64_t(f.width) * std::uint64_t(height) > kMaxPixels) return false;
    out->width = int(f.width);
    out->height = int(height);
    out->topDown = f.height < 0;
    // Windows refuses a compressed bitmap stored top-down.
    return !(out->topDown &&
             (out->compression == Compression::Rle8 || out->compression == Compression::Rle4));
}

// A mask must be one run of set bits inside the pixel; an empty mask gives a
// channel that is always 0.
bool MakeChannel(std::uint32_t mask, int bitCount, Channel* c) {
    *c = Channel{mask, 0, 0};
    if (mask == 0) return true;
    if (bitCount < 32 && (mask >> bitCount) != 0) return false;
    while (((mask >> c->shift) & 1u) == 0) ++c->shift;
    std::uint32_t run = mask >> c->shift;
    while ((run & 1u) != 0) {
        ++c->bits;
        run >>= 1;
    }
    return run == 0;
}

bool SetMasks(const std::uint8_t* data, std::size_t size, const Fields& f, Layout* out) {
    std::uint32_t r = 0, g = 0, b = 0;
    if (out->compression == Compression::BitFields) {
        // V2 and later headers hold the masks; after a plain info header they follow it.
        const std::size_t at = kFileHeaderSize + 40;
        if (!ReadU32(data, size, at, &r) || !ReadU32(data, size, at + 4, &g) ||
            !ReadU32(data, size, at + 8, &b))
            return false;
    } else if (f.bitCount == 16) {
        r = 0x7C00, g = 0x03E0, b = 0x001F;  // 5-5-5
    } else if (f.bitCount == 32) {
        r = 0xFF0000, g = 0x00FF00, b = 0x0000FF;  // the high byte is ignored
    } else {
        return true;
    }
    return MakeChannel(r, int(f.bitCount), &out->red) &&
           MakeChannel(g, int(f.bitCount), &out->green) &&
           MakeChannel(b, int(f.bitCount), &out->blue);
}

// The colour table, and where the pixels begin. A zero bfOffBits, or one that
// points into the headers, means "right after the colour table" (old writers);
// one that cuts the table short leaves the missing entries black.
bool SetPaletteAndOffset(const std::uint8_t* data, std::size_t available, std::size_t size,
                         const Fields& f, Layout* out) {
    std::uint32_t offBits = 0;
    if (!ReadU32(data, available, 10, &offBits)) return false;
    std::uint64_t tableStart = kFileHeaderSize + f.headerSize;
    if (f.headerSize == kInfoHeaderSize && out->compression == Compression::BitFields)
        tableStart += 12;
    std::uint64_t entries = f.colorsUsed;
    if (f.bitCount <= 8) {
        const std::uint64_t full = std::uint64_t(1) << f.bitCount;
        if (entries == 0 || entries > full || f.headerSize == kCoreHeaderSize) entries = full;
    }
    const std::uint64_t tableEnd = tableStart + entries * f.paletteEntrySize;
    std::uint64_t pixelOffset = offBits;
    if (offBits >= size) return false;
    if (offBits < tableStart) pixelOffset = tableEnd;
    if (pixelOffset > size) return false;
    out->pixelOffset = std::size_t(pixelOffset);
    if (f.bitCount > 8) return true;

    const std::uint64_t tableLimit = pixelOffset < available ? pixelOffset : available;
    if (tableLimit < tableStart) return false;
    const std::uint64_t room = (tableLimit - tableStart) / f.paletteEntrySize;
    if (room < entries) entries = room;
    out->palette.resize(std::size_t(entries));
    for (std::size_t i = 0; i < out->palette.size(); ++i) {
        const std::uint8_t* e = data + tableStart + i * f.paletteEntrySize;
        out->palette[i] = (Pixel(e[2]) << 16) | (Pixel(e[1]) << 8) | Pixel(e[0]);
    }
    return true;
}

// Uncompressed pixels must all be in the file before anything is allocated.
// Only the padding of the last row may be missing.
bool HoldsPixelData(const Layout& layout, std::size_t size) {
    if (layout.compression == Compression::Rle8 || layout.compression == Compression::Rle4) {
        const std::uint64_t pixels = std::uint64_t(layout.width) * std::uint64_t(layout.height);
        return pixels <= kRleFreePixels ||
               pixels / kRlePixelsPerByte <= std::uint64_t(size - layout.pixelOffset);
    }
    const std::uint64_t rowBits = std::uint64_t(layout.width) * std::uint64_t(layout.bitCount);
    const std::uint64_t stride = (rowBits + 31) / 32 * 4;
    const std::uint64_t needed = stride * std::uint64_t(layout.height - 1) + (rowBits + 7) / 8;
    return needed <= size - layout.pixelOffset;
}

}  // namespace

bool ReadU16(const std::uint8_t* data, std::size_t size, std::size_t at, std::uint32_t* v) {
    if (at > size || size - at < 2) return false;
    *v = std::uint32_t(data[at]) | (std::uint32_t(data[at + 1]) << 8);
    return true;
}

bool ReadU32(const std::uint8_t* data, std::size_t size, std::size_t at, std::uint32_t* v) {
    if (at > size || size - at < 4) return false;
    *v = std::uint32_t(data[at]) | (std::uint32_t(data[at + 1]) << 8) |
         (std::uint32_t(data[at + 2]) << 16) | (std::uint32_t(data[at + 3]) << 24);
    return true;
}

bool ParseLayout(const std::uint8_t* data, std::size_t available, std::size_t size, Layout* out) {
    if (available > size) available = size;
    // bfSize is ignored: writers get it wrong and Windows does not check it.
    if (available < kFileHeaderSize || data[0] != 'B' || data[1] != 'M') return false;
    Fields f;
    if (!ReadFields(data, available, &f)) return false;
    if (f.planes != 1) return false;
    out->bitCount = int(f.bitCount);
    if (!SetCompression(f, out)) return false;
    if (f.headerSize == kCoreHeaderSize && out->bitCount != 1 && out->bitCount != 4 &&
        out->bitCount != 8 && out->bitCount != 24)
        return false;
    return SetDimensions(f, out) && SetMasks(data, available, f, out) &&
           SetPaletteAndOffset(data, available, size, f, out) && HoldsPixelData(*out, size);
}

}  // namespace platform::raster::bmp
