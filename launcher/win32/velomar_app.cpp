#include "launcher/win32/velomar_app.h"

#include "platform/win32/backend.h"

bool CVelomarApp::InitInstance() {
    // Control containment and 3-D dialog controls are part of every Win32
    // window here; there is nothing to switch on.
    return StartLauncher(&launcherWnd_);
}

int CVelomarApp::ExitInstance() {
    StopLauncher(&launcherWnd_);
    return exitCode_;
}

void CVelomarApp::Run() { exitCode_ = platform::win32::RunMessageLoop(); }
