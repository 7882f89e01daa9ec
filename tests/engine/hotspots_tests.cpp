// Hotspots: measuring at the first paint, hit edges, hover tracking with sound,
// capture and hand cursor, and the commands a click runs.
#include "engine_fixture.h"

namespace enginetest {
namespace {

using platform::Point;
using platform::Rect;

constexpr ColorRef kBlack = Rgb(0, 0, 0);
constexpr ColorRef kNormal = Rgb(255, 255, 255);
constexpr ColorRef kHilite = Rgb(255, 255, 0);

class HotSpotTest : public EngineTest {
  protected:
    std::unique_ptr<CInstallerWnd> Show(std::vector<TestHotSpot> hotspots) {
        TestProject p;
        p.background = "@@00000001000000";
        p.textColor = kNormal;
        p.hiliteColor = kHilite;
        p.hoverWave = "res\\hover.wav";
        p.hotspots = std::move(hotspots);
        auto wnd = CreateRuntimeWindow(p);
        wnd->StartShow();
        return wnd;
    }
    std::unique_ptr<CInstallerWnd> ShowCommand(const std::string& command, const std::string& a,
                                               const std::string& b = "") {
        return Show({{"Link", 50, 50, command, a, b}});
    }
    Rect RectOf(CInstallerWnd& wnd, int i) { return wnd.Settings->HotSpotRect[i]; }
    Point Inside(CInstallerWnd& wnd, int i) {
        Rect r = RectOf(wnd, i);
        return {r.left + 2, r.top + 2};
    }
    int Count(CInstallerWnd& wnd, Rect r, ColorRef color) {
        auto s = Client(wnd);
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                n += platform::raster::ColorRefOf(s.At(x, y)) == color;
        return n;
    }
    void Move(CInstallerWnd& wnd, Point p) { windows_.MouseMove(wnd.Wnd.get(), p); }
    void Click(CInstallerWnd& wnd, Point p) {
        Move(wnd, p);
        windows_.LButtonDown(wnd.Wnd.get(), p);
    }
};

TEST_F(HotSpotTest, RectanglesAreMeasuredOnceAtTheFirstPaint) {
    auto wnd = MakeWindow(TestProject{
        "@@00000001000000", {}, 10, {{"Setup", 40, 60}, {"Longer text here", 40, 100}}});
    ASSERT_TRUE(wnd->Create(0, platform::ws::Popup | platform::ws::Visible, nullptr));
    EXPECT_EQ((Rect{40, 60, 0, 0}), RectOf(*wnd, 0));

    wnd->StartShow();
    Rect first = RectOf(*wnd, 0);
    Rect second = RectOf(*wnd, 1);
    EXPECT_GT(first.right, 40);
    EXPECT_GT(first.bottom, 60 + 10);
    EXPECT_GT(second.Width(), first.Width());
    EXPECT_EQ(first.Height(), second.Height());

    wnd->Settings->HotSpotText[0] = "A much longer text than before";
    Host(*wnd)->Invalidate();
    windows_.Pump();
    EXPECT_EQ(first, RectOf(*wnd, 0));
}

TEST_F(HotSpotTest, NothingReactsBeforeTheFirstPaint) {
    auto wnd = MakeWindow(TestProject{"@@00000001000000", {}, 10, {{"Setup", 40, 60}}});
    ASSERT_TRUE(wnd->Create(0, platform::ws::Popup, nullptr));
    wnd->OnMouseMove(0, {40, 60});
    wnd->OnMouseMove(0, {45, 65});
    EXPECT_EQ(0, wnd->HoverHotSpot);
    EXPECT_EQ(0, wnd->HotSpotCaptured);
    wnd->OnLButtonDown(platform::mk::LButton, {45, 65});
    EXPECT_EQ(0, windows_.ClosesPosted());
    EXPECT_TRUE(services_.sounds.empty());
}

TEST_F(HotSpotTest, RightAndBottomEdgesAreOutside) {
    auto wnd = Show({{"Edge", 100, 100}});
    const Rect r = RectOf(*wnd, 0);
    for (Point p : {Point{r.left, r.top}, Point{r.right - 1, r.bottom - 1}}) {
        Move(*wnd, p);
        EXPECT_EQ(1, wnd->HoverHotSpot) << p;
    }
    for (Point p : {Point{r.right, r.top}, Point{r.left, r.bottom}, Point{r.left - 1, r.top},
                    Point{r.left, r.top - 1}}) {
        Move(*wnd, p);
        EXPECT_EQ(0, wnd->HoverHotSpot) << p;
    }
}

TEST_F(HotSpotTest, OverlappingHotSpotsLowerIndexWins) {
    auto wnd = Show({{"First", 100, 100}, {"Second", 102, 102}});
    Move(*wnd, {110, 110});
    EXPECT_EQ(1, wnd->HoverHotSpot);
}

TEST_F(HotSpotTest, EnterSwitchAndLeave) {
    auto wnd = Show({{"One", 50, 50}, {"Two", 50, 150}});
    const std::string hover = dir_.Path() + "res/hover.wav";
    const Rect one = RectOf(*wnd, 0);
    const Rect two = RectOf(*wnd, 1);
    ASSERT_GT(Count(*wnd, one, kNormal), 0);
    EXPECT_EQ(0, Count(*wnd, one, kHilite));

    // Enter: capture, hand cursor, sound, highlight.
    Move(*wnd, Inside(*wnd, 0));
    EXPECT_EQ(1, wnd->HoverHotSpot);
    EXPECT_EQ(1, wnd->HotSpotCaptured);
    EXPECT_EQ(Host(*wnd), windows_.CaptureHolder());
    EXPECT_EQ(platform::CursorShape::Hand, windows_.Cursor());
    EXPECT_EQ(std::vector<std::string>{hover}, services_.sounds);
    EXPECT_GT(Count(*wnd, one, kHilite), 0);
    EXPECT_EQ(0, Count(*wnd, one, kNormal));
    EXPECT_EQ(0, Count(*wnd, two, kHilite));

    // Within the same hotspot: nothing new.
    Move(*wnd, {one.left + 5, one.top + 3});
    EXPECT_EQ(1u, services_.sounds.size());

    // Switch: sound again, colours swap, capture stays.
    Move(*wnd, Inside(*wnd, 1));
    EXPECT_EQ(2, wnd->HoverHotSpot);
    EXPECT_EQ(2u, services_.sounds.size());
    EXPECT_EQ(Host(*wnd), windows_.CaptureHolder());
    EXPECT_EQ(0, Count(*wnd, one, kHilite));
    EXPECT_GT(Count(*wnd, one, kNormal), 0);
    EXPECT_GT(Count(*wnd, two, kHilite), 0);

    // Leave straight out of the window: the capture still delivers the move.
    Move(*wnd, {-20, -20});
    EXPECT_EQ(0, wnd->HoverHotSpot);
    EXPECT_EQ(0, wnd->HotSpotCaptured);
    EXPECT_EQ(nullptr, windows_.CaptureHolder());
    EXPECT_EQ(0, Count(*wnd, two, kHilite));
    EXPECT_GT(Count(*wnd, two, kNormal), 0);
    EXPECT_EQ(2u, services_.sounds.size());
    EXPECT_EQ(0, Host(*wnd)->OpenDCCount());
}

TEST_F(HotSpotTest, RepaintShowsTheHoveredHotSpotInTheNormalColour) {
    auto wnd = Show({{"One", 50, 50}});
    Move(*wnd, Inside(*wnd, 0));
    Host(*wnd)->Invalidate();
    windows_.Pump();
    EXPECT_EQ(0, Count(*wnd, RectOf(*wnd, 0), kHilite));
    EXPECT_EQ(1, wnd->HoverHotSpot);
}

TEST_F(HotSpotTest, NoDeviceContextOnEnterGivesUpTheCapture) {
    auto wnd = Show({{"One", 50, 50}});
    Host(*wnd)->SetDCAvailable(false);
    Move(*wnd, Inside(*wnd, 0));
    EXPECT_EQ(0, wnd->HotSpotCaptured);
    EXPECT_EQ(nullptr, windows_.CaptureHolder());
    EXPECT_TRUE(services_.sounds.empty());
}

TEST_F(HotSpotTest, EachCommandMakesItsShellCall) {
    using Opt = std::optional<std::string>;
    const std::string folder = dir_.Path();
    struct Case {
        const char* command;
        const char* a;
        const char* b;
        Opt verb;
        std::string file;
        Opt params;
    };
    const Case cases[] = {
        // Relative to the project folder; no verb, so the shell's default applies.
        {"RUN",
         "setup\\Setup.exe",
         "/quiet /log",
         {},
         system_.RealPath(folder + "setup\\Setup.exe"),
         "/quiet /log"},
        // Empty parameters are no parameters at all, not an empty string.
        {"RUN", "setup.exe", "", {}, system_.RealPath(folder + "setup.exe"), {}},
        {"RUNABSOLUTE", "notepad", "readme.txt", {}, "notepad", "readme.txt"},
        {"OPEN", "docs", "ignored", "open", system_.RealPath(folder + "docs"), {}},
        {"OPEN", "", "", "open", system_.RealPath(folder), {}},
        {"OPENABSOLUTE", "www.Example.com/a=b", "x", "open", "www.Example.com/a=b", {}},
    };
    for (const Case& c : cases) {
        services_.shellCalls.clear();
        auto wnd = ShowCommand(c.command, c.a, c.b);
        Click(*wnd, Inside(*wnd, 0));
        ASSERT_EQ(1u, services_.shellCalls.size()) << c.command << " " << c.a;
        const platform::ShellCall& call = services_.shellCalls[0];
        EXPECT_EQ(c.verb, call.verb) << c.command << " " << c.a;
        EXPECT_EQ(c.file, call.file) << c.command << " " << c.a;
        EXPECT_EQ(c.params, call.params) << c.command << " " << c.a;
        EXPECT_TRUE(services_.messages.empty());
        EXPECT_TRUE(wnd->Wnd->IsWindow());  // the menu stays open
    }
}

TEST_F(HotSpotTest, QuitPostsACloseToTheMainWindow) {
    auto wnd = ShowCommand("QUIT", "");
    windows_.SetMainWindow(wnd->Wnd.get());
    Click(*wnd, Inside(*wnd, 0));
    EXPECT_EQ(1, windows_.ClosesPosted());
    EXPECT_TRUE(services_.shellCalls.empty());
    windows_.Pump();
    EXPECT_FALSE(wnd->Wnd->IsWindow());
}

TEST_F(HotSpotTest, UnknownOrMiscasedCommandShowsAMessage) {
    for (const char* command : {"run", "Quit", "OPEN ", ""}) {
        services_.messages.clear();
        auto wnd = ShowCommand(command, "x");
        Click(*wnd, Inside(*wnd, 0));
        ASSERT_EQ(1u, services_.messages.size()) << '"' << command << '"';
        EXPECT_EQ("Invalid HotSpot Command!", services_.messages[0]);
        EXPECT_TRUE(services_.shellCalls.empty());
        EXPECT_EQ(0, windows_.ClosesPosted());
    }
}

TEST_F(HotSpotTest, ClickOutsideEveryHotSpotDoesNothing) {
    auto wnd = ShowCommand("QUIT", "");
    Click(*wnd, {400, 400});
    EXPECT_EQ(0, windows_.ClosesPosted());
    EXPECT_TRUE(services_.messages.empty());
}

TEST_F(HotSpotTest, CountsBeyondTheSlotsAreNeverFollowed) {
    auto wnd = ShowCommand("QUIT", "");
    wnd->Settings->NumberOfHotSpots = 1000;
    Host(*wnd)->Invalidate();
    windows_.Pump();
    Click(*wnd, Inside(*wnd, 0));
    EXPECT_EQ(1, windows_.ClosesPosted());
    wnd->HoverHotSpot = 99;  // never a valid index: the click must not reach past the slots
    windows_.LButtonDown(wnd->Wnd.get(), Inside(*wnd, 0));
    EXPECT_EQ(1, windows_.ClosesPosted());
}

}  // namespace
}  // namespace enginetest
