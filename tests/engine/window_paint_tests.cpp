// Painting the menu: logos with their mask colour, stacking order, what the
// first paint shows, and the start of the show.
#include "engine_fixture.h"

namespace enginetest {
namespace {

using platform::raster::Surface;

constexpr ColorRef kGreen = Rgb(0, 255, 0);
constexpr ColorRef kRed = Rgb(255, 0, 0);
constexpr ColorRef kBlue = Rgb(0, 0, 255);
constexpr ColorRef kMagenta = Rgb(255, 0, 255);

class PaintTest : public EngineTest {
  protected:
    TestProject GreenProject() {
        TestProject p;
        p.background = "@@0000000100ff00";
        return p;
    }
};

TEST_F(PaintTest, MaskColourPixelsShowTheBackground) {
    // Left half the mask colour; right half red with one pixel that differs
    // from the mask in the green component only.
    WriteBmp(dir_.Path() + "res/logo.bmp", 20, 10, [](int x, int y) {
        if (x == 15 && y == 5) return Rgb(255, 1, 255);
        return x < 10 ? kMagenta : kRed;
    });
    TestProject p = GreenProject();
    p.logos = {{"res\\logo.bmp", {100, 40}, 0, {}, 0, kMagenta}};
    auto wnd = CreateRuntimeWindow(p);
    wnd->StartShow();
    Surface s = Client(*wnd);
    EXPECT_TRUE(AreaIs(s, {100, 40, 110, 50}, kGreen));
    EXPECT_TRUE(AreaIs(s, {110, 40, 115, 50}, kRed));
    EXPECT_EQ(Rgb(255, 1, 255), ClientPixel(*wnd, 115, 45));
    EXPECT_TRUE(AreaIs(s, {120, 40, 130, 50}, kGreen));  // right of the logo
    EXPECT_TRUE(AreaIs(s, {100, 50, 130, 51}, kGreen));  // below it
}

TEST_F(PaintTest, LaterLogosLieOverEarlierOnesAndTextOverAll) {
    WriteSolidBmp(dir_.Path() + "res/red.bmp", 40, 40, kRed);
    WriteSolidBmp(dir_.Path() + "res/blue.bmp", 40, 40, kBlue);
    TestProject p = GreenProject();
    p.logos = {{"res\\red.bmp", {10, 10}}, {"res\\blue.bmp", {30, 30}}};
    p.textColor = Rgb(255, 255, 255);
    p.hotspots = {{"XXXX", 35, 35}};
    auto wnd = CreateRuntimeWindow(p);
    wnd->StartShow();
    Surface s = Client(*wnd);
    const platform::Rect r = wnd->Settings->HotSpotRect[0];
    ASSERT_LT(r.bottom, 62);
    EXPECT_TRUE(AreaIs(s, {10, 10, 30, 30}, kRed));
    EXPECT_TRUE(AreaIs(s, {30, 62, 70, 70}, kBlue));

    // The text is drawn in the text colour on top of the blue logo.
    int white = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) white += ClientPixel(*wnd, x, y) == p.textColor;
    EXPECT_GT(white, 10);
}

TEST_F(PaintTest, FirstPaintLeavesMovingLogosOut) {
    WriteSolidBmp(dir_.Path() + "res/still.bmp", 10, 10, kRed);
    WriteSolidBmp(dir_.Path() + "res/moving.bmp", 10, 10, kBlue);
    TestProject p = GreenProject();
    p.logos = {{"res\\still.bmp", {20, 20}}, {"res\\moving.bmp", {200, 100}, 1, {50, 50}}};
    auto wnd = CreateRuntimeWindow(p);
    wnd->StartShow();
    Surface s = Client(*wnd);
    EXPECT_TRUE(AreaIs(s, {20, 20, 30, 30}, kRed));
    EXPECT_TRUE(AreaIs(s, {200, 100, 210, 110}, kGreen));
    EXPECT_TRUE(AreaIs(s, {50, 50, 60, 60}, kGreen));

    // A repaint before the animation is done still leaves it out.
    Host(*wnd)->Invalidate();
    windows_.Pump();
    EXPECT_TRUE(AreaIs(Client(*wnd), {200, 100, 210, 110}, kGreen));
}

TEST_F(PaintTest, StillPictureShowsEveryLogoAtItsLocation) {
    // The editor's preview: animation marked done before Create, no StartShow.
    WriteSolidBmp(dir_.Path() + "res/moving.bmp", 10, 10, kBlue);
    TestProject p = GreenProject();
    p.logos = {{"res\\moving.bmp", {200, 100}, 1, {50, 50}, 1}};
    auto wnd = MakeWindow(p);
    wnd->SetAnnimationDone(1);
    ASSERT_TRUE(wnd->Create(0, platform::ws::Popup | platform::ws::Visible, nullptr));
    windows_.Pump();
    EXPECT_TRUE(AreaIs(Client(*wnd), {200, 100, 210, 110}, kBlue));
    EXPECT_TRUE(Host(*wnd)->Timers().empty());
}

TEST_F(PaintTest, PaintWithoutSettingsDrawsNothingAndValidates) {
    auto wnd = CreateRuntimeWindow(GreenProject());
    wnd->StartShow();
    wnd->ClearSettings();
    wnd->Settings->NumberOfLogosToDraw = 0;
    Host(*wnd)->Invalidate();
    windows_.Pump();
    EXPECT_FALSE(Host(*wnd)->NeedsPaint());
    EXPECT_EQ(0, Host(*wnd)->UnendedPaintCount());
    EXPECT_TRUE(AreaIs(Client(*wnd), {0, 0, 638, 438}, kGreen));  // as painted before
}

TEST_F(PaintTest, StartShowPaintsMovesThePointerPlaysAndStartsTheTimer) {
    WriteSolidBmp(dir_.Path() + "res/start.wav", 1, 1, 0);  // any file will do
    WriteSolidBmp(dir_.Path() + "res/logo.bmp", 2, 2, kRed);
    TestProject p = GreenProject();
    p.logos = {{"res\\logo.bmp", {0, 0}}};  // the delay is read only with logos
    p.delay = 25;
    p.startupWave = "res\\start.wav";
    auto wnd = CreateRuntimeWindow(p);
    wnd->StartShow();
    EXPECT_EQ(0, wnd->AnnimationDone);
    EXPECT_FALSE(Host(*wnd)->NeedsPaint());
    EXPECT_EQ(kGreen, ClientPixel(*wnd, 5, 5));
    EXPECT_EQ((platform::Point{192, 164}), windows_.CursorPos());
    ASSERT_EQ(1u, services_.sounds.size());
    EXPECT_EQ(dir_.Path() + "res/start.wav", services_.sounds[0]);
    ASSERT_EQ(1u, Host(*wnd)->Timers().count(LOGO_TIMER_ID));
    EXPECT_EQ(25u, Host(*wnd)->Timers().at(LOGO_TIMER_ID));
    EXPECT_EQ(LOGO_TIMER_ID, wnd->Settings->LogoAnnimation.TimerId);
    EXPECT_EQ(0, Host(*wnd)->OpenDCCount());
}

TEST_F(PaintTest, NoStartupSoundIsHandedOverWhenNoneIsSet) {
    auto wnd = CreateRuntimeWindow(GreenProject());
    wnd->StartShow();
    EXPECT_TRUE(services_.sounds.empty());
}

TEST_F(PaintTest, EraseBackgroundIsLeftToThePaint) {
    auto wnd = CreateRuntimeWindow(GreenProject());
    auto dc = graphics_.CreateCompatibleDC(nullptr);
    EXPECT_TRUE(wnd->OnEraseBkgnd(*dc));
}

}  // namespace
}  // namespace enginetest
