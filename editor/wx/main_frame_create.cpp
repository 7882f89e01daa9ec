// The frame's creation: layout from the settings store, menu, toolbar, status
// bar, the two panes and the start-up wizard.
#include <wx/accel.h>
#include <wx/menu.h>
#include <wx/splitter.h>
#include <wx/statusbr.h>
#include <wx/toolbar.h>

#include <iterator>

#include "editor/edit_history.h"
#include "editor/project_session.h"
#include "editor/wx/art.h"
#include "editor/wx/command_ids.h"
#include "editor/wx/demo_wnd.h"
#include "editor/wx/main_frame.h"
#include "editor/wx/project_wizard_dlg.h"
#include "editor/wx/tree_view.h"

namespace {

struct Command {
    int id;
    const char* label;           // menu text
    const char* prompt;          // status bar
    const char* tip;             // tooltip
    const char* keys = nullptr;  // the shortcut shown in the menu
};

const Command kNew{ID_NEW_PROJECT, "&New Project...", "New Project", "New Project", "Ctrl+N"};
const Command kOpen{ID_OPEN_PROJECT, "&Open Existing Project...", "Open Existing Project",
                    "Open Existing Project", "Ctrl+O"};
const Command kSave{ID_SAVE_PROJECT, "&Save Project", "Save Project", "Save Project", "Ctrl+S"};
const Command kBuild{ID_BUILD_PROJECT, "&Build Current Project", "Build the project",
                     "Build the project", "F7"};
const Command kCopy{ID_COPY_PROJECT, "&Copy Finished Project Files", "Copy Finished Project Files",
                    "Copy Finished Project Files"};
const Command kImage{ID_MAKE_DISC_IMAGE, "Make Disc &Image...",
                     "Build the project and write it as a disc image (.iso)", "Make Disc Image"};
const Command kTest{ID_TEST_PROJECT, "&Test Project", "Test!", "Test Project", "F5"};
const Command kArrange{ID_ARRANGE_ITEMS, "&Arrange Items",
                       "Move the links and logos on the preview with the mouse or the arrow keys",
                       "Arrange Items", "F8"};
const Command kWizard{ID_WIZARD_AT_STARTUP, "Show Project &Wizard at Startup",
                      "Show Project Wizard at Startup", "Show Project Wizard at Startup"};
const Command kHelp{ID_HELP_CONTENTS, "&Contents", "Open the Help Documentation", "Help Contents",
                    "F1"};
const Command kAbout{wxID_ABOUT, "&About VelomarForge...",
                     "Display program information, version number and copyright", "About"};
const Command kExit{wxID_EXIT, "E&xit", "Quit the application; prompts to save documents", "Exit",
                    "Ctrl+Q"};
const Command kUndo{ID_UNDO, "&Undo", "Undo the last change", "Undo", "Ctrl+Z"};
const Command kRedo{ID_REDO, "&Redo", "Redo the change undone last", "Redo", "Ctrl+Y"};
const Command kMoveUp{ID_MOVE_UP, "Move &Up", "Move the link or logo one place up", "Move Up",
                      "Alt+Up"};
const Command kMoveDown{ID_MOVE_DOWN, "Move &Down", "Move the link or logo one place down",
                        "Move Down", "Alt+Down"};

constexpr const char* kEditTitle = "&Edit";

wxString MenuText(const Command& c) {
    return c.keys ? wxString(c.label) + "\t" + c.keys : wxString(c.label);
}

void Append(wxMenu* menu, const Command& c, wxItemKind kind = wxITEM_NORMAL) {
    menu->Append(c.id, MenuText(c), c.prompt, kind);
}

// A menu item with the picture of its toolbar button.
void Append(wxMenu* menu, const Command& c, forge_art::Tool tool) {
    auto* item = new wxMenuItem(menu, c.id, MenuText(c), c.prompt);
    item->SetBitmap(forge_art::ToolBitmap(tool));
    menu->Append(item);
}

}  // namespace

CMainFrame::CMainFrame(const ForgeOptions& options)
    : Settings(std::make_unique<CRegSettings>(BASE_KEY, options.SettingsFile)), Options(options) {
    // The stored layout is used as it is, even when it is off screen.
    const int x = int(Settings->GetInt(FRAME_LAYOUT, "TopLeftX", 0));
    const int y = int(Settings->GetInt(FRAME_LAYOUT, "TopLeftY", 10));
    const int w = int(Settings->GetInt(FRAME_LAYOUT, "SizeX", 950));
    const int h = int(Settings->GetInt(FRAME_LAYOUT, "SizeY", 600));
    Create(nullptr, wxID_ANY, PROGRAM_TITLE, wxPoint(x, y), wxSize(w, h));
    SetIcons(forge_art::ProgramIcons());

    CreatePanes();
    CreateMenu();
    ShowRecentProjects();
    CreateTools();
    CreateStatus();

    Bind(wxEVT_CLOSE_WINDOW, &CMainFrame::OnClose, this);
    Bind(wxEVT_MENU, &CMainFrame::OnNewProject, this, ID_NEW_PROJECT);
    Bind(wxEVT_MENU, &CMainFrame::OnOpenProject, this, ID_OPEN_PROJECT);
    Bind(wxEVT_MENU, &CMainFrame::OnSaveProject, this, ID_SAVE_PROJECT);
    Bind(wxEVT_MENU, &CMainFrame::OnTestProject, this, ID_TEST_PROJECT);
    Bind(wxEVT_MENU, &CMainFrame::OnBuildProject, this, ID_BUILD_PROJECT);
    Bind(
        wxEVT_MENU, [this](wxCommandEvent&) { OpenProjectFolder(); }, ID_COPY_PROJECT);
    Bind(wxEVT_MENU, &CMainFrame::OnMakeDiscImage, this, ID_MAKE_DISC_IMAGE);
    Bind(wxEVT_MENU, &CMainFrame::OnWizardToggle, this, ID_WIZARD_AT_STARTUP);
    Bind(wxEVT_MENU, &CMainFrame::OnHelpContents, this, ID_HELP_CONTENTS);
    Bind(wxEVT_MENU, &CMainFrame::OnAbout, this, wxID_ABOUT);
    Bind(wxEVT_MENU, &CMainFrame::OnExit, this, wxID_EXIT);
    Bind(wxEVT_MENU, &CMainFrame::OnNextPane, this, ID_NEXT_PANE);
    Bind(wxEVT_MENU, &CMainFrame::OnNextPane, this, ID_PREV_PANE);
    Bind(wxEVT_MENU, &CMainFrame::OnRecentProject, this, ID_RECENT_FIRST, ID_RECENT_LAST);
    Bind(wxEVT_MENU, &CMainFrame::OnUndo, this, ID_UNDO);
    Bind(wxEVT_MENU, &CMainFrame::OnUndo, this, ID_REDO);
    Bind(wxEVT_MENU, &CMainFrame::OnMoveItem, this, ID_MOVE_UP);
    Bind(wxEVT_MENU, &CMainFrame::OnMoveItem, this, ID_MOVE_DOWN);
    Bind(wxEVT_UPDATE_UI, &CMainFrame::OnUpdateUndo, this, ID_UNDO);
    Bind(wxEVT_UPDATE_UI, &CMainFrame::OnUpdateUndo, this, ID_REDO);
    Bind(wxEVT_UPDATE_UI, &CMainFrame::OnUpdateMoveItem, this, ID_MOVE_UP);
    Bind(wxEVT_UPDATE_UI, &CMainFrame::OnUpdateMoveItem, this, ID_MOVE_DOWN);
    Bind(wxEVT_UPDATE_UI, &CMainFrame::OnUpdateSave, this, ID_SAVE_PROJECT);
    Bind(wxEVT_UPDATE_UI, &CMainFrame::OnUpdateNeedsProject, this, ID_BUILD_PROJECT);
    Bind(wxEVT_UPDATE_UI, &CMainFrame::OnUpdateNeedsProject, this, ID_TEST_PROJECT);
    Bind(wxEVT_UPDATE_UI, &CMainFrame::OnUpdateNeedsProject, this, ID_MAKE_DISC_IMAGE);
    Bind(wxEVT_UPDATE_UI, &CMainFrame::OnUpdateCopy, this, ID_COPY_PROJECT);
    Bind(wxEVT_UPDATE_UI, &CMainFrame::OnUpdateWizardToggle, this, ID_WIZARD_AT_STARTUP);
    Bind(wxEVT_MENU, &CMainFrame::OnArrangeItems, this, ID_ARRANGE_ITEMS);
    Bind(wxEVT_UPDATE_UI, &CMainFrame::OnUpdateArrange, this, ID_ARRANGE_ITEMS);

    WizardAtStartup = Settings->GetInt(GENERAL, "ShowIntroWizard", 1) != 0;
    if (!Options.OpenAtStart.empty()) {
        const std::string folder = Options.OpenAtStart;
        CallAfter([this, folder] { OpenFolder(folder); });
    } else {
        RunStartupWizard();
    }
}

void CMainFrame::CreatePanes() {
    // Not unsplittable: a minimum pane size and no wxSP_PERMIT_UNSPLIT.
    splitter_ = new wxSplitterWindow(this, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                     wxSP_3D | wxSP_LIVE_UPDATE);
    splitter_->SetMinimumPaneSize(1);
    splitter_->Bind(wxEVT_SPLITTER_DOUBLECLICKED, [](wxSplitterEvent& e) { e.Veto(); });
    const int treeWidth = int(Settings->GetInt(TREE_LAYOUT, "SizeX", 250));
    TreeView = new CVelomarTreeView(splitter_, wxSize(treeWidth, 100), this);
    DemoWnd = new CDemoWnd(splitter_, this);
    splitter_->SplitVertically(TreeView, DemoWnd, treeWidth);
}

void CMainFrame::CreateMenu() {
    using forge_art::Tool;
    auto* file = new wxMenu;
    Append(file, kNew, Tool::New);
    Append(file, kOpen, Tool::Open);
    Append(file, kSave, Tool::Save);
    file->AppendSeparator();
    Append(file, kExit);
    wxMenu* edit = NewEditMenu();
    auto* project = new wxMenu;
    Append(project, kBuild, Tool::Build);
    Append(project, kCopy, Tool::Copy);
    Append(project, kImage, Tool::Image);
    project->AppendSeparator();
    Append(project, kTest, Tool::Test);
    Append(project, kArrange, wxITEM_CHECK);
    project->AppendSeparator();
    Append(project, kWizard, wxITEM_CHECK);
    auto* help = new wxMenu;
    Append(help, kHelp, Tool::Help);
    help->AppendSeparator();
    Append(help, kAbout, Tool::About);
    auto* bar = new wxMenuBar;
    bar->Append(file, "&File");
    bar->Append(edit, kEditTitle);
    bar->Append(project, "&Project");
    bar->Append(help, "&Help");
    SetMenuBar(bar);

    // Keys beyond the one each menu item shows.
    wxAcceleratorEntry keys[] = {{wxACCEL_NORMAL, WXK_F6, ID_NEXT_PANE},
                                 {wxACCEL_SHIFT, WXK_F6, ID_PREV_PANE},
                                 {wxACCEL_CTRL | wxACCEL_SHIFT, 'Z', ID_REDO}};
    SetAcceleratorTable(wxAcceleratorTable(int(std::size(keys)), keys));
}

// Undo and Redo name their steps.
wxMenu* CMainFrame::NewEditMenu() const {
    auto* edit = new wxMenu;
    const std::string undo = UndoLabel(kUndo.label, undoShown_);
    const std::string redo = UndoLabel(kRedo.label, redoShown_);
    Append(edit, {kUndo.id, undo.c_str(), kUndo.prompt, kUndo.tip, kUndo.keys});
    Append(edit, {kRedo.id, redo.c_str(), kRedo.prompt, kRedo.tip, kRedo.keys});
    edit->AppendSeparator();
    Append(edit, kMoveUp);
    Append(edit, kMoveDown);
    return edit;
}

// A new menu rather than new labels: GTK keeps a menu as wide as it was made
// and then hides a shortcut that no longer fits.
void CMainFrame::ShowUndoSteps() {
    menuQueued_ = false;
    undoShown_ = DemoWnd->UndoName();
    redoShown_ = DemoWnd->RedoName();
    const int at = GetMenuBar()->FindMenu(kEditTitle);
    if (at != wxNOT_FOUND) delete GetMenuBar()->Replace(at, NewEditMenu(), kEditTitle);
}

void CMainFrame::CreateTools() {
    wxToolBar* bar = CreateToolBar(wxTB_HORIZONTAL | wxTB_FLAT);
    bar->SetToolBitmapSize(wxSize(16, 16));
    using forge_art::Tool;
    auto add = [bar](const Command& c, Tool tool) {
        bar->AddTool(c.id, wxString(c.label).AfterFirst('&'), forge_art::ToolBitmap(tool), c.tip);
        bar->SetToolLongHelp(c.id, c.prompt);
    };
    add(kNew, Tool::New);
    add(kOpen, Tool::Open);
    add(kSave, Tool::Save);
    bar->AddSeparator();
    add(kTest, Tool::Test);
    add(kBuild, Tool::Build);
    add(kCopy, Tool::Copy);
    add(kImage, Tool::Image);
    bar->AddCheckTool(kArrange.id, "Arrange Items", forge_art::ToolBitmap(Tool::Arrange),
                      wxNullBitmap, kArrange.tip, kArrange.prompt);
    bar->AddSeparator();
    add(kHelp, Tool::Help);
    add(kAbout, Tool::About);
    bar->Realize();
}

void CMainFrame::CreateStatus() {
    CreateStatusBar(4);
    const int widths[] = {-1, 48, 48, 48};
    GetStatusBar()->SetStatusWidths(4, widths);
    SetStatusText("Ready", 0);
    ShowLockKeys();
    lockKeys_.Bind(wxEVT_TIMER, [this](wxTimerEvent&) { ShowLockKeys(); });
    lockKeys_.Start(250);
}

void CMainFrame::RunStartupWizard() {
    if (!WizardAtStartup) return;
    CProjectWizardDlg wizard(this);
    if (wizard.ShowModal() != wxID_OK) return;
    Settings->SetInt(GENERAL, "ShowIntroWizard", wizard.ShowAtStartup ? 1 : 0);
    WizardAtStartup = wizard.ShowAtStartup;
    // The chosen command runs once the frame is shown and the loop runs.
    const int choice = wizard.Choice;
    CallAfter([this, choice] { OnWizardChoice(choice); });
}
