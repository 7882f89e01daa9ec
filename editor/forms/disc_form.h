// The disc's own settings, edited beside the background: its title (the
// image's volume name and the suggested image name) and whether autorun.inf
// gives Explorer and AutoPlay the title and the project's own icon.
#pragma once

#include <string>

class CInstallerWnd;

// File dialog filter (wxWidgets form).
constexpr const char* ICON_FILE_FILTER = "Icon Files (*.ico)|*.ico";

struct DiscForm {
    std::string title;
    bool autoPlay = false;
    std::string iconPath;  // empty: the runtime's icon

    bool IconEnabled() const { return autoPlay; }

    void Load(const CInstallerWnd& project);

    // Refuses a title with line breaks or other control characters, and an
    // icon that is not an icon file (a newly named one, or with AutoPlay on the
    // one in place); imports the icon into res\. False after its message, with
    // nothing stored.
    bool Store(CInstallerWnd& project) const;
};
