// The headless host as the CLI's render runs the menu on it: the window's
// frame and client area, painting, timer steps and mouse moves.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/headless/headless_platform.h"
#include "platform/platform.h"

namespace {

using platform::Point;
using platform::Rect;
using platform::raster::PixelOf;
using Log = std::vector<std::string>;

constexpr platform::ColorRef kPaint = platform::Rgb(10, 20, 30);

// Logs every message and paints its client area in one colour.
struct Probe : platform::WindowListener {
    void OnPaint() override {
        log.push_back("paint");
        if (platform::DC* dc = window->BeginPaint()) {
            dc->FillSolidRect(window->GetClientRect(), kPaint);
            window->EndPaint();
        }
    }
    void OnMouseMove(unsigned, Point p) override {
        log.push_back("move " + std::to_string(p.x) + "," + std::to_string(p.y));
    }
    void OnTimer(unsigned id) override {
        log.push_back("timer " + std::to_string(id));
        if (id == 3) window->KillTimer(3);
    }

    Log log;
    platform::Window* window = nullptr;
};

TEST(WindowHost, RunsTheMenuWindowAsRenderDoes) {
    platform::HeadlessWindowSystem host;
    Probe probe;
    auto window = host.CreateHostWindow(
        {0,
         platform::ws::Popup | platform::ws::Visible | platform::ws::Border | platform::ws::SysMenu,
         {},
         "",
         192,
         164,
         640,
         440,
         nullptr},
        &probe);
    ASSERT_NE(window, nullptr);
    probe.window = window.get();
    EXPECT_EQ(window->GetClientRect(), (Rect{0, 0, 638, 438}));
    EXPECT_EQ(probe.log, Log{}) << "nothing paints before a pump";
    host.Pump();
    // Drawn far beyond the client area, the frame survives.
    platform::DC* dc = window->GetDC();
    ASSERT_NE(dc, nullptr);
    dc->FillSolidRect(Rect{-50, -50, 2000, 2000}, kPaint);
    window->ReleaseDC(dc);
    const auto& pixels = host.Windows().front()->Pixels();
    EXPECT_EQ(pixels.At(0, 0), PixelOf(platform::kHeadlessBorderColor));
    EXPECT_EQ(pixels.At(639, 439), PixelOf(platform::kHeadlessBorderColor));
    auto client = host.ClientSurface(window.get());
    ASSERT_EQ(client.width * client.height, 638 * 438);
    for (auto p : client.pixels) ASSERT_EQ(p, PixelOf(kPaint));

    // Each step delivers the timers set; a step with none left delivers nothing.
    window->SetTimer(7, 50);
    window->SetTimer(3, 10);
    EXPECT_EQ(host.StepTimers(), 2);
    EXPECT_EQ(host.StepTimers(), 1);
    window->KillTimer(7);
    EXPECT_EQ(host.StepTimers(), 0);
    // Only points inside the client area reach the window.
    EXPECT_TRUE(host.MouseMove(window.get(), {637, 437}));
    EXPECT_FALSE(host.MouseMove(window.get(), {638, 10}));
    EXPECT_EQ(probe.log, (Log{"paint", "timer 3", "timer 7", "timer 7", "move 637,437"}));
}

}  // namespace
