#include "launcher/wx/velomar_app.h"

#include <string>

#include "engine/installer_wnd.h"
#include "platform/platform.h"

namespace {
// WS_POPUP | WS_VISIBLE | WS_BORDER | WS_SYSMENU: the runtime's caption-less main window.
constexpr std::uint32_t kLauncherStyle =
    platform::ws::Popup | platform::ws::Visible | platform::ws::Border | platform::ws::SysMenu;
}  // namespace

// The caption of every message box: the program name.
CVelomarApp::CVelomarApp() : services_("velomar") {}

CVelomarApp::~CVelomarApp() { ExitInstance(); }

bool CVelomarApp::OnInit() {
    // No wxApp::OnInit: the runtime has no command line to parse.
    if (InitInstance()) return true;
    // wx skips OnExit when OnInit fails; the object must still be freed.
    ExitInstance();
    return false;
}

int CVelomarApp::OnExit() {
    ExitInstance();
    return wxApp::OnExit();
}

bool CVelomarApp::InitInstance() {
    platform::Install(platform::Platform{&graphics_, &windows_, &services_, &system_});

    std::string folder;
    if (!system_.GetCurrentDir(&folder)) {
        services_.ShowMessage("GetCurrentDirectory() Failed!", platform::MessageButtons::Ok);
        return false;
    }
    const char separator = system_.PathSeparator();
    if (folder.empty() || folder.back() != separator) folder += separator;

    LauncherWindow = new CInstallerWnd(folder);
    if (!LauncherWindow->LoadSettings()) {
        delete LauncherWindow;
        LauncherWindow = nullptr;
        return false;
    }
    if (!LauncherWindow->Create(0, kLauncherStyle, nullptr)) return false;
    LauncherWindow->StartShow();
    windows_.SetMainWindow(LauncherWindow->Wnd.get());
    return true;
}

void CVelomarApp::ExitInstance() {
    if (!LauncherWindow) return;
    if (LauncherWindow->Wnd && LauncherWindow->Wnd->IsWindow()) LauncherWindow->Wnd->Destroy();
    delete LauncherWindow;
    LauncherWindow = nullptr;
}
