// Build Current Project without the frame: autorun.inf, the runtime copy and
// the clean-up of res\. The frame saves the project before and asks whether to
// open the folder after; velomarforge-cli builds a project read from disk.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class CInstallerWnd;
struct LaunchSettings;

// Exactly the bytes written without AutoPlay: three lines, each ending in CR LF.
constexpr const char* AUTORUN_INF_TEXT = "[autorun]\r\nopen=Velomar.exe\r\nicon=Velomar.exe\r\n";

constexpr const char* BUILD_DONE_QUESTION =
    "Project successfully built.\n\nWould you like to open the folder containing the project "
    "files?\n\n(so you can copy the project files to the root of your CD-ROM)";

// After a build that removed or kept files in res: the count first, the list
// on request, then the folder question without its first line.
constexpr const char* SEE_LIST_QUESTION = "Would you like to see the list of these files?";
constexpr const char* OPEN_FOLDER_QUESTION =
    "Would you like to open the folder containing the project files?\n\n(so you can copy the "
    "project files to the root of your CD-ROM)";

constexpr const char* RES_LINK_NOTE =
    "The RES folder is a link to another folder: its unused files were not deleted.";

constexpr const char* OFF_DISC_NOTE = "These files the menu uses cannot go onto the disc:";

constexpr const char* MISSING_NOTE =
    "These files the menu needs are missing. Without its background or a logo the menu does not "
    "start from the disc (Windows shows nothing); without a sound it plays none:";

// What the build did in res, as res\ names: the files it deleted, and those
// it kept only because a link's RUN or OPEN names them.
struct BuildReport {
    std::vector<std::string> removed;
    std::vector<std::string> keptForLinks;
    bool Empty() const { return removed.empty() && keptForLinks.empty(); }
};

// One line per file ("Removed res\old.bmp", "Kept res\setup.exe: a link uses it"),
// each ending in a line feed; past `most` lines, one saying how many more.
std::string BuildReportLines(const BuildReport& report, std::size_t most = SIZE_MAX);

// "Removed 2 files from res; kept 1 only because a link uses it."
std::string BuildCountLine(const BuildReport& report);

enum class BuildResult {
    NoProject,  // nothing happened, nothing shown
    Failed,     // stopped after its message; what was written stays
    Built,      // the frame may now ask BUILD_DONE_QUESTION
};

// Removes our own temporary files a killed build or save left in the folder,
// writes autorun.inf, copies `runtimePath` into the project folder as a real
// Velomar.exe and deletes every regular file in res\ that no used name reaches
// (see UsedNames). Sub-folders and links in res\ are never entered or
// deleted, and a res that is itself a link is not cleaned (RES_LINK_NOTE).
// Other spellings of autorun.inf and Velomar.exe go, and a second spelling of
// AppSetup.dat fails the build (KeepOneSpelling). Named in one message
// before Built: other spellings removed, the pictures and sounds the menu needs that
// are missing (MISSING_NOTE), pictures that are no BMP (NotBmpLine), used files that cannot go onto
// the disc or would have another name there (OFF_DISC_NOTE), and every entry the disc would carry
// under another name or beside a name that differs only in case (FindDiscNameFaults). *report, when
// given, says what happened in res.
BuildResult BuildProject(const CInstallerWnd* project, const std::string& runtimePath,
                         BuildReport* report = nullptr);

// The stored names the menu opens relative to the project folder: the
// background, the logos in use, the sounds, the AutoPlay icon and the RUN and
// OPEN links' data A (a manual or a setup program the menu opens must stay on
// the disc).
std::vector<std::string> UsedNames(const LaunchSettings& settings);

// A stored name as Windows reads it, in one comparable form: lower case, '\'
// only, no empty, "." or ".." components (".." above the top stays at the top,
// as at a disc's root), trailing dots and spaces of a component dropped.
// "./RES//x/../Logo.bmp." and "res\logo.bmp" are the same file.
std::string WindowsNormalName(const std::string& name);
