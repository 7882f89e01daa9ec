// The same drawing scenes through Win32 GDI (the x86_64 build under wine64) and
// through the portable raster, compared pixel by pixel.
#include <gtest/gtest.h>

#include <iostream>
#include <sstream>

#include "platform/platform.h"
#include "platform/raster/raster_bitmap.h"
#include "platform/raster/raster_graphics.h"
#include "scenes.h"
#include "wine_session.h"

namespace {

// Differences the two sides are allowed, each inside a region of one scene
// and with its reason. Everywhere else every pixel must match exactly.
struct Allowance {
    const char* scene;
    platform::Rect region;
    const char* why;
};
const Allowance kAllowances[] = {
    {"solid_fills",
     {15, 5, 21, 11},
     "FillRect of an inverted rectangle (right < left, bottom < top): GDI hands it to PatBlt "
     "with negative extents and fills the mirrored span (right, left] x (bottom, top]; the "
     "raster fills nothing, by choice. The window only ever fills whole bitmaps."},
};

struct Difference {
    int count = 0;
    int firstX = -1, firstY = -1;
    std::uint32_t win32 = 0, raster = 0;
};

// Pixels that differ outside the allowed regions of the scene.
Difference Compare(const std::string& scene, const scenes::Picture& a, const scenes::Picture& b,
                   int* allowedDifferences) {
    Difference d;
    *allowedDifferences = 0;
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x) {
            std::uint32_t p = a.pixels[std::size_t(y) * a.width + x];
            std::uint32_t q = b.pixels[std::size_t(y) * b.width + x];
            if (p == q) continue;
            bool allowed = false;
            for (const Allowance& al : kAllowances)
                allowed = allowed || (scene == al.scene && al.region.Contains({x, y}));
            if (allowed) {
                ++*allowedDifferences;
                continue;
            }
            if (d.count++ == 0) {
                d.firstX = x;
                d.firstY = y;
                d.win32 = p;
                d.raster = q;
            }
        }
    return d;
}

std::string Describe(const Difference& d) {
    std::ostringstream os;
    os << d.count << " pixels differ; the first at (" << d.firstX << "," << d.firstY << "): win32 "
       << std::hex << d.win32 << ", raster " << d.raster;
    return os.str();
}

class Conformance : public ::testing::TestWithParam<scenes::Scene> {
  protected:
    // The Windows side draws every scene once, into dumps.
    static void SetUpTestSuite() {
        wintest::WineSession& session = wintest::WineSession::Get();
        if (!session.ok()) {
            setupError_ = session.error();
            return;
        }
        dumps_ = wintest::ScratchDir("conformance");
        std::string output;
        int code = -1;
        std::string exe =
            wintest::WindowsBuildDir() + "/tests/windows/win32/velomar_conformance_dump.exe";
        if (!wintest::RunCapture(session.Program(exe, {dumps_}, dumps_), 120000, &output, &code) ||
            code != 0)
            setupError_ = "velomar_conformance_dump failed: " + output;
    }

    static std::string dumps_;
    static std::string setupError_;
};
std::string Conformance::dumps_;
std::string Conformance::setupError_;

TEST_P(Conformance, Win32AndRasterDrawTheSame) {
    ASSERT_EQ(setupError_, "");
    const scenes::Scene& scene = GetParam();
    scenes::Picture win32;
    ASSERT_TRUE(scenes::ReadDump(dumps_ + "/" + scene.name + ".raw", &win32));

    // The window's transparent drawing takes its objects from the installed platform.
    platform::raster::RasterGraphics graphics;
    platform::Platform drawingOnly;
    drawingOnly.graphics = &graphics;
    platform::Install(drawingOnly);
    auto bitmap = scenes::Render(graphics, scene);
    ASSERT_NE(bitmap, nullptr);
    const auto& surface = static_cast<platform::raster::RasterBitmap&>(*bitmap).surface();
    scenes::Picture raster{surface.width, surface.height, surface.pixels};

    ASSERT_EQ(win32.width, raster.width);
    ASSERT_EQ(win32.height, raster.height);
    int allowed = 0;
    Difference d = Compare(scene.name, win32, raster, &allowed);
    EXPECT_EQ(d.count, 0) << Describe(d);
    // An allowance that no longer applies hides nothing: the region then matches.
    if (allowed > 0) std::cout << scene.name << ": " << allowed << " allowed differences\n";
}

INSTANTIATE_TEST_SUITE_P(Scenes, Conformance, ::testing::ValuesIn(scenes::All()),
                         [](const ::testing::TestParamInfo<scenes::Scene>& info) {
                             return info.param.name;
                         });

}  // namespace
