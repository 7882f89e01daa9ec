// PNG output: 8-bit RGB, and no half-written or lost files.
#include <gtest/gtest.h>

#include "../support/project_sandbox.h"
#include "platform/headless/headless_platform.h"
#include "platform/headless/png_writer.h"

namespace {

namespace fs = std::filesystem;
using platform::Rect;
using platform::WritePng;
using platform::raster::Surface;

// What the CLI's render writes: its pixels are checked by the render tests.
TEST(PngWriter, WritesRgbInPlaceOfWhatIsThere) {
    platform::HeadlessPlatform host;  // the file writes go through its System
    sandbox::TempFolder dir;
    const Surface s(20, 10, false, 0x336699);
    ASSERT_TRUE(WritePng(s, Rect{0, 0, 20, 10}, dir.File("a.png")));
    const std::string bytes = sandbox::ReadBytes(dir.File("a.png"));
    ASSERT_GT(bytes.size(), 33u);
    EXPECT_EQ(bytes.substr(12, 4), "IHDR");
    EXPECT_EQ(bytes.substr(24, 2), std::string("\x08\x02"));  // 8 bits, RGB without alpha

    // A link in the way is replaced, never written through; no temporary is left.
    fs::create_symlink(dir.File("a.png"), dir.File("link.png"));
    ASSERT_TRUE(WritePng(s, Rect{0, 0, 10, 10}, dir.File("link.png")));
    EXPECT_FALSE(fs::is_symlink(dir.File("link.png")));
    EXPECT_EQ(sandbox::ReadBytes(dir.File("a.png")), bytes);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), {}), 2);
    EXPECT_FALSE(WritePng(s, Rect{0, 0, 20, 10}, dir.File("missing/x.png")));
    EXPECT_FALSE(WritePng(s, Rect{0, 0, 21, 10}, dir.File("large.png")));
    EXPECT_FALSE(fs::exists(dir.File("large.png")));
}

}  // namespace
