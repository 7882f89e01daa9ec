#include "editor/win32/dialog.h"

#include <vector>

#include "editor/dialogs/integer_field.h"

INT_PTR CDialog::DoModal(HWND owner) {
    return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId_), owner, Route,
                           reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK CDialog::Route(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<CDialog*>(lParam);
        SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
        self->hwnd_ = hwnd;
        self->OnInitDialog();
        return TRUE;
    }
    auto* self = reinterpret_cast<CDialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    if (!self) return FALSE;
    switch (message) {
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            const int code = HIWORD(wParam);
            if (self->OnCommand(id, code)) return TRUE;
            if (id == IDOK && self->OnOK()) self->EndDialog(IDOK);
            if (id == IDCANCEL) self->EndDialog(IDCANCEL);
            return TRUE;
        }
        case WM_PAINT:
            self->OnPaint();
            return FALSE;  // the dialog manager still paints the controls
        case WM_NCDESTROY:
            self->hwnd_ = nullptr;
            return FALSE;
        default:
            return FALSE;
    }
}

std::string CDialog::GetText(int id) const {
    HWND control = GetDlgItem(hwnd_, id);
    const int length = GetWindowTextLengthA(control);
    std::string text(std::size_t(length) + 1, '\0');
    text.resize(std::size_t(GetWindowTextA(control, text.data(), length + 1)));
    return text;
}

void CDialog::SetText(int id, const std::string& text) { SetDlgItemTextA(hwnd_, id, text.c_str()); }

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

// All or nothing, as the core's forms expect: the first bad field gets the
// focus and nothing is stored.
bool CDialog::GetIntegers(std::initializer_list<IntegerControl> controls) {
    std::vector<std::int32_t> values;
    for (const IntegerControl& c : controls) {
        std::int32_t value = 0;
        if (!ReadIntegerField(GetText(c.id), &value)) {
            SetFocus(GetDlgItem(hwnd_, c.id));
            SendDlgItemMessageA(hwnd_, c.id, EM_SETSEL, 0, -1);
            return false;
        }
        values.push_back(value);
    }
    std::size_t n = 0;
    for (const IntegerControl& c : controls) *c.target = values[n++];
    return true;
}

void CDialog::SetInteger(int id, std::int32_t value) { SetText(id, std::to_string(value)); }
