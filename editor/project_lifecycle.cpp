#include "editor/project_lifecycle.h"

#include "editor/project_lock.h"
#include "engine/installer_wnd.h"
#include "engine/settings_values.h"
#include "platform/platform.h"

namespace {

platform::MessageAnswer Ask(const char* text, platform::MessageButtons buttons) {
    return platform::Current().services->ShowMessage(text, buttons);
}

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

// A folder, or a link to one.
bool IsFolder(const std::string& path) {
    platform::System& system = *platform::Current().system;
    const platform::EntryKind kind = system.KindOf(path);
    if (kind == platform::EntryKind::Link) {
        const std::string target = system.ResolvedPath(path);
        return !target.empty() && system.KindOf(target) == platform::EntryKind::Folder;
    }
    return kind == platform::EntryKind::Folder;
}

// An existing "res" folder (in any letter case) stays as it is.
bool CreateResFolder(const std::string& folder) {
    platform::System& system = *platform::Current().system;
    return IsFolder(system.RealPath(folder, "res")) || system.CreateFolder(folder + "res");
}

}  // namespace

// Each folder along the path in turn. A drive ("C:") and a network share
// (\\server\share) are there or not; they are never made.
bool CreateFolderPath(const std::string& path) {
    if (path.empty()) return false;
    std::size_t start = 0;
    if (path.size() > 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
        start = path.find_first_of("\\/", 2);
        if (start != std::string::npos) start = path.find_first_of("\\/", start + 1);
        if (start == std::string::npos) start = path.size();
    } else if (path.size() >= 2 && path[1] == ':') {
        start = 2;
    }
    for (std::size_t at = start + 1; at <= path.size(); ++at) {
        if (at < path.size() && !IsSeparator(path[at])) continue;
        if (IsSeparator(path[at - 1])) continue;  // the root, or a doubled separator
        if (!platform::Current().system->CreateFolder(path.substr(0, at))) return false;
    }
    return IsFolder(path);
}

std::unique_ptr<CInstallerWnd> CreateNewProject(const std::string& requested) {
    // An empty path must not become the root folder once a separator is added.
    if (requested.empty()) {
        Ask("Failed to create the project folder!", platform::MessageButtons::Ok);
        return nullptr;
    }
    // Stored and typed names match folders in any letter case, as the engine does.
    const std::string folder = FolderWithSeparator(platform::Current().system->RealPath(requested));
    const std::string settingsPath = SettingsFilePath(folder);

    const bool replacing = platform::Current().system->FileExists(settingsPath);
    if (replacing && Ask("Project already exists.\nDo you wish to overwrite?",
                         platform::MessageButtons::YesNo) != platform::MessageAnswer::Yes)
        return nullptr;

    if (!CreateFolderPath(folder) || !CreateResFolder(folder)) {
        Ask("Failed to create the project folder!", platform::MessageButtons::Ok);
        return nullptr;
    }
    const ProjectLock lock(folder);
    if (!lock.Held()) return nullptr;
    // The default file is renamed over the old one: at every moment one complete
    // AppSetup.dat is there, and a failed save leaves the old project as it was.
    auto project = std::make_unique<CInstallerWnd>(folder);
    if (replacing) {
        if (!project->SaveDefaultSettings()) return nullptr;
    } else {
        project->CreateDefaultSettings();
    }
    if (!project->LoadSettings()) return nullptr;
    return project;
}
