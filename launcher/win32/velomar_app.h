// CVelomarApp: the Windows runtime's start-up and shutdown. It owns the one
// launcher window of the run, made from the current directory's project.
#pragma once

#include <memory>

#include "engine/installer_wnd.h"

class CVelomarApp {
  public:
    CVelomarApp() = default;
    virtual ~CVelomarApp();
    CVelomarApp(const CVelomarApp&) = delete;
    CVelomarApp& operator=(const CVelomarApp&) = delete;

    // True: run the message loop. False: end the program now.
    virtual bool InitInstance();
    // Always called last, also after a failed InitInstance; returns the exit code.
    virtual int ExitInstance();

    // The message loop; keeps its exit code for ExitInstance.
    void Run();

    CInstallerWnd* LauncherWnd() const { return launcherWnd_.get(); }

  private:
    std::unique_ptr<CInstallerWnd> launcherWnd_;
    int exitCode_ = 0;
};
