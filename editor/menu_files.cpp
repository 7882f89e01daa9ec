#include "editor/menu_files.h"

#include "engine/launch_settings.h"
#include "engine/picture_kind.h"
#include "engine/window_helpers.h"
#include "platform/platform.h"

namespace {

struct Lines {
    std::string missing, notBmp;
};

void CheckFile(const std::string& folder, const std::string& name, const std::string& role,
               Lines* lines, bool picture = false) {
    if (name.empty()) return;
    // Found as the runtime finds it: each component without regard to case.
    const std::string path = window_detail::ProjectFile(folder, name);
    if (!platform::Current().system->FileExists(path)) {
        lines->missing += "\n" + name + " (" + role + ")";
    } else if (picture) {
        const std::string why = NotBmpLine(path, name);
        if (!why.empty()) lines->notBmp += (lines->notBmp.empty() ? "" : "\n") + why;
    }
}

}  // namespace

std::string MissingMenuFilesText(const LaunchSettings& s, const std::string& folder) {
    Lines lines;
    const std::string background = TextOf(s.BackGroundBitmapName);
    if (background.compare(0, 2, "@@") != 0)
        CheckFile(folder, background, "background", &lines, true);
    for (unsigned i = 0; i < window_detail::LogoCount(s); ++i)
        CheckFile(folder, TextOf(s.LogoBitmapName[i]), "logo " + std::to_string(i + 1), &lines,
                  true);
    CheckFile(folder, TextOf(s.StartupWaveFile), "start-up sound", &lines);
    CheckFile(folder, TextOf(s.HotSpotWaveFile), "link sound", &lines);
    std::string text;
    if (!lines.missing.empty())
        text =
            "The menu needs these files, which the project folder does not hold; without a "
            "picture the disc's menu will not start:" +
            lines.missing;
    if (!lines.notBmp.empty()) text += (text.empty() ? "" : "\n\n") + lines.notBmp;
    return text;
}
