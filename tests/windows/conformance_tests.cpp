// The same drawing scenes through Win32 GDI (the x86_64 build under wine64) and
// through the portable raster: every pixel must match.
#include <gtest/gtest.h>

#include "platform/platform.h"
#include "platform/raster/raster_bitmap.h"
#include "platform/raster/raster_graphics.h"
#include "scenes.h"
#include "wine_session.h"

namespace {

using platform::raster::Surface;

class Conformance : public ::testing::TestWithParam<scenes::Scene> {
  protected:
    // The Windows side draws every scene once, into dumps.
    static void SetUpTestSuite() {
        wintest::WineSession& wine = wintest::WineSession::Get();
        if (!wine.ok()) {
            error_ = wine.error();
            return;
        }
        dumps_ = wintest::ScratchDir("conformance");
        const std::string exe =
            VELOMAR_WINDOWS_X86_64_DIR "/tests/windows/win32/velomar_conformance_dump.exe";
        if (xtest::Run(wine.Program(exe, {dumps_}, dumps_), 120000) != 0)
            error_ = "velomar_conformance_dump failed";
    }

    static std::string dumps_, error_;
};
std::string Conformance::dumps_, Conformance::error_;

TEST_P(Conformance, Win32AndRasterDrawTheSame) {
    ASSERT_EQ(error_, "");
    const scenes::Scene& scene = GetParam();
    Surface win32;
    ASSERT_TRUE(scenes::ReadDump(dumps_ + "/" + scene.name + ".raw", &win32));

    // The window's transparent drawing takes its objects from the installed platform.
    platform::raster::RasterGraphics graphics;
    platform::Platform drawingOnly;
    drawingOnly.graphics = &graphics;
    platform::Install(drawingOnly);
    auto bitmap = scenes::Render(graphics, scene);
    ASSERT_NE(bitmap, nullptr);
    const Surface& raster = static_cast<platform::raster::RasterBitmap&>(*bitmap).surface();

    ASSERT_EQ(win32.width, raster.width);
    ASSERT_EQ(win32.height, raster.height);
    int differing = 0;
    for (int y = 0; y < raster.height; ++y)
        for (int x = 0; x < raster.width; ++x)
            if (win32.At(x, y) != raster.At(x, y) && differing++ == 0)
                ADD_FAILURE() << "first difference at (" << x << "," << y << "): win32 " << std::hex
                              << win32.At(x, y) << ", raster " << raster.At(x, y);
    EXPECT_EQ(differing, 0);
}

INSTANTIATE_TEST_SUITE_P(Scenes, Conformance, ::testing::ValuesIn(scenes::All()),
                         [](const ::testing::TestParamInfo<scenes::Scene>& info) {
                             return info.param.name;
                         });

}  // namespace
