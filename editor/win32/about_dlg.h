// CAboutDlg: the program icon and "Software Version - " with the FileVersion
// of the program's own version resource.
#pragma once

#include <string>

#include "editor/win32/dialog.h"

class CAboutDlg : public CDialog {
  public:
    CAboutDlg();
    std::string Version;

  protected:
    void OnInitDialog() override;
};

// "Software Version - " and the FileVersion under 040904b0 of the running
// program, or "Software Version - Unknown".
std::string VersionText();
