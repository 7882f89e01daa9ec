#include "editor/win32/dialog_parts.h"

#include "editor/forms/colour_text.h"
#include "editor/forms/resource_import.h"
#include "editor/win32/resource.h"
#include "editor/win32/shell_dialogs.h"
#include "platform/platform.h"

bool CPropertyDlg::OnCommand(int id, int /*code*/) {
    if (id != IDC_HELP_BUTTON) return false;
    if (help_) help_(helpTopic_);
    return true;
}

void CPropertyDlg::BrowseResource(const char* filter, int field) {
    platform::Current().services->ShowMessage(RESOURCE_BROWSE_NOTE, platform::MessageButtons::Ok);
    std::string path;
    if (OpenFileDialog(hwnd(), filter, std::string(), &path)) SetText(field, path);
}

void CPropertyDlg::ChooseColourFor(int field, bool preselectEmpty) {
    const std::string text = GetText(field);
    const ColourBytes c = ReadColourText(text);
    const COLORREF initial = RGB(c.r, c.g, c.b);
    COLORREF chosen = 0;
    if (!ChooseColour(hwnd(), (!text.empty() || preselectEmpty) ? &initial : nullptr, &chosen))
        return;
    SetText(field, ColourText({GetRValue(chosen), GetGValue(chosen), GetBValue(chosen)}));
}

void CPropertyDlg::OnEditChange(int id) {
    for (const Swatch& s : swatches_)
        if (s.field == id) InvalidateRect(GetDlgItem(hwnd(), s.swatch), nullptr, TRUE);
}

bool CPropertyDlg::OnDrawItem(const DRAWITEMSTRUCT& item) {
    for (const Swatch& s : swatches_) {
        if (int(item.CtlID) != s.swatch) continue;
        ColourBytes c;
        if (SwatchColour(GetText(s.field), &c)) {
            HBRUSH brush = CreateSolidBrush(RGB(c.r, c.g, c.b));
            FillRect(item.hDC, &item.rcItem, brush);
            DeleteObject(brush);
            FrameRect(item.hDC, &item.rcItem, HBRUSH(GetStockObject(BLACK_BRUSH)));
        } else {
            FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
        }
        return true;
    }
    return false;
}

void CPropertyDlg::Show(int id, FieldKind kind, const std::string* text, bool checked,
                        bool enabled) {
    if (text) SetText(id, *text);
    if (kind == FieldKind::Check || kind == FieldKind::Radio) SetChecked(id, checked);
    Enable(id, enabled);
}

bool CPropertyDlg::Take(int id, FieldKind kind, std::string* text, bool quiet,
                        bool* checked) const {
    if (kind == FieldKind::Check || kind == FieldKind::Radio) *checked = IsChecked(id);
    if (kind == FieldKind::Name && !quiet) return ReadText(id, text);
    if (text && kind != FieldKind::Caption) *text = GetText(id);
    return true;
}
