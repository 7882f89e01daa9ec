// Broken, truncated and hostile files: each fails cleanly, and no damage to a
// good file makes the decoder report success with an inconsistent surface.
#include <gtest/gtest.h>

#include "bmp_test_support.h"
#include "platform/raster/bmp_decoder.h"

namespace {

using platform::raster::DecodeBmp;
using platform::raster::Surface;
using namespace bmp_test;

std::string MalformedDir() { return FixtureDir() + "malformed/"; }

// A surface that must not survive a failed decode.
Surface Stale() { return Surface(2, 2, false, 0x123456); }

class BmpMalformed : public ::testing::TestWithParam<std::string> {};

TEST_P(BmpMalformed, FailsAndLeavesTheSurfaceEmpty) {
    const Bytes file = ReadFile(MalformedDir() + GetParam() + ".bmp");
    ASSERT_FALSE(file.empty());
    Surface s = Stale();
    EXPECT_FALSE(DecodeBmp(file.data(), file.size(), &s));
    EXPECT_EQ(s.width, 0);
    EXPECT_EQ(s.height, 0);
    EXPECT_TRUE(s.pixels.empty());
}

INSTANTIATE_TEST_SUITE_P(Files, BmpMalformed, ::testing::ValuesIn(BmpFiles(MalformedDir())),
                         [](const auto& info) { return info.param; });

// On success the surface must be whole; on failure empty. Nothing else is allowed.
void ExpectConsistent(const Bytes& file, const std::string& what) {
    Surface s = Stale();
    if (DecodeBmp(file.data(), file.size(), &s)) {
        ASSERT_GT(s.width, 0) << what;
        ASSERT_GT(s.height, 0) << what;
        ASSERT_EQ(s.pixels.size(), std::size_t(s.width) * std::size_t(s.height)) << what;
    } else {
        ASSERT_TRUE(s.pixels.empty() && s.width == 0 && s.height == 0) << what;
    }
}

bool IsRle(const std::string& name) { return name.rfind("rle", 0) == 0; }

TEST(BmpTruncation, UncompressedFilesFailUntilTheLastPixelIsThere) {
    for (const std::string& name : BmpFiles(FixtureDir())) {
        if (IsRle(name)) continue;
        const Bytes full = ReadFile(FixtureDir() + name + ".bmp");
        // The last row of a 13-pixel-wide file pads at most 3 bytes; only that may be missing.
        std::size_t shortest = full.size();
        for (std::size_t n = 0; n < full.size(); ++n) {
            Surface s;
            const Bytes cut(full.begin(), full.begin() + std::ptrdiff_t(n));
            if (DecodeBmp(cut.data(), cut.size(), &s)) {
                shortest = std::min(shortest, n);
                EXPECT_EQ(s.width, 13) << name << " cut to " << n;
            }
        }
        EXPECT_GE(shortest + 3, full.size())
            << name << " decoded with only " << shortest << " of " << full.size() << " bytes";
    }
}

TEST(BmpTruncation, RleFilesCutAnywhereStayConsistent) {
    for (const std::string& name : BmpFiles(FixtureDir())) {
        if (!IsRle(name)) continue;
        const Bytes full = ReadFile(FixtureDir() + name + ".bmp");
        for (std::size_t n = 0; n <= full.size(); ++n)
            ExpectConsistent(Bytes(full.begin(), full.begin() + std::ptrdiff_t(n)),
                             name + " cut to " + std::to_string(n));
    }
}

TEST(BmpCorruption, EveryHeaderByteSetToExtremesStaysConsistent) {
    for (const char* name : {"rgb24", "pal4", "rgb565", "core8", "rle8_delta", "rle4",
                             "argb32_fields", "os2v2_pal8"}) {
        const Bytes good = ReadFile(FixtureDir() + name + ".bmp");
        const std::size_t headerEnd = std::min<std::size_t>(good.size(), 140);
        for (std::size_t at = 0; at < headerEnd; ++at) {
            for (std::uint8_t value : {0x00, 0x01, 0x7F, 0x80, 0xFF}) {
                Bytes bad = good;
                bad[at] = value;
                ExpectConsistent(bad, std::string(name) + " byte " + std::to_string(at) + " = " +
                                          std::to_string(value));
            }
        }
    }
}

TEST(BmpArguments, NullDataOrOutputFails) {
    const Bytes file = ReadFile(FixtureDir() + "rgb24.bmp");
    Surface s = Stale();
    EXPECT_FALSE(DecodeBmp(nullptr, file.size(), &s));
    EXPECT_TRUE(s.pixels.empty());
    EXPECT_FALSE(DecodeBmp(file.data(), file.size(), nullptr));
    EXPECT_FALSE(DecodeBmp(file.data(), 0, &s));
}

}  // namespace
