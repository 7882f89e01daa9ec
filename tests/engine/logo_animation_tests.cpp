// The logo animation's timer: teardown in the middle of a movement, and the
// steps over counts beyond the slots. What the frames show is in the scenes of
// window_tests.cpp.
#include "engine_fixture.h"

namespace enginetest {
namespace {

class EngineAnimation : public EngineTest {
  protected:
    // One red logo moving from start to location on green.
    std::unique_ptr<CInstallerWnd> StartMoving(Point start, Point location) {
        WriteSolidBmp(dir_ + "res/logo.bmp", 20, 10, kRed);
        TestProject p;
        p.logos = {{"res\\logo.bmp", location, 1, start}};
        return Show(p);
    }
};

TEST_F(EngineAnimation, TeardownMidMovementReleasesTheSurfaces) {
    enum { kClearSettings, kCloseWindow, kDeleteObject };
    for (int how : {kClearSettings, kCloseWindow, kDeleteObject}) {
        SCOPED_TRACE(how);
        auto wnd = StartMoving({0, 0}, {200, 100});
        Steps(7);  // set-up and frames 0 to 5
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
