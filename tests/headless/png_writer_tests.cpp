// PNG output: exact pixels back, the requested area only, 8-bit RGB, and no
// half-written or lost files.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/headless/headless_platform.h"
#include "platform/headless/png_writer.h"

namespace {

namespace fs = std::filesystem;
using platform::ReadPng;
using platform::Rect;
using platform::WritePng;
using platform::raster::Pixel;
using platform::raster::Surface;

class PngWriter : public ::testing::Test {
  protected:
    void SetUp() override { fs::create_directories(dir_); }
    void TearDown() override { fs::remove_all(dir_); }
    std::string Path(const std::string& name) const { return (dir_ / name).string(); }

    platform::HeadlessPlatform host_;  // the file writes go through its System
    const fs::path dir_ = fs::temp_directory_path() /
                          ("velomar_png_" + std::to_string(::getpid()) + "_" +
                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
};

// Every pixel different, every channel used.
Surface Picture(int w, int h) {
    Surface s(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            s.At(x, y) = (Pixel(x * 37 + y) & 0xFF) << 16 | (Pixel(y * 53 + x * 3) & 0xFF) << 8 |
                         Pixel((x * y * 7 + 1) & 0xFF);
    return s;
}

std::vector<unsigned char> Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST_F(PngWriter, WritesTheAreaAsEightBitRgbAndReadsItBackExactly) {
    const Surface s = Picture(20, 10);
    Surface back;
    ASSERT_TRUE(WritePng(s, Rect{0, 0, 20, 10}, Path("a.png")));
    ASSERT_TRUE(ReadPng(Path("a.png"), &back));
    EXPECT_EQ(back.width, 20);
    EXPECT_EQ(back.height, 10);
    EXPECT_EQ(back.pixels, s.pixels);
    const auto b = Bytes(Path("a.png"));
    ASSERT_GT(b.size(), 33u);
    EXPECT_EQ(std::string(b.begin() + 12, b.begin() + 16), "IHDR");
    EXPECT_EQ(b[24], 8);  // bit depth
    EXPECT_EQ(b[25], 2);  // colour type: RGB, no alpha, no palette

    ASSERT_TRUE(WritePng(s, Rect{3, 2, 8, 9}, Path("part.png")));
    ASSERT_TRUE(ReadPng(Path("part.png"), &back));
    ASSERT_EQ(back.width, 5);
    ASSERT_EQ(back.height, 7);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 5; ++x) EXPECT_EQ(back.At(x, y), s.At(x + 3, y + 2)) << x << "," << y;
}

TEST_F(PngWriter, FailuresLeaveNoFileAndExistingFilesAsTheyWere) {
    const Surface s = Picture(4, 4);
    for (const Rect& r : {Rect{0, 0, 5, 4}, Rect{-1, 0, 2, 2}, Rect{0, 0, 0, 4}, Rect{2, 2, 1, 3},
                          Rect{4, 4, 4, 4}}) {
        EXPECT_FALSE(WritePng(s, r, Path("bad.png"))) << r;
        EXPECT_FALSE(fs::exists(Path("bad.png"))) << r;
    }
    EXPECT_FALSE(WritePng(Surface(), Rect{0, 0, 1, 1}, Path("bad.png")));

    ASSERT_TRUE(WritePng(Picture(3, 3), Rect{0, 0, 3, 3}, Path("keep.png")));
    const auto before = Bytes(Path("keep.png"));
    fs::create_symlink(Path("keep.png"), Path("link.png"));  // replaced, never written through
    ASSERT_TRUE(WritePng(Picture(5, 5), Rect{0, 0, 5, 5}, Path("link.png")));
    EXPECT_FALSE(fs::is_symlink(Path("link.png")));
    EXPECT_EQ(Bytes(Path("keep.png")), before);
    for (const auto& entry : fs::directory_iterator(dir_))
        EXPECT_EQ(entry.path().filename().string().find(".tmp."), std::string::npos) << entry.path();
    EXPECT_FALSE(WritePng(Picture(2, 2), Rect{0, 0, 2, 2}, Path("missing/dir/x.png")));
    EXPECT_FALSE(fs::exists(Path("missing")));

    std::ofstream(Path("not.png")) << "BM this is no PNG";
    Surface read = Picture(2, 2);
    EXPECT_FALSE(ReadPng(Path("not.png"), &read));
    EXPECT_TRUE(read.pixels.empty());
    EXPECT_FALSE(ReadPng(Path("absent.png"), &read));
}

}  // namespace
