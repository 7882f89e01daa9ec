// Construction and destruction of the menu window object. The window half adds
// its teardown to the destructor; the settings go last.
#include "engine/installer_wnd.h"

#include "platform/platform.h"

CInstallerWnd::CInstallerWnd(const std::string& folder)
    : Settings(std::make_unique<LaunchSettings>()), ProjectFolder(folder) {
    const char separator = platform::Current().system->PathSeparator();
    if (ProjectFolder.empty() || ProjectFolder.back() != separator) ProjectFolder += separator;
}

CInstallerWnd::~CInstallerWnd() { ClearSettings(); }
