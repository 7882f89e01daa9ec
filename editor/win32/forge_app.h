// CVelomarForgeApp: start-up (StartFolder, the command line, the frame) and
// the message loop, which updates the command state whenever it falls idle.
#pragma once

#include <memory>
#include <string>

#include "editor/win32/windows_api.h"

class CMainFrame;

class CVelomarForgeApp {
  public:
    CVelomarForgeApp();
    ~CVelomarForgeApp();

    bool InitInstance(const wchar_t* commandLine);
    int Run();

    std::string StartFolder;  // the folder of the program file; ends in '\\'

  private:
    std::unique_ptr<CMainFrame> frame_;
};
