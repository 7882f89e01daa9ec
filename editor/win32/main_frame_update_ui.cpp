// One enable rule per command, applied to the menu as it opens and to the
// toolbar while the program is idle.
#include <algorithm>
#include <string>

#include "editor/edit_history.h"
#include "editor/win32/demo_wnd.h"
#include "editor/win32/main_frame.h"
#include "editor/win32/resource.h"
#include "editor/win32/tree_view.h"

CMainFrame::CommandState CMainFrame::StateOf(int id) const {
    switch (id) {
        case ID_SAVE_PROJECT:
            return {DemoWnd->Modified()};
        case ID_BUILD_PROJECT:
        case ID_TEST_PROJECT:
            return {DemoWnd->GetInstallerWnd() != nullptr};
        case ID_COPY_PROJECT:
            return {ProjectBuilt};
        case ID_WIZARD_AT_STARTUP:
            return {true, WizardAtStartup};
        case ID_ARRANGE_ITEMS:
            return {DemoWnd->GetInstallerWnd() != nullptr, DemoWnd->Arrange().IsOn()};
        case ID_EDIT_UNDO:
            return {!DemoWnd->UndoName().empty()};
        case ID_EDIT_REDO:
            return {!DemoWnd->RedoName().empty()};
        case ID_MOVE_UP:
        case ID_MOVE_DOWN:
            return {TreeView->CanMoveItem(id == ID_MOVE_UP ? -1 : 1)};
        default:
            return {};
    }
}

void CMainFrame::UpdateMenu(HMENU menu) {
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        const UINT id = GetMenuItemID(menu, i);
        if (id == 0 || id == UINT(-1)) continue;  // separators and submenus
        const CommandState state = StateOf(int(id));
        EnableMenuItem(menu, id, MF_BYCOMMAND | (state.enabled ? MF_ENABLED : MF_GRAYED));
        CheckMenuItem(menu, id, MF_BYCOMMAND | (state.checked ? MF_CHECKED : MF_UNCHECKED));
        if (id == ID_EDIT_UNDO) NameStep(menu, id, DemoWnd->UndoName());
        if (id == ID_EDIT_REDO) NameStep(menu, id, DemoWnd->RedoName());
    }
}

// "&Undo\tCtrl+Z" becomes "&Undo Insert Link\tCtrl+Z": the verb and the keys
// stay as the menu resource has them.
void CMainFrame::NameStep(HMENU menu, UINT id, const std::string& step) {
    char text[256] = {};
    GetMenuStringA(menu, id, text, sizeof text, MF_BYCOMMAND);
    const std::string old = text;
    const std::size_t tab = old.find('\t');
    const std::string verb = old.substr(0, std::min(old.find(' '), tab));
    const std::string keys = tab == std::string::npos ? std::string() : old.substr(tab);
    const std::string now = UndoLabel(verb.c_str(), step) + keys;
    if (now != old) ModifyMenuA(menu, id, MF_BYCOMMAND | MF_STRING, id, now.c_str());
}

void CMainFrame::UpdateCommandState() {
    if (!toolbar_) return;
    const int count = int(SendMessageA(toolbar_, TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        TBBUTTON button = {};
        SendMessageA(toolbar_, TB_GETBUTTON, WPARAM(i), LPARAM(&button));
        if (button.fsStyle & BTNS_SEP) continue;
        const CommandState state = StateOf(button.idCommand);
        if (bool(SendMessageA(toolbar_, TB_ISBUTTONENABLED, button.idCommand, 0)) != state.enabled)
            SendMessageA(toolbar_, TB_ENABLEBUTTON, button.idCommand, MAKELPARAM(state.enabled, 0));
        if ((button.fsStyle & BTNS_CHECK) &&
            bool(SendMessageA(toolbar_, TB_ISBUTTONCHECKED, button.idCommand, 0)) != state.checked)
            SendMessageA(toolbar_, TB_CHECKBUTTON, button.idCommand, MAKELPARAM(state.checked, 0));
    }
    ShowLockKeys();
}
