// CVelomarForgeApp: installs the platform, finds the companion files and the
// settings store, and shows the main frame. `velomarforge [FOLDER]` opens that
// project at start instead of the wizard.
#pragma once

#include <wx/app.h>

#include <string>

#include "editor/wx/editor_window_system.h"
#include "platform/posix/posix_system.h"
#include "platform/raster/raster_graphics.h"
#include "platform/wx/wx_services.h"

class CVelomarForgeApp : public wxApp {
  public:
    CVelomarForgeApp();
    bool OnInit() override;
    // Memory ran out: the message, then the end (see platform/wx/out_of_memory.h).
    bool OnExceptionInMainLoop() override;
    void OnUnhandledException() override;

    std::string StartFolder;

  private:
    platform::raster::RasterGraphics graphics_;
    EditorWindowSystem windows_;
    platform::wx::WxServices services_;
    platform::PosixSystem system_;
};

wxDECLARE_APP(CVelomarForgeApp);
