// The hand cursor of the hotspots (resources/hand.cur): 32 x 32, 16 colours,
// the hot spot at the raised fingertip, and what the script draws.
#include <gtest/gtest.h>

#include <string>

#include "process.h"
#include "wine_session.h"

namespace {

const std::string kResources = VELOMAR_SOURCE_DIR "/resources/";

TEST(HandCursor, Is32By32In16ColoursWithTheHotSpotAtTheFingertip) {
    const std::string f = xtest::ReadFile(kResources + "hand.cur");
    auto u16 = [&](std::size_t at) {
        return unsigned(std::uint8_t(f[at]) | std::uint8_t(f[at + 1]) << 8);
    };
    ASSERT_GE(f.size(), 22u + 40 + 64 + 512 + 128);
    EXPECT_EQ(u16(2), 2u) << "a cursor";
    ASSERT_EQ(u16(4), 1u) << "one image";
    EXPECT_EQ(f[6], 32);
    EXPECT_EQ(f[7], 32);
    EXPECT_EQ(u16(10), 12u);  // hot spot
    EXPECT_EQ(u16(12), 1u);
    const std::size_t dib = u16(18) | u16(20) << 16;
    ASSERT_LE(dib + 40 + 64 + 512 + 128, f.size());
    EXPECT_EQ(u16(dib + 14), 4u) << "bits per pixel";

    // Rows are stored bottom-up: 4-bit palette indices, then the transparency mask.
    const std::size_t colours = dib + 40 + 64, mask = colours + 512;
    auto index = [&](int x, int y) {
        const std::uint8_t pair = f[colours + std::size_t(31 - y) * 16 + std::size_t(x) / 2];
        return x % 2 ? pair & 0x0F : pair >> 4;
    };
    auto transparent = [&](int x, int y) {
        return (f[mask + std::size_t(31 - y) * 4 + std::size_t(x) / 8] >> (7 - x % 8)) & 1;
    };
    // The hot spot is the top of the finger, drawn black, with nothing above
    // it; below its tip the finger is white.
    EXPECT_FALSE(transparent(12, 1));
    EXPECT_EQ(index(12, 1), 0);
    for (int x = 0; x < 32; ++x) EXPECT_TRUE(transparent(x, 0)) << "x " << x;
    EXPECT_FALSE(transparent(12, 3));
    EXPECT_EQ(index(12, 3), 15);
    // A transparent pixel must not invert the screen: its colour bits are 0.
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            EXPECT_TRUE(!transparent(x, y) || index(x, y) == 0) << x << "," << y;
}

TEST(HandCursor, CommittedFilesAreWhatTheScriptDraws) {
    const std::string out = wintest::ScratchDir("cursor_script");
    ASSERT_EQ(xtest::Run({{VELOMAR_PYTHON, kResources + "make_images.py", out}}, 60000), 0);
    for (const char* name : {"hand.cur", "velomar.ico"}) {
        const std::string drawn = xtest::ReadFile(out + "/" + name);
        EXPECT_FALSE(drawn.empty()) << name;
        EXPECT_EQ(drawn, xtest::ReadFile(kResources + name)) << name;
    }
}

}  // namespace
