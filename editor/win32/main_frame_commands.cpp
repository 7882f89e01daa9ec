// The frame's command handlers: thin calls into the preview pane's project
// session, then the title.
#include "editor/companion_files.h"
#include "editor/new_project_path.h"
#include "editor/project_session.h"
#include "editor/win32/about_dlg.h"
#include "editor/win32/demo_wnd.h"
#include "editor/win32/main_frame.h"
#include "editor/win32/modal_owner.h"
#include "editor/win32/new_project_dlg.h"
#include "editor/win32/resource.h"
#include "editor/win32/shell_dialogs.h"
#include "editor/win32/show_help.h"
#include "editor/win32/tree_view.h"

void CMainFrame::OnCommand(int id) {
    // An accelerator for a greyed command; anything while a dialog holds the project.
    if (!StateOf(id).enabled || modal_owner::DialogOpen()) return;
    switch (id) {
        case ID_NEW_PROJECT:
            OnNewProject();
            break;
        case ID_OPEN_PROJECT:
            OnOpenProject();
            break;
        case ID_SAVE_PROJECT:
            DemoWnd->SaveProject();
            break;
        case ID_TEST_PROJECT:
            // The test runs the menu as the disc does: links run, logos move.
            DemoWnd->Arrange().SetOn(false);
            DemoWnd->ReloadProject(true);
            break;
        case ID_ARRANGE_ITEMS:
            OnArrangeItems();
            break;
        case ID_BUILD_PROJECT:
            OnBuildProject();
            break;
        case ID_COPY_PROJECT:
            OpenProjectFolder();
            break;
        case ID_WIZARD_AT_STARTUP:
            OnWizardToggle();
            break;
        case ID_HELP_CONTENTS:
            ShowHelp();
            break;
        case ID_APP_ABOUT:
            OnAbout();
            break;
        case ID_APP_EXIT:
            PostMessageA(hwnd(), WM_CLOSE, 0, 0);
            break;
        case ID_EDIT_UNDO:
            DemoWnd->Undo();
            break;
        case ID_EDIT_REDO:
            DemoWnd->Redo();
            break;
        case ID_MOVE_UP:
        case ID_MOVE_DOWN:
            TreeView->MoveItem(id == ID_MOVE_UP ? -1 : 1);
            break;
        case ID_NEXT_PANE:
        case ID_PREV_PANE:
            OnNextPane();
            break;
        default:
            if (id >= ID_RECENT_FIRST && id <= ID_RECENT_LAST) OnRecentProject(id);
            break;  // the clipboard keys: nothing in the editor handles them
    }
    UpdateCommandState();
}

void CMainFrame::OnNewProject() {
    CNewProjectDlg dialog(DefaultProjectsFolder(Options.DocumentsFolder, '\\'),
                          [this](const std::string& topic) { ShowHelp(topic); });
    if (dialog.DoModal(hwnd()) != IDOK) return;
    if (DemoWnd->NewProject(dialog.ProjectFolder())) RememberProject();
}

void CMainFrame::OnOpenProject() {
    std::string path;
    if (!OpenFileDialog(hwnd(), "Project Files|AppSetup.dat", "AppSetup.dat", &path)) return;
    OpenFolder(path.substr(0, path.find_last_of("\\/") + 1));
}

void CMainFrame::OpenFolder(const std::string& folder) {
    if (DemoWnd->OpenProject(folder, false)) RememberProject();
}

void CMainFrame::OnArrangeItems() {
    Arranger& arrange = DemoWnd->Arrange();
    arrange.SetOn(!arrange.IsOn());
    if (!arrange.IsOn()) return;
    // The link or logo picked in the tree stays picked; the arrow keys go to the preview.
    arrange.Select(TreeView->NodeOf(TreeView_GetSelection(TreeView->Tree())));
    DemoWnd->FocusPreview();
}

void CMainFrame::OnWizardToggle() {
    WizardAtStartup = !WizardAtStartup;
    Settings->SetInt(GENERAL, "ShowIntroWizard", WizardAtStartup ? 1 : 0);
}

void CMainFrame::ShowHelp(const std::string& topic) {
    ShowHelpAt(modal_owner::Current(), Options.StartFolder, topic);
}

void CMainFrame::OnAbout() {
    CAboutDlg dialog;
    dialog.DoModal(hwnd());
}

// F6 and Shift+F6: with two panes, both go to the other one.
void CMainFrame::OnNextPane() {
    HWND focus = GetFocus();
    const bool inTree = focus && (focus == TreeView->hwnd() || IsChild(TreeView->hwnd(), focus));
    SetFocus(inTree ? DemoWnd->hwnd() : TreeView->hwnd());
}
