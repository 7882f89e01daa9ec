// What ShellExecute means on a Linux desktop: programs are started directly,
// everything else goes to the desktop's opener (xdg-open, else gio open).
#pragma once

#include <string>
#include <vector>

namespace platform {
class System;
}

namespace platform::wx {

// "www." opens as a web address, as the Windows shell does; so does anything
// with a URL scheme ("http:", "mailto:"; one-letter schemes are drive letters).
bool IsWebAddress(const std::string& target);

// The program to start and its arguments; empty when nothing can be done.
// verb null: an executable file runs with params split as on Windows (a bare
// name is searched in PATH); anything else opens in its default application.
// Any other verb opens the target in its default application.
// system (may be null) maps a stored name to a real path.
std::vector<std::string> PlanShellExecute(const char* verb, const std::string& file,
                                          const char* params, System* system);

// A regular file we may execute.
bool IsExecutableFile(const std::string& path);

// The full path of a program name searched in PATH, or "" when not found.
std::string FindInPath(const std::string& name);

// Starts argv[0] with argv, detached (a grandchild of ours, so nothing is left
// to reap). False when no process could be made or argv is empty. With
// `watchMs`, the program is watched that long: an end with a non-zero status
// (or a failed start) within it is false too, and one still running then
// counts as started. Without, the caller never waits for the program.
bool SpawnDetached(const std::vector<std::string>& argv, int watchMs = 0);

// xdg-open or gio: a desktop opener, whose exit status says whether anything
// could open the target.
bool IsDesktopOpener(const std::string& program);

// How long an opener is watched: a desktop's returns at once; the generic
// xdg-open waits for the browser it starts, which then counts as opened.
constexpr int OPENER_WATCH_MS = 2000;

}  // namespace platform::wx
