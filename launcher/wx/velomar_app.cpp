#include "launcher/wx/velomar_app.h"

#include "launcher/launch_steps.h"
#include "platform/platform.h"

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
    return StartLauncher(&LauncherWindow);
}

void CVelomarApp::ExitInstance() { StopLauncher(&LauncherWindow); }
