// The headless window host driven through a probe listener: geometry and
// painting, timers, mouse routing with capture and cursor, and closing.
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

// Logs every message into a log shared by the test's windows, paints its client
// area in one colour, and runs the hook on each entry so a test can act from
// inside a message.
struct Probe : platform::WindowListener {
    explicit Probe(Log& log, std::string name = "") : log(log), name(std::move(name)) {}
    void Note(const std::string& what) {
        log.push_back(name + what);
        if (hook) hook(what);
    }
    void OnPaint() override {
        Note("paint");
        if (platform::DC* dc = window->BeginPaint()) {
            dc->FillSolidRect(window->GetClientRect(), kPaint);
            window->EndPaint();
        }
    }
    void OnMouseMove(unsigned, Point p) override {
        Note("move " + std::to_string(p.x) + "," + std::to_string(p.y));
    }
    void OnLButtonDown(unsigned, Point) override { Note("ldown"); }
    void OnTimer(unsigned id) override { Note("timer " + std::to_string(id)); }
    void OnDestroy() override { Note("destroy"); }

    Log& log;
    std::string name;
    platform::Window* window = nullptr;
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

TEST_F(WindowHostTest, GeometryFrameAndPainting) {
    Probe probe(log), childProbe(log, "child ");
    auto window = Make(probe);
    EXPECT_EQ(window->GetClientRect(), (Rect{0, 0, 638, 438}));
    // A child starts at its parent's client origin, inside the parent's frame.
    auto child = Make(childProbe, kChild, {5, 6, 105, 106}, window.get());
    EXPECT_EQ(child->GetWindowRect(), (Rect{198, 171, 298, 271}));
    EXPECT_EQ(log, Log{}) << "nothing paints before a pump";
    host.Pump();
    EXPECT_EQ(log, (Log{"paint", "child paint"}));
    const auto& pixels = host.Windows().front()->Pixels();
    EXPECT_EQ(pixels.At(0, 0), PixelOf(platform::kHeadlessBorderColor));
    EXPECT_EQ(pixels.At(639, 439), PixelOf(platform::kHeadlessBorderColor));
    // Drawn far beyond the client area, the frame survives.
    platform::DC* dc = window->GetDC();
    ASSERT_NE(dc, nullptr);
    dc->FillSolidRect(Rect{-50, -50, 2000, 2000}, kPaint);
    window->ReleaseDC(dc);
    EXPECT_EQ(pixels.At(639, 439), PixelOf(platform::kHeadlessBorderColor));
    auto client = host.ClientSurface(window.get());
    ASSERT_EQ(client.width * client.height, 638 * 438);
    for (auto p : client.pixels) ASSERT_EQ(p, PixelOf(kPaint));
}

TEST_F(WindowHostTest, TimersStepInWindowThenIdOrder) {
    Probe first(log, "w1 "), second(log, "w2 ");
    auto w1 = Make(first, platform::ws::Popup);
    auto w2 = Make(second, platform::ws::Popup);
    EXPECT_EQ(w2->SetTimer(7, 50), 7u);
    EXPECT_EQ(w1->SetTimer(0x1234, 40), 0x1234u);
    EXPECT_EQ(w1->SetTimer(3, 10), 3u);
    EXPECT_EQ(host.StepTimers(), 3);
    EXPECT_EQ(log, (Log{"w1 timer 3", "w1 timer 4660", "w2 timer 7"}));

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
}

TEST_F(WindowHostTest, MouseRoutingWithCaptureAndCursor) {
    Probe probe(log);
    auto window = Make(probe);
    // Without capture only points inside the client area are delivered.
    EXPECT_TRUE(host.MouseMove(window.get(), {637, 437}));
    EXPECT_FALSE(host.MouseMove(window.get(), {638, 10}));
    EXPECT_FALSE(host.LButtonDown(window.get(), {5, 600}));

    window->SetCapture();
    EXPECT_TRUE(host.SetHandCursor());
    EXPECT_TRUE(host.MouseMove(window.get(), {-100, 900}));
    EXPECT_EQ(host.Cursor(), platform::CursorShape::Hand) << "no class cursor while captured";
    window->ReleaseCapture();
    EXPECT_FALSE(host.MouseMove(window.get(), {-100, 900}));
    // The arrow comes back with the next move the window gets uncaptured.
    host.MouseMove(window.get(), {30, 30});
    EXPECT_EQ(host.Cursor(), platform::CursorShape::Arrow);
    EXPECT_EQ(log, (Log{"paint", "move 637,437", "move -100,900", "move 30,30"}));
}

// A close posted from inside a message destroys the main window once the
// message returns, its children after it; the listener may delete its window.
TEST_F(WindowHostTest, PostedCloseDestroysMainWindowAfterTheMessage) {
    Probe probe(log), childProbe(log, "child ");
    auto window = Make(probe);
    auto child = Make(childProbe, kChild, {0, 0, 100, 100}, window.get());
    host.PostCloseToMainWindow();
    host.Pump();
    EXPECT_TRUE(window->IsWindow()) << "without a main window a close is only counted";

    host.SetMainWindow(window.get());
    window->SetTimer(1, 10);
    probe.hook = [&](const std::string& what) {
        if (what == "ldown") {
            window->SetCapture();
            host.PostCloseToMainWindow();
        }
        if (what == "destroy") window.reset();
    };
    log.clear();
    host.LButtonDown(window.get(), {101, 1});
    EXPECT_EQ(log, (Log{"ldown", "destroy", "child destroy"}));
    EXPECT_EQ(window, nullptr);
    EXPECT_FALSE(child->IsWindow());
    EXPECT_EQ(host.CaptureHolder(), nullptr);
    EXPECT_EQ(host.StepTimers(), 0) << "a destroyed window's timers are gone";
}

}  // namespace
