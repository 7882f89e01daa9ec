#include "launcher/win32/velomar_app.h"

#include <string>

#include "platform/platform.h"
#include "platform/win32/backend.h"

namespace {

// WS_POPUP | WS_VISIBLE | WS_BORDER | WS_SYSMENU
constexpr std::uint32_t kLauncherStyle =
    platform::ws::Popup | platform::ws::Visible | platform::ws::Border | platform::ws::SysMenu;

}  // namespace

bool CVelomarApp::InitInstance() {
    // Control containment and 3-D dialog controls are part of every Win32
    // window here; there is nothing to switch on.
    const platform::Platform& p = platform::Current();

    std::string folder;
    if (!p.system->GetCurrentDir(&folder)) {
        p.services->ShowMessage("GetCurrentDirectory() Failed!", platform::MessageButtons::Ok);
        return false;
    }
    if (folder.empty() || folder.back() != '\\') folder += '\\';

    launcherWnd_ = std::make_unique<CInstallerWnd>(folder);
    if (!launcherWnd_->LoadSettings()) {
        launcherWnd_.reset();
        return false;
    }
    // A failure leaves the object for ExitInstance to free.
    if (!launcherWnd_->Create(0, kLauncherStyle, nullptr)) return false;
    launcherWnd_->StartShow();
    p.windows->SetMainWindow(launcherWnd_->Wnd.get());
    return true;
}

int CVelomarApp::ExitInstance() {
    if (launcherWnd_) {
        platform::Current().windows->SetMainWindow(nullptr);
        if (launcherWnd_->Wnd && launcherWnd_->Wnd->IsWindow()) launcherWnd_->Wnd->Destroy();
        launcherWnd_.reset();
    }
    return exitCode_;
}

void CVelomarApp::Run() { exitCode_ = platform::win32::RunMessageLoop(); }
