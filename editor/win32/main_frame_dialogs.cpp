// The dialogs the controller asks for, as Win32 shows them.
#include "editor/win32/about_dlg.h"
#include "editor/win32/audio_dlg.h"
#include "editor/win32/background_dlg.h"
#include "editor/win32/hyperlink_dlg.h"
#include "editor/win32/logo_dlg.h"
#include "editor/win32/main_frame.h"
#include "editor/win32/new_project_dlg.h"
#include "editor/win32/project_wizard_dlg.h"
#include "editor/win32/shell_dialogs.h"
#include "editor/win32/show_help.h"

namespace {

bool Run(CPropertyDlg&& dialog, HWND owner, const LiveHook& live) {
    dialog.OnLiveChange = live;
    return dialog.DoModal(owner) == IDOK;
}

}  // namespace

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

bool CMainFrame::RunPropertyDialog(ItemDialog dialog, int index, const LiveHook& live) {
    CInstallerWnd& project = *Editor->Project();
    const HelpFunction help = [this](const std::string& topic) { ShowHelp(topic); };
    switch (dialog) {
        case ItemDialog::Background:
            return Run(CBackgroundPropertiesDlg(project, help), hwnd(), live);
        case ItemDialog::Audio:
            return CAudioPropertiesDlg(project, help).DoModal(hwnd()) == IDOK;
        case ItemDialog::Hyperlink:
            return Run(CHyperlinkPropertiesDlg(project, index, help), hwnd(), live);
        case ItemDialog::Logo:
            return Run(CLogoPropertiesDlg(project, index, help), hwnd(), live);
        case ItemDialog::None:
            break;
    }
    return false;
}

void CMainFrame::ShowAbout() { CAboutDlg().DoModal(hwnd()); }

void CMainFrame::ShowHelp(const std::string& topic) {
    ShowHelpAt(hwnd(), Editor->Options().StartFolder, topic);
}
