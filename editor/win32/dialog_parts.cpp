#include "editor/win32/dialog_parts.h"

#include "editor/dialogs/colour_text.h"
#include "editor/dialogs/resource_import.h"
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
