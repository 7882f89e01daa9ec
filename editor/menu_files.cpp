#include "editor/menu_files.h"

#include "engine/launch_settings.h"
#include "engine/window_helpers.h"
#include "platform/platform.h"

namespace {

void CheckFile(const std::string& folder, const std::string& name, const std::string& role,
               std::string* lines) {
    if (name.empty()) return;
    // Found as the runtime finds it: each component without regard to case.
    if (platform::Current().system->FileExists(window_detail::ProjectFile(folder, name))) return;
    *lines += "\n" + name + " (" + role + ")";
}

}  // namespace

std::string MissingMenuFilesText(const LaunchSettings& s, const std::string& folder) {
    std::string lines;
    const std::string background = TextOf(s.BackGroundBitmapName);
    if (background.compare(0, 2, "@@") != 0) CheckFile(folder, background, "background", &lines);
    for (unsigned i = 0; i < window_detail::LogoCount(s); ++i)
        CheckFile(folder, TextOf(s.LogoBitmapName[i]), "logo " + std::to_string(i + 1), &lines);
    CheckFile(folder, TextOf(s.StartupWaveFile), "start-up sound", &lines);
    CheckFile(folder, TextOf(s.HotSpotWaveFile), "link sound", &lines);
    if (lines.empty()) return "";
    return "The menu needs these files, which the project folder does not hold; without a "
           "picture the disc's menu will not start:" +
           lines;
}
