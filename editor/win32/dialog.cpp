#include "editor/win32/dialog.h"

#include "editor/win32/modal_owner.h"
#include "editor/win32/shell_dialogs.h"
#include "platform/win32/win32_text.h"


INT_PTR CDialog::DoModal(HWND owner) {
    return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId_), owner, Route,
                           reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK CDialog::Route(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<CDialog*>(lParam);
        SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
        self->hwnd_ = hwnd;
        modal_owner::DialogOpened(hwnd);
        self->OnInitDialog();
        return TRUE;
    }
    auto* self = reinterpret_cast<CDialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    if (!self) return FALSE;
    switch (message) {
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            const int code = HIWORD(wParam);
            if (code == EN_CHANGE) self->OnEditChange(id);
            const bool handled = self->OnCommand(id, code);
            if ((code == EN_CHANGE || code == BN_CLICKED) && id != IDOK && id != IDCANCEL)
                self->OnFieldChanged();
            if (handled) return TRUE;
            if (id == IDOK && self->OnOK()) self->EndDialog(IDOK);
            if (id == IDCANCEL) self->EndDialog(IDCANCEL);
            return TRUE;
        }
        case WM_DRAWITEM:
            return self->OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)) ? TRUE
                                                                                      : FALSE;
        case WM_PAINT:
            self->OnPaint();
            return FALSE;  // the dialog manager still paints the controls
        case WM_NCDESTROY:
            modal_owner::DialogClosed(hwnd);
            self->hwnd_ = nullptr;
            return FALSE;
        default:
            return FALSE;
    }
}

namespace {

std::wstring WideText(HWND control) {
    const int length = GetWindowTextLengthW(control);
    std::wstring text(std::size_t(length) + 1, L'\0');
    text.resize(std::size_t(GetWindowTextW(control, text.data(), length + 1)));
    return text;
}

}  // namespace

std::string CDialog::GetText(int id) const {
    return win32_text::Ansi(WideText(GetDlgItem(hwnd_, id)));
}

bool CDialog::ReadText(int id, std::string* text) const {
    if (AcceptName(WideText(GetDlgItem(hwnd_, id)), text)) return true;
    SetFocus(GetDlgItem(hwnd_, id));
    return false;
}

void CDialog::SetText(int id, const std::string& text) {
    SetDlgItemTextW(hwnd_, id, win32_text::Wide(text).c_str());
}

bool CDialog::IsChecked(int id) const { return IsDlgButtonChecked(hwnd_, id) == BST_CHECKED; }

void CDialog::SetChecked(int id, bool checked) {
    CheckDlgButton(hwnd_, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

void CDialog::Enable(int id, bool enabled) { EnableWindow(GetDlgItem(hwnd_, id), enabled); }

int CDialog::CheckedRadio(int first, int count) const {
    for (int i = 0; i < count; ++i)
        if (IsChecked(first + i)) return i;
    return -1;
}

void CDialog::CheckRadio(int first, int count, int position) {
    CheckRadioButton(hwnd_, first, first + count - 1, first + position);
}
