// CNewProjectDlg: the name and folder of a new project. The rules of the
// location and the result are the core's NewProjectPath; this only moves
// texts between it and the controls.
#pragma once

#include <functional>
#include <string>

#include "editor/new_project_path.h"
#include "editor/win32/dialog.h"

class CNewProjectDlg : public CDialog {
  public:
    // defaultParent: the folder that holds new projects ("Velomar Projects").
    CNewProjectDlg(std::string defaultParent, std::function<void(const std::string&)> help);

    // The folder to create, read after OK.
    std::string ProjectFolder() const { return path_.ProjectFolder(); }

  protected:
    void OnInitDialog() override;
    bool OnCommand(int id, int code) override;
    bool OnOK() override;

  private:
    void PutLocation();
    void ShowResult();
    void Browse();

    NewProjectPath path_;
    std::string defaultParent_;
    std::function<void(const std::string&)> help_;
    bool writing_ = false;  // our own writes into the location are no user edit
};
