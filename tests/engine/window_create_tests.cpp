// Creating the menu window: backgrounds of every kind, centring, logo loading.
#include <cstdlib>

#include "engine_fixture.h"

namespace enginetest {
namespace {

using platform::Rect;
using platform::raster::ColorRefOf;
using platform::raster::Surface;

constexpr int kClientW = 638;
constexpr int kClientH = 438;

ColorRef At(const Surface& s, int x, int y) { return ColorRefOf(s.At(x, y)); }

::testing::AssertionResult Near(ColorRef got, ColorRef want, int tolerance) {
    int dr = std::abs(int(platform::RedOf(got)) - platform::RedOf(want));
    int dg = std::abs(int(platform::GreenOf(got)) - platform::GreenOf(want));
    int db = std::abs(int(platform::BlueOf(got)) - platform::BlueOf(want));
    if (dr <= tolerance && dg <= tolerance && db <= tolerance) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "colour 0x" << std::hex << got << " is not near 0x" << want;
}

class BackgroundTest : public EngineTest {
  protected:
    Surface PaintedClient(const std::string& background) {
        TestProject p;
        p.background = background;
        wnd_ = CreateRuntimeWindow(p);
        wnd_->StartShow();
        return Client(*wnd_);
    }
    std::unique_ptr<CInstallerWnd> wnd_;
};

TEST_F(BackgroundTest, SolidColourFillsTheClientArea) {
    Surface s = PaintedClient("@@00000001ff8000");
    ASSERT_EQ(kClientW, s.width);
    ASSERT_EQ(kClientH, s.height);
    EXPECT_TRUE(AreaIs(s, {0, 0, kClientW, kClientH}, Rgb(0xff, 0x80, 0x00)));
    EXPECT_TRUE(services_.messages.empty());
}

TEST_F(BackgroundTest, HexDigitsAreReadInEitherCase) {
    Surface s = PaintedClient("@@00000001A0b0C0");
    EXPECT_TRUE(AreaIs(s, {0, 0, kClientW, kClientH}, Rgb(0xa0, 0xb0, 0xc0)));
}

TEST_F(BackgroundTest, VerticalDitherRunsFromTheColourToLightGrey) {
    Surface s = PaintedClient("@@0000000d0000ff");
    EXPECT_TRUE(Near(At(s, 0, 0), Rgb(0, 0, 255), 1));
    EXPECT_TRUE(Near(At(s, 300, kClientH - 1), Rgb(240, 240, 240), 3));
    EXPECT_TRUE(Near(At(s, 100, kClientH / 2), Rgb(120, 120, 248), 4));
    // Vertical: every row is one colour; darker red at the top than at the bottom.
    EXPECT_TRUE(AreaIs(s, {0, 200, kClientW, 201}, At(s, 0, 200)));
    EXPECT_LT(platform::RedOf(At(s, 0, 100)), platform::RedOf(At(s, 0, 300)));
}

TEST_F(BackgroundTest, HorizontalDitherTowardsBlack) {
    Surface s = PaintedClient("@@00000013ff0000");
    EXPECT_TRUE(Near(At(s, 0, 0), Rgb(255, 0, 0), 1));
    EXPECT_TRUE(Near(At(s, kClientW - 1, 10), Rgb(0, 0, 0), 2));
    EXPECT_TRUE(Near(At(s, kClientW / 2, 10), Rgb(128, 0, 0), 4));
    // Horizontal: every column is one colour.
    EXPECT_TRUE(AreaIs(s, {300, 0, 301, kClientH}, At(s, 300, 0)));
}

TEST_F(BackgroundTest, HorizontalWinsWhenBothDirectionsAreSet) {
    Surface s = PaintedClient("@@000000070000ff");
    EXPECT_TRUE(Near(At(s, kClientW - 1, 0), Rgb(240, 240, 240), 3));
    EXPECT_TRUE(AreaIs(s, {400, 0, 401, kClientH}, At(s, 400, 0)));
}

TEST_F(BackgroundTest, DitherToWhiteFlagStillEndsInLightGrey) {
    Surface s = PaintedClient("@@0000000b000000");
    EXPECT_TRUE(Near(At(s, kClientW - 1, 0), Rgb(240, 240, 240), 3));
}

TEST_F(BackgroundTest, ColourCodeWithoutColourFlagFailsWithMessage) {
    TestProject p;
    p.background = "@@00000002ff0000";
    auto wnd = MakeWindow(p);
    using namespace platform::ws;
    EXPECT_FALSE(wnd->Create(0, Popup | Visible | Border | SysMenu, nullptr));
    ASSERT_EQ(1u, services_.messages.size());
    EXPECT_EQ("Failed to load our background bitmap!\n", services_.messages[0]);
}

TEST_F(BackgroundTest, NameWithSingleAtIsAFileName) {
    TestProject p;
    p.background = "@00000001ff0000";
    auto wnd = MakeWindow(p);
    EXPECT_FALSE(wnd->Create(0, platform::ws::Popup, nullptr));
    ASSERT_EQ(1u, services_.messages.size());
    EXPECT_EQ("Failed to load our background bitmap!\n", services_.messages[0]);
}

// A picture in four quadrants, so scaling shows at the corners and the middle.
void WriteQuadrants(const std::string& path, int w, int h) {
    WriteBmp(path, w, h, [w, h](int x, int y) {
        bool right = x >= w / 2;
        bool bottom = y >= h / 2;
        if (!bottom) return right ? Rgb(0, 255, 0) : Rgb(255, 0, 0);
        return right ? Rgb(255, 255, 255) : Rgb(0, 0, 255);
    });
}

void ExpectQuadrantsFillTheClient(const Surface& s) {
    const int mx = kClientW / 2;
    const int my = kClientH / 2;
    EXPECT_TRUE(AreaIs(s, {0, 0, mx - 1, my - 1}, Rgb(255, 0, 0)));
    EXPECT_TRUE(AreaIs(s, {mx + 1, 0, kClientW, my - 1}, Rgb(0, 255, 0)));
    EXPECT_TRUE(AreaIs(s, {0, my + 1, mx - 1, kClientH}, Rgb(0, 0, 255)));
    EXPECT_TRUE(AreaIs(s, {mx + 1, my + 1, kClientW, kClientH}, Rgb(255, 255, 255)));
}

TEST_F(BackgroundTest, LargeBitmapIsShrunkToTheClientArea) {
    WriteQuadrants(dir_.Path() + "res/big.bmp", 800, 600);
    ExpectQuadrantsFillTheClient(PaintedClient("res\\big.bmp"));
}

TEST_F(BackgroundTest, SmallBitmapIsStretchedToTheClientArea) {
    WriteQuadrants(dir_.Path() + "res/small.bmp", 320, 240);
    ExpectQuadrantsFillTheClient(PaintedClient("res\\small.bmp"));
}

TEST_F(BackgroundTest, MissingBitmapFailsWithMessage) {
    TestProject p;
    p.background = "res\\missing.bmp";
    auto wnd = MakeWindow(p);
    EXPECT_FALSE(wnd->Create(0, platform::ws::Popup | platform::ws::Visible, nullptr));
    ASSERT_EQ(1u, services_.messages.size());
    EXPECT_EQ("Failed to load our background bitmap!\n", services_.messages[0]);
}

class CreateTest : public EngineTest {};

TEST_F(CreateTest, RuntimeWindowIsCentredOnTheScreen) {
    auto wnd = CreateRuntimeWindow(TestProject{});
    const platform::WindowParams& params = Host(*wnd)->Params();
    EXPECT_EQ((1024 - 640) / 2, params.x);
    EXPECT_EQ((768 - 440) / 2, params.y);
    EXPECT_EQ(640, params.width);
    EXPECT_EQ(440, params.height);
    EXPECT_EQ("Installer Window", params.title);
    EXPECT_EQ(0x000Bu, params.windowClass.classStyle);
    EXPECT_EQ(nullptr, params.parent);
    EXPECT_EQ(0x90880000u, params.style);
}

std::unique_ptr<platform::Window> MakeParent(platform::HeadlessWindowSystem& windows, int w,
                                             int h) {
    platform::WindowParams params;
    params.style = platform::ws::Popup | platform::ws::Visible;
    params.width = w;
    params.height = h;
    return windows.CreateHostWindow(params, nullptr);
}

TEST_F(CreateTest, ChildIsCentredInItsParentOrPutAtZero) {
    using namespace platform::ws;
    auto wide = MakeParent(windows_, 840, 300);
    auto wnd = MakeWindow(TestProject{});
    ASSERT_TRUE(wnd->Create(0, Child | Visible | Border, wide.get()));
    EXPECT_EQ(100, Host(*wnd)->Params().x);
    EXPECT_EQ(0, Host(*wnd)->Params().y);  // 300 < 440: never negative
    EXPECT_EQ(wide.get(), Host(*wnd)->Params().parent);

    auto tall = MakeParent(windows_, 500, 640);
    auto other = std::make_unique<CInstallerWnd>(dir_.Path());
    ASSERT_TRUE(other->Create(0, Child | Visible | Border, tall.get()));
    EXPECT_EQ(0, Host(*other)->Params().x);
    EXPECT_EQ(100, Host(*other)->Params().y);
}

TEST_F(CreateTest, LogoSizesArePositiveForBothRowOrders) {
    WriteSolidBmp(dir_.Path() + "res/up.bmp", 30, 20, Rgb(1, 2, 3));
    WriteBmp(
        dir_.Path() + "res/down.bmp", 17, 9, [](int, int) { return Rgb(4, 5, 6); }, true);
    TestProject p;
    p.logos = {{"res\\up.bmp", {0, 0}}, {"res\\DOWN.BMP", {0, 0}}};
    auto wnd = CreateRuntimeWindow(p);
    EXPECT_EQ(30, wnd->Settings->LogoWidth[0]);
    EXPECT_EQ(20, wnd->Settings->LogoHeight[0]);
    EXPECT_EQ(17, wnd->Settings->LogoWidth[1]);
    EXPECT_EQ(9, wnd->Settings->LogoHeight[1]);
    EXPECT_NE(nullptr, wnd->HotSpotFont);
}

TEST_F(CreateTest, MissingLogoFailsWithTraceOnly) {
    WriteSolidBmp(dir_.Path() + "res/a.bmp", 4, 4, Rgb(1, 2, 3));
    TestProject p;
    p.logos = {{"res\\a.bmp", {0, 0}}, {"res\\gone.bmp", {0, 0}}};
    auto wnd = MakeWindow(p);
    EXPECT_FALSE(wnd->Create(0, platform::ws::Popup, nullptr));
    EXPECT_TRUE(services_.messages.empty());
    ASSERT_FALSE(services_.traces.empty());
    EXPECT_EQ("Failed to load our LOGO bitmap res\\gone.bmp!\n", services_.traces.back());
    // The background was made and the first logo stays until the settings are cleared.
    EXPECT_NE(nullptr, wnd->Settings->BackgroundBitmap);
    EXPECT_NE(nullptr, wnd->Settings->LogoBitmap[0]);
}

TEST_F(CreateTest, FailsWhenSettingsCannotBeReadOrTheWindowCannotBeMade) {
    auto none = std::make_unique<CInstallerWnd>(dir_.Path());
    EXPECT_FALSE(none->Create(0, platform::ws::Popup, nullptr));
    EXPECT_EQ(nullptr, none->Wnd);
    EXPECT_TRUE(windows_.Windows().empty());

    auto wnd = MakeWindow(TestProject{});
    windows_.FailNextCreate();
    EXPECT_FALSE(wnd->Create(0, platform::ws::Popup, nullptr));
    EXPECT_EQ(nullptr, wnd->Wnd);
}

}  // namespace
}  // namespace enginetest
