#include "launcher/wx/velomar_app.h"

#include "launcher/launch_steps.h"
#include "platform/wx/out_of_memory.h"
#include "platform/wx/toolkit_gl.h"
#include "platform/platform.h"

// The caption of every message box: the program name.
CVelomarApp::CVelomarApp() : services_("velomar") {}

CVelomarApp::~CVelomarApp() { ExitInstance(); }

bool CVelomarApp::OnInit() {
    // The toolkit is up and has read its GL setting: links start programs
    // with the environment the user gave the runtime.
    platform::wx::RestoreToolkitGl();
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

bool CVelomarApp::OnExceptionInMainLoop() {
    return platform::wx::ReportIfOutOfMemory() ? false : wxApp::OnExceptionInMainLoop();
}

void CVelomarApp::OnUnhandledException() {
    if (!platform::wx::ReportIfOutOfMemory()) wxApp::OnUnhandledException();
}
