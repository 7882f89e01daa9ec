// Shared by the test and benchmark programs: scratch folders, whole-file
// reads and writes, a project folder with a platform whose language is fixed (the
// machine's locale never picks the section), and a run of the built CLI.
#pragma once

#include <sys/wait.h>

#include <memory>
#include <ostream>
#include <vector>

#include "engine/installer_wnd.h"
#include "platform/headless/fixed_language_system.h"
#include "platform/headless/recording_services.h"
#include "platform/platform.h"
#include "platform/posix/posix_system.h"
#include "scratch.h"

namespace sandbox {

using Strings = std::vector<std::string>;
using Messages = Strings;

#ifdef VELOMAR_SOURCE_DIR
inline std::string Fixture(const std::string& name) {
    return ReadBytes(VELOMAR_SOURCE_DIR "/tests/unit/fixtures/" + name);
}
#endif

#ifdef VELOMAR_BINARY_DIR
inline const std::string kCli = VELOMAR_BINARY_DIR "/bin/velomarforge-cli";

struct CliRun {
    int status = -1;  // -1: the program did not exit normally
    std::string out, err;
    bool operator==(const CliRun& o) const {
        return status == o.status && out == o.out && err == o.err;
    }
    friend std::ostream& operator<<(std::ostream& os, const CliRun& r) {
        return os << "status " << r.status << ", out \"" << r.out << "\", err \"" << r.err << '"';
    }
};

// Runs velomarforge-cli with `args` under the C locale, so the "[English]" section, and
// with `env` (NAME=value words) added to its environment.
inline CliRun RunCli(const std::vector<std::string>& args, const std::string& env = "") {
    auto quoted = [](const std::string& arg) {
        std::string out = "'";
        for (char c : arg) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
        return out + "'";
    };
    TempFolder capture;
    // A program that hangs (on a pipe, say) fails the test instead of stopping it.
    std::string command = "LC_ALL=C timeout 60 env " + env + " " + quoted(kCli);
    for (const std::string& arg : args) command += " " + quoted(arg);
    command += " >" + quoted(capture.File("out")) + " 2>" + quoted(capture.File("err"));
    CliRun run;
    const int raw = std::system(command.c_str());
    if (raw != -1 && WIFEXITED(raw)) run.status = WEXITSTATUS(raw);
    run.out = ReadBytes(capture.File("out"));
    run.err = ReadBytes(capture.File("err"));
    return run;
}
#endif

// A project folder; the platform (recording services, POSIX system speaking
// English) is installed for the sandbox's lifetime.
class ProjectSandbox {
  public:
    ProjectSandbox() {
        platform::Platform p;
        p.services = &services;
        p.system = &system;
        platform::Install(p);
    }
    ~ProjectSandbox() { platform::Install(platform::Platform{}); }
    ProjectSandbox(const ProjectSandbox&) = delete;
    ProjectSandbox& operator=(const ProjectSandbox&) = delete;

    std::unique_ptr<CInstallerWnd> NewProject() const {
        return std::make_unique<CInstallerWnd>(folder.Path());
    }
    std::string SettingsPath() const { return folder.File("AppSetup.dat"); }
    std::string SettingsBytes() const { return ReadBytes(SettingsPath()); }

    platform::RecordingServices services;
    platform::PosixSystem posix;
    platform::FixedLanguageSystem system{&posix, "English"};
    TempFolder folder;
};

// Every slot used with two-digit keys: 15 animated logos and 15 hotspots.
inline void FillLargestRecord(LaunchSettings& s) {
    s.WindowTitle = "Velomar Benchmark Disc - Largest Project";
    s.BackGroundBitmapName = "res\\background picture.bmp";
    s.NumberOfLogosToDraw = MAX_LOGOS;
    for (int i = 0; i < MAX_LOGOS; ++i) {
        s.LogoBitmapName[i] = "res\\logo number " + std::to_string(i + 1) + ".bmp";
        s.LogoBitmapLocation[i] = {20 * i, 10 * i};
        s.AnimateLogo[i] = 1;
        s.LogoBitmapAnimateLocation[i] = {-200, 400 - 10 * i};
        s.ResizeLogo[i] = i % 2;
        s.LogoBitmapMaskColorR[i] = s.LogoBitmapMaskColorB[i] = 255;
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
}

}  // namespace sandbox
