// Shared by the engine tests: a project folder written from a few fields, plain
// 24-bit BMP files, and a fixture that installs the headless platform.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/installer_wnd.h"
#include "platform/headless/headless_platform.h"
#include "platform/platform.h"

namespace enginetest {

using platform::ColorRef;
using platform::Point;
using platform::Rgb;

struct TestLogo {
    std::string name;  // stored form, e.g. "res\\logo.bmp"
    Point location;
    int animate = 0;
    Point start;
    int resize = 0;
    ColorRef mask = Rgb(255, 0, 255);
};

struct TestHotSpot {
    std::string text;
    int left = 0;
    int top = 0;
    std::string command = "QUIT";
    std::string dataA;
    std::string dataB;
};

struct TestProject {
    std::string background = "@@0000000100ff00";
    std::vector<TestLogo> logos;
    int delay = 10;
    std::vector<TestHotSpot> hotspots;
    ColorRef textColor = Rgb(255, 255, 255);
    ColorRef hiliteColor = Rgb(255, 255, 0);
    int fontSize = 20;
    std::string startupWave;
    std::string hoverWave;

    // Writes AppSetup.dat plain into dir (which ends in '/').
    void Write(const std::string& dir) const;
};

// A 24-bit BI_RGB file, bottom-up unless topDown; pixel(x, y) gives the colour.
void WriteBmp(const std::string& path, int width, int height,
              const std::function<ColorRef(int, int)>& pixel, bool topDown = false);
// A bitmap of one colour.
void WriteSolidBmp(const std::string& path, int width, int height, ColorRef color);

// A fresh folder under the system's temporary folder, removed at the end.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    const std::string& Path() const { return path_; }  // ends in '/'

  private:
    std::string path_;
};

// Installs raster graphics, the headless window system on a 1024 x 768 screen,
// recording services and the POSIX system reading the "[English]" section.
class EngineTest : public ::testing::Test {
  protected:
    // Writes the project into the temp folder, constructs the window object on it.
    std::unique_ptr<CInstallerWnd> MakeWindow(const TestProject& project);
    // MakeWindow and Create as the runtime does (a pop-up without parent).
    std::unique_ptr<CInstallerWnd> CreateRuntimeWindow(const TestProject& project);

    platform::HeadlessWindow* Host(CInstallerWnd& wnd) const;
    // The client area's pixels as the screen shows them now.
    platform::raster::Surface Client(CInstallerWnd& wnd) const;
    ColorRef ClientPixel(CInstallerWnd& wnd, int x, int y) const;
    // Delivers n timer steps.
    void Steps(int n);

    TempDir dir_;
    platform::HeadlessPlatform host_;
    platform::raster::RasterGraphics& graphics_ = host_.graphics;
    platform::HeadlessWindowSystem& windows_ = host_.windows;
    platform::RecordingServices& services_ = host_.services;
    platform::System& system_ = host_.system;
};

// Rect of the client area whose pixels all have the colour.
::testing::AssertionResult AreaIs(const platform::raster::Surface& s, platform::Rect r,
                                  ColorRef color);

}  // namespace enginetest
