// Build Current Project without the frame: autorun.inf, the runtime copy and
// the clean-up of res\. The frame saves the project before and asks whether to
// open the folder after; velomarforge-cli builds a project read from disk.
#pragma once

#include <string>

class CInstallerWnd;
struct LaunchSettings;

// Exactly the bytes written: three lines, each ending in CR LF.
constexpr const char* AUTORUN_INF_TEXT = "[autorun]\r\nopen=Velomar.exe\r\nicon=Velomar.exe\r\n";

constexpr const char* BUILD_DONE_QUESTION =
    "Project successfully built.\n\nWould you like to open the folder containing the project "
    "files?\n\n(so you can copy the project files to the root of your CD-ROM)";

enum class BuildResult {
    NoProject,  // nothing happened, nothing shown
    Failed,     // stopped after its message; what was written stays
    Built,      // the frame may now ask BUILD_DONE_QUESTION
};

// Writes autorun.inf, copies `runtimePath` into the project folder as
// Velomar.exe and deletes every file in res\ that IsResourceInUse and
// IsNamedByLink both refuse. Sub-folders of res\ are never entered or deleted.
BuildResult BuildProject(const CInstallerWnd* project, const std::string& runtimePath);

// True when "res\" + `fileName` is, ignoring case, the background, a logo of the
// logos in use, or one of the two sounds.
bool IsResourceInUse(const LaunchSettings& settings, const std::string& fileName);

// True when a link's RUN or OPEN command names "res\" + `fileName` (its data A
// is relative to the project folder): a manual or a setup program the menu
// opens must stay on the disc.
bool IsNamedByLink(const LaunchSettings& settings, const std::string& fileName);
