#include "editor/win32/project_wizard_dlg.h"

#include "editor/win32/resource.h"
#include "editor/win32/shell_dialogs.h"

CProjectWizardDlg::CProjectWizardDlg() : CDialog(IDD_PROJECT_WIZARD) {}

// Picture 138 at client pixel (10, 10), in its natural size.
void CProjectWizardDlg::OnPaint() {
    HBITMAP picture = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_WIZARD));
    if (!picture) return;
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd(), &paint);
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, picture);
    BITMAP info = {};
    GetObjectA(picture, sizeof(info), &info);
    BitBlt(dc, 10, 10, info.bmWidth, info.bmHeight, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
    EndPaint(hwnd(), &paint);
    DeleteObject(picture);
}

CNewProjectDlg::CNewProjectDlg(std::string defaultParent)
    : CDialog(IDD_NEW_PROJECT, NEW_PROJECT_HELP_TOPIC), defaultParent_(std::move(defaultParent)) {
    path_.Separator = '\\';
}

void CNewProjectDlg::OnInitDialog() {
    path_.Open(defaultParent_);
    SetText(IDC_PROJECT_NAME, path_.Name);
    PutLocation();
}

// Each write makes an EN_CHANGE; a text the core already holds is no user edit.
void CNewProjectDlg::PutLocation() { SetText(IDC_PROJECT_LOCATION, path_.Location); }

bool CNewProjectDlg::OnCommand(int id, int code) {
    if (id == IDC_PROJECT_NAME && code == EN_CHANGE) {
        const std::string name = GetText(IDC_PROJECT_NAME);
        if (name == path_.Name) return true;
        const bool following = !path_.LocationEdited;
        path_.NameChanged(name);
        if (following) PutLocation();
    } else if (id == IDC_PROJECT_LOCATION && code == EN_CHANGE) {
        const std::string location = GetText(IDC_PROJECT_LOCATION);
        if (location != path_.Location) path_.LocationTyped(location);
    } else if (id == IDC_BROWSE_LOCATION) {
        std::string folder;
        if (!BrowseForFolder(hwnd(), "Select a Local Drive or Network Drive", &folder)) return true;
        path_.Browsed(folder);
        PutLocation();
    } else {
        return false;
    }
    SetText(IDC_PROJECT_RESULT, path_.ProjectFolder());
    return true;
}

bool CNewProjectDlg::OnOK() {
    std::string name, location;
    if (!ReadText(IDC_PROJECT_NAME, &name) || !ReadText(IDC_PROJECT_LOCATION, &location))
        return false;
    path_.Name = name;
    if (path_.LocationEdited) path_.Location = location;
    return path_.CheckName();
}
