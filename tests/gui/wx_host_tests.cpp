// The wx window host on a real X server: geometry, pixels on screen, paint
// order, window DCs, timers, mouse and capture, cursor, pointer, child windows,
// destruction and the main window. A small listener stands in for the engine.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/frame.h>
#include <wx/timer.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/raster/raster_bitmap.h"
#include "platform/raster/raster_graphics.h"
#include "platform/wx/hand_cursor.h"
#include "platform/wx/wx_parent_window.h"
#include "platform/wx/wx_window.h"
#include "platform/wx/wx_window_system.h"
#include "wx_test_main.h"
#include "x_session.h"

using platform::ColorRef;
using platform::Point;
using platform::Rect;
using platform::Rgb;
using platform::raster::Pixel;
using platform::raster::PixelOf;

namespace {

constexpr std::uint32_t kPopup =
    platform::ws::Popup | platform::ws::Visible | platform::ws::Border | platform::ws::SysMenu;
constexpr ColorRef kFill = Rgb(0, 128, 64);
constexpr ColorRef kRed = Rgb(220, 20, 20);

class Listener : public platform::WindowListener {
  public:
    platform::Window* window = nullptr;
    int createResult = 0;
    int creates = 0, destroys = 0, paints = 0;
    std::string order;  // 'E' erase, 'P' paint
    std::vector<Point> moves, lefts, rights;
    std::vector<unsigned> leftFlags;
    std::vector<unsigned> ticks;
    std::function<void(unsigned)> onTimer;

    int OnCreate() override {
        ++creates;
        return createResult;
    }
    bool OnEraseBkgnd(platform::DC&) override {
        order += 'E';
        return true;
    }
    void OnPaint() override {
        order += 'P';
        ++paints;
        platform::DC* dc = window->BeginPaint();
        if (dc) dc->FillSolidRect(window->GetClientRect(), kFill);
        window->EndPaint();
    }
    void OnMouseMove(unsigned, Point p) override { moves.push_back(p); }
    void OnLButtonDown(unsigned flags, Point p) override {
        lefts.push_back(p);
        leftFlags.push_back(flags);
    }
    void OnRButtonDown(unsigned, Point p) override { rights.push_back(p); }
    void OnTimer(unsigned id) override {
        ticks.push_back(id);
        if (onTimer) onTimer(id);
    }
    void OnDestroy() override { ++destroys; }

    int TicksOf(unsigned id) const { return int(std::count(ticks.begin(), ticks.end(), id)); }
};

class HostTest : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::Install(platform::Platform{&graphics, &system, nullptr, nullptr});
        ASSERT_TRUE(x.ok());
        x.MovePointer(1000, 750);  // park the pointer away from the windows
    }
    void TearDown() override {
        window.reset();
        gui_test::PumpFor(50);  // let deferred destruction run
        platform::Install(platform::Platform{});
    }

    platform::Window* Make(std::uint32_t style, int x0, int y0, int w = 640, int h = 440,
                           platform::Window* parent = nullptr) {
        platform::WindowParams params;
        params.style = style;
        params.title = "Installer Window";
        params.x = x0;
        params.y = y0;
        params.width = w;
        params.height = h;
        params.parent = parent;
        window = system.CreateHostWindow(params, &listener);
        listener.window = window.get();
        return window.get();
    }
    platform::wx::WxWindow* Wx() { return static_cast<platform::wx::WxWindow*>(window.get()); }

    Pixel ScreenAt(int sx, int sy) { return x.Grab(Rect{sx, sy, sx + 1, sy + 1}).At(0, 0); }
    bool ScreenShows(int sx, int sy, ColorRef c) {
        return gui_test::PumpUntil([&] { return ScreenAt(sx, sy) == PixelOf(c); });
    }
    bool Painted() {
        return gui_test::PumpUntil([&] { return listener.paints > 0; });
    }

    platform::raster::RasterGraphics graphics;
    platform::wx::WxWindowSystem system{true};
    Listener listener;
    std::unique_ptr<platform::Window> window;
    gui_test::XSession x{gui_test::TestDisplay()};
};

TEST_F(HostTest, TopLevelWindowHasTheExactRectangleAndAOnePixelBlackBorder) {
    platform::Window* w = Make(kPopup, 100, 50);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->GetWindowRect(), (Rect{100, 50, 740, 490}));
    EXPECT_EQ(w->GetClientRect(), (Rect{0, 0, 638, 438}));
    ASSERT_TRUE(Painted());
    ASSERT_TRUE(ScreenShows(101, 51, kFill));

    std::vector<::Window> found = x.FindWindows("Installer Window");
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(x.WindowRect(found[0]), (Rect{100, 50, 740, 490}));

    const platform::raster::Surface shot = x.Grab(Rect{100, 50, 740, 490});
    for (Point p : {Point{0, 0}, Point{639, 0}, Point{0, 439}, Point{639, 439}, Point{320, 0},
                    Point{0, 220}, Point{639, 220}, Point{320, 439}}) {
        EXPECT_EQ(shot.At(p.x, p.y), 0u) << "border at " << p;
    }
    for (Point p : {Point{1, 1}, Point{638, 1}, Point{1, 438}, Point{638, 438}, Point{320, 220}}) {
        EXPECT_EQ(shot.At(p.x, p.y), PixelOf(kFill)) << "client at " << p;
    }
}

TEST_F(HostTest, WithoutABorderTheWholeWindowIsClient) {
    platform::Window* w = Make(platform::ws::Popup | platform::ws::Visible, 20, 30, 200, 100);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->GetClientRect(), (Rect{0, 0, 200, 100}));
    ASSERT_TRUE(Painted());
    EXPECT_TRUE(ScreenShows(20, 30, kFill));
    EXPECT_TRUE(ScreenShows(219, 129, kFill));
}

TEST_F(HostTest, PaintErasesFirstAndBeginPaintWorksOnlyInsideIt) {
    platform::Window* w = Make(kPopup, 100, 50);
    ASSERT_TRUE(Painted());
    EXPECT_EQ(listener.order.substr(0, 2), "EP");
    EXPECT_EQ(w->BeginPaint(), nullptr);

    // RedrawNow erases and paints before it returns.
    const int before = listener.paints;
    listener.order.clear();
    w->RedrawNow();
    EXPECT_EQ(listener.paints, before + 1);
    EXPECT_EQ(listener.order, "EP");
}

TEST_F(HostTest, WindowDcDrawingShowsWithoutAPaintAndRedrawNowReplacesIt) {
    platform::Window* w = Make(kPopup, 100, 50);
    ASSERT_TRUE(Painted());
    ASSERT_TRUE(ScreenShows(101, 51, kFill));
    gui_test::PumpFor(100);
    const int paints = listener.paints;

    platform::DC* dc = w->GetDC();
    ASSERT_NE(dc, nullptr);
    dc->FillSolidRect(Rect{10, 10, 60, 40}, kRed);
    w->ReleaseDC(dc);
    EXPECT_TRUE(ScreenShows(101 + 10, 51 + 10, kRed));
    EXPECT_TRUE(ScreenShows(101 + 59, 51 + 39, kRed));
    EXPECT_EQ(ScreenAt(101 + 60, 51 + 40), PixelOf(kFill));
    EXPECT_EQ(listener.paints, paints) << "a window DC must not cause a full paint";

    // Reading through a window DC gives what the screen shows (the animation's snapshot).
    platform::DC* windowDC = w->GetDC();
    std::unique_ptr<platform::DC> mem = graphics.CreateCompatibleDC(windowDC);
    std::unique_ptr<platform::Bitmap> bmp = graphics.CreateCompatibleBitmap(windowDC, 2, 1);
    platform::Bitmap* old = mem->SelectBitmap(bmp.get());
    EXPECT_TRUE(mem->BitBlt(0, 0, 2, 1, *windowDC, 59, 20, platform::Rop::SrcCopy));
    w->ReleaseDC(windowDC);
    const auto& pixels = static_cast<platform::raster::RasterBitmap*>(bmp.get())->surface();
    EXPECT_EQ(pixels.At(0, 0), PixelOf(kRed));
    EXPECT_EQ(pixels.At(1, 0), PixelOf(kFill));
    mem->SelectBitmap(old);

    w->RedrawNow();
    EXPECT_TRUE(ScreenShows(101 + 10, 51 + 10, kFill));
}

TEST_F(HostTest, TimersTickByIdUntilKilledEvenFromTheirOwnTick) {
    platform::Window* w = Make(kPopup, 100, 50);
    ASSERT_NE(w, nullptr);
    listener.onTimer = [&](unsigned id) {
        if (id == 7 && listener.TicksOf(7) == 3) EXPECT_TRUE(w->KillTimer(7));
    };
    EXPECT_EQ(w->SetTimer(0x1234, 15), 0x1234u);
    EXPECT_EQ(w->SetTimer(7, 15), 7u);
    ASSERT_TRUE(gui_test::PumpUntil([&] { return listener.TicksOf(0x1234) >= 8; }));
    EXPECT_EQ(listener.TicksOf(7), 3);
    EXPECT_FALSE(w->KillTimer(7));
    EXPECT_FALSE(w->KillTimer(99));
    EXPECT_TRUE(w->KillTimer(0x1234));
    const std::size_t ticks = listener.ticks.size();
    gui_test::PumpFor(150);
    EXPECT_EQ(listener.ticks.size(), ticks);

    // A killed id can be started again.
    EXPECT_EQ(w->SetTimer(7, 15), 7u);
    EXPECT_TRUE(gui_test::PumpUntil([&] { return listener.TicksOf(7) > 3; }));
}

// A pointer that jumps into the window (X sends only an enter event) is a move too, as on Windows.
TEST_F(HostTest, MouseMessagesArriveInClientCoordinates) {
    Make(kPopup, 100, 50);
    ASSERT_TRUE(Painted());
    x.MovePointer(101 + 30, 51 + 40);
    ASSERT_TRUE(gui_test::PumpUntil([&] { return !listener.moves.empty(); }));
    EXPECT_EQ(listener.moves.back(), (Point{30, 40}));

    x.Click(1);
    ASSERT_TRUE(gui_test::PumpUntil([&] { return !listener.lefts.empty(); }));
    EXPECT_EQ(listener.lefts.back(), (Point{30, 40}));
    EXPECT_TRUE(listener.leftFlags.back() & platform::mk::LButton);

    x.Click(3);
    ASSERT_TRUE(gui_test::PumpUntil([&] { return !listener.rights.empty(); }));
    EXPECT_EQ(listener.rights.back(), (Point{30, 40}));
    EXPECT_EQ(listener.lefts.size(), 1u);
}

TEST_F(HostTest, CaptureKeepsMovesComingFromOutsideTheWindow) {
    platform::Window* w = Make(kPopup, 100, 50);
    ASSERT_TRUE(Painted());
    x.MovePointer(101 + 5, 51 + 5);
    ASSERT_TRUE(gui_test::PumpUntil([&] { return !listener.moves.empty(); }));

    w->SetCapture();
    gui_test::PumpFor(30);
    x.MovePointer(900, 700);
    ASSERT_TRUE(gui_test::PumpUntil([&] { return listener.moves.back() == Point{799, 649}; }));

    w->ReleaseCapture();
    gui_test::PumpFor(30);
    const std::size_t moves = listener.moves.size();
    x.MovePointer(950, 720);
    gui_test::PumpFor(150);
    EXPECT_EQ(listener.moves.size(), moves);
}

TEST_F(HostTest, HandCursorWhileCapturedAndTheArrowAfterRelease) {
    platform::Window* w = Make(kPopup, 100, 50);
    ASSERT_TRUE(Painted());
    x.MovePointer(101 + 5, 51 + 5);
    ASSERT_TRUE(gui_test::PumpUntil([&] { return !listener.moves.empty(); }));

    platform::raster::Surface before;
    Point beforeHot;
    ASSERT_TRUE(x.CursorImage(&before, &beforeHot));

    w->SetCapture();
    EXPECT_TRUE(system.SetHandCursor());
    platform::raster::Surface hand;
    Point hot;
    ASSERT_TRUE(gui_test::PumpUntil(
        [&] { return x.CursorImage(&hand, &hot) && hand.pixels != before.pixels; }));
    if (platform::wx::kHandCursorSize > 0) {
        // Our own picture: 32 x 32, the fingertip at (12, 1).
        EXPECT_EQ(hand.width, 32);
        EXPECT_EQ(hand.height, 32);
        EXPECT_EQ(hot, (Point{12, 1}));
    }

    w->ReleaseCapture();
    x.MovePointer(101 + 8, 51 + 8);
    platform::raster::Surface after;
    Point afterHot;
    EXPECT_TRUE(gui_test::PumpUntil(
        [&] { return x.CursorImage(&after, &afterHot) && after.pixels == before.pixels; }));
}

TEST_F(HostTest, WithoutAHandCursorTheCursorStays) {
    platform::wx::WxWindowSystem editor(false);
    platform::WindowParams params;
    params.style = kPopup;
    params.x = 100;
    params.y = 50;
    params.width = 640;
    params.height = 440;
    Listener quiet;
    std::unique_ptr<platform::Window> w = editor.CreateHostWindow(params, &quiet);
    quiet.window = w.get();
    ASSERT_TRUE(gui_test::PumpUntil([&] { return quiet.paints > 0; }));
    x.MovePointer(101 + 5, 51 + 5);
    ASSERT_TRUE(gui_test::PumpUntil([&] { return !quiet.moves.empty(); }));
    platform::raster::Surface before, after;
    Point hot;
    ASSERT_TRUE(x.CursorImage(&before, &hot));
    w->SetCapture();
    EXPECT_FALSE(editor.SetHandCursor());
    gui_test::PumpFor(100);
    ASSERT_TRUE(x.CursorImage(&after, &hot));
    EXPECT_EQ(after.pixels, before.pixels);
    w->ReleaseCapture();
}

TEST_F(HostTest, SetCursorPosMovesThePointerInScreenCoordinates) {
    Make(kPopup, 100, 50);
    ASSERT_TRUE(Painted());
    system.SetCursorPos(Point{100, 50});
    EXPECT_TRUE(gui_test::PumpUntil([&] { return x.PointerPosition() == Point{100, 50}; }));
    system.SetCursorPos(Point{700, 600});
    EXPECT_TRUE(gui_test::PumpUntil([&] { return x.PointerPosition() == Point{700, 600}; }));
}

TEST_F(HostTest, ChildWindowSitsInItsParentsClientAreaAndDiesWithIt) {
    auto* frame =
        new wxFrame(nullptr, wxID_ANY, "Preview", wxPoint(50, 60), wxSize(800, 600), wxBORDER_NONE);
    frame->Show();
    platform::wx::WxParentWindow parent(frame);
    ASSERT_TRUE(gui_test::PumpUntil([&] { return frame->IsShownOnScreen(); }));
    EXPECT_EQ(parent.GetClientRect(), (Rect{0, 0, 800, 600}));

    platform::Window* w = Make(platform::ws::Child | platform::ws::Visible | platform::ws::Border,
                               80, 70, 640, 440, &parent);
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(Painted());
    EXPECT_EQ(w->GetWindowRect(), (Rect{130, 130, 770, 570}));
    EXPECT_TRUE(ScreenShows(131, 131, kFill));
    EXPECT_EQ(ScreenAt(130, 130), 0u);

    frame->Destroy();
    ASSERT_TRUE(gui_test::PumpUntil([&] { return listener.destroys == 1; }));
    EXPECT_FALSE(w->IsWindow());
    EXPECT_EQ(w->GetDC(), nullptr);
    EXPECT_FALSE(parent.IsWindow());
}

TEST_F(HostTest, DestroyTellsTheListenerOnceAndStopsEverything) {
    platform::Window* w = Make(kPopup, 100, 50);
    ASSERT_TRUE(Painted());
    w->SetTimer(1, 10);
    w->Destroy();
    EXPECT_EQ(listener.destroys, 1);
    EXPECT_FALSE(w->IsWindow());
    EXPECT_EQ(w->GetDC(), nullptr);
    EXPECT_EQ(w->SetTimer(1, 10), 0u);
    w->Destroy();
    EXPECT_EQ(listener.destroys, 1);
    const std::size_t ticks = listener.ticks.size();
    EXPECT_TRUE(gui_test::PumpUntil([&] { return x.FindWindows("Installer Window").empty(); }));
    gui_test::PumpFor(50);
    EXPECT_EQ(listener.ticks.size(), ticks);
    window.reset();
    EXPECT_EQ(listener.destroys, 1);
}

TEST_F(HostTest, OnCreateRefusalFailsTheCreation) {
    listener.createResult = -1;
    EXPECT_EQ(Make(kPopup, 100, 50), nullptr);
    EXPECT_EQ(listener.creates, 1);
    EXPECT_EQ(listener.destroys, 1);
    gui_test::PumpFor(50);
    EXPECT_TRUE(x.FindWindows("Installer Window").empty());
}

TEST_F(HostTest, ClosingTheWindowDestroysIt) {
    platform::Window* w = Make(kPopup, 100, 50);
    ASSERT_TRUE(Painted());
    Wx()->Outer()->Close();  // what a window manager's close button does
    EXPECT_TRUE(gui_test::PumpUntil([&] { return !w->IsWindow(); }));
    EXPECT_EQ(listener.destroys, 1);
}

TEST_F(HostTest, PostedCloseDestroysTheMainWindowAndEndsTheMainLoop) {
    platform::Window* w = Make(kPopup, 100, 50);
    ASSERT_TRUE(Painted());
    system.SetMainWindow(w);
    system.PostCloseToMainWindow();
    EXPECT_TRUE(w->IsWindow()) << "posted, not sent";

    // If the loop does not end by itself, the guard ends it and the test fails.
    bool guardFired = false;
    wxTimer guard;
    guard.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
        guardFired = true;
        wxTheApp->ExitMainLoop();
    });
    guard.StartOnce(5000);
    wxTheApp->MainLoop();
    guard.Stop();
    EXPECT_FALSE(guardFired);
    EXPECT_FALSE(w->IsWindow());
    EXPECT_EQ(listener.destroys, 1);
    EXPECT_EQ(system.MainWindow(), nullptr);
}

}  // namespace
