// The menu window headless: one animation frame, and Create of the largest
// project (15 logos of 200 x 150, an 800 x 600 background, 15 hotspots).
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "engine/installer_wnd.h"
#include "platform/headless/headless_platform.h"

namespace {

void WriteBmp(const std::string& path, int w, int h, std::uint32_t seed) {
    const int stride = (w * 3 + 3) & ~3;
    std::string data(size_t(54 + stride * h), '\0');
    auto put32 = [&data](size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) data[at + i] = char((v >> (8 * i)) & 0xFF);
    };
    data[0] = 'B';
    data[1] = 'M';
    put32(2, std::uint32_t(data.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, std::uint32_t(w));
    put32(22, std::uint32_t(h));
    data[26] = 1;
    data[28] = 24;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            // A pattern with a magenta (mask) border.
            bool edge = x < 8 || y < 8 || x >= w - 8 || y >= h - 8;
            char* p = &data[size_t(54 + y * stride + x * 3)];
            p[0] = edge ? char(255) : char((x + seed) & 0xFF);
            p[1] = edge ? char(0) : char((y * 2) & 0xFF);
            p[2] = edge ? char(255) : char((x ^ y) & 0xFF);
        }
    std::ofstream(path, std::ios::binary) << data;
}

// A project folder in the temp folder, written through the engine's own writer.
class Project {
  public:
    Project(int logos, bool moving, bool resize) {
        std::string pattern = (std::filesystem::temp_directory_path() / "velomar-bench-XXXXXX");
        if (!mkdtemp(pattern.data())) std::abort();
        dir_ = pattern + "/";
        std::filesystem::create_directories(dir_ + "res");
        WriteBmp(dir_ + "res/back.bmp", 800, 600, 0);

        CInstallerWnd wnd(dir_);
        LaunchSettings& s = *wnd.Settings;
        s.WindowTitle = "Bench";
        s.BackGroundBitmapName = "res\\back.bmp";
        s.NumberOfLogosToDraw = logos;
        s.LogoAnnimationDelay = 15;
        for (int i = 0; i < logos; ++i) {
            std::string name = "res\\logo" + std::to_string(i) + ".bmp";
            WriteBmp(dir_ + "res/logo" + std::to_string(i) + ".bmp", 200, 150, std::uint32_t(i));
            s.LogoBitmapName[i] = name;
            s.LogoBitmapLocation[i] = {20 * i, 15 * i};
            s.AnimateLogo[i] = moving;
            s.LogoBitmapAnimateLocation[i] = {400, 250};
            s.ResizeLogo[i] = resize;
            s.LogoBitmapMaskColorR[i] = 255;
            s.LogoBitmapMaskColorB[i] = 255;
        }
        s.NumberOfHotSpots = MAX_HOTSPOTS;
        for (int i = 0; i < MAX_HOTSPOTS; ++i) {
            s.HotSpotText[i] = "Hotspot number " + std::to_string(i + 1);
            s.HotSpotRect[i] = {30 + 200 * (i % 3), 150 + 50 * (i / 3), 0, 0};
            s.HotSpotCommand[i] = "OPEN";
        }
        s.HotSpotTextColorR = s.HotSpotTextColorG = s.HotSpotTextColorB = 255;
        s.HotSpotFontSize = -20;
        if (!wnd.SaveSettings()) std::abort();
    }
    ~Project() { std::filesystem::remove_all(dir_); }
    const std::string& Dir() const { return dir_; }

  private:
    std::string dir_;
};

// One copy of a client area between two bitmaps, as the frame's last step does.
double ClientCopySeconds(platform::Graphics& g, int w, int h) {
    auto from = g.CreateCompatibleBitmap(nullptr, w, h);
    auto to = g.CreateCompatibleBitmap(nullptr, w, h);
    auto fromDC = g.CreateCompatibleDC(nullptr);
    auto toDC = g.CreateCompatibleDC(nullptr);
    platform::Bitmap* oldFrom = fromDC->SelectBitmap(from.get());
    platform::Bitmap* oldTo = toDC->SelectBitmap(to.get());
    toDC->BitBlt(0, 0, w, h, *fromDC, 0, 0, platform::Rop::SrcCopy);  // warm
    constexpr int kCopies = 500;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kCopies; ++i)
        toDC->BitBlt(0, 0, w, h, *fromDC, 0, 0, platform::Rop::SrcCopy);
    const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
    fromDC->SelectBitmap(oldFrom);
    toDC->SelectBitmap(oldTo);
    return spent.count() / kCopies;
}

constexpr std::uint32_t kRuntimeStyle =
    platform::ws::Popup | platform::ws::Visible | platform::ws::Border | platform::ws::SysMenu;

void BM_CreateLargestProject(benchmark::State& state) {
    platform::HeadlessPlatform host;
    Project project(MAX_LOGOS, false, false);
    for (auto _ : state) {
        CInstallerWnd wnd(project.Dir());
        if (!wnd.Create(0, kRuntimeStyle, nullptr)) state.SkipWithError("Create failed");
        state.PauseTiming();  // teardown is not part of Create
        wnd.Wnd.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CreateLargestProject)->Unit(benchmark::kMillisecond);

// One frame in the middle of a 200 x 150 logo's movement over the largest
// project's picture: restore, transparent draw, copy of the client area.
void BM_AnimationFrame(benchmark::State& state) {
    const bool resize = state.range(0) != 0;
    platform::HeadlessPlatform host;
    Project project(MAX_LOGOS, true, resize);
    CInstallerWnd wnd(project.Dir());
    if (!wnd.Create(0, kRuntimeStyle, nullptr)) state.SkipWithError("Create failed");
    wnd.StartShow();
    host.windows.StepTimers();  // set-up of the first logo
    LogoAnnimationState& a = wnd.Settings->LogoAnnimation;
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        a.FrameCount = 20;
        wnd.OnTimer(LOGO_TIMER_ID);
    }
    const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
    // The frame in copies of the client area, the unit its target is set in.
    const platform::Rect client = wnd.Wnd->GetClientRect();
    if (state.iterations() > 0)
        state.counters["client_copies"] =
            spent.count() / double(state.iterations()) /
            ClientCopySeconds(host.graphics, client.Width(), client.Height());
    state.SetLabel(resize ? "resized (1.95x)" : "natural size");
}
BENCHMARK(BM_AnimationFrame)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
