// The logo animation: frame positions and sizes, sequencing of several moving
// logos, the number of timer steps, and teardown in the middle of a movement.
#include "engine_fixture.h"

namespace enginetest {
namespace {

using platform::Size;

class EngineAnimation : public EngineTest {
  protected:
    // One red logo moving from start to location on green.
    std::unique_ptr<CInstallerWnd> StartMoving(Point start, Point location, int resize = 0,
                                               Size size = {20, 10}) {
        WriteSolidBmp(dir_ + "res/logo.bmp", size.cx, size.cy, kRed);
        TestProject p;
        p.logos = {{"res\\logo.bmp", location, 1, start, resize}};
        stepsDone_ = 0;
        return Show(p);
    }
    // Steps until frame n has been drawn: one set-up step, then one per frame.
    void ToFrame(int n) {
        Steps(n + 2 - stepsDone_);
        stepsDone_ = n + 2;
    }
    int stepsDone_ = 0;
};

TEST_F(EngineAnimation, FramesStandAtStartPlusTruncatedFloatSteps) {
    struct Case {
        Point start, location;
        int frame;
        Point at;
    };
    const Case cases[] = {
        {{100, 50}, {500, 250}, 0, {100, 50}},
        {{100, 50}, {500, 250}, 1, {110, 55}},
        // Up and left.
        {{500, 250}, {100, 50}, 7, {430, 215}},
        {{500, 250}, {100, 50}, 39, {110, 55}},
        // 28 / 40 = 0.7 is held as 0.699999988 in a float: 10 steps make 6, not 7.
        {{0, 0}, {28, 12}, 10, {6, 3}},
        {{0, 0}, {28, 12}, 39, {27, 11}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.start << " -> " << c.location << " #" << c.frame);
        auto wnd = StartMoving(c.start, c.location);
        ToFrame(c.frame);
        EXPECT_EQ(c.at, wnd->Settings->LogoAnnimation.CurPos);
        EXPECT_TRUE(AreaIs(Client(*wnd), {c.at.x, c.at.y, c.at.x + 20, c.at.y + 10}, kRed));
    }
}

TEST_F(EngineAnimation, EachFrameErasesTheLastAndTheLogoLandsOnItsLocation) {
    auto wnd = StartMoving({100, 50}, {500, 250});
    const LogoAnnimationState& a = wnd->Settings->LogoAnnimation;
    ToFrame(-1);
    EXPECT_TRUE(AreaIs(Client(*wnd), {90, 40, 130, 70}, kGreen));  // set-up draws nothing

    ToFrame(0);
    Surface s = Client(*wnd);
    EXPECT_TRUE(AreaIs(s, {99, 50, 100, 60}, kGreen));
    EXPECT_TRUE(AreaIs(s, {100, 60, 120, 61}, kGreen));
    ToFrame(1);
    EXPECT_TRUE(AreaIs(Client(*wnd), {100, 50, 110, 55}, kGreen));  // the previous frame is erased
    ToFrame(39);
    EXPECT_TRUE(AreaIs(Client(*wnd), {480, 240, 490, 245}, kGreen));
    EXPECT_EQ(0, Host(*wnd)->OpenDCCount());

    Steps(1);  // clean-up
    s = Client(*wnd);
    EXPECT_TRUE(AreaIs(s, {500, 250, 520, 260}, kRed));
    EXPECT_TRUE(AreaIs(s, {490, 245, 500, 250}, kGreen));
    EXPECT_EQ(nullptr, a.FrameDC);
    EXPECT_EQ(nullptr, a.SnapshotDC);
}

TEST_F(EngineAnimation, ResizedLogoShrinksFromNearlyThreeTimesItsSize) {
    auto wnd = StartMoving({20, 20}, {300, 200}, 1, {100, 60});
    const LogoAnnimationState& a = wnd->Settings->LogoAnnimation;
    ToFrame(0);
    EXPECT_EQ((Size{295, 177}), a.DrawSize);
    Surface s = Client(*wnd);
    EXPECT_TRUE(AreaIs(s, {20, 20, 315, 197}, kRed));
    EXPECT_TRUE(AreaIs(s, {315, 20, 316, 197}, kGreen));
    EXPECT_TRUE(AreaIs(s, {20, 197, 315, 198}, kGreen));

    ToFrame(1);
    EXPECT_EQ((Size{290, 174}), a.DrawSize);  // 100 + trunc(100 * 38 / 20), 60 + ...
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

TEST_F(EngineAnimation, SecondLogoStartsAfterTheFirstHasFinished) {
    WriteSolidBmp(dir_ + "res/red.bmp", 20, 10, kRed);
    WriteSolidBmp(dir_ + "res/blue.bmp", 20, 10, kBlue);
    TestProject p;
    p.logos = {{"res\\red.bmp", {300, 100}, 1, {100, 100}},
               {"res\\blue.bmp", {300, 300}, 1, {100, 300}}};
    auto wnd = Show(p);
    Steps(42);  // set-up, 40 frames and clean-up of the first logo
    EXPECT_TRUE(AreaIs(Client(*wnd), {100, 300, 120, 310}, kGreen));

    Steps(2);  // set-up of the second (its snapshot holds the first in place), frame 0
    Surface s = Client(*wnd);
    EXPECT_TRUE(AreaIs(s, {100, 300, 120, 310}, kBlue));
    EXPECT_TRUE(AreaIs(s, {300, 100, 320, 110}, kRed));

    Steps(42);  // 39 more frames, the clean-up and the finish
    EXPECT_EQ(1, wnd->AnnimationDone);
    EXPECT_TRUE(Host(*wnd)->Timers().empty());
    s = Client(*wnd);
    EXPECT_TRUE(AreaIs(s, {300, 300, 320, 310}, kBlue));
    EXPECT_TRUE(AreaIs(s, {300, 100, 320, 110}, kRed));
}

TEST_F(EngineAnimation, StepCountIsStillLogosPlus42PerMovingLogoPlusTwo) {
    WriteSolidBmp(dir_ + "res/l.bmp", 4, 4, kRed);
    struct Case {
        int still, moving, steps;
    };
    for (Case c : {Case{0, 0, 2}, Case{2, 0, 4}, Case{0, 1, 44}, Case{3, 2, 89}}) {
        SCOPED_TRACE(::testing::Message() << c.still << " still, " << c.moving << " moving");
        TestProject p;
        for (int i = 0; i < c.still; ++i) p.logos.push_back({"res\\l.bmp", {i, i}});
        for (int i = 0; i < c.moving; ++i) p.logos.push_back({"res\\l.bmp", {90, 90}, 1, {i, 0}});
        auto wnd = Show(p);
        EXPECT_EQ(c.steps, StepsUntilStopped());
        EXPECT_EQ(1, wnd->AnnimationDone);
        EXPECT_EQ(0u, wnd->Settings->LogoAnnimation.TimerId);
    }
}

TEST_F(EngineAnimation, TeardownMidMovementReleasesTheSurfaces) {
    enum { kClearSettings, kCloseWindow, kDeleteObject };
    for (int how : {kClearSettings, kCloseWindow, kDeleteObject}) {
        SCOPED_TRACE(how);
        auto wnd = StartMoving({0, 0}, {200, 100});
        ToFrame(5);
        ASSERT_NE(nullptr, wnd->Settings->LogoAnnimation.SnapshotDC);
        if (how == kDeleteObject) {
            wnd.reset();  // it takes its window along
            EXPECT_TRUE(windows_.Windows().empty());
            EXPECT_EQ(0, StepsUntilStopped());
            continue;
        }
        how == kClearSettings ? wnd->ClearSettings() : wnd->Wnd->Destroy();
        const LogoAnnimationState& a = wnd->Settings->LogoAnnimation;
        EXPECT_EQ(nullptr, a.SnapshotDC);
        EXPECT_EQ(nullptr, a.FrameDC);
        EXPECT_EQ(nullptr, a.FrameBitmap);
        EXPECT_EQ(0u, a.TimerId);
        EXPECT_EQ(0, Host(*wnd)->OpenDCCount());
        // With the settings cleared the timer still runs, its id forgotten, and stops.
        EXPECT_EQ(how == kClearSettings ? 2 : 0, StepsUntilStopped(10));
    }
}

TEST_F(EngineAnimation, ExtremeLocationsRunToTheEndSafely) {
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

TEST_F(EngineAnimation, CountsBeyondTheSlotsAreNeverFollowed) {
    auto wnd = StartMoving({0, 0}, {40, 40});
    wnd->OnTimer(LOGO_TIMER_ID + 1);
    EXPECT_EQ(0, wnd->Settings->LogoAnnimation.State) << "other timer ids are ignored";
    wnd->Settings->NumberOfLogosToDraw = -1;  // 4294967295 when compared unsigned
    EXPECT_EQ(58, StepsUntilStopped());  // 14 still slots, then the moving one
    Repaint(*wnd);
    EXPECT_TRUE(AreaIs(Client(*wnd), {40, 40, 60, 50}, kRed));
}

}  // namespace
}  // namespace enginetest
