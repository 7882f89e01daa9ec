// The dialogs the controller asks for, as Win32 shows them.
#include "editor/win32/about_dlg.h"
#include "editor/win32/audio_dlg.h"
#include "editor/win32/background_dlg.h"
#include "editor/win32/hyperlink_dlg.h"
#include "editor/win32/logo_dlg.h"
#include "editor/win32/main_frame.h"
#include "editor/win32/modal_owner.h"
#include "editor/win32/new_project_dlg.h"
#include "editor/win32/project_wizard_dlg.h"
#include "editor/win32/shell_dialogs.h"
#include "editor/win32/show_help.h"

bool CMainFrame::RunWizard(WizardChoice* choice) {
    CProjectWizardDlg wizard;
    if (wizard.DoModal(hwnd()) != IDOK) return false;
    *choice = {wizard.Choice != 0, wizard.ShowAtStartup != 0};
    return true;
}

bool CMainFrame::AskNewProjectFolder(const std::string& defaultParent, std::string* folder) {
    CNewProjectDlg dialog(defaultParent, [this](const std::string& topic) { ShowHelp(topic); });
    if (dialog.DoModal(hwnd()) != IDOK) return false;
    *folder = dialog.ProjectFolder();
    return true;
}

bool CMainFrame::AskProjectFolder(std::string* folder) {
    std::string path;
    if (!OpenFileDialog(hwnd(), "Project Files|AppSetup.dat", "AppSetup.dat", &path)) return false;
    *folder = path.substr(0, path.find_last_of("\\/") + 1);
    return true;
}

// Each dialog shows its fields in the preview as they change (Audio has none).
bool CMainFrame::RunPropertyDialog(ItemDialog dialog, int index, const LiveHook& live) {
    auto help = [this](const std::string& topic) { ShowHelp(topic); };
    CInstallerWnd& p = *Editor->Project();
    std::unique_ptr<CPropertyDlg> shown;
    if (dialog == ItemDialog::Background) shown.reset(new CBackgroundPropertiesDlg(p, help));
    if (dialog == ItemDialog::Audio) shown.reset(new CAudioPropertiesDlg(p, help));
    if (dialog == ItemDialog::Hyperlink) shown.reset(new CHyperlinkPropertiesDlg(p, index, help));
    if (dialog == ItemDialog::Logo) shown.reset(new CLogoPropertiesDlg(p, index, help));
    if (!shown) return false;
    shown->OnLiveChange = live;
    return shown->DoModal(hwnd()) == IDOK;
}

void CMainFrame::ShowAbout() { CAboutDlg().DoModal(hwnd()); }

void CMainFrame::ShowHelp(const std::string& topic) {
    ShowHelpAt(modal_owner::Current(), Editor->Options().StartFolder, topic);
}
