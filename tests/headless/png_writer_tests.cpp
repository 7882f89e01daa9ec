// PNG output: exact pixels back, the requested area only, 8-bit RGB, and no
// half-written or lost files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

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

TEST(PngWriter, WritesTheAreaAsEightBitRgbAndReadsItBackExactly) {
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
}

TEST(PngWriter, FailuresLeaveNoFileAndExistingFilesAsTheyWere) {
    platform::HeadlessPlatform host;
    sandbox::TempFolder dir;
    for (const Rect& r : {Rect{0, 0, 5, 4}, Rect{-1, 0, 2, 2}, Rect{2, 2, 1, 3}}) {
        EXPECT_FALSE(WritePng(Picture(4, 4), r, dir.File("bad.png"))) << r;
        EXPECT_FALSE(fs::exists(dir.File("bad.png"))) << r;
    }
    ASSERT_TRUE(WritePng(Picture(3, 3), Rect{0, 0, 3, 3}, dir.File("keep.png")));
    const std::string before = sandbox::ReadBytes(dir.File("keep.png"));
    fs::create_symlink(dir.File("keep.png"),
                       dir.File("link.png"));  // replaced, not written through
    ASSERT_TRUE(WritePng(Picture(5, 5), Rect{0, 0, 5, 5}, dir.File("link.png")));
    EXPECT_FALSE(fs::is_symlink(dir.File("link.png")));
    EXPECT_EQ(sandbox::ReadBytes(dir.File("keep.png")), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), {}), 2);  // no temporary left
    EXPECT_FALSE(WritePng(Picture(2, 2), Rect{0, 0, 2, 2}, dir.File("missing/x.png")));

    sandbox::WriteBytes(dir.File("not.png"), "BM this is no PNG");
    Surface read = Picture(2, 2);
    EXPECT_FALSE(ReadPng(dir.File("not.png"), &read));
    EXPECT_TRUE(read.pixels.empty());
}

}  // namespace
