// VelomarForge.exe's menus, keys, tree, dialogs and preview reaching the core,
// tried on the disc forge_disc.cpp made. The core's own rules are tested on
// Linux; here it is whether the Win32 windows call them and show the result.
#include <cstdio>
#include <cstring>
#include <memory>

#include "editor/companion_files.h"
#include "editor/win32/demo_wnd.h"
#include "editor/win32/main_frame.h"
#include "editor/win32/resource.h"
#include "editor/win32/tree_view.h"
#include "engine/installer_wnd.h"
#include "forge_check.h"
#include "platform/win32/backend.h"

using namespace forge_test;

namespace {

const char* kFirst = "Visit our web site";  // the disc's first link

// The menu item's state and text as the frame shows them when its menu opens.
UINT MenuState(CMainFrame& frame, int id, std::string* text = nullptr) {
    HMENU bar = GetMenu(frame.hwnd());
    for (int i = 0; i < GetMenuItemCount(bar); ++i) {
        HMENU sub = GetSubMenu(bar, i);
        SendMessageA(frame.hwnd(), WM_INITMENUPOPUP, WPARAM(sub), i);
        char name[256] = {};
        if (text)
            *text = GetMenuStringA(sub, UINT(id), name, sizeof name, MF_BYCOMMAND) ? name : "";
        const UINT state = GetMenuState(sub, UINT(id), MF_BYCOMMAND);
        if (state != UINT(-1)) return state;
    }
    return UINT(-1);
}
bool MenuEnabled(CMainFrame& frame, int id) { return !(MenuState(frame, id) & MF_GRAYED); }
std::string MenuText(CMainFrame& frame, int id) {
    std::string text;
    MenuState(frame, id, &text);
    return text;
}

LaunchSettings& Settings(CMainFrame& frame) { return *frame.DemoWnd->GetInstallerWnd()->Settings; }

// What the dialogs' fields gave the project.
void DialogValues(CMainFrame& frame) {
    const LaunchSettings& s = Settings(frame);
    CHECK_EQ(TextOf(s.LogoBitmapName[1]), std::string("res\\disc.bmp"));
    CHECK_EQ(s.LogoBitmapLocation[1].x, 484);
    CHECK_EQ(s.LogoBitmapAnimateLocation[1].x, 640);
    CHECK_EQ(TextOf(s.HotSpotCommandDataA[1]), std::string("extras"));
    CHECK_EQ(s.HotSpotRect[2].top, 320);
    CHECK_EQ(TextOf(s.HotSpotWaveFile), std::string("res\\hover.wav"));
}

// Move Down from the menu and the Edit menu naming the step; Delete from the tree's keys.
void EditCommands(CMainFrame& frame) {
    HWND tree = frame.TreeView->Tree();
    TreeView_SelectItem(tree, FindNode(frame, {"Hyper-Links", kFirst}));
    CHECK(!MenuEnabled(frame, ID_MOVE_UP) && MenuEnabled(frame, ID_MOVE_DOWN));
    Command(frame, ID_MOVE_DOWN);
    CHECK_EQ(TextOf(Settings(frame).HotSpotText[1]), std::string(kFirst));
    CHECK_EQ(NodeText(tree, TreeView_GetSelection(tree)), std::string(kFirst));
    CHECK_EQ(MenuText(frame, ID_EDIT_UNDO), std::string("&Undo Move Link Down\tCtrl+Z"));
    Command(frame, ID_EDIT_UNDO);
    CHECK_EQ(TextOf(Settings(frame).HotSpotText[0]), std::string(kFirst));
    CHECK_EQ(MenuText(frame, ID_EDIT_REDO), std::string("&Redo Move Link Down\tCtrl+Y"));

    const int links = Settings(frame).NumberOfHotSpots;
    recorder.ScriptAnswers({platform::MessageAnswer::Yes});
    PressOn(frame, FindNode(frame, {"Hyper-Links", "Quit"}), VK_DELETE);
    Pump();
    CHECK_EQ(Settings(frame).NumberOfHotSpots, links - 1);
    Command(frame, ID_EDIT_UNDO);
}

// Arrange Items: a drag and an arrow key in the preview reach AppSetup.dat and
// the tree; once it is off, a click runs the link again.
void Arrange(CMainFrame& frame) {
    const platform::Rect box = frame.DemoWnd->GetInstallerWnd()->LinkBox(0);
    const int x = (box.left + box.right) / 2, y = (box.top + box.bottom) / 2;
    auto stored = [] {
        CInstallerWnd disk(Scratch("docs\\Disc\\"));
        CHECK(disk.LoadSettings());
        return disk.Settings->HotSpotRect[0];
    };
    auto send = [&frame](UINT message, WPARAM keys, int px, int py) {
        SendMessageA(static_cast<HWND>(
                         platform::win32::HandleOf(frame.DemoWnd->GetInstallerWnd()->Wnd.get())),
                     message, keys, MAKELPARAM(px, py));
        Pump();
    };
    Command(frame, ID_ARRANGE_ITEMS);
    CHECK(MenuState(frame, ID_ARRANGE_ITEMS) & MF_CHECKED);
    send(WM_LBUTTONDOWN, MK_LBUTTON, x, y);
    send(WM_MOUSEMOVE, MK_LBUTTON, x + 30, y + 20);
    send(WM_LBUTTONUP, 0, x + 30, y + 20);
    CHECK_EQ(stored().left, box.left + 30);
    CHECK_EQ(stored().top, box.top + 20);
    HWND tree = frame.TreeView->Tree();
    CHECK_EQ(NodeText(tree, TreeView_GetSelection(tree)), std::string(kFirst));
    send(WM_KEYDOWN, VK_LEFT, 0, 0);
    CHECK_EQ(stored().left, box.left + 29);

    Command(frame, ID_ARRANGE_ITEMS);
    recorder.shellCalls.clear();
    send(WM_MOUSEMOVE, 0, x + 29, y + 20);
    send(WM_LBUTTONDOWN, MK_LBUTTON, x + 29, y + 20);
    CHECK_EQ(recorder.shellCalls.size(), 1u);
}

// Help through a .htm association written here (this program, renamed, records
// what it was given); the document itself without one.
void Help(CMainFrame& frame) {
    const std::string helper = Scratch("helprecorder.exe");
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    CopyFileA(self, helper.c_str(), FALSE);
    const std::string command = "\"" + helper + "\" -nohome \"%1\"";
    RegSetKeyValueA(HKEY_CLASSES_ROOT, ".htm", nullptr, REG_SZ, "VelomarTest.htm", 16);
    RegSetKeyValueA(HKEY_CLASSES_ROOT, "VelomarTest.htm\\shell\\open\\command", nullptr, REG_SZ,
                    command.c_str(), DWORD(command.size() + 1));
    recorder.shellCalls.clear();
    frame.ShowHelp("_Audio");
    char recorded[MAX_PATH * 2] = {};
    for (int i = 0; i < 200 && !recorded[0]; ++i, Sleep(50))
        if (FILE* f = std::fopen(Scratch("help.txt").c_str(), "rb")) {
            std::fgets(recorded, sizeof recorded, f);
            std::fclose(f);
        }
    CHECK_EQ(std::string(recorded), Scratch("start\\") + USER_GUIDE_NAME + "#_Audio");
    CHECK(recorder.shellCalls.empty());
    RegDeleteTreeA(HKEY_CLASSES_ROOT, "VelomarTest.htm");
    RegDeleteTreeA(HKEY_CLASSES_ROOT, ".htm");
    frame.ShowHelp("_Audio");
    CHECK_EQ(recorder.shellCalls.empty() ? "" : recorder.shellCalls[0].file,
             Scratch("start\\") + USER_GUIDE_NAME);
}

}  // namespace

// Run as helprecorder.exe: the arguments after the program's own name go to
// help.txt beside it.
bool RecordHelp() {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    if (!std::strstr(self, "helprecorder.exe")) return false;
    const std::string line = GetCommandLineA();
    std::size_t at = line[0] == '"' ? line.find('"', 1) + 1 : line.find(' ');
    while (at < line.size() && line[at] == ' ') ++at;
    std::string file = self;
    file.replace(file.find_last_of('\\') + 1, std::string::npos, "help.txt");
    if (FILE* f = std::fopen(file.c_str(), "wb")) {
        std::fputs(at < line.size() ? line.c_str() + at : "", f);
        std::fclose(f);
    }
    return true;
}

// With the built disc open; ends with the frame closed.
void Wiring(std::unique_ptr<CMainFrame>& frame) {
    DialogValues(*frame);
    const std::string title = frame->GetTitle();
    CHECK(MenuEnabled(*frame, ID_COPY_PROJECT) && !MenuEnabled(*frame, ID_SAVE_PROJECT));
    frame->DemoWnd->SetModified(true);
    CHECK_EQ(frame->GetTitle(), title + "*");
    CHECK(MenuEnabled(*frame, ID_SAVE_PROJECT) && !MenuEnabled(*frame, ID_COPY_PROJECT));
    Command(*frame, ID_SAVE_PROJECT);
    EditCommands(*frame);
    Arrange(*frame);
    Help(*frame);

    // The save question when the editor closes.
    frame->DemoWnd->SetModified(true);
    recorder.messages.clear();
    Close(frame);
    CHECK_EQ(recorder.messages.size() == 1 ? recorder.messages[0] : "",
             "Would you like to save the current project:\n\n" + Scratch("docs\\Disc\\") + " ?");
}
