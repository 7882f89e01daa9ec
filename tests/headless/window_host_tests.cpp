// The headless window host: geometry, painting, device contexts, timers, mouse
// routing with capture, cursor, and closing, driven through a probe listener.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/headless/headless_window_system.h"
#include "platform/headless/recording_services.h"
#include "platform/platform.h"
#include "platform/raster/raster_graphics.h"
#include "probe_listener.h"

using platform::CursorShape;
using platform::Point;
using platform::Rect;
using platform::Rgb;
using platform::raster::PixelOf;
using probe::ProbeListener;
using Log = std::vector<std::string>;

namespace {

constexpr std::uint32_t kRuntimeStyle =
    platform::ws::Popup | platform::ws::Visible | platform::ws::Border | platform::ws::SysMenu;
constexpr std::uint32_t kPreviewStyle =
    platform::ws::Child | platform::ws::Visible | platform::ws::Border;

class WindowHostTest : public ::testing::Test {
  protected:
    void SetUp() override { platform::Install({&graphics, &host, &services, nullptr}); }

    std::unique_ptr<platform::Window> Make(ProbeListener& listener,
                                           std::uint32_t style = kRuntimeStyle, int x = 192,
                                           int y = 164, int w = 640, int h = 440,
                                           platform::Window* parent = nullptr) {
        platform::WindowParams params;
        params.style = style;
        params.title = "Installer Window";
        params.x = x;
        params.y = y;
        params.width = w;
        params.height = h;
        params.parent = parent;
        auto window = host.CreateHostWindow(params, &listener);
        listener.window = window.get();
        return window;
    }

    platform::raster::RasterGraphics graphics;
    platform::HeadlessWindowSystem host;
    platform::RecordingServices services;
};

TEST_F(WindowHostTest, BorderedPopupHasClientAreaInsideOnePixelFrame) {
    ProbeListener probe;
    auto window = Make(probe);
    ASSERT_TRUE(window);
    EXPECT_EQ(window->GetClientRect(), (Rect{0, 0, 638, 438}));
    EXPECT_EQ(window->GetWindowRect(), (Rect{192, 164, 832, 604}));
    EXPECT_EQ(host.GetScreenSize(), (platform::Size{1024, 768}));

    host.Pump();
    const auto& pixels = host.Windows().front()->Pixels();
    const auto frame = PixelOf(platform::kHeadlessBorderColor);
    const auto paint = PixelOf(probe.paintColor);
    EXPECT_EQ(pixels.At(0, 0), frame);
    EXPECT_EQ(pixels.At(639, 439), frame);
    EXPECT_EQ(pixels.At(320, 0), frame);
    EXPECT_EQ(pixels.At(0, 220), frame);
    EXPECT_EQ(pixels.At(1, 1), paint);
    EXPECT_EQ(pixels.At(638, 438), paint);

    auto client = host.ClientSurface(window.get());
    ASSERT_EQ(client.width, 638);
    ASSERT_EQ(client.height, 438);
    for (auto p : client.pixels) ASSERT_EQ(p, paint);
}

TEST_F(WindowHostTest, ChildWindowSitsInParentClientArea) {
    ProbeListener parentProbe, childProbe;
    auto parent = Make(parentProbe, platform::ws::Popup | platform::ws::Visible, 100, 50, 800, 600);
    auto child = Make(childProbe, kPreviewStyle, 80, 80, 640, 440, parent.get());
    ASSERT_TRUE(child);
    EXPECT_EQ(child->GetWindowRect(), (Rect{180, 130, 820, 570}));

    // Inside a bordered parent the child moves by the parent's frame too.
    ProbeListener framedProbe, innerProbe;
    auto framed = Make(framedProbe, kRuntimeStyle, 10, 20, 700, 500);
    auto inner = Make(innerProbe, kPreviewStyle, 5, 6, 100, 100, framed.get());
    EXPECT_EQ(inner->GetWindowRect(), (Rect{16, 27, 116, 127}));

    ProbeListener plainProbe;
    auto plain = Make(plainProbe, platform::ws::Popup, 0, 0, 64, 32);
    EXPECT_EQ(plain->GetClientRect(), (Rect{0, 0, 64, 32}));
}

TEST_F(WindowHostTest, CreationFailures) {
    ProbeListener refusing;
    refusing.createResult = -1;
    EXPECT_FALSE(Make(refusing));
    EXPECT_EQ(refusing.log, (Log{"create", "destroy"}));
    EXPECT_TRUE(host.Windows().empty());

    ProbeListener orphan;
    EXPECT_FALSE(Make(orphan, kPreviewStyle)) << "a child needs a parent";

    ProbeListener huge, negative;
    EXPECT_FALSE(Make(huge, kRuntimeStyle, 0, 0, 100000, 100000));
    EXPECT_FALSE(Make(negative, kRuntimeStyle, 0, 0, -640, 440));

    ProbeListener injected, next;
    host.FailNextCreate();
    EXPECT_FALSE(Make(injected));
    EXPECT_TRUE(injected.log.empty());
    EXPECT_TRUE(Make(next)) << "only one creation fails";

    ProbeListener goneParent, child;
    auto parent = Make(goneParent);
    parent->Destroy();
    EXPECT_FALSE(Make(child, kPreviewStyle, 0, 0, 10, 10, parent.get()));
}

TEST_F(WindowHostTest, PaintsOnceWhenShownAndSynchronouslyOnRedraw) {
    ProbeListener shown, hidden;
    auto window = Make(shown);
    auto invisible = Make(hidden, platform::ws::Popup | platform::ws::Border);
    EXPECT_EQ(shown.log, (Log{"create"})) << "nothing paints before the caller pumps";

    host.Pump();
    host.Pump();
    EXPECT_EQ(shown.log, (Log{"create", "erase", "paint"}));
    EXPECT_EQ(hidden.log, (Log{"create"})) << "a hidden window gets no paint";

    window->RedrawNow();
    EXPECT_EQ(shown.log, (Log{"create", "erase", "paint", "erase", "paint"}));

    host.Windows().front()->Invalidate();
    host.Pump();
    EXPECT_EQ(shown.log.size(), 7u);
}

TEST_F(WindowHostTest, PaintDeviceContextOnlyInsidePaint) {
    ProbeListener forgetful;
    forgetful.endPaint = false;
    auto window = Make(forgetful);
    EXPECT_EQ(window->BeginPaint(), nullptr);
    host.Pump();
    auto* hosted = host.Windows().front();
    EXPECT_EQ(hosted->UnendedPaintCount(), 1);
    EXPECT_EQ(hosted->OpenDCCount(), 0) << "the host ends a forgotten paint";
    EXPECT_EQ(host.ClientSurface(window.get()).At(0, 0), PixelOf(forgetful.paintColor));
}

TEST_F(WindowHostTest, WindowDCDrawsAtOnceClippedToClientArea) {
    ProbeListener probe;
    auto window = Make(probe);
    auto* hosted = host.Windows().front();

    platform::DC* a = window->GetDC();
    platform::DC* b = window->GetDC();
    ASSERT_TRUE(a && b);
    EXPECT_EQ(hosted->OpenDCCount(), 2);

    // Far beyond the client area: the frame must survive.
    a->FillSolidRect(Rect{-50, -50, 2000, 2000}, Rgb(200, 0, 0));
    b->FillSolidRect(Rect{0, 0, 1, 1}, Rgb(0, 200, 0));
    EXPECT_EQ(hosted->Pixels().At(0, 0), PixelOf(platform::kHeadlessBorderColor));
    EXPECT_EQ(hosted->Pixels().At(639, 439), PixelOf(platform::kHeadlessBorderColor));
    auto client = host.ClientSurface(window.get());
    EXPECT_EQ(client.At(0, 0), PixelOf(Rgb(0, 200, 0)));
    EXPECT_EQ(client.At(637, 437), PixelOf(Rgb(200, 0, 0)));

    // The animation snapshots the window through its DC.
    auto memory = graphics.CreateCompatibleDC(a);
    auto bitmap = graphics.CreateCompatibleBitmap(a, 2, 1);
    platform::Bitmap* old = memory->SelectBitmap(bitmap.get());
    ASSERT_TRUE(memory->BitBlt(0, 0, 2, 1, *a, 0, 0, platform::Rop::SrcCopy));
    platform::DC* c = window->GetDC();
    ASSERT_TRUE(c->BitBlt(10, 10, 2, 1, *memory, 0, 0, platform::Rop::SrcCopy));
    client = host.ClientSurface(window.get());
    EXPECT_EQ(client.At(10, 10), PixelOf(Rgb(0, 200, 0)));
    EXPECT_EQ(client.At(11, 10), PixelOf(Rgb(200, 0, 0)));
    memory->SelectBitmap(old);

    window->ReleaseDC(a);
    window->ReleaseDC(b);
    window->ReleaseDC(c);
    window->ReleaseDC(a);
    EXPECT_EQ(hosted->OpenDCCount(), 0);
    EXPECT_EQ(hosted->StrayReleaseCount(), 1);
}

TEST_F(WindowHostTest, NoDeviceContextWhenUnavailableOrDestroyed) {
    ProbeListener probe;
    auto window = Make(probe);
    auto* hosted = host.Windows().front();
    hosted->SetDCAvailable(false);
    EXPECT_EQ(window->GetDC(), nullptr);
    hosted->SetDCAvailable(true);
    window->Destroy();
    EXPECT_EQ(window->GetDC(), nullptr);
}

TEST_F(WindowHostTest, TimersStepInWindowThenIdOrder) {
    ProbeListener first, second;
    auto w1 = Make(first);
    auto w2 = Make(second);
    EXPECT_EQ(w2->SetTimer(7, 50), 7u);
    EXPECT_EQ(w1->SetTimer(0x1234, 40), 0x1234u);
    EXPECT_EQ(w1->SetTimer(3, 10), 3u);
    EXPECT_EQ(w1->SetTimer(3, 20), 3u) << "an existing id gets the new interval";
    EXPECT_EQ(w1->SetTimer(0, 10), 0u);
    EXPECT_EQ(host.Windows().front()->Timers(),
              (std::map<unsigned, unsigned>{{3, 20}, {0x1234, 40}}));

    Log order;
    first.onTimer = [&](unsigned id) { order.push_back("w1 " + std::to_string(id)); };
    second.onTimer = [&](unsigned id) { order.push_back("w2 " + std::to_string(id)); };
    EXPECT_EQ(host.StepTimers(), 3);
    EXPECT_EQ(order, (Log{"w1 3", "w1 4660", "w2 7"}));

    // A handler that stops a timer still due in this step, and one that stops itself.
    order.clear();
    first.onTimer = [&](unsigned id) {
        order.push_back("w1 " + std::to_string(id));
        w2->KillTimer(7);
        w1->KillTimer(id);
    };
    EXPECT_EQ(host.StepTimers(), 2);
    EXPECT_EQ(order, (Log{"w1 3", "w1 4660"}));
    EXPECT_EQ(host.StepTimers(), 0);
    EXPECT_FALSE(w1->KillTimer(3));
}

TEST_F(WindowHostTest, StepPaintsPendingWindowsBeforeTimers) {
    ProbeListener probe;
    auto window = Make(probe);
    window->SetTimer(1, 10);
    host.StepTimers();
    EXPECT_EQ(probe.log, (Log{"create", "erase", "paint", "timer 1"}));
}

TEST_F(WindowHostTest, MouseReachesClientAreaOnlyWithoutCapture) {
    ProbeListener probe;
    auto window = Make(probe);
    probe.log.clear();
    EXPECT_TRUE(host.MouseMove(window.get(), {0, 0}));
    EXPECT_TRUE(host.MouseMove(window.get(), {637, 437}));
    EXPECT_FALSE(host.MouseMove(window.get(), {638, 10}));
    EXPECT_FALSE(host.MouseMove(window.get(), {-1, 10}));
    EXPECT_TRUE(host.LButtonDown(window.get(), {5, 6}));
    EXPECT_FALSE(host.LButtonDown(window.get(), {5, 600}));
    EXPECT_TRUE(host.RButtonDown(window.get(), {7, 8}));
    EXPECT_EQ(probe.log, (Log{"erase", "paint", "move 0,0", "move 637,437", "ldown 5,6",
                              "ldown done", "rdown 7,8"}));
    EXPECT_EQ(host.CursorPos(), (Point{192 + 1 - 1, 164 + 1 + 10}))
        << "the pointer moves even where no window hears it";
}

TEST_F(WindowHostTest, CaptureFollowsPointerOutOfWindowAndKeepsHandCursor) {
    ProbeListener probe;
    auto window = Make(probe);
    probe.onMouseMove = [&](Point p) {
        if (window->GetClientRect().Contains(p)) {
            window->SetCapture();
            host.SetHandCursor();
        } else if (p.y > 800) {
            window->ReleaseCapture();
        }
    };
    host.MouseMove(window.get(), {10, 10});
    EXPECT_EQ(host.CaptureHolder(), host.Windows().front());
    EXPECT_EQ(host.Cursor(), CursorShape::Hand);

    host.MouseMove(window.get(), {20, 20});
    EXPECT_EQ(host.Cursor(), CursorShape::Hand) << "no class cursor while captured";

    probe.log.clear();
    EXPECT_TRUE(host.MouseMoveOnScreen({0, 0}));
    EXPECT_TRUE(host.MouseMove(window.get(), {-100, 900}));
    EXPECT_EQ(probe.log, (Log{"move -193,-165", "move -100,900"}));
    EXPECT_EQ(host.CaptureHolder(), nullptr);

    // The arrow comes back with the next move the window gets uncaptured.
    EXPECT_EQ(host.Cursor(), CursorShape::Hand);
    probe.onMouseMove = nullptr;
    host.MouseMove(window.get(), {30, 30});
    EXPECT_EQ(host.Cursor(), CursorShape::Arrow);
    EXPECT_EQ(host.HandCursorRequests(), 2);
}

TEST_F(WindowHostTest, EditorHasNoHandCursor) {
    platform::HeadlessWindowSystem editor({1280, 1024}, false);
    EXPECT_FALSE(editor.SetHandCursor());
    EXPECT_EQ(editor.Cursor(), CursorShape::Arrow);
    EXPECT_EQ(editor.HandCursorRequests(), 0);
    EXPECT_EQ(editor.GetScreenSize(), (platform::Size{1280, 1024}));
}

TEST_F(WindowHostTest, PointerStaysOnScreen) {
    host.SetCursorPos({192, 164});
    EXPECT_EQ(host.CursorPos(), (Point{192, 164}));
    host.SetCursorPos({-5, 5000});
    EXPECT_EQ(host.CursorPos(), (Point{0, 767}));
}

TEST_F(WindowHostTest, ScreenPointReachesTopmostWindow) {
    ProbeListener parentProbe, childProbe;
    auto parent = Make(parentProbe, kRuntimeStyle, 0, 0, 800, 600);
    auto child = Make(childProbe, kPreviewStyle, 100, 100, 200, 200, parent.get());
    host.Pump();
    parentProbe.log.clear();
    childProbe.log.clear();
    EXPECT_TRUE(host.MouseMoveOnScreen({150, 150}));
    EXPECT_TRUE(host.MouseMoveOnScreen({50, 50}));
    EXPECT_FALSE(host.MouseMoveOnScreen({900, 700}));
    EXPECT_EQ(childProbe.log, (Log{"move 48,48"}));
    EXPECT_EQ(parentProbe.log, (Log{"move 49,49"}));
}

TEST_F(WindowHostTest, PostedCloseDestroysMainWindowAfterTheMessage) {
    ProbeListener probe;
    auto window = Make(probe);
    host.SetMainWindow(window.get());
    window->SetTimer(1, 10);
    probe.onLButtonDown = [&](Point) {
        window->SetCapture();
        host.PostCloseToMainWindow();
    };
    probe.log.clear();
    host.LButtonDown(window.get(), {1, 1});
    EXPECT_EQ(probe.log, (Log{"erase", "paint", "ldown 1,1", "ldown done", "destroy"}));
    EXPECT_FALSE(window->IsWindow());
    EXPECT_EQ(host.ClosesPosted(), 1);
    EXPECT_EQ(host.MainWindow(), nullptr);
    EXPECT_EQ(host.CaptureHolder(), nullptr);
    EXPECT_EQ(host.StepTimers(), 0) << "a destroyed window's timers are gone";

    window->Destroy();
    EXPECT_EQ(probe.log.back(), "destroy");
    EXPECT_EQ(probe.log.size(), 5u) << "OnDestroy runs once";
}

TEST_F(WindowHostTest, ListenerMayDeleteItsWindowWhenDestroyed) {
    ProbeListener parentProbe, childProbe;
    auto parent = Make(parentProbe, kRuntimeStyle, 0, 0, 800, 600);
    auto child = Make(childProbe, kPreviewStyle, 0, 0, 100, 100, parent.get());
    host.SetMainWindow(parent.get());
    parentProbe.onDestroy = [&] { parent.reset(); };
    host.PostCloseToMainWindow();
    host.Pump();
    EXPECT_EQ(parent, nullptr);
    EXPECT_FALSE(child->IsWindow());
    EXPECT_EQ(host.Windows().size(), 0u);
}

TEST_F(WindowHostTest, CloseWithoutMainWindowIsOnlyRecorded) {
    ProbeListener probe;
    auto window = Make(probe);
    host.PostCloseToMainWindow();
    host.Pump();
    EXPECT_TRUE(window->IsWindow());
    EXPECT_EQ(host.ClosesPosted(), 1);
}

TEST_F(WindowHostTest, ChildrenDieAfterTheirParent) {
    ProbeListener parentProbe, childProbe;
    Log order;
    parentProbe.onDestroy = [&] { order.push_back("parent"); };
    childProbe.onDestroy = [&] { order.push_back("child"); };
    auto parent = Make(parentProbe, kRuntimeStyle, 0, 0, 800, 600);
    auto child = Make(childProbe, kPreviewStyle, 0, 0, 100, 100, parent.get());
    parent.reset();
    EXPECT_FALSE(child->IsWindow());
    EXPECT_EQ(order, (Log{"parent", "child"}));
    child->Destroy();
    EXPECT_EQ(order.size(), 2u);
}

TEST(WindowHostLifetime, WindowOutlivingItsHostIsNoLongerAWindow) {
    ProbeListener probe;
    std::unique_ptr<platform::Window> window;
    {
        platform::HeadlessWindowSystem host;
        platform::WindowParams params;
        params.style = kRuntimeStyle;
        params.width = 640;
        params.height = 440;
        window = host.CreateHostWindow(params, &probe);
        window->SetCapture();
    }
    EXPECT_FALSE(window->IsWindow());
    EXPECT_EQ(window->GetDC(), nullptr);
    window->ReleaseCapture();
    window.reset();
    EXPECT_EQ(probe.log, (Log{"create"}));
}

}  // namespace
