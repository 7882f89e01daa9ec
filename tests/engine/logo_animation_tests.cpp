// The logo animation: frame positions and sizes, sequencing of several moving
// logos, the number of timer steps, and teardown in the middle of a movement.
#include "engine_fixture.h"

namespace enginetest {
namespace {

using platform::Point;
using platform::Size;
using platform::raster::Surface;

constexpr ColorRef kGreen = Rgb(0, 255, 0);
constexpr ColorRef kRed = Rgb(255, 0, 0);
constexpr ColorRef kBlue = Rgb(0, 0, 255);

class AnimationTest : public EngineTest {
  protected:
    // One red 20 x 10 logo moving from start to location on green.
    std::unique_ptr<CInstallerWnd> StartMoving(Point start, Point location, int resize = 0,
                                               Size size = {20, 10}) {
        WriteSolidBmp(dir_.Path() + "res/logo.bmp", size.cx, size.cy, kRed);
        TestProject p;
        p.background = "@@0000000100ff00";
        p.logos = {{"res\\logo.bmp", location, 1, start, resize}};
        auto wnd = CreateRuntimeWindow(p);
        wnd->StartShow();
        stepsDone_ = 0;
        return wnd;
    }
    // Timer steps, counted since the show started.
    void Steps(int n) {
        EngineTest::Steps(n);
        stepsDone_ += n;
    }
    // Steps until frame n has been drawn: one set-up step, then one per frame.
    void ToFrame(int n) { Steps(n + 2 - stepsDone_); }
    // Counts timer steps until no timer is left.
    int StepsUntilStopped(int limit = 2000) {
        int steps = 0;
        while (steps < limit && windows_.StepTimers() > 0) ++steps;
        return steps;
    }
    int stepsDone_ = 0;
};

TEST_F(AnimationTest, FramesStandAtStartPlusTruncatedSteps) {
    auto wnd = StartMoving({100, 50}, {500, 250});
    const LogoAnnimationState& a = wnd->Settings->LogoAnnimation;
    Steps(1);
    EXPECT_EQ(2, a.State);
    EXPECT_EQ(ANNIMATION_FRAMES, a.FrameTotal);
    EXPECT_TRUE(AreaIs(Client(*wnd), {90, 40, 130, 70}, kGreen));  // set-up draws nothing

    ToFrame(0);
    EXPECT_EQ((Point{100, 50}), a.CurPos);
    Surface s = Client(*wnd);
    EXPECT_TRUE(AreaIs(s, {100, 50, 120, 60}, kRed));
    EXPECT_TRUE(AreaIs(s, {99, 50, 100, 60}, kGreen));
    EXPECT_TRUE(AreaIs(s, {100, 60, 120, 61}, kGreen));

    ToFrame(1);
    EXPECT_EQ((Point{110, 55}), a.CurPos);
    s = Client(*wnd);
    EXPECT_TRUE(AreaIs(s, {110, 55, 130, 65}, kRed));
    EXPECT_TRUE(AreaIs(s, {100, 50, 110, 55}, kGreen));  // the previous frame is erased

    ToFrame(39);
    EXPECT_EQ((Point{490, 245}), a.CurPos);
    s = Client(*wnd);
    EXPECT_TRUE(AreaIs(s, {490, 245, 510, 255}, kRed));
    EXPECT_TRUE(AreaIs(s, {480, 240, 490, 245}, kGreen));
    EXPECT_EQ(0, Host(*wnd)->OpenDCCount());
}

TEST_F(AnimationTest, MovingUpAndLeftSubtractsTheSteps) {
    auto wnd = StartMoving({500, 250}, {100, 50});
    const LogoAnnimationState& a = wnd->Settings->LogoAnnimation;
    ToFrame(0);
    EXPECT_EQ((Point{500, 250}), a.CurPos);
    ToFrame(7);
    EXPECT_EQ((Point{430, 215}), a.CurPos);
    ToFrame(39);
    EXPECT_EQ((Point{110, 55}), a.CurPos);
    EXPECT_TRUE(AreaIs(Client(*wnd), {110, 55, 130, 65}, kRed));
}

TEST_F(AnimationTest, StepIsASingleFloatAndTheProductIsTruncated) {
    // 28 / 40 = 0.7 is held as 0.699999988 in a float: 10 steps make 6, not 7.
    auto wnd = StartMoving({0, 0}, {28, 12});
    const LogoAnnimationState& a = wnd->Settings->LogoAnnimation;
    ToFrame(10);
    EXPECT_EQ(0.7f, a.StepX);
    EXPECT_EQ(0.3f, a.StepY);
    EXPECT_EQ((Point{6, 3}), a.CurPos);
    ToFrame(39);
    EXPECT_EQ((Point{27, 11}), a.CurPos);
}

TEST_F(AnimationTest, StandingStillWhenStartEqualsLocation) {
    auto wnd = StartMoving({60, 60}, {60, 60});
    ToFrame(20);
    EXPECT_EQ((Point{60, 60}), wnd->Settings->LogoAnnimation.CurPos);
    EXPECT_TRUE(AreaIs(Client(*wnd), {60, 60, 80, 70}, kRed));
}

TEST_F(AnimationTest, NonResizedLogoIsPutOnItsLocationAtCleanUp) {
    auto wnd = StartMoving({100, 50}, {500, 250});
    ToFrame(39);
    Steps(1);  // clean-up
    Surface s = Client(*wnd);
    EXPECT_TRUE(AreaIs(s, {500, 250, 520, 260}, kRed));
    EXPECT_TRUE(AreaIs(s, {490, 245, 500, 250}, kGreen));
    EXPECT_EQ(nullptr, wnd->Settings->LogoAnnimation.FrameDC);
    EXPECT_EQ(nullptr, wnd->Settings->LogoAnnimation.SnapshotDC);
}

TEST_F(AnimationTest, ResizedLogoShrinksFromNearlyThreeTimesItsSize) {
    auto wnd = StartMoving({20, 20}, {300, 200}, 1, {100, 60});
    const LogoAnnimationState& a = wnd->Settings->LogoAnnimation;
    ToFrame(0);
    EXPECT_EQ((Size{295, 177}), a.DrawSize);
    Surface s = Client(*wnd);
    EXPECT_TRUE(AreaIs(s, {20, 20, 315, 197}, kRed));
    EXPECT_TRUE(AreaIs(s, {315, 20, 316, 197}, kGreen));
    EXPECT_TRUE(AreaIs(s, {20, 197, 315, 198}, kGreen));

    ToFrame(1);
    EXPECT_EQ((Size{290, 174}),
              a.DrawSize);  // 100 + trunc(100 * 38 / 20), 60 + trunc(60 * 38 / 20)
    EXPECT_EQ((Point{27, 24}), a.CurPos);

    ToFrame(38);
    EXPECT_EQ((Size{105, 63}), a.DrawSize);

    // The last frame is drawn at natural size and then replaced by the logo on its location.
    ToFrame(39);
    EXPECT_EQ((Size{100, 60}), a.DrawSize);
    EXPECT_EQ((Point{293, 195}), a.CurPos);
    s = Client(*wnd);
    EXPECT_TRUE(AreaIs(s, {300, 200, 400, 260}, kRed));
    EXPECT_TRUE(AreaIs(s, {293, 195, 300, 260}, kGreen));
    EXPECT_TRUE(AreaIs(s, {293, 195, 400, 200}, kGreen));
    EXPECT_TRUE(AreaIs(s, {20, 20, 293, 195}, kGreen));
}

TEST_F(AnimationTest, SecondLogoStartsAfterTheFirstHasFinished) {
    WriteSolidBmp(dir_.Path() + "res/red.bmp", 20, 10, kRed);
    WriteSolidBmp(dir_.Path() + "res/blue.bmp", 20, 10, kBlue);
    TestProject p;
    p.background = "@@0000000100ff00";
    p.logos = {{"res\\red.bmp", {300, 100}, 1, {100, 100}},
               {"res\\blue.bmp", {300, 300}, 1, {100, 300}}};
    auto wnd = CreateRuntimeWindow(p);
    wnd->StartShow();
    const LogoAnnimationState& a = wnd->Settings->LogoAnnimation;

    Steps(42);  // set-up, 40 frames and clean-up of the first logo
    EXPECT_EQ(1, a.State);
    EXPECT_EQ(1u, a.LogoIndex);
    EXPECT_TRUE(AreaIs(Client(*wnd), {100, 300, 120, 310}, kGreen));

    Steps(1);  // set-up of the second: its snapshot holds the first in place
    EXPECT_EQ(2, a.State);
    Steps(1);
    Surface s = Client(*wnd);
    EXPECT_TRUE(AreaIs(s, {100, 300, 120, 310}, kBlue));
    EXPECT_TRUE(AreaIs(s, {300, 100, 320, 110}, kRed));

    Steps(40);  // 39 more frames and the clean-up
    Steps(2);   // finish
    EXPECT_EQ(1, wnd->AnnimationDone);
    EXPECT_TRUE(Host(*wnd)->Timers().empty());
    s = Client(*wnd);
    EXPECT_TRUE(AreaIs(s, {300, 300, 320, 310}, kBlue));
    EXPECT_TRUE(AreaIs(s, {300, 100, 320, 110}, kRed));
}

TEST_F(AnimationTest, StepCountIsStillLogosPlus42PerMovingLogoPlusTwo) {
    struct Case {
        int still;
        int moving;
    };
    for (Case c : {Case{0, 0}, Case{2, 0}, Case{0, 1}, Case{3, 2}}) {
        TempDir dir;
        WriteSolidBmp(dir.Path() + "res/l.bmp", 4, 4, kRed);
        TestProject p;
        for (int i = 0; i < c.still; ++i) p.logos.push_back({"res\\l.bmp", {i, i}});
        for (int i = 0; i < c.moving; ++i) p.logos.push_back({"res\\l.bmp", {90, 90}, 1, {i, 0}});
        p.Write(dir.Path());
        CInstallerWnd wnd(dir.Path());
        ASSERT_TRUE(wnd.Create(0, platform::ws::Popup | platform::ws::Visible, nullptr));
        wnd.StartShow();
        const int n = c.still + c.moving;
        EXPECT_EQ(n - c.moving + 42 * c.moving + 2, StepsUntilStopped())
            << c.still << " still, " << c.moving << " moving";
        EXPECT_EQ(1, wnd.AnnimationDone);
        EXPECT_EQ(0u, wnd.Settings->LogoAnnimation.TimerId);
    }
}

TEST_F(AnimationTest, RepaintDuringTheMovementIsRestoredByTheNextFrame) {
    WriteSolidBmp(dir_.Path() + "res/still.bmp", 10, 10, kBlue);
    WriteSolidBmp(dir_.Path() + "res/moving.bmp", 20, 10, kRed);
    TestProject p;
    p.background = "@@0000000100ff00";
    p.logos = {{"res\\still.bmp", {10, 10}}, {"res\\moving.bmp", {400, 300}, 1, {200, 100}}};
    auto wnd = CreateRuntimeWindow(p);
    wnd->StartShow();
    Steps(1 + 1 + 5);  // still logo, set-up, frames 0 to 4
    const Point at = wnd->Settings->LogoAnnimation.CurPos;
    Host(*wnd)->Invalidate();
    windows_.Pump();
    EXPECT_TRUE(AreaIs(Client(*wnd), {at.x, at.y, at.x + 20, at.y + 10}, kGreen));
    EXPECT_TRUE(AreaIs(Client(*wnd), {10, 10, 20, 20}, kBlue));
    Steps(1);
    const Point next = wnd->Settings->LogoAnnimation.CurPos;
    EXPECT_TRUE(AreaIs(Client(*wnd), {next.x, next.y, next.x + 20, next.y + 10}, kRed));
}

TEST_F(AnimationTest, OtherTimerIdsAreIgnored) {
    auto wnd = StartMoving({0, 0}, {40, 40});
    wnd->OnTimer(LOGO_TIMER_ID + 1);
    EXPECT_EQ(0, wnd->Settings->LogoAnnimation.State);
}

TEST_F(AnimationTest, ImpossibleStateStopsTheTimerWithATrace) {
    auto wnd = StartMoving({0, 0}, {40, 40});
    wnd->Settings->LogoAnnimation.State = 7;
    Steps(1);
    EXPECT_EQ("Invalid state!", services_.traces.back());
    EXPECT_TRUE(Host(*wnd)->Timers().empty());
    EXPECT_EQ(0, wnd->AnnimationDone);
}

TEST_F(AnimationTest, FailedSetUpFinishesAndShowsEveryLogoNextPaint) {
    auto wnd = StartMoving({0, 0}, {40, 40});
    Host(*wnd)->SetDCAvailable(false);
    Steps(1);
    EXPECT_EQ("State Machine: Failed to initialize our annimation sequence!\n",
              services_.traces.back());
    Steps(1);
    EXPECT_EQ(1, wnd->AnnimationDone);
    EXPECT_TRUE(Host(*wnd)->Timers().empty());
    Host(*wnd)->SetDCAvailable(true);
    Host(*wnd)->Invalidate();
    windows_.Pump();
    EXPECT_TRUE(AreaIs(Client(*wnd), {40, 40, 60, 50}, kRed));
}

TEST_F(AnimationTest, FrameWithoutADeviceContextIsSkippedButCounted) {
    auto wnd = StartMoving({0, 0}, {400, 0});
    ToFrame(0);
    Host(*wnd)->SetDCAvailable(false);
    ToFrame(1);
    EXPECT_EQ("DrawAnnimateFrame(): ERROR: pDC == NULL\n", services_.traces.back());
    EXPECT_EQ(2u, wnd->Settings->LogoAnnimation.FrameCount);
    Host(*wnd)->SetDCAvailable(true);
    ToFrame(2);
    EXPECT_EQ((Point{20, 0}), wnd->Settings->LogoAnnimation.CurPos);
}

TEST_F(AnimationTest, ClearingTheSettingsMidMovementReleasesTheSurfaces) {
    auto wnd = StartMoving({0, 0}, {200, 100});
    ToFrame(5);
    ASSERT_NE(nullptr, wnd->Settings->LogoAnnimation.SnapshotDC);
    wnd->ClearSettings();
    EXPECT_EQ(nullptr, wnd->Settings->LogoAnnimation.SnapshotDC);
    EXPECT_EQ(nullptr, wnd->Settings->LogoAnnimation.FrameBitmap);
    EXPECT_EQ(0, Host(*wnd)->OpenDCCount());
    // The timer still runs with the record's id forgotten: it stops all the same.
    EXPECT_EQ(2, StepsUntilStopped(10));
}

TEST_F(AnimationTest, WindowClosedMidMovementReleasesTheSurfaces) {
    auto wnd = StartMoving({0, 0}, {200, 100});
    ToFrame(5);
    wnd->Wnd->Destroy();
    EXPECT_EQ(nullptr, wnd->Settings->LogoAnnimation.SnapshotDC);
    EXPECT_EQ(nullptr, wnd->Settings->LogoAnnimation.FrameDC);
    EXPECT_EQ(0u, wnd->Settings->LogoAnnimation.TimerId);
    EXPECT_EQ(0, windows_.StepTimers());
}

TEST_F(AnimationTest, ObjectDestroyedMidMovementTakesItsWindowAlong) {
    auto wnd = StartMoving({0, 0}, {200, 100});
    ToFrame(5);
    wnd.reset();
    EXPECT_TRUE(windows_.Windows().empty());
    EXPECT_EQ(0, windows_.StepTimers());
}

TEST_F(AnimationTest, ExtremeLocationsRunToTheEndSafely) {
    // Locations are untrusted 32-bit values: frames far outside the window are
    // clipped, and positions never overflow.
    auto wnd = StartMoving({-2147483647 - 1, 2147483647}, {2147483647, -2147483647 - 1}, 1);
    const LogoAnnimationState& a = wnd->Settings->LogoAnnimation;
    ToFrame(39);
    EXPECT_GT(a.CurPos.x, 2000000000);
    EXPECT_LT(a.CurPos.y, -2000000000);
    EXPECT_EQ(44, StepsUntilStopped() + stepsDone_);
    EXPECT_TRUE(AreaIs(Client(*wnd), {0, 0, 638, 438}, kGreen));
}

TEST_F(AnimationTest, CountsBeyondTheSlotsAreNeverFollowed) {
    auto wnd = StartMoving({0, 0}, {40, 40});
    wnd->Settings->NumberOfLogosToDraw = -1;  // 4294967295 when compared unsigned
    EXPECT_EQ(MAX_LOGOS - 1 + 42 + 2, StepsUntilStopped());
    Host(*wnd)->Invalidate();
    windows_.Pump();
    EXPECT_TRUE(AreaIs(Client(*wnd), {40, 40, 60, 50}, kRed));
}

}  // namespace
}  // namespace enginetest
