// The File menu's recent projects: the last ones opened or made, newest first,
// kept in the settings store so that they outlast the editor.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

class CRegSettings;

constexpr std::size_t MAX_RECENT_PROJECTS = 8;

// `folder` first, an earlier entry for the same folder dropped, at most
// MAX_RECENT_PROJECTS kept.
std::vector<std::string> WithRecentFolder(std::vector<std::string> list, const std::string& folder);

// The list without any entry for `folder`.
std::vector<std::string> WithoutFolder(std::vector<std::string> list, const std::string& folder);

// Both name one folder: a trailing separator does not count, and where folders
// are written with '\' (Windows) neither does letter case.
bool IsSameFolder(const std::string& a, const std::string& b);

// Menu text of the entry at `index` (from 0): "&1 /path/", with any '&' of the
// path doubled so that it shows rather than marks a key, control bytes as
// "\x1B" and the marks that turn text around (U+202E ...) as "\u202E".
std::string RecentMenuText(std::size_t index, const std::string& folder);

// The list as the settings store keeps it ("Recent Projects", values Project1
// to Project8).
class RecentProjects {
  public:
    explicit RecentProjects(CRegSettings& store) : store_(store) {}

    std::vector<std::string> Folders() const;
    // A project was opened or made. A folder the store cannot hold whole (too
    // long, a line break) is left out rather than kept cut short.
    void Add(const std::string& folder);
    // True when the folder still holds a project. Otherwise the user is told,
    // and it leaves the list.
    bool StillThere(const std::string& folder);
    // The menu's entry `index` (of `shown`, the list it was made from) when its
    // project is still there; otherwise "" (a gone one has left the list).
    std::string Pick(const std::vector<std::string>& shown, std::size_t index);

    static constexpr const char* SECTION = "Recent Projects";

  private:
    void Store(const std::vector<std::string>& folders);

    CRegSettings& store_;
};
