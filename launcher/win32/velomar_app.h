// CVelomarApp: the Windows runtime's start-up and shutdown. It owns the one
// launcher window of the run, made from the current directory's project.
#pragma once

#include <memory>

#include "engine/installer_wnd.h"
#include "launcher/launch_steps.h"

class CVelomarApp {
  public:
    CVelomarApp() = default;
    CVelomarApp(const CVelomarApp&) = delete;
    CVelomarApp& operator=(const CVelomarApp&) = delete;

    // True: run the message loop. False: end the program now.
    bool InitInstance();
    // Always called last, also after a failed InitInstance; returns the exit code.
    int ExitInstance();

    // The message loop; keeps its exit code for ExitInstance.
    void Run();

  private:
    std::unique_ptr<CInstallerWnd> launcherWnd_;
    int exitCode_ = 0;
};
