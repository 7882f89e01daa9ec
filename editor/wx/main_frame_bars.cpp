// The menu bar, the toolbar and the status bar, made from the controller's
// command table; every command goes to the controller, which also says what
// is greyed, checked and named.
#include <wx/accel.h>
#include <wx/menu.h>
#include <wx/statusbr.h>
#include <wx/toolbar.h>

#include "editor/wx/art.h"
#include "editor/wx/dialog_parts.h"
#include "editor/wx/main_frame.h"

namespace {

constexpr const char* kEditTitle = "&Edit";

wxAcceleratorEntry Accelerator(const KeyBinding& binding) {
    using namespace editor_keys;
    const int key = binding.keys.key;
    int code = key;
    if (key >= F1 && key <= F1 + 11) code = WXK_F1 + (key - F1);
    if (key == Up) code = WXK_UP;
    if (key == Down) code = WXK_DOWN;
    if (key == Back) code = WXK_BACK;
    const int mods = binding.keys.mods;
    return {(mods & Ctrl ? wxACCEL_CTRL : 0) | (mods & Shift ? wxACCEL_SHIFT : 0) |
                (mods & Alt ? wxACCEL_ALT : 0),
            code, binding.id};
}

}  // namespace

void CMainFrame::CreateMenu() {
    auto* bar = new wxMenuBar;
    for (const MenuLayout& layout : MenuBar()) bar->Append(NewMenu(layout), layout.title);
    SetMenuBar(bar);
    std::vector<wxAcceleratorEntry> keys;
    // The menu's own shortcuts come with its labels.
    for (const KeyBinding& binding : FrameKeys()) {
        const Shortcut shown = FindCommand(binding.id)->keys;
        const bool inMenu = InMenuBar(binding.id) && shown.key == binding.keys.key &&
                            shown.mods == binding.keys.mods;
        if (!inMenu) keys.push_back(Accelerator(binding));
    }
    SetAcceleratorTable(wxAcceleratorTable(int(keys.size()), keys.data()));
    Bind(
        wxEVT_MENU, [this](wxCommandEvent& e) { Editor->Run(e.GetId()); }, ID_NEW_PROJECT,
        ID_RECENT_LAST);
    Bind(wxEVT_UPDATE_UI, &CMainFrame::OnUpdate, this, ID_NEW_PROJECT, ID_PREV_PANE);
}

// A menu item with the picture of its toolbar button; Undo and Redo name their steps.
wxMenu* CMainFrame::NewMenu(const MenuLayout& layout) const {
    auto* menu = new wxMenu;
    for (int id : layout.ids) {
        const CommandInfo* c = FindCommand(id);
        if (!c) {
            menu->AppendSeparator();
            continue;
        }
        if (!CommandAvailable(id)) continue;
        const wxString text = dialog_parts::ToWx(MenuText(*c, Editor->LabelOf(id)));
        auto* item =
            new wxMenuItem(menu, id, text, c->prompt, c->check ? wxITEM_CHECK : wxITEM_NORMAL);
        if (c->picture != ToolPicture::None && !c->check)
            item->SetBitmap(forge_art::ToolBitmap(c->picture));
        menu->Append(item);
    }
    return menu;
}

void CMainFrame::CreateTools() {
    wxToolBar* bar = CreateToolBar(wxTB_HORIZONTAL | wxTB_FLAT);
    bar->SetToolBitmapSize(wxSize(16, 15));
    for (int id : ToolbarButtons()) {
        const CommandInfo* c = FindCommand(id);
        if (!c) {
            bar->AddSeparator();
        } else if (CommandAvailable(id)) {
            bar->AddTool(id, PlainLabel(c->label), forge_art::ToolBitmap(c->picture), wxNullBitmap,
                         c->check ? wxITEM_CHECK : wxITEM_NORMAL, c->tip, c->prompt);
        }
    }
    bar->Realize();
}

void CMainFrame::CreateStatus() {
    CreateStatusBar(4);
    const int widths[] = {-1, 48, 48, 48};
    GetStatusBar()->SetStatusWidths(4, widths);
    SetStatusText(IDLE_PROMPT, 0);
    // The lock keys' first look waits for the first idle time: each key costs
    // X round trips, which would come before the picture.
    lockKeys_.Bind(wxEVT_TIMER, [this](wxTimerEvent&) { ShowLockKeys(); });
    lockKeys_.Start(250);
}

void CMainFrame::ShowLockKeys() {
    const wxKeyCode keys[] = {WXK_CAPITAL, WXK_NUMLOCK, WXK_SCROLL};
    for (const LockKeyText& lock : LOCK_KEYS) {
        const wxString text = wxGetKeyState(keys[lock.pane - 1]) ? lock.text : "";
        if (GetStatusBar()->GetStatusText(lock.pane) != text) SetStatusText(text, lock.pane);
    }
}

void CMainFrame::OnUpdate(wxUpdateUIEvent& e) {
    const CommandState state = Editor->StateOf(e.GetId());
    e.Enable(state.enabled);
    const CommandInfo* command = FindCommand(e.GetId());
    if (command && command->check) e.Check(state.checked);
    // After the update: the menu bar may be walking its items now.
    const bool undo = e.GetId() == ID_UNDO;
    if ((undo || e.GetId() == ID_REDO) && !menuQueued_ &&
        Editor->LabelOf(e.GetId()) != (undo ? undoShown_ : redoShown_)) {
        menuQueued_ = true;
        CallAfter(&CMainFrame::ShowUndoSteps);
    }
}

// A new menu rather than new labels: GTK keeps a menu as wide as it was made
// and then hides a shortcut that no longer fits.
void CMainFrame::ShowUndoSteps() {
    menuQueued_ = false;
    undoShown_ = Editor->LabelOf(ID_UNDO);
    redoShown_ = Editor->LabelOf(ID_REDO);
    const int at = GetMenuBar()->FindMenu(kEditTitle);
    if (at != wxNOT_FOUND) delete GetMenuBar()->Replace(at, NewMenu(MenuBar()[1]), kEditTitle);
}

// The recent projects, between Save and Exit, with a line below them.
void CMainFrame::ShowRecentList(const std::vector<std::string>& menuTexts) {
    wxMenu* file = GetMenuBar()->GetMenu(0);
    for (int id = ID_RECENT_FIRST; id <= ID_RECENT_SEPARATOR; ++id)
        if (file->FindChildItem(id)) file->Destroy(id);
    if (menuTexts.empty()) return;
    std::size_t at = 0;
    file->FindChildItem(ID_EXIT, &at);
    for (std::size_t i = 0; i < menuTexts.size(); ++i)
        file->Insert(at + i, ID_RECENT_FIRST + int(i), dialog_parts::ToWx(menuTexts[i]),
                     RECENT_PROMPT);
    file->Insert(at + menuTexts.size(), new wxMenuItem(file, ID_RECENT_SEPARATOR, wxEmptyString,
                                                       wxEmptyString, wxITEM_SEPARATOR));
}
