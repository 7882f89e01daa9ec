#include "editor/win32/property_dialogs.h"

#include "editor/win32/audio_dlg.h"
#include "editor/win32/background_dlg.h"
#include "editor/win32/hyperlink_dlg.h"
#include "editor/win32/logo_dlg.h"
#include "editor/win32/main_frame.h"

bool ShowPropertyDialog(CMainFrame* frame, CInstallerWnd& project, ItemDialog dialog, int index) {
    const HelpFunction help = [frame](const std::string& topic) { frame->ShowHelp(topic); };
    HWND owner = frame->hwnd();
    switch (dialog) {
        case ItemDialog::Background:
            return CBackgroundPropertiesDlg(project, help).DoModal(owner) == IDOK;
        case ItemDialog::Audio:
            return CAudioPropertiesDlg(project, help).DoModal(owner) == IDOK;
        case ItemDialog::Hyperlink:
            return CHyperlinkPropertiesDlg(project, index, help).DoModal(owner) == IDOK;
        case ItemDialog::Logo:
            return CLogoPropertiesDlg(project, index, help).DoModal(owner) == IDOK;
        case ItemDialog::None:
            break;
    }
    return false;
}
