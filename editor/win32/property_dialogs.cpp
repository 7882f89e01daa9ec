#include "editor/win32/property_dialogs.h"

#include "editor/win32/audio_dlg.h"
#include "editor/win32/background_dlg.h"
#include "editor/win32/hyperlink_dlg.h"
#include "editor/win32/logo_dlg.h"
#include "editor/win32/main_frame.h"

namespace {

bool Run(CPropertyDlg&& dialog, HWND owner, const LiveHook& live) {
    dialog.OnLiveChange = live;
    return dialog.DoModal(owner) == IDOK;
}

}  // namespace

bool ShowPropertyDialog(CMainFrame* frame, CInstallerWnd& project, ItemDialog dialog, int index,
                        const LiveHook& live) {
    const HelpFunction help = [frame](const std::string& topic) { frame->ShowHelp(topic); };
    HWND owner = frame->hwnd();
    switch (dialog) {
        case ItemDialog::Background:
            return Run(CBackgroundPropertiesDlg(project, help), owner, live);
        case ItemDialog::Audio:
            return CAudioPropertiesDlg(project, help).DoModal(owner) == IDOK;
        case ItemDialog::Hyperlink:
            return Run(CHyperlinkPropertiesDlg(project, index, help), owner, live);
        case ItemDialog::Logo:
            return Run(CLogoPropertiesDlg(project, index, help), owner, live);
        case ItemDialog::None:
            break;
    }
    return false;
}
