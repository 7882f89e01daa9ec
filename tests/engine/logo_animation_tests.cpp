// The logo animation's timer: the number of steps, teardown in the middle of a
// movement, and counts beyond the slots. What the frames show is in the scenes
// of window_tests.cpp.
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
        EXPECT_TRUE(Host(*wnd)->Timers().empty());
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

TEST_F(EngineAnimation, CountsBeyondTheSlotsAreNeverFollowed) {
    auto wnd = StartMoving({0, 0}, {40, 40});
    wnd->OnTimer(LOGO_TIMER_ID + 1);
    EXPECT_EQ(0, wnd->Settings->LogoAnnimation.State) << "other timer ids are ignored";
    wnd->Settings->NumberOfLogosToDraw = -1;  // 4294967295 when compared unsigned
    EXPECT_EQ(58, StepsUntilStopped());       // 14 still slots, then the moving one
    Repaint(*wnd);
    EXPECT_TRUE(AreaIs(Client(*wnd), {40, 40, 60, 50}, kRed));
}

}  // namespace
}  // namespace enginetest
