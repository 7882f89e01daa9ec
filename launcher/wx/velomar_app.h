// CVelomarApp: the Linux runtime's start-up and shutdown. It takes the current
// directory as the project folder, shows the menu window as its main window and
// ends when that window is destroyed.
#pragma once

#include <wx/app.h>

#include <memory>

#include "engine/installer_wnd.h"
#include "platform/posix/posix_system.h"
#include "platform/raster/raster_graphics.h"
#include "platform/trace_keeping_services.h"
#include "platform/wx/wx_services.h"
#include "platform/wx/wx_window_system.h"

class CVelomarApp : public wxApp {
  public:
    CVelomarApp();
    ~CVelomarApp() override;

    // wx's start and end carry out InitInstance and ExitInstance.
    bool OnInit() override;
    // Memory ran out: the message, then the end (see platform/wx/out_of_memory.h).
    bool OnExceptionInMainLoop() override;
    void OnUnhandledException() override;
    int OnExit() override;

    bool InitInstance();
    void ExitInstance();

    std::unique_ptr<CInstallerWnd> LauncherWindow;

  private:
    platform::raster::RasterGraphics graphics_;
    platform::wx::WxWindowSystem windows_{true};
    platform::wx::WxServices services_;
    platform::TraceKeepingServices traces_{&services_};  // what is installed
    platform::PosixSystem system_;
};

wxDECLARE_APP(CVelomarApp);
