// BI_RLE8 and BI_RLE4 pixel streams. Rows run bottom-up; pixels the stream
// never writes keep the colour of palette index 0.
#include "platform/raster/bmp_format.h"

namespace platform::raster::bmp {
namespace {

// Pixels past the end of a row are dropped: ImageMagick, among others, encodes
// the row padding as pixels, and Windows shows such files. Pixels below the last
// row mean the stream does not fit the header, and fail.
class RleWriter {
  public:
    RleWriter(const Layout& l, Surface* out) : l_(l), out_(out) {}

    bool InImage() const { return y_ < l_.height; }
    void Put(std::uint32_t index) {
        if (x_ < l_.width) out_->At(x_, l_.height - 1 - y_) = PaletteColour(l_, index);
        if (x_ <= l_.width) ++x_;  // one past the edge is enough to know a pixel was dropped
    }
    void EndOfLine() {
        x_ = 0;
        if (y_ <= l_.height) ++y_;  // stays bounded however many codes follow
    }
    bool Move(std::uint32_t dx, std::uint32_t dy) {
        x_ += int(dx);
        y_ += int(dy);
        return x_ <= l_.width && y_ <= l_.height;
    }

  private:
    const Layout& l_;
    Surface* out_;
    int x_ = 0;
    int y_ = 0;
};

// The index of pixel i of a run: whole bytes for RLE8, nibbles high first for RLE4.
std::uint32_t IndexAt(bool rle4, const std::uint8_t* bytes, std::uint32_t i) {
    if (!rle4) return bytes[i];
    const std::uint8_t b = bytes[i / 2];
    return (i % 2 == 0) ? std::uint32_t(b >> 4) : std::uint32_t(b & 0x0F);
}

}  // namespace

// A stream that ends before its end-of-bitmap code keeps what it has drawn (old
// writers omit the code); a run below the last row or a delta out of the image
// is an error.
bool DecodeRle(const Layout& l, const std::uint8_t* data, std::size_t size, Surface* out) {
    const bool rle4 = l.compression == Compression::Rle4;
    RleWriter w(l, out);
    std::size_t at = l.pixelOffset;
    while (at <= size && size - at >= 2) {
        const std::uint8_t count = data[at];
        const std::uint8_t code = data[at + 1];
        at += 2;
        if (count > 0) {  // encoded run
            if (!w.InImage()) return false;
            for (std::uint32_t i = 0; i < count; ++i)
                w.Put(rle4 ? IndexAt(true, &code, i % 2) : code);
            continue;
        }
        if (code == 0) {
            w.EndOfLine();
        } else if (code == 1) {
            return true;
        } else if (code == 2) {
            if (size - at < 2) return false;
            const bool inside = w.Move(data[at], data[at + 1]);
            at += 2;
            if (!inside) return false;
        } else {  // absolute run of `code` pixels, padded to a whole 16-bit word
            const std::size_t bytes = rle4 ? (code + 1u) / 2 : code;
            const std::size_t padded = (bytes + 1) / 2 * 2;
            if (size - at < bytes || !w.InImage()) return false;
            for (std::uint32_t i = 0; i < code; ++i) w.Put(IndexAt(rle4, data + at, i));
            at += padded < size - at ? padded : size - at;
        }
    }
    return true;
}

}  // namespace platform::raster::bmp
