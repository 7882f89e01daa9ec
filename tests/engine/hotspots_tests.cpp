// Hotspots: measuring at the first paint, hit edges, hover tracking with sound,
// capture and hand cursor, and the commands a click (or Enter, Space) runs.
#include "hotspot_fixture.h"

namespace enginetest {
namespace {

TEST_F(EngineHotSpot, MeasuredOnceAtTheFirstPaintAndDeadBeforeIt) {
    TestProject p;
    p.hotspots = {{"Setup", 40, 60}, {"Longer text here", 40, 100}};
    auto wnd = MakeWindow(p);
    ASSERT_TRUE(wnd->Create(0, kRuntimeStyle, nullptr));
    EXPECT_EQ((Rect{40, 60, 0, 0}), RectOf(*wnd, 0));
    wnd->OnMouseMove(0, {40, 60});
    wnd->OnMouseMove(0, {45, 65});
    EXPECT_EQ(0, wnd->HoverHotSpot);
    EXPECT_EQ(0, wnd->HotSpotCaptured);
    wnd->OnLButtonDown(platform::mk::LButton, {45, 65});
    EXPECT_EQ(0, windows_.ClosesPosted());

    wnd->StartShow();
    const Rect first = RectOf(*wnd, 0);
    const Rect second = RectOf(*wnd, 1);
    EXPECT_GT(first.right, 40);
    EXPECT_GT(first.bottom, 60 + 10);
    EXPECT_GT(second.Width(), first.Width());
    EXPECT_EQ(first.Height(), second.Height());
    wnd->Settings->HotSpotText[0] = "A much longer text than before";
    Repaint(*wnd);
    EXPECT_EQ(first, RectOf(*wnd, 0));
}

// Links at the ends of the coordinate range: the measured extent stops at the
// range's edge instead of wrapping, so the part inside the range still reacts.
TEST_F(EngineHotSpot, ExtentsAtTheEdgeOfTheRangeStayDefined) {
    constexpr std::int32_t kMax = INT32_MAX, kMin = INT32_MIN;
    TestProject p;
    p.hotspots = {{"Far", kMax - 2, kMax - 1}, {"Near", kMin, kMin}};
    auto wnd = Show(p);
    EXPECT_EQ((Rect{kMax - 2, kMax - 1, kMax, kMax}), RectOf(*wnd, 0));
    EXPECT_GT(RectOf(*wnd, 1).right, kMin);
    wnd->OnMouseMove(0, {kMax - 1, kMax - 1});
    EXPECT_EQ(1, wnd->HoverHotSpot);
    wnd->OnMouseMove(0, {kMin, kMin});
    EXPECT_EQ(2, wnd->HoverHotSpot);
}

TEST_F(EngineHotSpot, RightAndBottomEdgesAreOutsideAndTheLowerIndexWins) {
    auto wnd = ShowSpots({{"First", 100, 100}, {"Second", 102, 102}});
    const Rect a = RectOf(*wnd, 0);
    const Rect b = RectOf(*wnd, 1);
    ASSERT_GT(b.right, a.right);
    const std::pair<Point, int> cases[] = {
        {{a.left, a.top}, 1},        {{a.right - 1, a.bottom - 1}, 1},  // in both
        {{a.right, a.top}, 0},       {{a.left, a.bottom}, 0},          {{a.left - 1, a.top}, 0},
        {{a.left, a.top - 1}, 0},    {{b.right - 1, b.bottom - 1}, 2}, {{b.right, b.bottom - 1}, 0},
        {{b.right - 1, b.bottom}, 0}};
    for (const auto& [point, hit] : cases) {
        Move(*wnd, point);
        EXPECT_EQ(hit, wnd->HoverHotSpot) << point;
    }
}

// Entering a link captures the pointer, shows the hand, plays the sound and
// lights it; moving within it does nothing new; leaving the window straight
// from a link still arrives through the capture and lets it go.
TEST_F(EngineHotSpot, EnterSwitchAndLeave) {
    auto wnd = ShowSpots({{"One", 50, 50}, {"Two", 50, 150}});
    const Rect one = RectOf(*wnd, 0);
    ExpectLit(*wnd, 0, 2);
    const struct {
        const char* what;
        Point to;
        int lit;
        std::size_t sounds;  // played so far
    } steps[] = {
        {"enter", Inside(*wnd, 0), 1, 1},
        {"within the same", {one.left + 5, one.top + 3}, 1, 1},
        {"switch", Inside(*wnd, 1), 2, 2},
        {"leave", {-20, -20}, 0, 2},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        Move(*wnd, step.to);
        ExpectLit(*wnd, step.lit, 2);
        EXPECT_EQ(step.lit != 0, wnd->HotSpotCaptured != 0);
        EXPECT_EQ(step.lit ? Host(*wnd) : nullptr, windows_.CaptureHolder());
        if (step.lit) {
            EXPECT_EQ(platform::CursorShape::Hand, windows_.Cursor());
        }
        EXPECT_EQ(std::vector<std::string>(step.sounds, dir_ + "res/hover.wav"), services_.sounds);
    }
    EXPECT_EQ(0, Host(*wnd)->OpenDCCount());
}

TEST_F(EngineHotSpot, EachCommandDoesItsOneThing) {
    auto real = [this](const std::string& path) { return host_.system.RealPath(dir_ + path); };
    struct Case {
        const char *command, *a, *b;
        std::string outcome;
    };
    const Case cases[] = {
        // Relative to the project folder; no verb, so the shell's default applies.
        {"RUN", "setup\\Setup.exe", "/quiet /log",
         "shell - " + real("setup\\Setup.exe") + " /quiet /log"},
        // Empty parameters are no parameters at all, not an empty string.
        {"RUN", "setup.exe", "", "shell - " + real("setup.exe") + " -"},
        {"RUNABSOLUTE", "notepad", "readme.txt", "shell - notepad readme.txt"},
        {"OPEN", "docs", "ignored", "shell open " + real("docs") + " -"},
        {"OPEN", "", "", "shell open " + real("") + " -"},
        {"OPENABSOLUTE", "www.Example.com/a=b", "x", "shell open www.Example.com/a=b -"},
        {"QUIT", "", "", "close"},
        {"run", "x", "", "message Invalid HotSpot Command!"},
        {"OPEN ", "x", "", "message Invalid HotSpot Command!"},
    };
    // Enter and Space on the link lit by Tab run it exactly as a click does.
    const unsigned ways[] = {0, platform::vk::Return, platform::vk::Space};
    for (const Case& c : cases) {
        for (const unsigned key : ways) {
            SCOPED_TRACE(::testing::Message()
                         << '"' << c.command << "\" " << c.a << " key " << key);
            services_.shellCalls.clear();
            services_.messages.clear();
            const int closes = windows_.ClosesPosted();
            auto wnd = ShowSpots({{"Link", 50, 50, c.command, c.a, c.b}});
            if (key == 0) {
                Click(*wnd, {400, 400});  // outside: nothing
                Click(*wnd, Inside(*wnd, 0));
            } else {
                windows_.KeyDown(wnd->Wnd.get(), key);  // nothing lit yet: nothing
                windows_.KeyDown(wnd->Wnd.get(), platform::vk::Tab);
                windows_.KeyDown(wnd->Wnd.get(), key);
            }
            std::string outcome;
            for (const platform::ShellCall& call : services_.shellCalls)
                outcome += "shell " + call.verb.value_or("-") + " " + call.file + " " +
                           call.params.value_or("-");
            for (const std::string& message : services_.messages) outcome += "message " + message;
            if (windows_.ClosesPosted() != closes) outcome += "close";
            EXPECT_EQ(c.outcome, outcome);
            EXPECT_TRUE(wnd->Wnd->IsWindow());  // the menu stays open
        }
    }
}

TEST_F(EngineHotSpot, CountsBeyondTheSlotsAreNeverFollowed) {
    auto wnd = ShowSpots({{"Link", 50, 50, "QUIT"}});
    wnd->Settings->NumberOfHotSpots = 1000;
    Repaint(*wnd);
    Click(*wnd, Inside(*wnd, 0));
    EXPECT_EQ(1, windows_.ClosesPosted());
    wnd->HoverHotSpot = 99;  // never a valid index: the click must not reach past the slots
    windows_.LButtonDown(wnd->Wnd.get(), Inside(*wnd, 0));
    EXPECT_EQ(1, windows_.ClosesPosted());
}

}  // namespace
}  // namespace enginetest
