#include "editor/win32/new_project_dlg.h"

#include "editor/win32/resource.h"
#include "editor/win32/shell_dialogs.h"

CNewProjectDlg::CNewProjectDlg(std::string defaultParent,
                               std::function<void(const std::string&)> help)
    : CDialog(IDD_NEW_PROJECT), defaultParent_(std::move(defaultParent)), help_(std::move(help)) {
    path_.Separator = '\\';
}

void CNewProjectDlg::OnInitDialog() {
    path_.Open(defaultParent_);
    writing_ = true;
    SetText(IDC_PROJECT_NAME, path_.Name);
    writing_ = false;
    PutLocation();
}

void CNewProjectDlg::PutLocation() {
    writing_ = true;
    SetText(IDC_PROJECT_LOCATION, path_.Location);
    writing_ = false;
    ShowResult();
}

void CNewProjectDlg::ShowResult() { SetText(IDC_PROJECT_RESULT, path_.ProjectFolder()); }

bool CNewProjectDlg::OnCommand(int id, int code) {
    if (id == IDC_PROJECT_NAME && code == EN_CHANGE) {
        if (writing_) return true;
        const bool following = !path_.LocationEdited;
        path_.NameChanged(GetText(IDC_PROJECT_NAME));
        if (following) PutLocation();
        ShowResult();
        return true;
    }
    if (id == IDC_PROJECT_LOCATION && code == EN_CHANGE) {
        if (!writing_) path_.LocationTyped(GetText(IDC_PROJECT_LOCATION));
        ShowResult();
        return true;
    }
    if (id == IDC_BROWSE_LOCATION) {
        Browse();
        return true;
    }
    if (id == IDC_HELP_BUTTON) {
        if (help_) help_(NEW_PROJECT_HELP_TOPIC);
        return true;
    }
    return false;
}

void CNewProjectDlg::Browse() {
    std::string folder;
    if (!BrowseForFolder(hwnd(), "Select a Local Drive or Network Drive", &folder)) return;
    path_.Browsed(folder);
    PutLocation();
}

bool CNewProjectDlg::OnOK() {
    std::string name, location;
    if (!ReadText(IDC_PROJECT_NAME, &name) || !ReadText(IDC_PROJECT_LOCATION, &location))
        return false;
    path_.Name = name;
    if (path_.LocationEdited) path_.Location = location;
    return path_.CheckName();
}
