#include "editor/forms/disc_form.h"

#include <algorithm>

#include "editor/forms/icon_file.h"
#include "editor/forms/resource_import.h"
#include "engine/installer_wnd.h"
#include "platform/platform.h"

namespace {

void Show(const std::string& text) {
    platform::Current().services->ShowMessage(text, platform::MessageButtons::Ok);
}

// A line break would end the key's line in AppSetup.dat.
bool HasControl(const std::string& text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
}

void Assign(OwnedString& field, const std::string& value) {
    if (TextOf(field) != value) field = value;  // an unchanged field is no edit
}

}  // namespace

void DiscForm::Load(const CInstallerWnd& project) {
    const LaunchSettings& s = *project.Settings;
    title = TextOf(s.WindowTitle);
    autoPlay = s.AutoPlay != 0;
    const std::string& icon = TextOf(s.AutoPlayIcon);
    iconPath = icon.empty() ? "" : ProjectFilePath(project.ProjectFolder, icon);
}

bool DiscForm::Store(CInstallerWnd& project) const {
    if (HasControl(title)) {
        Show("A disc title cannot hold line breaks or other control characters.");
        return false;
    }
    LaunchSettings& s = *project.Settings;
    const std::string& stored = TextOf(s.AutoPlayIcon);
    const bool unchanged =
        !stored.empty() && iconPath == ProjectFilePath(project.ProjectFolder, stored);
    std::string icon;
    // A new icon is checked at once; the one in place only when it is used.
    if (!iconPath.empty() && (autoPlay || !unchanged)) {
        const std::string leaf = iconPath.substr(iconPath.find_last_of("/\\") + 1);
        // autorun.inf reads what follows a comma as the number of an image in the file.
        const std::string fault =
            leaf.find(',') != std::string::npos
                ? leaf + ": an icon's name cannot hold a comma.\nPlease rename the file."
                : IconFileFault(FieldFilePath(project.ProjectFolder, iconPath));
        if (!fault.empty()) {
            Show(fault);
            return false;
        }
        if (!ImportResource(iconPath, project.ProjectFolder, &icon)) {
            Show("Failed to access the specified icon file.\nPlease select another.");
            return false;
        }
    } else if (unchanged) {
        icon = stored;
    }
    Assign(s.WindowTitle, title);
    s.AutoPlay = autoPlay ? 1 : 0;
    Assign(s.AutoPlayIcon, icon);
    return true;
}
