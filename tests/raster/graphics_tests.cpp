// RasterGraphics::LoadBitmapFile: a real file through the BMP decoder, and
// the ways loading fails.
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "platform/raster/raster_graphics.h"
#include "raster_test_support.h"

using namespace raster_test;

namespace {

namespace fs = std::filesystem;

struct LoadTest : ::testing::Test {
    platform::raster::RasterGraphics g;
    fs::path dir = fs::temp_directory_path() / ("raster_load_" + std::to_string(::getpid()));

    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }

    std::string Write(const std::string& name, const std::vector<std::uint8_t>& bytes) {
        const fs::path path = dir / name;
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        return path.string();
    }
};

// A 2 x 2, 24-bit, bottom-up file: rows of 6 bytes padded to 8, blue first.
std::vector<std::uint8_t> TwoByTwo() {
    return {'B',  'M',  70,   0,    0,    0,    0, 0, 0, 0, 54, 0, 0, 0,  // file header
            40,   0,    0,    0,    2,    0,    0, 0, 2, 0, 0,  0, 1, 0, 24, 0,
            0,    0,    0,    0,    16,   0,    0, 0,                            // info
            0,    0,    0,    0,    0,    0,    0, 0, 0, 0, 0,  0, 0, 0, 0,  0,  // ...
            0x30, 0x20, 0x10, 0xFF, 0xFF, 0xFF, 0, 0,                            // bottom row
            0x00, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0, 0};                           // top row
}

TEST_F(LoadTest, LoadsAFileAsAColourBitmapThatDrawsItsPixels) {
    auto bitmap = g.LoadBitmapFile(Write("logo.bmp", TwoByTwo()));
    ASSERT_NE(bitmap, nullptr);
    platform::BitmapInfo info;
    ASSERT_TRUE(bitmap->GetInfo(&info));
    EXPECT_EQ(info.width, 2);
    EXPECT_EQ(info.height, 2);
    EXPECT_EQ(info.bitsPixel, 32);

    RasterDC src;
    src.SelectBitmap(bitmap.get());
    Canvas dst(2, 2, K);
    ASSERT_TRUE(dst.dc.BitBlt(0, 0, 2, 2, src, 0, 0, platform::Rop::SrcCopy));
    EXPECT_TRUE(SurfaceIs(dst.surface(), Rows{{0xFF0000, 0x00FF00}, {0x102030, 0xFFFFFF}}));
}

TEST_F(LoadTest, MissingEmptyTruncatedOrForeignFilesGiveNoBitmap) {
    EXPECT_EQ(g.LoadBitmapFile((dir / "missing.bmp").string()), nullptr);
    EXPECT_EQ(g.LoadBitmapFile(Write("empty.bmp", {})), nullptr);
    auto truncated = TwoByTwo();
    truncated.resize(30);
    EXPECT_EQ(g.LoadBitmapFile(Write("cut.bmp", truncated)), nullptr);
    EXPECT_EQ(g.LoadBitmapFile(Write("text.bmp", {'h', 'e', 'l', 'l', 'o'})), nullptr);
    EXPECT_EQ(g.LoadBitmapFile(dir.string()), nullptr);  // a folder, not a file
}

}  // namespace
