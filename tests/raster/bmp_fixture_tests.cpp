// Files written by ImageMagick (and rewritten into the layouts it cannot
// write), each checked pixel by pixel against ImageMagick's own decoding.
#include <gtest/gtest.h>

#include "bmp_test_support.h"
#include "platform/raster/bmp_decoder.h"

namespace {

using platform::raster::DecodeBmp;
using platform::raster::Pixel;
using platform::raster::Surface;
using namespace bmp_test;

constexpr int kWidth = 13;
constexpr int kHeight = 7;

Surface Decode(const std::string& name) {
    const Bytes file = ReadFile(FixtureDir() + name + ".bmp");
    Surface s;
    EXPECT_TRUE(DecodeBmp(file.data(), file.size(), &s)) << name;
    return s;
}

class BmpFixture : public ::testing::TestWithParam<std::string> {};

// ImageMagick widens the 4-bit channels of ARGB4444 by shifting (0xF gives 0xF0);
// we repeat the bits (0xF gives 0xFF), so our value is its value with the high
// nibble copied down.
Pixel Expected(const std::string& name, Pixel imageMagick) {
    if (name != "argb4444") return imageMagick;
    return imageMagick | ((imageMagick >> 4) & 0x0F0F0F);
}

TEST_P(BmpFixture, MatchesImageMagickPixelForPixel) {
    const Surface s = Decode(GetParam());
    const Bytes rgb = ReadFile(FixtureDir() + GetParam() + ".rgb");
    ASSERT_EQ(rgb.size(), std::size_t(kWidth * kHeight * 3)) << "reference missing";
    ASSERT_EQ(s.width, kWidth);
    ASSERT_EQ(s.height, kHeight);
    ASSERT_EQ(s.pixels.size(), std::size_t(kWidth * kHeight));
    EXPECT_FALSE(s.monochrome);
    int wrong = 0;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const std::uint8_t* p = &rgb[std::size_t(y * kWidth + x) * 3];
            const Pixel want =
                Expected(GetParam(), (Pixel(p[0]) << 16) | (Pixel(p[1]) << 8) | p[2]);
            if (s.At(x, y) != want && ++wrong <= 5)
                ADD_FAILURE() << "pixel (" << x << ", " << y << "): got " << std::hex << s.At(x, y)
                              << ", ImageMagick " << want;
        }
    }
    EXPECT_EQ(wrong, 0);
}

INSTANTIATE_TEST_SUITE_P(ImageMagick, BmpFixture, ::testing::ValuesIn(BmpFiles(FixtureDir())),
                         [](const auto& info) { return info.param; });

TEST(BmpFixtures, CoverEveryDepthCompressionAndHeader) {
    // Guards against a fixture folder that silently lost its files.
    const auto names = BmpFiles(FixtureDir());
    for (const char* needed :
         {"pal1",       "pal4",           "pal8",          "rgb555",        "rgb565",
          "rgb24",      "rgb32",          "argb32_fields", "rle4",          "rle8",
          "rle8_delta", "core1",          "core4",         "core8",         "core24",
          "os2v2_pal8", "fields565_info", "fields565_v2",  "fields565_v3",  "fields565_v4",
          "rgb24_v5",   "topdown_rgb24",  "topdown_pal1",  "topdown_rgb565"}) {
        EXPECT_NE(std::find(names.begin(), names.end(), needed), names.end()) << needed;
    }
}

TEST(BmpFixtures, TopDownAndBottomUpGiveTheSameImage) {
    for (const char* name : {"rgb24", "pal8", "pal1", "rgb565"}) {
        const Surface up = Decode(name);
        const Surface down = Decode(std::string("topdown_") + name);
        EXPECT_EQ(down.height, kHeight) << name;  // never negative
        EXPECT_EQ(up.pixels, down.pixels) << name;
    }
}

}  // namespace
