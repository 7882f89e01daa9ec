// The hand cursor of the hotspots (resources/hand.cur), as the Windows runtime
// carries it: 32 x 32, 16 colours, the hot spot at the raised fingertip.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "process.h"
#include "wine_session.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

unsigned U16(const Bytes& b, std::size_t at) { return b[at] | (b[at + 1] << 8); }
std::uint32_t U32(const Bytes& b, std::size_t at) { return U16(b, at) | (U16(b, at + 2) << 16); }

// The image of a one-entry .cur: palette indices and the transparency mask.
struct CursorImage {
    int hotX = 0, hotY = 0, width = 0, height = 0, bits = 0;
    int index[32][32] = {};
    bool transparent[32][32] = {};
};

bool Parse(const Bytes& f, CursorImage* c) {
    if (f.size() < 22 + 40 + 64 + 512 + 128 || U16(f, 0) != 0 || U16(f, 2) != 2 || U16(f, 4) != 1)
        return false;
    c->width = f[6];
    c->height = f[7];
    c->hotX = int(U16(f, 10));
    c->hotY = int(U16(f, 12));
    std::size_t dib = U32(f, 18);
    if (dib + 40 + 64 + 512 + 128 > f.size()) return false;
    c->bits = int(U16(f, dib + 14));
    std::size_t xorBits = dib + 40 + 64, andBits = xorBits + 512;
    for (int row = 0; row < 32; ++row) {
        int y = 31 - row;  // bottom-up
        for (int x = 0; x < 32; ++x) {
            std::uint8_t pair = f[xorBits + std::size_t(row) * 16 + std::size_t(x) / 2];
            c->index[y][x] = x % 2 ? pair & 0x0F : pair >> 4;
            std::uint8_t mask = f[andBits + std::size_t(row) * 4 + std::size_t(x) / 8];
            c->transparent[y][x] = (mask >> (7 - x % 8)) & 1;
        }
    }
    return true;
}

const std::string kCursor = wintest::SourceDir() + "/resources/hand.cur";

TEST(HandCursor, Is32By32In16ColoursWithTheHotSpotAtTheFingertip) {
    CursorImage c;
    ASSERT_TRUE(Parse(ReadFile(kCursor), &c));
    EXPECT_EQ(c.width, 32);
    EXPECT_EQ(c.height, 32);
    EXPECT_EQ(c.bits, 4);
    EXPECT_EQ(c.hotX, 12);
    EXPECT_EQ(c.hotY, 1);

    // The hot spot is the top of the finger: drawn black, with nothing drawn
    // above it or anywhere higher in the picture.
    EXPECT_FALSE(c.transparent[1][12]);
    EXPECT_EQ(c.index[1][12], 0);
    for (int x = 0; x < 32; ++x) EXPECT_TRUE(c.transparent[0][x]) << "x " << x;
    // A transparent pixel must not invert the screen: its colour bits are 0.
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            EXPECT_TRUE(!c.transparent[y][x] || c.index[y][x] == 0) << x << "," << y;
    // The finger is filled white below its tip.
    EXPECT_FALSE(c.transparent[3][12]);
    EXPECT_EQ(c.index[3][12], 15);
}

TEST(HandCursor, CommittedFilesAreWhatTheScriptDraws) {
    std::string out = wintest::ScratchDir("cursor_script");
    std::string output;
    int code = -1;
    ASSERT_TRUE(wintest::RunCapture(
        wintest::Launch{{VELOMAR_PYTHON, wintest::SourceDir() + "/resources/make_images.py", out}},
        60000, &output, &code));
    ASSERT_EQ(code, 0);
    for (const char* name : {"hand.cur", "velomar.ico"}) {
        Bytes drawn = ReadFile(out + "/" + name);
        EXPECT_FALSE(drawn.empty()) << name;
        EXPECT_EQ(drawn, ReadFile(wintest::SourceDir() + "/resources/" + name)) << name;
    }
}

}  // namespace
