// The wx window host on a real X server: geometry and border, paint order,
// window DCs, timers, mouse and capture, keys and focus, and the main window's end. A small
// listener stands in for the engine.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/timer.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/raster/raster_bitmap.h"
#include "platform/raster/raster_graphics.h"
#include "platform/wx/wx_window.h"
#include "platform/wx/wx_window_system.h"
#include "wx_test_main.h"

using gui_test::PumpFor;
using gui_test::PumpUntil;
using platform::ColorRef;
using platform::Point;
using platform::Rect;
using platform::raster::Pixel;
using platform::raster::PixelOf;

namespace {

constexpr std::uint32_t kPopup =
    platform::ws::Popup | platform::ws::Visible | platform::ws::Border | platform::ws::SysMenu;
constexpr ColorRef kFill = platform::Rgb(0, 128, 64);
constexpr ColorRef kRed = platform::Rgb(220, 20, 20);

class Listener : public platform::WindowListener {
  public:
    platform::Window* window = nullptr;
    int destroys = 0, paints = 0;
    std::string order;  // 'E' erase, 'P' paint
    std::vector<Point> moves, lefts, rights;
    std::vector<unsigned> leftFlags, ticks;
    std::string keys;  // "<vk>" per key, "s" after it for Shift, "r" for a repeat
    std::function<void(unsigned)> onTimer;

    bool OnEraseBkgnd(platform::DC&) override { return order += 'E', true; }
    void OnPaint() override {
        order += 'P';
        ++paints;
        if (platform::DC* dc = window->BeginPaint())
            dc->FillSolidRect(window->GetClientRect(), kFill);
        window->EndPaint();
    }
    void OnMouseMove(unsigned, Point p) override { moves.push_back(p); }
    void OnLButtonDown(unsigned flags, Point p) override {
        lefts.push_back(p);
        leftFlags.push_back(flags);
    }
    void OnRButtonDown(unsigned, Point p) override { rights.push_back(p); }
    void OnKeyDown(unsigned key, unsigned flags) override {
        keys += std::to_string(key);
        if (flags & platform::keyflag::Shift) keys += 's';
        if (flags & platform::keyflag::Repeat) keys += 'r';
        keys += ' ';
    }
    void OnTimer(unsigned id) override {
        ticks.push_back(id);
        if (onTimer) onTimer(id);
    }
    void OnDestroy() override { ++destroys; }

    int TicksOf(unsigned id) const { return int(std::count(ticks.begin(), ticks.end(), id)); }
};

// Every window is 640 x 440 at (100, 50): its client area starts at (101, 51).
class HostTest : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::Install(platform::Platform{&graphics, &system, nullptr, nullptr});
        x.MovePointer(1000, 750);  // away from the windows
    }
    void TearDown() override {
        window.reset();
        PumpFor(50);  // let deferred destruction run
        platform::Install(platform::Platform{});
    }

    platform::Window* Make() { return Make(&listener, nullptr, window); }
    platform::Window* Make(Listener* to, platform::Window* parent,
                           std::unique_ptr<platform::Window>& made) {
        platform::WindowParams params;
        params.style = parent ? platform::ws::Child | platform::ws::Visible : kPopup;
        params.parent = parent;
        params.title = "Installer Window";
        params.x = 100;
        params.y = 50;
        params.width = 640;
        params.height = 440;
        made = system.CreateHostWindow(params, to);
        to->window = made.get();
        EXPECT_TRUE(made && PumpUntil([&] { return to->paints > 0; }));
        return made.get();
    }
    Pixel ScreenAt(int sx, int sy) { return x.Grab(Rect{sx, sy, sx + 1, sy + 1}).At(0, 0); }
    bool ScreenShows(int sx, int sy, ColorRef c) {
        return PumpUntil([&] { return ScreenAt(sx, sy) == PixelOf(c); });
    }

    platform::raster::RasterGraphics graphics;
    platform::wx::WxWindowSystem system{true};
    Listener listener;
    std::unique_ptr<platform::Window> window;
    xtest::XDisplay& x = gui_test::Screen();
};

TEST_F(HostTest, WindowHasItsExactRectangleAOnePixelBlackBorderAndPaintsAfterErasing) {
    platform::Window* w = Make();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->GetWindowRect(), (Rect{100, 50, 740, 490}));
    EXPECT_EQ(w->GetClientRect(), (Rect{0, 0, 638, 438}));
    EXPECT_EQ(x.FindWindows("Installer Window"), (std::vector<Rect>{{100, 50, 740, 490}}));
    EXPECT_EQ(listener.order.substr(0, 2), "EP");
    EXPECT_EQ(w->BeginPaint(), nullptr) << "only inside a paint";

    ASSERT_TRUE(ScreenShows(101, 51, kFill));
    const platform::raster::Surface shot = x.Grab(Rect{100, 50, 740, 490});
    for (Point p : {Point{0, 0}, Point{639, 0}, Point{0, 439}, Point{639, 439}})
        EXPECT_EQ(shot.At(p.x, p.y), 0u) << "border at " << p;
    for (Point p : {Point{1, 1}, Point{638, 438}})
        EXPECT_EQ(shot.At(p.x, p.y), PixelOf(kFill)) << "client at " << p;

    // RedrawNow erases and paints before it returns.
    listener.order.clear();
    w->RedrawNow();
    EXPECT_EQ(listener.order, "EP");
}

TEST_F(HostTest, WindowDcDrawingShowsWithoutAPaintReadsBackAndRedrawNowReplacesIt) {
    platform::Window* w = Make();
    ASSERT_TRUE(w && ScreenShows(101, 51, kFill));
    PumpFor(100);
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
    dc = w->GetDC();
    std::unique_ptr<platform::DC> mem = graphics.CreateCompatibleDC(dc);
    std::unique_ptr<platform::Bitmap> bmp = graphics.CreateCompatibleBitmap(dc, 2, 1);
    platform::Bitmap* old = mem->SelectBitmap(bmp.get());
    EXPECT_TRUE(mem->BitBlt(0, 0, 2, 1, *dc, 59, 20, platform::Rop::SrcCopy));
    w->ReleaseDC(dc);
    const auto& pixels = static_cast<platform::raster::RasterBitmap*>(bmp.get())->surface();
    EXPECT_EQ(pixels.At(0, 0), PixelOf(kRed));
    EXPECT_EQ(pixels.At(1, 0), PixelOf(kFill));
    mem->SelectBitmap(old);

    w->RedrawNow();
    EXPECT_TRUE(ScreenShows(101 + 10, 51 + 10, kFill));
}

TEST_F(HostTest, TimersTickByIdUntilKilledEvenFromTheirOwnTick) {
    platform::Window* w = Make();
    ASSERT_NE(w, nullptr);
    listener.onTimer = [&](unsigned id) {
        if (id == 7 && listener.TicksOf(7) == 3) {
            EXPECT_TRUE(w->KillTimer(7));
        }
    };
    EXPECT_EQ(w->SetTimer(0x1234, 15), 0x1234u);
    EXPECT_EQ(w->SetTimer(7, 15), 7u);
    ASSERT_TRUE(PumpUntil([&] { return listener.TicksOf(0x1234) >= 8; }));
    EXPECT_EQ(listener.TicksOf(7), 3);
    EXPECT_FALSE(w->KillTimer(7));
    EXPECT_FALSE(w->KillTimer(99));
    EXPECT_TRUE(w->KillTimer(0x1234));
    const std::size_t ticks = listener.ticks.size();
    PumpFor(150);
    EXPECT_EQ(listener.ticks.size(), ticks);

    // A killed id can be started again.
    EXPECT_EQ(w->SetTimer(7, 15), 7u);
    EXPECT_TRUE(PumpUntil([&] { return listener.TicksOf(7) > 3; }));
}

// A pointer that jumps into the window (X sends only an enter event) is a move too, as on Windows.
TEST_F(HostTest, MouseMessagesComeInClientCoordinatesAndCaptureKeepsThemComingFromOutside) {
    platform::Window* w = Make();
    ASSERT_NE(w, nullptr);
    x.MovePointer(101 + 30, 51 + 40);
    ASSERT_TRUE(PumpUntil([&] { return !listener.moves.empty(); }));
    EXPECT_EQ(listener.moves.back(), (Point{30, 40}));
    x.Click(1);
    ASSERT_TRUE(PumpUntil([&] { return !listener.lefts.empty(); }));
    EXPECT_EQ(listener.lefts.back(), (Point{30, 40}));
    EXPECT_TRUE(listener.leftFlags.back() & platform::mk::LButton);
    x.Click(3);
    ASSERT_TRUE(PumpUntil([&] { return !listener.rights.empty(); }));
    EXPECT_EQ(listener.rights.back(), (Point{30, 40}));
    EXPECT_EQ(listener.lefts.size(), 1u);

    w->SetCapture();
    PumpFor(30);
    x.MovePointer(900, 700);
    EXPECT_TRUE(PumpUntil([&] { return listener.moves.back() == Point{799, 649}; }));
    w->ReleaseCapture();
    PumpFor(30);
    const std::size_t moves = listener.moves.size();
    x.MovePointer(950, 720);
    PumpFor(150);
    EXPECT_EQ(listener.moves.size(), moves);
}

// Keys in Win32 terms, Tab included, to the menu that took the focus as it
// appeared (the pointer is away from it); Ctrl shortcuts and other keys pass by.
TEST_F(HostTest, KeysComeAsVirtualKeysToTheWindowThatAppeared) {
    ASSERT_NE(Make(), nullptr);
    const struct {
        const char* events;  // +keysym down, -keysym up, ~ held until the server repeats
        std::string keys;
    } cases[] = {
        {"+Tab -Tab", "9 "},
        {"+Shift_L +Tab -Tab -Shift_L", "9s "},
        {"+Return -Return +KP_Enter -KP_Enter", "13 13 "},
        {"+Escape -Escape +space -space", "27 32 "},
        {"+Left -Left +Up -Up", "37 38 "},
        {"+Right -Right +KP_Down -KP_Down", "39 40 "},
        // Held (the server repeats it any number of times): repeats until released.
        {"+Return ~ -Return +Return -Return", "13 13r 13 "},
        {"+a -a +Control_L +Tab -Tab -Control_L +Escape -Escape", "27 "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.events);
        listener.keys.clear();
        std::istringstream events(c.events);
        for (std::string event; events >> event;) {
            if (event == "~") {
                PumpFor(1500);
            } else {
                x.KeyEvent(event.c_str() + 1, event[0] == '+');
            }
        }
        PumpUntil([&] { return listener.keys.size() >= c.keys.size(); }, 2000);
        PumpFor(50);
        std::string keys = listener.keys;
        for (std::size_t at; (at = keys.find("13r 13r ")) != std::string::npos;) keys.erase(at, 4);
        EXPECT_EQ(keys, c.keys) << listener.keys;
    }
}

// The editor's preview is a child window: it takes the keys once clicked.
TEST_F(HostTest, AChildWindowTakesTheKeysWhenClicked) {
    ASSERT_NE(Make(), nullptr);
    Listener childListener;
    std::unique_ptr<platform::Window> child;
    ASSERT_NE(Make(&childListener, window.get(), child), nullptr);
    x.PressKey("Tab");
    ASSERT_TRUE(PumpUntil([&] { return !listener.keys.empty(); }));
    EXPECT_EQ(childListener.keys, "");

    x.MovePointer(101 + 100 + 5, 51 + 50 + 5);  // inside the child, at (100, 50) in the parent
    x.Click(1);
    ASSERT_TRUE(PumpUntil([&] { return !childListener.lefts.empty(); }));
    listener.keys.clear();
    x.PressKey("Down");
    EXPECT_TRUE(PumpUntil([&] { return childListener.keys == "40 "; }));
    EXPECT_EQ(listener.keys, "");
    child.reset();
}

// The window manager's close button, or a posted close: either way the window
// goes, once, with its timers, and the main loop ends by itself.
TEST_F(HostTest, ClosingTheMainWindowDestroysItAndEndsTheMainLoop) {
    for (bool posted : {true, false}) {
        SCOPED_TRACE(posted ? "posted close" : "window manager's close");
        listener = Listener{};
        platform::Window* w = Make();
        ASSERT_NE(w, nullptr);
        system.SetMainWindow(w);
        w->SetTimer(1, 10);
        if (posted) {
            system.PostCloseToMainWindow();
            EXPECT_TRUE(w->IsWindow()) << "posted, not sent";
        } else {
            wxTheApp->CallAfter(
                [this] { static_cast<platform::wx::WxWindow*>(window.get())->Outer()->Close(); });
        }
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
        EXPECT_EQ(system.MainWindow(), nullptr);
        EXPECT_EQ(w->GetDC(), nullptr);
        EXPECT_EQ(w->SetTimer(1, 10), 0u);
        w->Destroy();
        const std::size_t ticks = listener.ticks.size();
        EXPECT_TRUE(PumpUntil([&] { return x.FindWindows("Installer Window").empty(); }));
        EXPECT_EQ(listener.ticks.size(), ticks);
        EXPECT_EQ(listener.destroys, 1);
    }
}

}  // namespace
