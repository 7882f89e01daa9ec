#include "cli/cli_context.h"
#include "engine/installer_wnd.h"
#include "engine/settings_values.h"

bool LoadProject(CInstallerWnd* project) {
    platform::Platform host = platform::Current();
    if (!host.system->FileExists(SettingsFilePath(project->ProjectFolder))) {
        host.services->ShowMessage("No Velomar project in " + project->ProjectFolder +
                                       ": its settings file AppSetup.dat is missing.",
                                   platform::MessageButtons::Ok);
        return false;
    }
    return project->LoadSettings();
}
