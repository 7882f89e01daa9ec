// CNewProjectDlg: the name and place of a new project, with the folder to be
// created shown as the user types.
#pragma once

#include <wx/dialog.h>

#include <functional>
#include <string>

#include "editor/new_project_path.h"

class wxStaticText;
class wxTextCtrl;

class CNewProjectDlg : public wxDialog {
  public:
    // defaultParent: where projects go unless the user says otherwise.
    // help: opens the guide at a topic.
    CNewProjectDlg(wxWindow* parent, const std::string& defaultParent,
                   std::function<void(const std::string&)> help = {});

    // The folder to create, after OK.
    std::string ProjectFolder() const { return path_.ProjectFolder(); }
    bool LocationEdited() const { return path_.LocationEdited; }

    bool TransferDataFromWindow() override;

    wxTextCtrl* NameEdit;
    wxTextCtrl* LocationEdit;
    wxStaticText* Result;

  private:
    // The folder to be created, and the location field too when asked.
    void ShowPath(bool location);

    NewProjectPath path_;
    std::function<void(const std::string&)> help_;
};
