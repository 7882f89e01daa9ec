#include "launcher/wx/velomar_app.h"

#include <unistd.h>

#include <cstdio>

#include "launcher/launch_steps.h"
#include "platform/wx/out_of_memory.h"
#include "platform/platform.h"
#include "platform/terminal_text.h"
#include "platform/wx/toolkit_gl.h"

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
    platform::Install(platform::Platform{&graphics_, &windows_, &traces_, &system_});
    // The reader's failures come with a message box; the window's (a missing
    // logo) end silently, as on Windows, so their trace goes to stderr.
    traces_.keepTraces = false;
    const bool started = StartLauncher(&LauncherWindow, &traces_.keepTraces);
    traces_.keepTraces = false;
    if (started) return true;
    if (traces_.messages == 0 && !traces_.lastTrace.empty()) {
        // A name from the project file may hold terminal escapes.
        const std::string& trace = traces_.lastTrace;
        const std::string shown = ::isatty(STDERR_FILENO) ? EscapeForTerminal(trace) : trace;
        std::fputs(shown.c_str(), stderr);
        if (shown.back() != '\n') std::fputc('\n', stderr);
    }
    return false;
}

void CVelomarApp::ExitInstance() { StopLauncher(&LauncherWindow); }

bool CVelomarApp::OnExceptionInMainLoop() {
    return platform::wx::ReportIfOutOfMemory() ? false : wxApp::OnExceptionInMainLoop();
}

void CVelomarApp::OnUnhandledException() {
    if (!platform::wx::ReportIfOutOfMemory()) wxApp::OnUnhandledException();
}
