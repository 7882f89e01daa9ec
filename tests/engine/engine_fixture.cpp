#include "engine_fixture.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/raster/surface.h"

namespace enginetest {

namespace {

void Put16(std::string& out, unsigned v) {
    out += char(v & 0xFF);
    out += char((v >> 8) & 0xFF);
}
void Put32(std::string& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

}  // namespace

void TestProject::Write(const std::string& dir) const {
    std::ostringstream f;
    f << "[English]\r\nINIEncryptionType=0\r\nINIVersion=3\r\nWindowTitle=Test\r\n"
      << "BackGroundBitmapName=" << background << "\r\n\r\n\r\n";
    f << "NumberOfLogosToDraw=" << logos.size() << "\r\n\r\n";
    for (size_t i = 0; i < logos.size(); ++i) {
        const TestLogo& l = logos[i];
        const size_t n = i + 1;
        f << "LogoBitmapName" << n << "=" << l.name << "\r\n"
          << "LogoBitmapLocationX" << n << "=" << l.location.x << "\r\n"
          << "LogoBitmapLocationY" << n << "=" << l.location.y << "\r\n"
          << "AnimateLogo" << n << "=" << l.animate << "\r\n";
        if (l.animate) {
            f << "LogoBitmapAnimateLocationX" << n << "=" << l.start.x << "\r\n"
              << "LogoBitmapAnimateLocationY" << n << "=" << l.start.y << "\r\n"
              << "ResizeLogo" << n << "=" << l.resize << "\r\n";
        }
        f << "LogoBitmapMaskColorR" << n << "=" << int(platform::RedOf(l.mask)) << "\r\n"
          << "LogoBitmapMaskColorG" << n << "=" << int(platform::GreenOf(l.mask)) << "\r\n"
          << "LogoBitmapMaskColorB" << n << "=" << int(platform::BlueOf(l.mask)) << "\r\n";
    }
    f << "LogoAnnimationDelay=" << delay << "\r\n\r\n\r\n";
    f << "NumberOfHotSpots=" << hotspots.size() << "\r\n\r\n";
    for (size_t i = 0; i < hotspots.size(); ++i) {
        const TestHotSpot& h = hotspots[i];
        const size_t n = i + 1;
        f << "HotSpotText" << n << "=" << h.text << "\r\n"
          << "HotSpotTextLocationLeft" << n << "=" << h.left << "\r\n"
          << "HotSpotTextLocationTop" << n << "=" << h.top << "\r\n"
          << "HotSpotCommand" << n << "=" << h.command << "\r\n"
          << "HotSpotCommandDataA" << n << "=" << h.dataA << "\r\n"
          << "HotSpotCommandDataB" << n << "=" << h.dataB << "\r\n";
    }
    f << "\r\nHotSpotTextColorR=" << int(platform::RedOf(textColor))
      << "\r\nHotSpotTextColorG=" << int(platform::GreenOf(textColor))
      << "\r\nHotSpotTextColorB=" << int(platform::BlueOf(textColor)) << "\r\n"
      << "\r\nHotSpotTextHiliteColorR=" << int(platform::RedOf(hiliteColor))
      << "\r\nHotSpotTextHiliteColorG=" << int(platform::GreenOf(hiliteColor))
      << "\r\nHotSpotTextHiliteColorB=" << int(platform::BlueOf(hiliteColor)) << "\r\n"
      << "\r\nHotSpotFontSize=" << fontSize << "\r\n"
      << "\r\nStartupWaveFile=" << startupWave << "\r\nHotSpotWaveFile=" << hoverWave << "\r\n";
    std::ofstream(dir + "AppSetup.dat", std::ios::binary) << f.str();
}

void WriteBmp(const std::string& path, int width, int height,
              const std::function<ColorRef(int, int)>& pixel, bool topDown) {
    const int stride = (width * 3 + 3) & ~3;
    std::string out;
    out += "BM";
    Put32(out, std::uint32_t(54 + stride * height));
    Put32(out, 0);
    Put32(out, 54);
    Put32(out, 40);
    Put32(out, std::uint32_t(width));
    Put32(out, std::uint32_t(topDown ? -height : height));
    Put16(out, 1);
    Put16(out, 24);
    for (int i = 0; i < 6; ++i) Put32(out, 0);
    for (int row = 0; row < height; ++row) {
        const int y = topDown ? row : height - 1 - row;
        for (int x = 0; x < width; ++x) {
            ColorRef c = pixel(x, y);
            out += char(platform::BlueOf(c));
            out += char(platform::GreenOf(c));
            out += char(platform::RedOf(c));
        }
        out.append(size_t(stride - width * 3), '\0');
    }
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << out;
}

void WriteSolidBmp(const std::string& path, int width, int height, ColorRef color) {
    WriteBmp(path, width, height, [color](int, int) { return color; });
}

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "velomar-engine-XXXXXX");
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (!mkdtemp(buffer.data())) std::abort();
    path_ = std::string(buffer.data()) + "/";
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::unique_ptr<CInstallerWnd> EngineTest::MakeWindow(const TestProject& project) {
    project.Write(dir_.Path());
    return std::make_unique<CInstallerWnd>(dir_.Path());
}

std::unique_ptr<CInstallerWnd> EngineTest::CreateRuntimeWindow(const TestProject& project) {
    auto wnd = MakeWindow(project);
    using namespace platform::ws;
    EXPECT_TRUE(wnd->Create(0, Popup | Visible | Border | SysMenu, nullptr));
    return wnd;
}

platform::HeadlessWindow* EngineTest::Host(CInstallerWnd& wnd) const {
    return static_cast<platform::HeadlessWindow*>(wnd.Wnd.get());
}

platform::raster::Surface EngineTest::Client(CInstallerWnd& wnd) const {
    return windows_.ClientSurface(wnd.Wnd.get());
}

ColorRef EngineTest::ClientPixel(CInstallerWnd& wnd, int x, int y) const {
    return platform::raster::ColorRefOf(Client(wnd).At(x, y));
}

void EngineTest::Steps(int n) {
    for (int i = 0; i < n; ++i) windows_.StepTimers();
}

::testing::AssertionResult AreaIs(const platform::raster::Surface& s, platform::Rect r,
                                  ColorRef color) {
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) {
            ColorRef got = platform::raster::ColorRefOf(s.At(x, y));
            if (got != color) {
                return ::testing::AssertionFailure()
                       << "pixel (" << x << "," << y << ") is 0x" << std::hex << got
                       << ", expected 0x" << color << " over " << r;
            }
        }
    }
    return ::testing::AssertionSuccess();
}

}  // namespace enginetest
