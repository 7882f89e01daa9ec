// Hand-made files for the rules ImageMagick's files do not reach: lenient
// offsets and colour tables, channel widening, RLE edge cases and the limits.
#include <gtest/gtest.h>

#include "bmp_test_support.h"
#include "platform/raster/bmp_decoder.h"

namespace {

using platform::raster::DecodeBmp;
using platform::raster::Pixel;
using platform::raster::Surface;
using namespace bmp_test;

using Pixels = std::vector<Pixel>;

Surface MustDecode(const Bytes& file) {
    Surface s;
    EXPECT_TRUE(DecodeBmp(file.data(), file.size(), &s));
    return s;
}

bool Decodes(const Bytes& file) {
    Surface s;
    return DecodeBmp(file.data(), file.size(), &s);
}

// 4 x 2, 8 bits per pixel, palette of four colours; bottom row stored first.
BmpSpec Indexed() {
    BmpSpec s;
    s.width = 4;
    s.height = 2;
    s.bitCount = 8;
    s.palette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
    s.colorsUsed = 4;
    s.pixels = {3, 2, 1, 0, /* top row: */ 1, 1, 2, 2};
    return s;
}

TEST(BmpIndexed, IndexesBeyondTheColourTableAreBlack) {
    BmpSpec s = Indexed();
    s.pixels = {4, 255, 1, 0, 0, 0, 0, 0};
    const Surface out = MustDecode(MakeBmp(s));
    EXPECT_EQ(out.At(0, 1), 0u);
    EXPECT_EQ(out.At(1, 1), 0u);
    EXPECT_EQ(out.At(2, 1), 0xFF0000u);
}

TEST(BmpIndexed, ColourTableCutShortByThePixelOffsetLeavesTheRestBlack) {
    // clrUsed 0 means 256 entries, but the pixels start after the fourth.
    BmpSpec s = Indexed();
    s.colorsUsed = 0;
    const Surface out = MustDecode(MakeBmp(s));
    EXPECT_EQ(out.At(0, 0), 0xFF0000u);
    EXPECT_EQ(out.At(0, 1), 0x0000FFu);
}

TEST(BmpIndexed, TooManyColoursUsedIsClampedToTheDepth) {
    BmpSpec s = Indexed();
    s.bitCount = 4;
    s.width = 2;
    s.colorsUsed = 1000;
    s.pixels = {0x31, 0, 0, 0, 0x02, 0, 0, 0};
    // 4 bits hold 16 entries at most; the offset then points past the 4 written ones.
    EXPECT_EQ(MustDecode(MakeBmp(s)).pixels, (Pixels{0, 0x00FF00, 0x0000FF, 0xFF0000}));
}

TEST(BmpOffsets, ZeroOrHeaderPointingOffsetMeansRightAfterTheTable) {
    for (std::uint32_t off : {0u, 14u, 53u}) {
        Bytes f = MakeBmp(Indexed());
        Put32(&f, 10, off);
        EXPECT_EQ(MustDecode(f).pixels, MustDecode(MakeBmp(Indexed())).pixels) << off;
    }
}

TEST(BmpOffsets, FileSizeFieldIsIgnored) {
    for (std::uint32_t bfSize : {0u, 1u, 0xFFFFFFFFu}) {
        Bytes f = MakeBmp(Indexed());
        Put32(&f, 2, bfSize);
        EXPECT_TRUE(Decodes(f)) << bfSize;
    }
}

TEST(BmpOffsets, OffsetPastTheFileOrPixelsPastTheEndFail) {
    Bytes f = MakeBmp(Indexed());
    Put32(&f, 10, std::uint32_t(f.size()));
    EXPECT_FALSE(Decodes(f));

    // Only the padding of the last row may be missing: 3 of the 4 last bytes are pixels.
    BmpSpec s = Indexed();
    s.width = 3;
    s.pixels = {1, 1, 1, 0, 2, 2, 2};
    EXPECT_TRUE(Decodes(MakeBmp(s)));
    s.pixels.pop_back();
    EXPECT_FALSE(Decodes(MakeBmp(s)));
}

BmpSpec Direct(std::uint16_t bits, std::uint32_t compression, Bytes pixels) {
    BmpSpec s;
    s.width = int(pixels.size()) / (bits / 8);
    s.bitCount = bits;
    s.compression = compression;
    s.pixels = std::move(pixels);
    return s;
}

TEST(BmpDirect, SixteenBitPlainIsFiveFiveFiveWithTheTopBitIgnored) {
    // 0x7FFF white, 0xFC00 red with bit 15 set, 0x0200 mid green (0x10 widens to 0x84), 0x0001.
    const Surface s =
        MustDecode(MakeBmp(Direct(16, 0, {0xFF, 0x7F, 0x00, 0xFC, 0x00, 0x02, 0x01, 0x00})));
    EXPECT_EQ(s.pixels, (Pixels{0xFFFFFF, 0xFF0000, 0x008400, 0x000008}));
}

TEST(BmpDirect, ThirtyTwoBitPlainIgnoresTheHighByte) {
    const Surface s =
        MustDecode(MakeBmp(Direct(32, 0, {0x30, 0x20, 0x10, 0xFF, 0x01, 0x02, 0x03, 0x80})));
    EXPECT_EQ(s.pixels, (Pixels{0x102030, 0x030201}));
}

TEST(BmpDirect, BitFieldsWidenOrNarrowEveryChannelToEightBits) {
    // 32 bits as 2-10-10-10 (red high): 10-bit channels keep their top 8 bits.
    BmpSpec ten = Direct(32, 3, {0, 0, 0, 0});
    ten.masks = {0x3FF00000, 0x000FFC00, 0x000003FF};
    const std::uint32_t v = (0x3FFu << 20) | (0x200u << 10) | 0x003u;
    Put32(&ten.pixels, 0, v | 0xC0000000);
    EXPECT_EQ(MustDecode(MakeBmp(ten)).pixels, (Pixels{0xFF8000}));

    // 16 bits as 1-3-12: a 1-bit channel is 0 or 255, 3-bit 0b101 repeats to 0xB6.
    BmpSpec odd = Direct(16, 3, {0x00, 0xD0, 0x00, 0x00});
    odd.masks = {0x8000, 0x7000, 0x0FFF};
    EXPECT_EQ(MustDecode(MakeBmp(odd)).pixels, (Pixels{0xFFB600, 0}));

    // An empty mask is a channel that is always 0.
    BmpSpec noBlue = Direct(16, 3, {0xFF, 0xFF});
    noBlue.masks = {0xF800, 0x07E0, 0};
    EXPECT_EQ(MustDecode(MakeBmp(noBlue)).pixels, (Pixels{0xFFFF00}));
}

TEST(BmpDirect, BitFieldsMasksMustBeOneRunInsideThePixel) {
    for (std::uint32_t bad : {0x0F0Fu, 0x10000u, 0x80000001u}) {
        BmpSpec s = Direct(16, 3, {0, 0});
        s.masks = {bad, 0x07E0, 0x001F};
        EXPECT_FALSE(Decodes(MakeBmp(s))) << std::hex << bad;
    }
    BmpSpec missing = Direct(16, 3, {0, 0});  // masks announced but the file ends
    Bytes f = MakeBmp(missing);
    f.resize(58);
    EXPECT_FALSE(Decodes(f));
}

// 5 x 3 RLE8 with the palette of Indexed(); palette index 0 is 0x000000, so
// the background colour is set to something visible.
BmpSpec Rle8(Bytes stream) {
    BmpSpec s = Indexed();
    s.width = 5;
    s.height = 3;
    s.compression = 1;
    s.palette[0] = 0x777777;
    s.pixels = std::move(stream);
    return s;
}

constexpr Pixel G = 0x777777, R = 0xFF0000, N = 0x00FF00, B = 0x0000FF;

TEST(BmpRle, RunsAbsoluteRunsDeltaAndUnwrittenPixels) {
    const Surface s = MustDecode(
        MakeBmp(Rle8({2, 1, 0, 3, 2, 3, 2, 0,  // bottom row: run of 2, absolute run of 3 (padded)
                      0, 0,                    // end of line
                      0, 2, 2, 1,              // delta: skip two pixels and the middle row
                      3, 3,                    // top row: 3 pixels from x = 2
                      0, 1})));
    EXPECT_EQ(s.pixels, (Pixels{G, G, B, B, B,  //
                                G, G, G, G, G,  //
                                R, R, N, B, N}));
}

TEST(BmpRle, RunsPastTheRowEndAreClipped) {
    // ImageMagick encodes the row padding as pixels: 8 where the row holds 5.
    const Surface s = MustDecode(MakeBmp(Rle8({8, 1, 0, 0, 0, 6, 1, 2, 3, 1, 2, 3, 0, 1})));
    EXPECT_EQ(s.pixels, (Pixels{G, G, G, G, G, R, N, B, R, N, R, R, R, R, R}));
}

TEST(BmpRle, StreamWithoutEndOfBitmapKeepsWhatItDrew) {
    const Surface s = MustDecode(MakeBmp(Rle8({5, 2, 0, 0, 1, 3})));
    EXPECT_EQ(s.pixels, (Pixels{G, G, G, G, G, B, G, G, G, G, N, N, N, N, N}));
}

TEST(BmpRle, DeltaToTheEdgeIsFineButPastItFails) {
    EXPECT_TRUE(Decodes(MakeBmp(Rle8({0, 2, 5, 2, 0, 0, 0, 1}))));
    EXPECT_FALSE(Decodes(MakeBmp(Rle8({0, 2, 6, 0, 0, 1}))));
    EXPECT_FALSE(Decodes(MakeBmp(Rle8({0, 2, 0, 4, 0, 1}))));
    EXPECT_FALSE(Decodes(MakeBmp(Rle8({0, 0, 0, 0, 0, 0, 1, 1}))));  // a fourth row
}

TEST(BmpRle, Rle4AlternatesNibblesInRunsAndReadsThemInAbsoluteRuns) {
    BmpSpec s = Rle8({5, 0x12, 0, 0, 0, 5, 0x31, 0x23, 0x10, 0, 0, 1});
    s.bitCount = 4;
    s.compression = 2;
    const Surface out = MustDecode(MakeBmp(s));
    EXPECT_EQ(out.pixels, (Pixels{G, G, G, G, G, B, R, N, B, R, R, N, R, N, R}));
}

TEST(BmpRle, TopDownIsRefused) {
    BmpSpec s = Rle8({0, 1});
    s.height = -3;
    EXPECT_FALSE(Decodes(MakeBmp(s)));
}

TEST(BmpLimits, DimensionsUpToTheCapDecodeAndBeyondFail) {
    BmpSpec wide;
    wide.width = 16384;
    wide.pixels.assign(16384 * 3, 0x40);
    EXPECT_EQ(MustDecode(MakeBmp(wide)).width, 16384);
    wide.width = 16385;
    wide.pixels.assign(16385 * 3 + 1, 0x40);
    EXPECT_FALSE(Decodes(MakeBmp(wide)));

    // RLE needs no bytes per pixel, so only the pixel cap (64 Mi) stops it.
    BmpSpec rle = Rle8({0, 1});
    rle.width = 16384;
    rle.height = 4096;
    EXPECT_EQ(MustDecode(MakeBmp(rle)).height, 4096);
    rle.height = 4097;
    EXPECT_FALSE(Decodes(MakeBmp(rle)));
}

}  // namespace
