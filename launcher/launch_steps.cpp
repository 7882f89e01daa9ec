#include "launcher/launch_steps.h"

#include <string>

#include "platform/platform.h"

namespace {
// WS_POPUP | WS_VISIBLE | WS_BORDER | WS_SYSMENU: the caption-less main window.
constexpr std::uint32_t kLauncherStyle =
    platform::ws::Popup | platform::ws::Visible | platform::ws::Border | platform::ws::SysMenu;
}  // namespace

bool StartLauncher(std::unique_ptr<CInstallerWnd>* launcher, bool* settingsRead) {
    const platform::Platform& p = platform::Current();

    std::string folder;
    if (!p.system->GetCurrentDir(&folder)) {
        p.services->ShowMessage("GetCurrentDirectory() Failed!", platform::MessageButtons::Ok);
        return false;
    }
    const char separator = p.system->PathSeparator();
    if (folder.empty() || folder.back() != separator) folder += separator;

    *launcher = std::make_unique<CInstallerWnd>(folder);
    if (!(*launcher)->LoadSettings()) {
        launcher->reset();
        return false;
    }
    if (settingsRead) *settingsRead = true;
    if (!(*launcher)->Create(0, kLauncherStyle, nullptr)) return false;
    (*launcher)->StartShow();
    p.windows->SetMainWindow((*launcher)->Wnd.get());
    return true;
}

void StopLauncher(std::unique_ptr<CInstallerWnd>* launcher) {
    if (!*launcher) return;
    platform::Current().windows->SetMainWindow(nullptr);
    platform::Window* wnd = (*launcher)->Wnd.get();
    if (wnd && wnd->IsWindow()) wnd->Destroy();
    launcher->reset();
}
