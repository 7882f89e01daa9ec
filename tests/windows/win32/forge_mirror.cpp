// The Windows frame only mirrors the controller: its menus, toolbar, keys,
// status prompts and recent list are walked against the core's tables, in a
// few states of the built disc.
#include "editor/editor_commands.h"
#include "editor/recent_projects.h"
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
            CHECK_EQ(std::string(text), MenuText(*FindCommand(id), frame.Editor->LabelOf(id)));
            const UINT shown = GetMenuState(bar, UINT(id), MF_BYCOMMAND);
            CHECK_EQ(!(shown & MF_GRAYED), s.enabled);
            CHECK_EQ(bool(shown & MF_CHECKED), s.checked);
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

}  // namespace

void Mirror(CMainFrame& frame) {
    LaunchSettings& s = *frame.Editor->Project()->Settings;
    HWND tree = frame.TreeView->Tree();
    ExpectMirror(frame, "the disc open");
    const std::string first = TextOf(s.HotSpotText[0]);
    TreeView_SelectItem(tree, TreeView_GetChild(tree, FindNode(frame, {"Hyper-Links"})));
    Pump();
    ExpectMirror(frame, "a link picked");

    // Move Down's key, then every key of Undo and Redo, each through the
    // accelerators doing its command.
    auto moved = [&] { return TextOf(s.HotSpotText[0]) != first; };
    for (int pass : {ID_MOVE_DOWN, ID_UNDO})
        for (const KeyBinding& b : FrameKeys()) {
            if (b.id != pass && (pass != ID_UNDO || b.id != ID_REDO)) continue;
            const bool undo = b.id == ID_UNDO;
            if (moved() != undo) Command(frame, undo ? ID_REDO : ID_UNDO);
            std::printf("mirror: key %s\n", ShortcutText(b.keys).c_str());
            CHECK(Key(frame, b.keys));
            CHECK_EQ(moved(), !undo);
            if (b.id == ID_MOVE_DOWN) ExpectMirror(frame, "after a move");
        }
    if (moved()) Command(frame, ID_UNDO);

    // Toolbar clicks come with the toolbar's window.
    const bool arranging = frame.Editor->StateOf(ID_ARRANGE_ITEMS).checked;
    for (bool on : {!arranging, arranging}) {
        SendMessageA(frame.hwnd(), WM_COMMAND, ID_ARRANGE_ITEMS, LPARAM(Toolbar(frame)));
        Pump();
        CHECK_EQ(frame.Editor->StateOf(ID_ARRANGE_ITEMS).checked, on);
        ExpectMirror(frame, on ? "arranging" : "not arranging");
    }

    // The recent list: the open disc first, its entry opening it.
    const std::string folder = frame.Editor->Project()->ProjectFolder;
    char text[MAX_PATH * 2] = {};
    GetMenuStringA(GetMenu(frame.hwnd()), ID_RECENT_FIRST, text, sizeof text, MF_BYCOMMAND);
    CHECK_EQ(std::string(text), RecentMenuText(0, folder));
    SendMessageA(frame.hwnd(), WM_COMMAND, ID_RECENT_FIRST, 0);
    Pump();
    CHECK(frame.Editor->Project() && frame.Editor->Project()->ProjectFolder == folder);
}

}  // namespace forge_test
