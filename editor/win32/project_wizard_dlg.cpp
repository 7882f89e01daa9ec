#include "editor/win32/project_wizard_dlg.h"

#include "editor/win32/resource.h"

CProjectWizardDlg::CProjectWizardDlg() : CDialog(IDD_PROJECT_WIZARD) {}

void CProjectWizardDlg::OnInitDialog() {
    CheckRadio(IDC_CHOICE_NEW, 2, Choice);
    SetChecked(IDC_SHOW_AT_STARTUP, ShowAtStartup != 0);
}

bool CProjectWizardDlg::OnOK() {
    Choice = CheckedRadio(IDC_CHOICE_NEW, 2) == 1 ? 1 : 0;
    ShowAtStartup = IsChecked(IDC_SHOW_AT_STARTUP) ? 1 : 0;
    return true;
}

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
