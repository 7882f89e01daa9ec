// The dialogs the controller asks for, as Win32 shows them, and Help.
#include "editor/companion_files.h"
#include "editor/win32/dialog.h"
#include "editor/win32/main_frame.h"
#include "editor/win32/project_wizard_dlg.h"
#include "editor/win32/property_dlg.h"
#include "editor/win32/resource.h"
#include "editor/win32/shell_dialogs.h"
#include "platform/win32/apartment.h"
#include "velomar_version.h"

namespace {

// The program icon and "Software Version - " with the build's version.
class CAboutDlg : public CDialog {
  public:
    CAboutDlg() : CDialog(IDD_ABOUTBOX) {}

  protected:
    void OnInitDialog() override {
        SetText(IDC_VERSION_TEXT, "Software Version - " VELOMAR_VERSION);
    }
};

// The default value of a key below HKEY_CLASSES_ROOT, at most 260 bytes, unexpanded.
bool ReadDefault(const std::string& path, std::string* text) {
    char value[260] = {};
    DWORD size = sizeof value;
    if (RegGetValueA(HKEY_CLASSES_ROOT, path.c_str(), nullptr,
                     RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND, nullptr, value,
                     &size) != ERROR_SUCCESS)
        return false;
    *text = value;
    return true;
}

}  // namespace

bool CMainFrame::RunWizard(WizardChoice* choice) {
    CProjectWizardDlg wizard;
    if (wizard.DoModal(hwnd()) != IDOK) return false;
    *choice = wizard.Choice;
    return true;
}

bool CMainFrame::AskNewProjectFolder(const std::string& defaultParent, std::string* folder) {
    CNewProjectDlg dialog(defaultParent);
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
    CInstallerWnd& p = *Editor->Project();
    std::unique_ptr<CPropertyDlg> shown;
    if (dialog == ItemDialog::Background) shown.reset(new CBackgroundPropertiesDlg(p, index));
    if (dialog == ItemDialog::Audio) shown.reset(new CAudioPropertiesDlg(p, index));
    if (dialog == ItemDialog::Hyperlink) shown.reset(new CHyperlinkPropertiesDlg(p, index));
    if (dialog == ItemDialog::Logo) shown.reset(new CLogoPropertiesDlg(p, index));
    if (!shown) return false;
    shown->OnLiveChange = live;
    return shown->DoModal(hwnd()) == IDOK;
}

void CMainFrame::ShowAbout() { CAboutDlg().DoModal(hwnd()); }

// The guide in the program of the ".htm" association, "#topic" filled into its
// open command; when no program starts, the document itself without a topic.
void CMainFrame::ShowHelp(const std::string& topic) {
    const std::string& startFolder = Editor->Options().StartFolder;
    std::string guide = UserGuidePath(startFolder);
    if (!topic.empty()) guide += "#" + topic;
    std::string type, command, program, parameters;
    platform::win32::JoinApartment();  // the shell may hand the guide to an extension
    if (ReadDefault(".htm", &type) && ReadDefault(type + "\\shell\\open\\command", &command) &&
        FillOpenCommand(command, guide, &program, &parameters) &&
        ShellOpen(CDialog::Owner(), program, parameters))
        return;
    OpenGuideDocument(startFolder);
}
