#include "editor/project_lifecycle.h"

#include <filesystem>
#include <system_error>

#include "engine/installer_wnd.h"
#include "engine/settings_values.h"
#include "platform/platform.h"

namespace fs = std::filesystem;

namespace {

platform::MessageAnswer Ask(const char* text, platform::MessageButtons buttons) {
    return platform::Current().services->ShowMessage(text, buttons);
}

bool IsFolder(const std::string& path) {
    std::error_code ec;
    return fs::is_directory(fs::path(path), ec);
}

// An existing "res" folder (in any letter case) stays as it is.
bool CreateResFolder(const std::string& folder) {
    platform::System& system = *platform::Current().system;
    if (IsFolder(system.RealPath(folder, "res"))) return true;
    std::error_code ec;
    fs::create_directory(fs::path(folder + "res"), ec);
    return IsFolder(folder + "res");
}

}  // namespace

bool CreateFolderPath(const std::string& path) {
    if (path.empty()) return false;
    std::error_code ec;
    fs::create_directories(fs::path(path), ec);
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
