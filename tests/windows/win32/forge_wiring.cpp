// VelomarForge.exe's menus, keys, tree, dialogs and preview reaching the core,
// tried on the disc forge_disc.cpp made. The core's own rules are tested on
// Linux; here it is whether the Win32 windows call them and show the result.
#include <cstdio>
#include <cstring>
#include <memory>

#include "editor/companion_files.h"
#include "editor/win32/about_dlg.h"
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

// The menu item's state as the frame shows it when its menu opens.
UINT MenuState(CMainFrame& frame, int id) {
    HMENU bar = GetMenu(frame.hwnd());
    for (int i = 0; i < GetMenuItemCount(bar); ++i) {
        HMENU sub = GetSubMenu(bar, i);
        SendMessageA(frame.hwnd(), WM_INITMENUPOPUP, WPARAM(sub), i);
        const UINT state = GetMenuState(sub, UINT(id), MF_BYCOMMAND);
        if (state != UINT(-1)) return state;
    }
    return UINT(-1);
}
bool MenuEnabled(CMainFrame& frame, int id) { return !(MenuState(frame, id) & MF_GRAYED); }

std::string MenuText(CMainFrame& frame, int id) {
    MenuState(frame, id);
    char text[256] = {};
    GetMenuStringA(GetMenu(frame.hwnd()), UINT(id), text, sizeof text, MF_BYCOMMAND);
    return text;
}

int RecentEntries(CMainFrame& frame) {
    int n = 0;
    for (UINT id = ID_RECENT_FIRST; id <= ID_RECENT_LAST; ++id)
        n += GetMenuState(GetSubMenu(GetMenu(frame.hwnd()), 0), id, MF_BYCOMMAND) != UINT(-1);
    return n;
}

LaunchSettings& Settings(CMainFrame& frame) { return *frame.DemoWnd->GetInstallerWnd()->Settings; }

HWND Preview(CMainFrame& frame) {
    return static_cast<HWND>(
        platform::win32::HandleOf(frame.DemoWnd->GetInstallerWnd()->Wnd.get()));
}

// Move Down from the menu, the Edit menu naming the step, Undo; Delete and
// Insert from the tree's keys.
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
    recorder.answers = {platform::MessageAnswer::Yes};
    PressOn(frame, FindNode(frame, {"Hyper-Links", "Quit"}), VK_DELETE);
    Pump();
    CHECK_EQ(Settings(frame).NumberOfHotSpots, links - 1);
    Command(frame, ID_EDIT_UNDO);
    ExpectDialog("Hyperlink Properties", [](HWND d) { Click(d, IDCANCEL); });
    PressOn(frame, FindNode(frame, {"Hyper-Links", "Quit"}), VK_INSERT);
    Pump();
    CHECK(DialogsDone());
    CHECK_EQ(Settings(frame).NumberOfHotSpots, links);
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
    Command(frame, ID_ARRANGE_ITEMS);
    CHECK(MenuState(frame, ID_ARRANGE_ITEMS) & MF_CHECKED);
    SendMessageA(Preview(frame), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageA(Preview(frame), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x + 30, y + 20));
    SendMessageA(Preview(frame), WM_LBUTTONUP, 0, MAKELPARAM(x + 30, y + 20));
    Pump();
    CHECK_EQ(stored().left, box.left + 30);
    CHECK_EQ(stored().top, box.top + 20);
    HWND tree = frame.TreeView->Tree();
    CHECK_EQ(NodeText(tree, TreeView_GetSelection(tree)), std::string(kFirst));
    SendMessageA(Preview(frame), WM_KEYDOWN, VK_LEFT, 0);
    Pump();
    CHECK_EQ(stored().left, box.left + 29);

    Command(frame, ID_ARRANGE_ITEMS);
    recorder.shell.clear();
    SendMessageA(Preview(frame), WM_MOUSEMOVE, 0, MAKELPARAM(x + 29, y + 20));
    SendMessageA(Preview(frame), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x + 29, y + 20));
    Pump();
    CHECK_EQ(recorder.shell.size(), 1u);
}

// The link dialog's controls follow its form: "Add to Disc..." only for a
// relative program; a colour typed shows in its swatch.
void LinkDialog(CMainFrame& frame) {
    ExpectDialog("Hyperlink Properties", [](HWND d) {
        Click(d, IDC_LINK_RUN);
        CHECK(Enabled(d, IDC_LINK_ADD_TO_DISC));
        Click(d, IDC_LINK_ABSOLUTE);
        CHECK(!Enabled(d, IDC_LINK_ADD_TO_DISC));
        Type(d, IDC_LINK_TEXT_COLOUR, "0x3366cc");
        HWND swatch = GetDlgItem(d, IDC_LINK_TEXT_SWATCH);
        UpdateWindow(swatch);
        RECT r = {};
        GetClientRect(swatch, &r);
        HDC dc = GetDC(swatch);
        CHECK_EQ(GetPixel(dc, r.right / 2, r.bottom / 2), RGB(0x33, 0x66, 0xcc));
        ReleaseDC(swatch, dc);
        Click(d, IDCANCEL);
    });
    PressOn(frame, FindNode(frame, {"Hyper-Links", kFirst}), VK_RETURN);
    CHECK(DialogsDone());
}

// Help through a .htm association written here (this program, renamed, records
// what it was given); the document itself without one. About shows the version.
void HelpAndAbout(CMainFrame& frame) {
    const std::string helper = Scratch("helprecorder.exe");
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    CopyFileA(self, helper.c_str(), FALSE);
    const std::string command = "\"" + helper + "\" -nohome \"%1\"";
    RegSetKeyValueA(HKEY_CLASSES_ROOT, ".htm", nullptr, REG_SZ, "VelomarTest.htm", 16);
    RegSetKeyValueA(HKEY_CLASSES_ROOT, "VelomarTest.htm\\shell\\open\\command", nullptr, REG_SZ,
                    command.c_str(), DWORD(command.size() + 1));
    recorder.shell.clear();
    frame.ShowHelp("_Audio");
    std::string recorded;
    for (int i = 0; i < 200 && recorded.empty(); ++i, Sleep(50)) {
        if (FILE* f = std::fopen(Scratch("help.txt").c_str(), "rb")) {
            char line[MAX_PATH * 2] = {};
            recorded = std::fgets(line, sizeof line, f) ? line : "";
            std::fclose(f);
        }
    }
    CHECK_EQ(recorded, Scratch("start\\") + USER_GUIDE_NAME + "#_Audio");
    CHECK(recorder.shell.empty());
    RegDeleteTreeA(HKEY_CLASSES_ROOT, "VelomarTest.htm");
    RegDeleteTreeA(HKEY_CLASSES_ROOT, ".htm");
    frame.ShowHelp("_Audio");
    CHECK_EQ(recorder.shell.empty() ? "" : recorder.shell[0],
             "open " + Scratch("start\\") + USER_GUIDE_NAME);

    ExpectDialog("About VelomarForge", [](HWND d) {
        CHECK_EQ(Text(d, IDC_VERSION_TEXT), VersionText());
        Click(d, IDOK);
    });
    Command(frame, ID_APP_ABOUT);
    CHECK(DialogsDone());
    CHECK(VersionText().rfind("Software Version - ", 0) == 0 &&
          VersionText().find("Unknown") == std::string::npos);
}

// The wizard back on: "Open an Existing Project" without the check mark opens
// through the file dialog. The next start has no wizard, and its recent list,
// kept in the registry, drops the project once it is gone.
void Restarts() {
    const std::string folder = Scratch("docs\\Disc\\");
    SetWizardAtStartup(true);
    ExpectDialog("Project Wizard", [](HWND d) {
        Click(d, IDC_SHOW_AT_STARTUP);
        Click(d, IDC_CHOICE_OPEN);
        Click(d, IDOK);
    });
    ExpectDialog("Open", [folder](HWND d) {
        Type(d, 1148, folder + "AppSetup.dat");  // the file name field
        Click(d, IDOK);
    });
    auto frame = MakeFrame();
    CHECK(DialogsDone());
    CHECK_EQ(frame->GetTitle(), "VelomarForge - " + folder);
    CHECK(!(MenuState(*frame, ID_WIZARD_AT_STARTUP) & MF_CHECKED));
    Close(frame);

    frame = MakeFrame();
    CHECK(DialogsDone());
    CHECK_EQ(RecentEntries(*frame), 1);
    CHECK(MoveFileA(Scratch("docs\\Disc").c_str(), Scratch("moved").c_str()));
    recorder.messages.clear();
    Command(*frame, ID_RECENT_FIRST);
    CHECK(frame->DemoWnd->GetInstallerWnd() == nullptr);
    CHECK_EQ(recorder.messages.size(), 1u);
    CHECK_EQ(RecentEntries(*frame), 0);
    Close(frame);
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

// First start with an empty registry: the wizard, then a frame without a
// project and its commands greyed.
void FirstStart() {
    ExpectDialog("Project Wizard", [](HWND d) {
        CHECK(IsDlgButtonChecked(d, IDC_CHOICE_NEW) && IsDlgButtonChecked(d, IDC_SHOW_AT_STARTUP));
        Click(d, IDCANCEL);
    });
    auto frame = MakeFrame();
    CHECK(DialogsDone());
    RECT r = {};
    GetWindowRect(frame->hwnd(), &r);
    CHECK_EQ(r.right - r.left, 950);  // the default layout
    CHECK_EQ(frame->GetTitle(), std::string("VelomarForge"));
    for (int id : {ID_SAVE_PROJECT, ID_BUILD_PROJECT, ID_COPY_PROJECT, ID_ARRANGE_ITEMS})
        CHECK(!MenuEnabled(*frame, id));
    CHECK(MenuState(*frame, ID_WIZARD_AT_STARTUP) & MF_CHECKED);
    Close(frame);
}

// With the built disc open; ends with the frame closed.
void Wiring(std::unique_ptr<CMainFrame>& frame) {
    const std::string title = frame->GetTitle();
    CHECK(MenuEnabled(*frame, ID_COPY_PROJECT) && !MenuEnabled(*frame, ID_SAVE_PROJECT));
    frame->DemoWnd->SetModified(true);
    CHECK_EQ(frame->GetTitle(), title + "*");
    CHECK(MenuEnabled(*frame, ID_SAVE_PROJECT) && !MenuEnabled(*frame, ID_COPY_PROJECT));
    Command(*frame, ID_SAVE_PROJECT);
    CHECK_EQ(frame->GetTitle(), title);
    EditCommands(*frame);
    Arrange(*frame);
    LinkDialog(*frame);
    HelpAndAbout(*frame);

    // The save question when the editor closes.
    frame->DemoWnd->SetModified(true);
    recorder.messages.clear();
    Close(frame);
    CHECK_EQ(recorder.messages.empty() ? "" : recorder.messages[0],
             "Would you like to save the current project:\n\n" + Scratch("docs\\Disc\\") + " ?");
    Restarts();
}
