// Shared by the engine and CLI tests: a project folder saved from a few fields,
// plain 32-bit BMP files, and a fixture that installs the headless platform, with
// the pointer's moves and clicks and the keys.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "../support/scratch.h"
#include "engine/installer_wnd.h"
#include "platform/headless/headless_platform.h"

namespace enginetest {

using platform::ColorRef;
using platform::Point;
using platform::Rect;
using platform::Rgb;
using platform::raster::Surface;

constexpr ColorRef kRed = Rgb(255, 0, 0), kGreen = Rgb(0, 255, 0), kBlue = Rgb(0, 0, 255);
constexpr ColorRef kNormal = Rgb(255, 255, 255);  // every link's text colour
constexpr ColorRef kHilite = Rgb(255, 255, 0);
constexpr std::uint32_t kRuntimeStyle =
    platform::ws::Popup | platform::ws::Visible | platform::ws::Border | platform::ws::SysMenu;

struct TestLogo {
    std::string name;  // stored form, e.g. "res\\logo.bmp"
    Point location;
    int animate = 0;
    Point start = {};
    int resize = 0;
};
constexpr ColorRef kMask = Rgb(255, 0, 255);  // every logo's mask colour

struct TestHotSpot {
    std::string text;
    int left = 0, top = 0;
    std::string command = "QUIT";
    std::string dataA = {}, dataB = {};
};

struct TestProject {
    std::vector<TestLogo> logos = {};
    std::vector<TestHotSpot> hotspots = {};
    std::string background = "@@0000000100ff00";  // solid green
    int delay = 10;
    std::string startupWave = {}, hoverWave = {};

    // Saves the project, plain, into dir (which ends in '/') through the
    // platform installed.
    void Write(const std::string& dir) const {
        CInstallerWnd project(dir);
        project.EncryptionType = 0;
        LaunchSettings& s = *project.Settings;
        s.WindowTitle = "Test";
        s.BackGroundBitmapName = background;
        s.NumberOfLogosToDraw = std::int32_t(logos.size());
        for (std::size_t i = 0; i < logos.size(); ++i) {
            s.LogoBitmapName[i] = logos[i].name;
            s.LogoBitmapLocation[i] = logos[i].location;
            s.AnimateLogo[i] = logos[i].animate;
            s.LogoBitmapAnimateLocation[i] = logos[i].start;
            s.ResizeLogo[i] = logos[i].resize;
            s.LogoBitmapMaskColorR[i] = s.LogoBitmapMaskColorB[i] = 255;
        }
        s.LogoAnnimationDelay = delay;
        s.NumberOfHotSpots = std::int32_t(hotspots.size());
        for (std::size_t i = 0; i < hotspots.size(); ++i) {
            const TestHotSpot& h = hotspots[i];
            s.HotSpotText[i] = h.text;
            s.HotSpotRect[i] = {h.left, h.top, 0, 0};
            s.HotSpotCommand[i] = h.command;
            s.HotSpotCommandDataA[i] = h.dataA;
            s.HotSpotCommandDataB[i] = h.dataB;
        }
        // White text, highlighted in yellow.
        s.HotSpotTextColorR = s.HotSpotTextColorG = s.HotSpotTextColorB = 255;
        s.HotSpotTextHiliteColorR = s.HotSpotTextHiliteColorG = 255;
        s.HotSpotFontSize = -20;
        s.StartupWaveFile = startupWave;
        s.HotSpotWaveFile = hoverWave;
        EXPECT_TRUE(project.SaveSettings());
    }
};

// A 32-bit BI_RGB file, top-down; pixel(x, y) gives the colour.
inline void WriteBmp(const std::string& path, int width, int height,
                     const std::function<ColorRef(int, int)>& pixel) {
    std::string out = "BM";
    auto put = [&out](std::uint32_t v) {
        out.append({char(v), char(v >> 8), char(v >> 16), char(v >> 24)});
    };
    // Size, reserved, pixel offset, info size, width, height, planes | bits << 16, zeros.
    for (int v :
         {54 + 4 * width * height, 0, 54, 40, width, -height, 1 | 32 << 16, 0, 0, 0, 0, 0, 0})
        put(v);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            put(platform::BlueOf(pixel(x, y)) | platform::GreenOf(pixel(x, y)) << 8 |
                platform::RedOf(pixel(x, y)) << 16);
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << out;
}

inline void WriteSolidBmp(const std::string& path, int width, int height, ColorRef color) {
    WriteBmp(path, width, height, [color](int, int) { return color; });
}

inline int Count(const Surface& s, Rect r, ColorRef color) {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            n += platform::raster::ColorRefOf(s.At(x, y)) == color;
    return n;
}

// Installs the headless platform (a 1024 x 768 screen, the "[English]" section)
// over a fresh project folder that is removed at the end.
class EngineTest : public ::testing::Test {
  protected:
    std::unique_ptr<CInstallerWnd> MakeWindow(const TestProject& project) {
        project.Write(dir_);
        return std::make_unique<CInstallerWnd>(dir_);
    }
    // MakeWindow, Create as the runtime does (a pop-up without parent) and StartShow.
    std::unique_ptr<CInstallerWnd> Show(const TestProject& project) {
        auto wnd = MakeWindow(project);
        EXPECT_TRUE(wnd->Create(0, kRuntimeStyle, nullptr));
        wnd->StartShow();
        return wnd;
    }
    platform::HeadlessWindow* Host(CInstallerWnd& wnd) const {
        return static_cast<platform::HeadlessWindow*>(wnd.Wnd.get());
    }
    // The client area's pixels as the screen shows them now.
    Surface Client(CInstallerWnd& wnd) const { return windows_.ClientSurface(wnd.Wnd.get()); }
    void Repaint(CInstallerWnd& wnd) {
        Host(wnd)->Invalidate();
        windows_.Pump();
    }
    // A project of links over the plain background, with a hover sound.
    std::unique_ptr<CInstallerWnd> ShowSpots(std::vector<TestHotSpot> hotspots) {
        TestProject p{{}, std::move(hotspots)};
        p.hoverWave = "res\\hover.wav";
        return Show(p);
    }
    Rect RectOf(CInstallerWnd& wnd, int i) { return wnd.Settings->HotSpotRect[i]; }
    Point Inside(CInstallerWnd& w, int i) { return {RectOf(w, i).left + 2, RectOf(w, i).top + 2}; }
    void Key(CInstallerWnd& wnd, unsigned key, unsigned flags = 0) {
        EXPECT_TRUE(windows_.KeyDown(wnd.Wnd.get(), key, flags));
    }
    void Click(CInstallerWnd& wnd, Point p) {
        windows_.MouseMove(wnd.Wnd.get(), p);
        windows_.LButtonDown(wnd.Wnd.get(), p);
    }
    void Steps(int n) {
        for (int i = 0; i < n; ++i) windows_.StepTimers();
    }
    int StepsUntilStopped(int limit = 2000) {
        int steps = 0;
        while (steps < limit && windows_.StepTimers() > 0) ++steps;
        return steps;
    }

    sandbox::TempFolder folder_;
    const std::string dir_ = folder_.Path();
    platform::HeadlessPlatform host_;
    platform::HeadlessWindowSystem& windows_ = host_.windows;
    platform::RecordingServices& services_ = host_.services;
};

}  // namespace enginetest
