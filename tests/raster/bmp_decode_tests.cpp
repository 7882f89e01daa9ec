// BMP files: ImageMagick's pixel for pixel, broken ones refused, no damage
// ever yielding an inconsistent surface, and hand-made files for the rules the
// fixtures do not reach. Fixtures: fixtures/bmp/make_fixtures.sh.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <set>

#include "../support/scratch.h"
#include "platform/raster/bmp_decoder.h"
#include "platform/raster/raster_bitmap.h"
#include "platform/raster/raster_graphics.h"

namespace {

using platform::raster::DecodeBmp;
using platform::raster::Pixel;
using platform::raster::Surface;
using Bytes = std::vector<std::uint8_t>;
using Pixels = std::vector<Pixel>;

const std::string kDir = std::string(VELOMAR_SOURCE_DIR) + "/tests/raster/fixtures/bmp/";

Bytes ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::vector<std::string> BmpFiles(const std::string& dir) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir))
        if (e.path().extension() == ".bmp") names.push_back(e.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Decodes over a stale surface: success must leave a whole picture, failure an empty one.
bool Decode(const Bytes& file, Surface* s) {
    *s = Surface(2, 2, false, 0x123456);
    const bool ok = DecodeBmp(file.data(), file.size(), s);
    const std::size_t area =
        std::size_t(std::max(s->width, 0)) * std::size_t(std::max(s->height, 0));
    if (ok ? area == 0 || s->pixels.size() != area : s->width || s->height || !s->pixels.empty())
        ADD_FAILURE() << "inconsistent surface after " << (ok ? "success" : "failure");
    return ok;
}

constexpr int kWidth = 13, kHeight = 7;  // every ImageMagick fixture

class BmpFixture : public ::testing::TestWithParam<std::string> {};

TEST_P(BmpFixture, MatchesImageMagickPixelForPixel) {
    Surface s;
    ASSERT_TRUE(Decode(ReadFile(kDir + GetParam() + ".bmp"), &s));
    const Bytes rgb = ReadFile(kDir + GetParam() + ".rgb");
    ASSERT_EQ(rgb.size(), std::size_t(kWidth * kHeight * 3)) << "reference missing";
    ASSERT_EQ(std::pair(s.width, s.height), std::pair(kWidth, kHeight));
    EXPECT_FALSE(s.monochrome);
    int wrong = 0;
    for (int i = 0; i < kWidth * kHeight; ++i) {
        Pixel want = (Pixel(rgb[3 * i]) << 16) | (Pixel(rgb[3 * i + 1]) << 8) | rgb[3 * i + 2];
        // ImageMagick widens ARGB4444's channels by shifting (0xF gives 0xF0);
        // we repeat the bits (0xF gives 0xFF), as Windows does.
        if (GetParam() == "argb4444") want |= (want >> 4) & 0x0F0F0F;
        if (s.pixels[i] != want && ++wrong <= 5)
            ADD_FAILURE() << "pixel (" << i % kWidth << ", " << i / kWidth << "): got " << std::hex
                          << s.pixels[i] << ", ImageMagick " << want;
    }
    EXPECT_EQ(wrong, 0);
}

INSTANTIATE_TEST_SUITE_P(ImageMagick, BmpFixture, ::testing::ValuesIn(BmpFiles(kDir)),
                         [](const auto& info) { return info.param; });

// A file with a 40-byte info header. Palette entries are 0x00RRGGBB; `masks`
// (three of them) follow the header; `pixels` is the raw pixel data as stored.
struct BmpSpec {
    std::int32_t width, height;
    std::uint16_t bitCount;
    std::uint32_t compression, colorsUsed;
    std::vector<std::uint32_t> palette, masks;
    Bytes pixels;
};

// Little-endian `v` over `size` bytes at `at`, growing the file as needed.
void Put(Bytes* b, std::size_t at, std::uint32_t v, std::size_t size = 4) {
    b->resize(std::max(b->size(), at + size));
    for (std::size_t i = 0; i < size; ++i) (*b)[at + i] = std::uint8_t(v >> (8 * i));
}
Bytes Patched(Bytes b, std::size_t at, std::uint32_t v) {
    Put(&b, at, v);
    return b;
}

Bytes MakeBmp(const BmpSpec& s) {
    Bytes b{'B', 'M'};
    Put(&b, 14, 40);
    Put(&b, 18, std::uint32_t(s.width));
    Put(&b, 22, std::uint32_t(s.height));
    Put(&b, 26, 1, 2);
    Put(&b, 28, s.bitCount, 2);
    Put(&b, 30, s.compression);
    Put(&b, 34, std::uint32_t(s.pixels.size()));
    Put(&b, 46, s.colorsUsed);
    Put(&b, 50, 0);  // important colours; the header ends at 54
    for (std::uint32_t v : s.masks) Put(&b, b.size(), v);
    for (std::uint32_t v : s.palette) Put(&b, b.size(), v);
    Put(&b, 10, std::uint32_t(b.size()));
    b.insert(b.end(), s.pixels.begin(), s.pixels.end());
    Put(&b, 2, std::uint32_t(b.size()));
    return b;
}

constexpr Pixel K = 0, R = 0xFF0000, N = 0x00FF00, B = 0x0000FF, G = 0x777777;
const std::vector<std::uint32_t> kPalette = {K, R, N, B};

// Two rows of colour table indexes, the bottom one stored first.
Bytes Indexed(int width, std::uint16_t bits, std::uint32_t colorsUsed, Bytes pixels) {
    return MakeBmp({width, 2, bits, 0, colorsUsed, kPalette, {}, std::move(pixels)});
}
// One row of plain pixels, or of bit fields when masks are given.
Bytes Direct(std::uint16_t bits, Bytes pixels, std::vector<std::uint32_t> masks = {}) {
    const int width = int(pixels.size() * 8 / bits);
    return MakeBmp({width, 1, bits, masks.empty() ? 0u : 3u, 0, {}, masks, std::move(pixels)});
}
// 5 x 3 RLE; palette index 0 is grey so pixels the stream never writes show.
Bytes Rle(Bytes stream, std::uint16_t bits = 8, std::int32_t height = 3) {
    return MakeBmp({5, height, bits, bits == 8 ? 1u : 2u, 4, {G, R, N, B}, {}, std::move(stream)});
}

// Cut anywhere, a file decodes as a whole picture or not at all, and the file
// reader, which takes many rows per read, agrees with the decoder that holds
// the whole file.
TEST(BmpDamage, CutFilesDecodeAlikeFromMemoryAndFromTheFileAndBrokenOnesAreRefused) {
    ASSERT_GE(BmpFiles(kDir).size(), 31u) << "fixtures lost";
    const sandbox::TempFolder scratch;
    const std::string path = scratch.File("cut.bmp");
    auto agree = [&](const Bytes& file, const std::string& what, bool viaFile = true) {
        Surface s;
        const bool decoded = Decode(file, &s);
        if (!viaFile) return decoded;
        std::ofstream(path, std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(file.data()), std::streamsize(file.size()));
        auto bitmap = platform::raster::RasterGraphics().LoadBitmapFile(path);
        EXPECT_EQ(bitmap != nullptr, decoded) << what;
        if (bitmap)
            EXPECT_EQ(static_cast<platform::raster::RasterBitmap&>(*bitmap).surface().pixels,
                      s.pixels)
                << what;
        return decoded;
    };
    for (const std::string& name : BmpFiles(kDir)) {
        const Bytes full = ReadFile(kDir + name + ".bmp");
        // An uncompressed file may lack only the last row's padding, at most 3
        // bytes for 13 pixels; RLE cut anywhere just has to stay consistent.
        const bool rle = name.rfind("rle", 0) == 0;
        const bool viaFile =
            std::set<std::string>{"rgb24", "pal1", "fields565_v4", "rle8_delta", "rle4", "core8"}
                .count(name);
        for (std::size_t n = 0; n <= full.size(); ++n) {
            const Bytes part(full.begin(), full.begin() + std::ptrdiff_t(n));
            if (agree(part, name + " cut to " + std::to_string(n), viaFile) && !rle)
                EXPECT_GE(n + 3, full.size()) << name << " decoded from " << n << " bytes";
        }
    }
    // 1500 rows of 38 pixels with 2 bytes of padding, without the last padding too.
    for (const int height : {1500, -1500}) {
        Bytes stored(std::size_t(116 * 1500));
        std::uint32_t seed = 12345;
        for (auto& byte : stored) byte = std::uint8_t((seed = seed * 1103515245 + 12345) >> 16);
        const Bytes full = MakeBmp({38, height, 24, 0, 0, {}, {}, stored});
        for (const std::ptrdiff_t cut : {0, 2, 3})
            agree(Bytes(full.begin(), full.end() - cut),
                  std::to_string(height) + " cut by " + std::to_string(cut));
    }

    // Malformed files, bad arguments and what is no file are refused.
    platform::raster::RasterGraphics g;
    ASSERT_FALSE(BmpFiles(kDir + "malformed/").empty());
    for (const std::string& name : BmpFiles(kDir + "malformed/")) {
        const std::string path = kDir + "malformed/" + name + ".bmp";
        Surface s;
        EXPECT_FALSE(Decode(ReadFile(path), &s)) << name;
        EXPECT_EQ(g.LoadBitmapFile(path), nullptr) << name;
    }
    Surface s;
    const Bytes file = ReadFile(kDir + "rgb24.bmp");
    EXPECT_FALSE(DecodeBmp(nullptr, file.size(), &s));
    EXPECT_FALSE(DecodeBmp(file.data(), file.size(), nullptr));
    EXPECT_FALSE(DecodeBmp(file.data(), 0, &s));
    // A pipe is refused at once instead of blocking the open until a writer comes.
    const std::string fifo = scratch.File("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& path : {kDir + "missing.bmp", kDir, fifo, std::string("/dev/zero")})
        EXPECT_EQ(g.LoadBitmapFile(path), nullptr) << path;
}

TEST(BmpMade, DecodeAsWindowsDoesUpToTheCap) {
    const Bytes indexed = Indexed(4, 8, 4, {3, 2, 1, 0, 1, 1, 2, 2});
    const Pixels indexedPixels{R, R, N, N, B, N, R, K};
    const std::uint32_t end = std::uint32_t(indexed.size());
    const struct {
        const char* what;
        Bytes file;
        Pixels want;  // none: refused
    } cases[] = {
        {"indexed", indexed, indexedPixels},
        {"index past the table",
         Indexed(4, 8, 4, {4, 255, 1, 0, 0, 0, 0, 0}),
         {K, K, K, K, K, K, R, K}},
        // clrUsed 0 means 256 entries, but the pixels start after the fourth.
        {"table cut short by the offset", Indexed(4, 8, 0, {3, 2, 1, 0, 1, 1, 2, 2}),
         indexedPixels},
        // 4 bits hold 16 entries at most; the offset then points past the 4 written ones.
        {"colours used clamped", Indexed(2, 4, 1000, {0x31, 0, 0, 0, 2, 0, 0, 0}), {K, N, B, R}},
        {"offset 0: after the table", Patched(indexed, 10, 0), indexedPixels},
        {"offset at the end", Patched(indexed, 10, end), {}},
        {"file size 0 ignored", Patched(indexed, 2, 0), indexedPixels},
        {"last row's padding missing", Indexed(3, 8, 4, {1, 1, 1, 0, 2, 2, 2}), {N, N, N, R, R, R}},
        {"a pixel missing", Indexed(3, 8, 4, {1, 1, 1, 0, 2, 2}), {}},
        // 0x7FFF white, 0xFC00 red with bit 15 set, 0x0200 mid green (0x10 widens to 0x84), 1.
        {"16 bits are 5-5-5",
         Direct(16, {0xFF, 0x7F, 0, 0xFC, 0, 2, 1, 0}),
         {0xFFFFFF, 0xFF0000, 0x008400, 0x000008}},
        {"32 bits: high byte ignored",
         Direct(32, {0x30, 0x20, 0x10, 0xFF, 1, 2, 3, 0x80}),
         {0x102030, 0x030201}},
        // 2-10-10-10, red high, alpha set: 10-bit channels keep their top 8 bits.
        {"wide fields", Direct(32, {3, 0, 0xF8, 0xFF}, {0x3FF00000, 0xFFC00, 0x3FF}), {0xFF8000}},
        // 1-3-12: a 1-bit channel is 0 or 255, 3-bit 0b101 repeats to 0xB6.
        {"narrow fields", Direct(16, {0, 0xD0, 0, 0}, {0x8000, 0x7000, 0xFFF}), {0xFFB600, 0}},
        {"empty mask", Direct(16, {0xFF, 0xFF}, {0xF800, 0x07E0, 0}), {0xFFFF00}},
        {"mask with a gap", Direct(16, {0, 0}, {0x0F0F, 0x07E0, 0x1F}), {}},
        // Masks announced, but the file ends 4 bytes after the header.
        {"masks cut off", Patched(MakeBmp({1, 1, 16, 3, 0, {}, {}, {0, 0}}), 54, 0), {}},
        // Bottom row: a run of 2, an absolute run of 3 (padded), end of line; a
        // delta over two pixels and the middle row; 3 pixels from x = 2; end.
        {"RLE8",
         Rle({2, 1, 0, 3, 2, 3, 2, 0, 0, 0, 0, 2, 2, 1, 3, 3, 0, 1}),
         {G, G, B, B, B, G, G, G, G, G, R, R, N, B, N}},
        // ImageMagick encodes the row padding as pixels: 8 where the row holds 5.
        {"RLE runs past the row clipped",
         Rle({8, 1, 0, 0, 0, 6, 1, 2, 3, 1, 2, 3, 0, 1}),
         {G, G, G, G, G, R, N, B, R, N, R, R, R, R, R}},
        {"RLE without end of bitmap",
         Rle({5, 2, 0, 0, 1, 3}),
         {G, G, G, G, G, B, G, G, G, G, N, N, N, N, N}},
        {"RLE4",
         Rle({5, 0x12, 0, 0, 0, 5, 0x31, 0x23, 0x10, 0, 0, 1}, 4),
         {G, G, G, G, G, B, R, N, B, R, R, N, R, N, R}},
        {"RLE delta to the edge", Rle({0, 2, 5, 2, 0, 0, 0, 1}), Pixels(15, G)},
        {"RLE delta past the right", Rle({0, 2, 6, 0, 0, 1}), {}},
        {"RLE fourth row", Rle({0, 0, 0, 0, 0, 0, 1, 1}), {}},
        {"RLE top-down", Rle({0, 1}, 8, -3), {}},
    };
    for (const auto& c : cases) {
        Surface s;
        EXPECT_EQ(Decode(c.file, &s) ? Pixels(s.pixels.begin(), s.pixels.end()) : Pixels{}, c.want)
            << c.what;
    }

    // Dimensions up to the cap decode, and beyond it fail.
    Surface s;
    EXPECT_TRUE(Decode(MakeBmp({16384, 1, 24, 0, 0, {}, {}, Bytes(16384 * 3, 0x40)}), &s));
    EXPECT_EQ(s.width, 16384);
    EXPECT_FALSE(Decode(MakeBmp({16385, 1, 24, 0, 0, {}, {}, Bytes(16385 * 3 + 1, 0x40)}), &s));
    // RLE needs no bytes per pixel: any stream may claim 2 Mi pixels, more only
    // at 512 pixels per byte of stream (a 1,080-byte file claiming 8192 x 8192
    // once cost 256 MiB per logo).
    const struct {
        int width, height;
        std::size_t streamBytes;
        bool decodes;
    } rle[] = {{2048, 1024, 2, true},
               {2048, 1025, 2, false},
               {4096, 4096, 32768, true},
               {4096, 4096, 32766, false},
               {8192, 8193, 132000, false}};  // stream enough, but past 64 Mi pixels
    for (const auto& c : rle) {
        Bytes stream(c.streamBytes, 0);  // end-of-line codes, then end of bitmap
        stream[c.streamBytes - 1] = 1;
        EXPECT_EQ(Decode(MakeBmp({c.width, c.height, 8, 1, 4, kPalette, {}, stream}), &s),
                  c.decodes)
            << c.width << " x " << c.height << " from " << c.streamBytes;
    }
}

}  // namespace
