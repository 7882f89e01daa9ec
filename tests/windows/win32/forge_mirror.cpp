// The Windows frame only mirrors the controller: its menus, toolbar, keys,
// status prompts, the tree's popup and the dialogs' rows are walked against the
// core's tables, in a few states of the built disc.
#include "editor/editor_commands.h"
#include "editor/forms/colour_text.h"
#include "editor/forms/form_access.h"
#include "editor/win32/main_frame.h"
#include "editor/win32/resource.h"
#include "engine/installer_wnd.h"
#include "forge_check.h"

namespace forge_test {
namespace {

HWND Toolbar(CMainFrame& frame) {
    HWND rebar = FindWindowExA(frame.hwnd(), nullptr, REBARCLASSNAMEA, nullptr);
    return FindWindowExA(rebar, nullptr, TOOLBARCLASSNAMEA, nullptr);
}

std::string StatusPrompt(CMainFrame& frame) {
    char text[256] = {};
    SendMessageA(FindWindowExA(frame.hwnd(), nullptr, STATUSCLASSNAMEA, nullptr), SB_GETTEXTA, 0,
                 LPARAM(text));
    return text;
}

// Every menu item, as its menu opens, and every toolbar button against the
// table and the controller's state now.
void ExpectMirror(CMainFrame& frame, const char* state) {
    std::printf("mirror: %s\n", state);
    HMENU bar = GetMenu(frame.hwnd());
    for (int m = 0; m < GetMenuItemCount(bar); ++m)
        SendMessageA(frame.hwnd(), WM_INITMENUPOPUP, WPARAM(GetSubMenu(bar, m)), m);
    for (const MenuLayout& layout : MenuBar())
        for (int id : layout.ids) {
            if (!id || !CommandAvailable(id)) continue;
            const CommandState s = frame.Editor->StateOf(id);
            char text[256] = {};
            GetMenuStringA(bar, UINT(id), text, sizeof text, MF_BYCOMMAND);
            const UINT shown = GetMenuState(bar, UINT(id), MF_BYCOMMAND);
            auto item = [](std::string label, bool enabled, bool checked) {
                return label + (enabled ? "" : " (greyed)") + (checked ? " (checked)" : "");
            };
            CHECK_EQ(
                item(text, !(shown & MF_GRAYED), shown & MF_CHECKED),
                item(MenuText(*FindCommand(id), frame.Editor->LabelOf(id)), s.enabled, s.checked));
        }
    frame.UpdateCommandState();
    HWND tools = Toolbar(frame);
    int old = 0;
    for (int id : ToolbarButtons()) {
        if (!id || !CommandAvailable(id)) continue;
        const CommandState s = frame.Editor->StateOf(id);
        CHECK_EQ(bool(SendMessageA(tools, TB_ISBUTTONENABLED, id, 0)), s.enabled);
        CHECK_EQ(bool(SendMessageA(tools, TB_ISBUTTONCHECKED, id, 0)), s.checked);
        // The pointer moving onto it from the button before: its own prompt.
        NMTBHOTITEM hot = {};
        hot.hdr = {tools, UINT_PTR(GetDlgCtrlID(tools)), UINT(TBN_HOTITEMCHANGE)};
        hot.idOld = old;
        hot.idNew = old = id;
        hot.dwFlags = HICF_MOUSE;
        SendMessageA(frame.hwnd(), WM_NOTIFY, hot.hdr.idFrom, LPARAM(&hot));
        CHECK_EQ(StatusPrompt(frame), std::string(PromptOf(id)));
    }
}

// A key as the message loop meets it, with the modifiers held.
bool Key(CMainFrame& frame, Shortcut keys) {
    BYTE state[256] = {};
    if (keys.mods & editor_keys::Ctrl) state[VK_CONTROL] = 0x80;
    if (keys.mods & editor_keys::Shift) state[VK_SHIFT] = 0x80;
    if (keys.mods & editor_keys::Alt) state[VK_MENU] = 0x80;
    SetKeyboardState(state);
    MSG msg = {frame.hwnd(), UINT(keys.mods & editor_keys::Alt ? WM_SYSKEYDOWN : WM_KEYDOWN),
               WPARAM(keys.key), keys.mods & editor_keys::Alt ? LPARAM(1 << 29) : 0};
    const bool taken = frame.PreTranslateMessage(&msg);
    const BYTE none[256] = {};
    SetKeyboardState(const_cast<BYTE*>(none));
    Pump();
    return taken;
}

// The tree's popup as it shows: each entry greyed or not; Delete is chosen
// by the keys once it is lit.
std::string popupShown;
void CALLBACK ChooseDelete(HWND, UINT, UINT_PTR timer, DWORD) {
    static int ticks = 0;
    HWND popup = FindWindowA("#32768", nullptr);
    if (!popup) return;
    HMENU menu = HMENU(SendMessageA(popup, MN_GETHMENU, 0, 0));
    if (popupShown.empty())
        for (const ItemMenuEntry& entry : ItemMenuEntries())
            if (entry.id)
                popupShown +=
                    std::string(entry.label) +
                    (GetMenuState(menu, UINT(entry.id), MF_BYCOMMAND) & MF_GRAYED ? " (greyed)|"
                                                                                  : "|");
    const bool lit = GetMenuState(menu, ID_DELETE_ITEM, MF_BYCOMMAND) & MF_HILITE;
    const bool stuck = ++ticks > 20;
    PostMessageA(popup, WM_KEYDOWN, stuck ? VK_ESCAPE : lit ? VK_RETURN : VK_DOWN, 0);
    if (lit || stuck) KillTimer(nullptr, timer), ticks = 0;
}

// The form as the dialog's controls show it, then each row's check and
// enabling against the form's rule for it.
template <class Form>
void ExpectRowsFollow(HWND d, const Form& loaded, int after) {
    Form f = loaded;
    char text[1024];
    for (const auto& row : FieldsOf(f)) {
        if (row.text && GetDlgItemTextA(d, row.id, text, sizeof text) >= 0) *row.Text(f) = text;
        row.TakeChecked(f, IsDlgButtonChecked(d, row.id) == BST_CHECKED);
    }
    std::printf("mirror: after a click on %d\n", after);
    for (const auto& row : FieldsOf(f)) {
        const bool checked = IsDlgButtonChecked(d, row.id) == BST_CHECKED;
        CHECK_EQ(bool(IsWindowEnabled(GetDlgItem(d, row.id))), row.Enabled(f));
        if (row.IsChoice()) CHECK_EQ(checked, row.Checked(f));
    }
}

}  // namespace

void Mirror(CMainFrame& frame) {
    // The project as it stands: a refresh loads it anew.
    auto link = [&frame](int i) {
        return TextOf(frame.Editor->Project()->Settings->HotSpotText[i]);
    };
    HWND tree = frame.TreeView->Tree();
    ExpectMirror(frame, "the disc open");
    const std::string first = link(0);
    TreeView_SelectItem(tree, TreeView_GetChild(tree, FindNode(frame, {"Hyper-Links"})));
    Pump();
    ExpectMirror(frame, "a link picked");
    frame.Editor->Session().SetModified(true);  // Save and Build come back on
    ExpectMirror(frame, "modified");
    Command(frame, ID_SAVE_PROJECT);

    // Move Down's key, then every key of Undo and Redo, each through the
    // accelerators doing its command.
    auto moved = [&] { return link(0) != first; };
    for (int pass : {ID_MOVE_DOWN, ID_UNDO})
        for (const KeyBinding& b : FrameKeys()) {
            if (b.id != pass && (pass != ID_UNDO || b.id != ID_REDO)) continue;
            const bool undo = b.id == ID_UNDO;
            if (moved() != undo) Command(frame, undo ? ID_REDO : ID_UNDO);
            std::printf("mirror: key %s\n", ShortcutText(b.keys).c_str());
            CHECK(Key(frame, b.keys));
            CHECK_EQ(moved(), !undo);
            if (b.id != ID_MOVE_DOWN) continue;
            CHECK_EQ(NodeText(tree, TreeView_GetSelection(tree)), first);  // still picked
            ExpectMirror(frame, "after a move");
        }
    if (moved()) Command(frame, ID_UNDO);

    // The popup of a link other than the picked one acts on the one clicked.
    HTREEITEM picked = TreeView_GetChild(tree, FindNode(frame, {"Hyper-Links"}));
    TreeView_SelectItem(tree, picked);
    HTREEITEM clicked = TreeView_GetNextSibling(tree, picked);
    const std::string second = link(1);
    RECT r = {};
    TreeView_GetItemRect(tree, clicked, &r, TRUE);
    POINT at = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ClientToScreen(tree, &at);
    SetCursorPos(at.x, at.y);
    std::string expected;
    const ItemMenu state = frame.Editor->ItemMenuOf({NodeKind::Hyperlink, 1});
    for (const ItemMenuEntry& entry : ItemMenuEntries())
        if (entry.id)
            expected += entry.label + std::string(state.Enabled(entry.id) ? "|" : " (greyed)|");
    recorder.ScriptAnswers({platform::MessageAnswer::Yes});
    SetTimer(nullptr, 0, 50, ChooseDelete);
    NMHDR click = {tree, IDC_TEMPLATE_TREE, UINT(NM_RCLICK)};
    SendMessageA(GetParent(tree), WM_NOTIFY, click.idFrom, LPARAM(&click));  // as the control would
    Pump();
    CHECK_EQ(popupShown, expected);
    CHECK_EQ(link(0), first);
    CHECK(link(1) != second);
    Command(frame, ID_UNDO);
    CHECK_EQ(link(1), second);
    SetCursorPos(4000, 4000);

    // Toolbar clicks come with the toolbar's window.
    const bool arranging = frame.Editor->StateOf(ID_ARRANGE_ITEMS).checked;
    for (bool on : {!arranging, arranging}) {
        SendMessageA(frame.hwnd(), WM_COMMAND, ID_ARRANGE_ITEMS, LPARAM(Toolbar(frame)));
        Pump();
        CHECK_EQ(frame.Editor->StateOf(ID_ARRANGE_ITEMS).checked, on);
        ExpectMirror(frame, on ? "arranging" : "not arranging");
    }

    // New Project's result follows the name while the location is its own.
    Command(frame, ID_SAVE_PROJECT);
    ExpectDialog("Create a New Project", [](HWND d) {
        Fill(d, {{IDC_PROJECT_NAME, "Mirror"}});
        CHECK_EQ(Text(d, IDC_PROJECT_RESULT), Text(d, IDC_PROJECT_LOCATION));
        CHECK_EQ(Text(d, IDC_PROJECT_LOCATION), Scratch("docs\\Velomar Projects\\Mirror"));
        Fill(d, {{IDCANCEL, ""}});
    });
    Command(frame, ID_NEW_PROJECT);
    CHECK(DialogsDone());

    // The background's checks and radios each clicked, a colour from the
    // chooser, OK: the project holds it as red, green, blue.
    BackgroundForm loaded;
    LoadForm(loaded, *frame.Editor->Project(), 0);
    Edit(frame, {"Background Image"}, VK_RETURN, "Main Window Background Properties", [&](HWND d) {
        for (const auto& row : FieldsOf(loaded)) {
            if (!row.IsChoice() || !IsWindowEnabled(GetDlgItem(d, row.id))) continue;
            Fill(d, {{row.id, ""}});
            ExpectRowsFollow(d, loaded, row.id);
        }
        ExpectDialog("Color", [](HWND c) {
            Fill(c, {{706, "10"}, {707, "20"}, {708, "30"}, {IDOK, ""}});
        });
        Fill(d, {{IDC_BG_CHOOSE, ""}});
        CHECK_EQ(Text(d, IDC_BG_COLOUR), ColourText({10, 20, 30}));
        Fill(d, {{IDOK, ""}});
    });
    BackgroundForm stored;
    LoadForm(stored, *frame.Editor->Project(), 0);
    CHECK_EQ(stored.colourText, ColourText({10, 20, 30}));
    Command(frame, ID_UNDO);
}

}  // namespace forge_test
