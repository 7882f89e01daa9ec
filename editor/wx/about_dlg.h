// CAboutDlg: the program icon, its version and one line about it.
#pragma once

#include <wx/dialog.h>

class wxStaticText;

class CAboutDlg : public wxDialog {
  public:
    explicit CAboutDlg(wxWindow* parent);

    wxStaticText* Version;
};

// "Software Version - " and the build's version.
wxString VersionText();
