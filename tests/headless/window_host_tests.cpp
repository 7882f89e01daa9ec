// The headless window host driven through a probe
// listener: geometry, painting, device contexts, timers, mouse routing with
// capture, cursor, and closing.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/headless/headless_platform.h"
#include "platform/platform.h"

using platform::Point;
using platform::Rect;
using platform::raster::PixelOf;
using Log = std::vector<std::string>;

namespace {

constexpr std::uint32_t kRuntime =
    platform::ws::Popup | platform::ws::Visible | platform::ws::Border | platform::ws::SysMenu;
constexpr std::uint32_t kChild = platform::ws::Child | platform::ws::Visible | platform::ws::Border;
constexpr platform::ColorRef kPaint = platform::Rgb(10, 20, 30);

std::string At(Point p) { return std::to_string(p.x) + "," + std::to_string(p.y); }

// Logs every message into a log shared by the test's windows, paints its client
// area in one colour, and runs the hook on each entry so a test can act from
// inside a message.
struct Probe : platform::WindowListener {
    explicit Probe(Log& log, std::string name = "") : log(log), name(std::move(name)) {}
    void Note(const std::string& what) {
        log.push_back(name + what);
        if (hook) hook(what);
    }
    int OnCreate() override { return Note("create"), 0; }
    bool OnEraseBkgnd(platform::DC&) override { return Note("erase"), true; }
    void OnPaint() override {
        Note("paint");
        if (platform::DC* dc = window->BeginPaint()) {
            dc->FillSolidRect(window->GetClientRect(), kPaint);
            if (endPaint) window->EndPaint();
        }
    }
    void OnMouseMove(unsigned, Point p) override { Note("move " + At(p)); }
    void OnLButtonDown(unsigned, Point p) override {
        Note("ldown " + At(p));
        Note("ldown done");
    }
    void OnTimer(unsigned id) override { Note("timer " + std::to_string(id)); }
    void OnDestroy() override { Note("destroy"); }

    Log& log;
    std::string name;
    platform::Window* window = nullptr;
    bool endPaint = true;  // false: OnPaint forgets EndPaint
    std::function<void(const std::string&)> hook;
};

class WindowHostTest : public ::testing::Test {
  protected:
    std::unique_ptr<platform::Window> Make(Probe& probe, std::uint32_t style = kRuntime,
                                           Rect at = {192, 164, 832, 604},
                                           platform::Window* parent = nullptr) {
        auto window = host.CreateHostWindow(
            {0, style, {}, "", at.left, at.top, at.Width(), at.Height(), parent}, &probe);
        probe.window = window.get();
        return window;
    }

    platform::HeadlessWindowSystem host;
    Log log;
};

TEST_F(WindowHostTest, GeometryAndFrame) {
    Probe probe(log), framedProbe(log), innerProbe(log);
    auto window = Make(probe);
    EXPECT_EQ(window->GetClientRect(), (Rect{0, 0, 638, 438}));
    EXPECT_EQ(window->GetWindowRect(), (Rect{192, 164, 832, 604}));
    // A child starts at its parent's client origin, inside the parent's frame.
    auto framed = Make(framedProbe, kRuntime, {10, 20, 710, 520});
    auto inner = Make(innerProbe, kChild, {5, 6, 105, 106}, framed.get());
    EXPECT_EQ(inner->GetWindowRect(), (Rect{16, 27, 116, 127}));

    host.Pump();
    const auto& pixels = host.Windows().front()->Pixels();
    EXPECT_EQ(pixels.At(0, 0), PixelOf(platform::kHeadlessBorderColor));
    EXPECT_EQ(pixels.At(639, 439), PixelOf(platform::kHeadlessBorderColor));
    auto client = host.ClientSurface(window.get());
    ASSERT_EQ(client.width, 638);
    ASSERT_EQ(client.height, 438);
    for (auto p : client.pixels) ASSERT_EQ(p, PixelOf(kPaint));
}

TEST_F(WindowHostTest, PaintingAndLentDeviceContexts) {
    Probe shown(log), hidden(log, "hidden ");
    shown.endPaint = false;
    auto window = Make(shown);
    auto invisible = Make(hidden, platform::ws::Popup | platform::ws::Border);
    EXPECT_EQ(window->BeginPaint(), nullptr) << "a paint DC only inside OnPaint";
    EXPECT_EQ(log, (Log{"create", "hidden create"})) << "nothing paints before a pump";
    host.Pump();
    host.Pump();
    window->RedrawNow();
    EXPECT_EQ(log, (Log{"create", "hidden create", "erase", "paint", "erase", "paint"}));
    auto* hosted = host.Windows().front();
    EXPECT_EQ(hosted->OpenDCCount(), 0) << "the host ends a forgotten paint";

    platform::DC* a = window->GetDC();
    platform::DC* b = window->GetDC();
    ASSERT_TRUE(a && b);
    EXPECT_EQ(hosted->OpenDCCount(), 2);
    // Far beyond the client area: the frame must survive.
    a->FillSolidRect(Rect{-50, -50, 2000, 2000}, platform::Rgb(200, 0, 0));
    EXPECT_EQ(hosted->Pixels().At(0, 0), PixelOf(platform::kHeadlessBorderColor));
    EXPECT_EQ(host.ClientSurface(window.get()).At(637, 437), PixelOf(platform::Rgb(200, 0, 0)));
    window->ReleaseDC(a);
    window->ReleaseDC(b);
    window->ReleaseDC(a);
    EXPECT_EQ(hosted->OpenDCCount(), 0);
}

TEST_F(WindowHostTest, TimersStepInWindowThenIdOrder) {
    Probe first(log, "w1 "), second(log, "w2 ");
    auto w1 = Make(first, platform::ws::Popup);
    auto w2 = Make(second, platform::ws::Popup);
    EXPECT_EQ(w2->SetTimer(7, 50), 7u);
    EXPECT_EQ(w1->SetTimer(0x1234, 40), 0x1234u);
    EXPECT_EQ(w1->SetTimer(3, 10), 3u);
    EXPECT_EQ(w1->SetTimer(3, 20), 3u) << "an existing id gets the new interval";
    EXPECT_EQ(w1->SetTimer(0, 10), 0u);
    EXPECT_EQ(host.Windows().front()->Timers(),
              (std::map<unsigned, unsigned>{{3, 20}, {0x1234, 40}}));
    EXPECT_EQ(host.StepTimers(), 3);
    EXPECT_EQ(log, (Log{"w1 create", "w2 create", "w1 timer 3", "w1 timer 4660", "w2 timer 7"}));

    // A handler that stops a timer still due in this step, and one that stops itself.
    log.clear();
    first.hook = [&](const std::string& what) {
        w2->KillTimer(7);
        w1->KillTimer(std::stoul(what.substr(6)));  // "timer N"
    };
    EXPECT_EQ(host.StepTimers(), 2);
    first.hook = nullptr;
    EXPECT_EQ(log, (Log{"w1 timer 3", "w1 timer 4660"}));
    EXPECT_EQ(host.StepTimers(), 0);
    EXPECT_FALSE(w1->KillTimer(3));
}

TEST_F(WindowHostTest, MouseRoutingWithCaptureAndCursor) {
    Probe probe(log);
    auto window = Make(probe);
    // Without capture only points inside the client area are delivered.
    EXPECT_TRUE(host.MouseMove(window.get(), {637, 437}));
    EXPECT_FALSE(host.MouseMove(window.get(), {638, 10}));
    EXPECT_FALSE(host.MouseMove(window.get(), {-1, 10}));
    EXPECT_FALSE(host.LButtonDown(window.get(), {5, 600}));
    EXPECT_FALSE(host.MouseMoveOnScreen({0, 0}));
    EXPECT_EQ(host.CursorPos(), (Point{0, 0})) << "the pointer moves even unheard";

    window->SetCapture();
    EXPECT_TRUE(host.SetHandCursor());
    EXPECT_EQ(host.CaptureHolder(), host.Windows().front());
    EXPECT_TRUE(host.MouseMoveOnScreen({0, 0}));
    EXPECT_TRUE(host.MouseMove(window.get(), {-100, 900}));
    EXPECT_EQ(host.Cursor(), platform::CursorShape::Hand) << "no class cursor while captured";
    window->ReleaseCapture();
    EXPECT_EQ(host.CaptureHolder(), nullptr);
    EXPECT_FALSE(host.MouseMove(window.get(), {-100, 900}));
    EXPECT_EQ(host.Cursor(), platform::CursorShape::Hand);
    // The arrow comes back with the next move the window gets uncaptured.
    host.MouseMove(window.get(), {30, 30});
    EXPECT_EQ(host.Cursor(), platform::CursorShape::Arrow);
    EXPECT_EQ(log, (Log{"create", "erase", "paint", "move 637,437", "move -193,-165",
                        "move -100,900", "move 30,30"}));

    host.SetCursorPos({-5, 5000});
    EXPECT_EQ(host.CursorPos(), (Point{0, 767})) << "the pointer stays on the screen";
}

TEST_F(WindowHostTest, PostedCloseDestroysMainWindowAfterTheMessage) {
    Probe probe(log);
    auto window = Make(probe);
    host.PostCloseToMainWindow();
    host.Pump();
    EXPECT_TRUE(window->IsWindow()) << "without a main window a close is only counted";

    host.SetMainWindow(window.get());
    window->SetTimer(1, 10);
    probe.hook = [&](const std::string& what) {
        if (what != "ldown 1,1") return;
        window->SetCapture();
        host.PostCloseToMainWindow();
    };
    log.clear();
    host.LButtonDown(window.get(), {1, 1});
    EXPECT_EQ(log, (Log{"ldown 1,1", "ldown done", "destroy"}));
    EXPECT_FALSE(window->IsWindow());
    EXPECT_EQ(host.ClosesPosted(), 2);
    EXPECT_EQ(host.MainWindow(), nullptr);
    EXPECT_EQ(host.CaptureHolder(), nullptr);
    EXPECT_EQ(host.StepTimers(), 0) << "a destroyed window's timers are gone";
    window->Destroy();
    EXPECT_EQ(log.size(), 3u) << "OnDestroy runs once";
}

TEST_F(WindowHostTest, ListenerMayDeleteItsWindowWhenDestroyed) {
    Probe parentProbe(log, "parent "), childProbe(log, "child ");
    auto parent = Make(parentProbe, kRuntime, {0, 0, 800, 600});
    auto child = Make(childProbe, kChild, {0, 0, 100, 100}, parent.get());
    host.SetMainWindow(parent.get());
    parentProbe.hook = [&](const std::string& what) {
        if (what == "destroy") parent.reset();
    };
    host.PostCloseToMainWindow();
    host.Pump();
    EXPECT_EQ(parent, nullptr);
    EXPECT_FALSE(child->IsWindow());
    EXPECT_EQ(log, (Log{"parent create", "child create", "parent destroy", "child destroy"}));
    EXPECT_EQ(host.Windows().size(), 0u);
}

}  // namespace
