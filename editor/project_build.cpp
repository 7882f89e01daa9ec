#include "editor/project_build.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

#include "editor/dialogs/resource_import.h"
#include "engine/installer_wnd.h"
#include "engine/settings_values.h"
#include "platform/platform.h"

namespace fs = std::filesystem;

namespace {

void Show(const char* text) {
    platform::Current().services->ShowMessage(text, platform::MessageButtons::Ok);
}

std::string RealPath(const std::string& path) { return platform::Current().system->RealPath(path); }

char Lower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

// A stored relative name in one comparable form: backslashes, no leading ".\"
// or "\", no doubled separators, lower case. "./RES//Logo.bmp" and
// "res\logo.bmp" name the same file on the disc.
std::string Canonical(const std::string& name) {
    std::string out;
    for (char c : name) {
        c = c == '/' ? '\\' : Lower(c);
        if (c == '\\' && (out.empty() || out.back() == '\\')) continue;
        out += c;
        if (out == ".\\") out.clear();
    }
    return out;
}

bool Names(const std::string& stored, const std::string& fileName) {
    return Canonical(stored) == Canonical("res\\" + fileName);
}

bool WriteAutorunInf(const std::string& path) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const std::string text = AUTORUN_INF_TEXT;
    const bool written = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    return std::fclose(f) == 0 && written;
}

}  // namespace

bool IsResourceInUse(const LaunchSettings& s, const std::string& fileName) {
    if (Names(TextOf(s.BackGroundBitmapName), fileName)) return true;
    const int logos = std::clamp<std::int32_t>(s.NumberOfLogosToDraw, 0, MAX_LOGOS);
    for (int i = 0; i < logos; ++i) {
        if (Names(TextOf(s.LogoBitmapName[i]), fileName)) return true;
    }
    return Names(TextOf(s.StartupWaveFile), fileName) || Names(TextOf(s.HotSpotWaveFile), fileName);
}

bool IsNamedByLink(const LaunchSettings& s, const std::string& fileName) {
    const int links = std::clamp<std::int32_t>(s.NumberOfHotSpots, 0, MAX_HOTSPOTS);
    for (int i = 0; i < links; ++i) {
        const std::string& command = TextOf(s.HotSpotCommand[i]);
        if ((command == "RUN" || command == "OPEN") &&
            Names(TextOf(s.HotSpotCommandDataA[i]), fileName))
            return true;
    }
    return false;
}

BuildResult BuildProject(const CInstallerWnd* project, const std::string& runtimePath) {
    if (!project) return BuildResult::NoProject;
    const std::string folder = FolderWithSeparator(project->ProjectFolder);

    // An AUTORUN.INF or VELOMAR.EXE from a Windows-made project is replaced,
    // not joined by a second file that differs only in case.
    if (!WriteAutorunInf(RealPath(folder + "autorun.inf"))) {
        Show("Failed to create the Autorun.inf file!");
        return BuildResult::Failed;
    }
    if (!CopyFileToPath(runtimePath, RealPath(folder + "Velomar.exe"))) {
        Show("Failed to copy the runtime to the project directory!");
        return BuildResult::Failed;
    }

    // The names are gathered first: removing entries while the folder is being
    // read may make the listing skip others.
    std::vector<fs::path> unused;
    std::error_code ec;
    fs::directory_iterator it(fs::path(RealPath(folder + "res")), ec);
    if (ec) {
        Show("Unexpected error! Can't locate the RES folder!");
        return BuildResult::Failed;
    }
    const LaunchSettings& settings = *project->Settings;
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::error_code typeEc;
        if (it->is_directory(typeEc)) continue;
        const std::string name = it->path().filename().string();
        if (!IsResourceInUse(settings, name) && !IsNamedByLink(settings, name))
            unused.push_back(it->path());
    }
    for (const fs::path& path : unused) fs::remove(path, ec);  // one that will not go stays
    return BuildResult::Built;
}
