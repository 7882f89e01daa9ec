#include "editor/win32/dialog.h"

#include "editor/win32/resource.h"
#include "editor/win32/shell_dialogs.h"
#include "platform/platform.h"
#include "platform/win32/backend.h"
#include "platform/win32/win32_text.h"

CDialog* CDialog::innermost_ = nullptr;
platform::Window* CDialog::frame_ = nullptr;

namespace {

// Made on first use: a global that runs a constructor stops MinGW's link-time
// optimisation with an internal error.
HelpFunction& FrameHelp() {
    static HelpFunction help;
    return help;
}

}  // namespace

void CDialog::SetFrame(platform::Window* frame, HelpFunction help) {
    frame_ = frame;
    FrameHelp() = std::move(help);
    Publish();
}

void CDialog::Publish() {
    platform::Current().windows->SetMainWindow(innermost_ ? innermost_->window_.get() : frame_);
}

HWND CDialog::Owner() {
    return innermost_ ? innermost_->hwnd_ : static_cast<HWND>(platform::win32::HandleOf(frame_));
}

INT_PTR CDialog::DoModal(HWND owner) {
    return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId_), owner, Route,
                           reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK CDialog::Route(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<CDialog*>(lParam);
        SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
        self->hwnd_ = hwnd;
        // Modal dialogs close in the order opposite to their opening.
        self->window_ = platform::win32::BorrowWindow(hwnd);
        self->outer_ = innermost_;
        innermost_ = self;
        Publish();
        self->OnInitDialog();
        return TRUE;
    }
    auto* self = reinterpret_cast<CDialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    if (!self) return FALSE;
    switch (message) {
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            const int code = HIWORD(wParam);
            const bool help = id == IDC_HELP_BUTTON && self->helpTopic_;
            if (help && FrameHelp()) FrameHelp()(self->helpTopic_);
            const bool handled = help || self->OnCommand(id, code);
            if ((code == EN_CHANGE || code == BN_CLICKED) && id != IDOK && id != IDCANCEL)
                self->OnFieldChanged(id);
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
            innermost_ = self->outer_;
            Publish();
            self->window_.reset();
            self->hwnd_ = nullptr;
            return FALSE;
        default:
            return FALSE;
    }
}

std::string CDialog::GetText(int id) const {
    return win32_text::Ansi(WindowText(GetDlgItem(hwnd_, id)));
}

bool CDialog::ReadText(int id, std::string* text) const {
    if (AcceptName(WindowText(GetDlgItem(hwnd_, id)), text)) return true;
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
