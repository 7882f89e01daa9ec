// LoadSettings and SaveSettings on the largest project the record holds:
// 15 animated logos and 15 hotspots, scrambled. Every key lookup rescans the
// section, so this is the reader's worst case (about 370 scans).
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "engine/installer_wnd.h"
#include "platform/headless/fixed_language_system.h"
#include "platform/platform.h"
#include "platform/posix/posix_system.h"

namespace {

class SilentServices : public platform::Services {
  public:
    platform::MessageAnswer ShowMessage(const std::string&, platform::MessageButtons) override {
        return platform::MessageAnswer::No;
    }
    void Trace(const std::string&) override {}
    void PlaySoundFile(const std::string&) override {}
    void ShellExecuteFile(platform::Window*, const char*, const std::string&,
                          const char*) override {}
};

// A scrambled AppSetup.dat with every slot used, in a folder of its own.
class LargestProject {
  public:
    LargestProject() {
        char pattern[] = "/tmp/velomar_bench.XXXXXX";
        folder_ = std::string(mkdtemp(pattern)) + "/";
        platform::Platform p;
        p.services = &services_;
        p.system = &system_;
        platform::Install(p);

        CInstallerWnd project(folder_);
        LaunchSettings& s = *project.Settings;
        s.WindowTitle = "Velomar Benchmark Disc - Largest Project";
        s.BackGroundBitmapName = "res\\background picture.bmp";
        s.NumberOfLogosToDraw = MAX_LOGOS;
        for (int i = 0; i < MAX_LOGOS; ++i) {
            s.LogoBitmapName[i] = "res\\logo number " + std::to_string(i + 1) + ".bmp";
            s.LogoBitmapLocation[i] = {20 * i, 10 * i};
            s.AnimateLogo[i] = 1;
            s.LogoBitmapAnimateLocation[i] = {-200, 400 - 10 * i};
            s.ResizeLogo[i] = i % 2;
            s.LogoBitmapMaskColorR[i] = 255;
            s.LogoBitmapMaskColorB[i] = 255;
        }
        s.LogoAnnimationDelay = 20;
        s.NumberOfHotSpots = MAX_HOTSPOTS;
        for (int i = 0; i < MAX_HOTSPOTS; ++i) {
            s.HotSpotText[i] = "Install component number " + std::to_string(i + 1);
            s.HotSpotRect[i] = {40, 100 + 20 * i, 0, 0};
            s.HotSpotCommand[i] = "RUN";
            s.HotSpotCommandDataA[i] = "setup\\component" + std::to_string(i + 1) + ".exe";
            s.HotSpotCommandDataB[i] = "/quiet /norestart";
        }
        s.HotSpotTextColorR = s.HotSpotTextColorG = s.HotSpotTextColorB = 255;
        s.HotSpotTextHiliteColorR = 255;
        s.HotSpotFontSize = -16;
        s.StartupWaveFile = "res\\startup sound.wav";
        s.HotSpotWaveFile = "res\\hover sound.wav";
        project.EncryptionType = 1;
        project.SaveSettings();
    }
    ~LargestProject() {
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
        platform::Install(platform::Platform{});
    }
    const std::string& Folder() const { return folder_; }

  private:
    SilentServices services_;
    platform::PosixSystem posix_;
    platform::FixedLanguageSystem system_{&posix_, "English"};
    std::string folder_;
};

void BM_LoadSettings(benchmark::State& state) {
    LargestProject largest;
    CInstallerWnd project(largest.Folder());
    for (auto _ : state) {
        project.ClearSettings();
        if (!project.LoadSettings()) state.SkipWithError("LoadSettings failed");
    }
}
BENCHMARK(BM_LoadSettings)->Unit(benchmark::kMicrosecond);

// Includes the temporary file, fsync and rename that make the save safe.
void BM_SaveSettings(benchmark::State& state) {
    LargestProject largest;
    CInstallerWnd project(largest.Folder());
    if (!project.LoadSettings()) state.SkipWithError("LoadSettings failed");
    for (auto _ : state) {
        if (!project.SaveSettings()) state.SkipWithError("SaveSettings failed");
    }
}
BENCHMARK(BM_SaveSettings)->Unit(benchmark::kMicrosecond);

}  // namespace
