// PNG output: exact pixels back as 8-bit RGB, and no half-written or lost files.
#include <gtest/gtest.h>

#include <filesystem>

#include "../support/project_sandbox.h"
#include "platform/headless/headless_platform.h"
#include "platform/headless/png_writer.h"

namespace {

namespace fs = std::filesystem;
using platform::ReadPng;
using platform::Rect;
using platform::WritePng;
using platform::raster::Pixel;
using platform::raster::Surface;

// Every pixel different, every channel used.
Surface Picture(int w, int h) {
    Surface s(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            s.At(x, y) = (Pixel(x * 37 + y) & 0xFF) << 16 | (Pixel(y * 53 + x * 3) & 0xFF) << 8 |
                         Pixel((x * y * 7 + 1) & 0xFF);
    return s;
}

TEST(PngWriter, WritesExactRgbInPlaceOfWhatIsThere) {
    platform::HeadlessPlatform host;  // the file writes go through its System
    sandbox::TempFolder dir;
    const Surface s = Picture(20, 10);
    Surface back;
    ASSERT_TRUE(WritePng(s, Rect{3, 2, 8, 9}, dir.File("part.png")));
    ASSERT_TRUE(ReadPng(dir.File("part.png"), &back));
    ASSERT_EQ(back.width, 5);
    ASSERT_EQ(back.height, 7);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 5; ++x) EXPECT_EQ(back.At(x, y), s.At(x + 3, y + 2)) << x << "," << y;
    const std::string bytes = sandbox::ReadBytes(dir.File("part.png"));
    ASSERT_GT(bytes.size(), 33u);
    EXPECT_EQ(bytes.substr(12, 4), "IHDR");
    EXPECT_EQ(bytes.substr(24, 2), std::string("\x08\x02"));  // 8 bits, RGB without alpha

    // A link in the way is replaced, never written through; no temporary is left.
    fs::create_symlink(dir.File("part.png"), dir.File("link.png"));
    ASSERT_TRUE(WritePng(s, Rect{0, 0, 20, 10}, dir.File("link.png")));
    EXPECT_FALSE(fs::is_symlink(dir.File("link.png")));
    EXPECT_EQ(sandbox::ReadBytes(dir.File("part.png")), bytes);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), {}), 2);
    EXPECT_FALSE(WritePng(s, Rect{0, 0, 20, 10}, dir.File("missing/x.png")));
    EXPECT_FALSE(WritePng(s, Rect{0, 0, 21, 10}, dir.File("large.png")));
    EXPECT_FALSE(fs::exists(dir.File("large.png")));
}

}  // namespace
