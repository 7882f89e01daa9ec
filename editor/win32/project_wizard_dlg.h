// The start-up dialogs: CProjectWizardDlg, the choice between a new and an
// existing project beside picture 138, and CNewProjectDlg, the name and folder
// of a new project. Their rules are the core's (WizardFields, NewProjectPath);
// these only move values between them and the controls.
#pragma once

#include <string>

#include "editor/editor_face.h"
#include "editor/new_project_path.h"
#include "editor/win32/dialog.h"

class CProjectWizardDlg : public CDialog {
  public:
    CProjectWizardDlg();
    WizardChoice Choice;

  protected:
    void OnInitDialog() override { FillRows(WizardFields(), Choice); }
    bool OnOK() override { return ReadRows(WizardFields(), Choice); }
    void OnPaint() override;
};

class CNewProjectDlg : public CDialog {
  public:
    // defaultParent: the folder that holds new projects ("Velomar Projects").
    explicit CNewProjectDlg(std::string defaultParent);

    // The folder to create, read after OK.
    std::string ProjectFolder() const { return path_.ProjectFolder(); }

  protected:
    void OnInitDialog() override;
    bool OnCommand(int id, int code) override;
    bool OnOK() override;

  private:
    void PutLocation();

    NewProjectPath path_;
    std::string defaultParent_;
};
