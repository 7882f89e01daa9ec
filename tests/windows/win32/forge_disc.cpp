// A disc made through VelomarForge.exe's dialogs, in-process under wine64:
//   velomar_forge_disc SCRATCH [wiring]
// SCRATCH holds start\Velomar.exe and art\ (pictures and sounds lying outside
// any project). The project goes to SCRATCH\docs\Disc and is built; for the
// Linux side to compare with its own, the tree's texts (one node a line,
// indented by depth) go to tree.txt, the preview's pixels to preview.raw and
// AppSetup.dat to made.dat. With "wiring", the frame's menus, keys, tree and
// preview are then tried on that disc: whether the Win32 windows reach the core
// (whose own rules are tested on Linux). Exit 0 when every check held.
#include <cstdio>
#include <cstring>

#include "editor/companion_files.h"
#include "editor/forms/resource_import.h"
#include "editor/project_build.h"
#include "editor/recent_projects.h"
#include "editor/template_tree.h"
#include "editor/win32/main_frame.h"
#include "editor/win32/resource.h"
#include "editor/win32/tree_view.h"
#include "engine/installer_wnd.h"
#include "../scenes.h"
#include "forge_check.h"
#include "platform/platform.h"
#include "platform/win32/backend.h"

using namespace forge_test;

namespace {

void MakeProject(CMainFrame& frame) {
    ExpectDialog("Create a New Project", [](HWND d) {
        CHECK_EQ(Text(d, IDC_PROJECT_LOCATION), Scratch("docs\\Velomar Projects\\Project1"));
        Fill(d, {{IDC_PROJECT_LOCATION, Scratch("docs")}, {IDC_PROJECT_NAME, "Disc"}, {IDOK, ""}});
    });
    Command(frame, ID_NEW_PROJECT);
    CHECK(DialogsDone());

    // The background through the system's file dialog (1148: its name field), after the note.
    Edit(frame, {"Background Image"}, VK_RETURN, "Main Window Background Properties", [](HWND d) {
        ExpectDialog("Open", [](HWND open) {
            Fill(open, {{1148, Scratch("art\\background.bmp")}, {IDOK, ""}});
        });
        Fill(d, {{IDC_BG_BITMAP_MODE, ""}, {IDC_BG_BROWSE, ""}});
        CHECK_EQ(Text(d, IDC_BG_BITMAP), Scratch("art\\background.bmp"));
        Fill(d, {{IDC_DISC_TITLE, "Smith Disc"}, {IDC_DISC_AUTOPLAY, ""}, {IDOK, ""}});
    });
    CHECK_EQ(TextOf(frame.Editor->Project()->Settings->WindowTitle), std::string("Smith Disc"));
    // A still logo (a refused number keeps the dialog open), then one that
    // slides in from the right.
    Edit(frame, {"Bitmaps & Logos"}, VK_INSERT, "Bitmaps & Logos", [](HWND d) {
        Fill(d, {{IDC_LOGO_BITMAP, Scratch("art\\title.bmp")}, {IDC_LOGO_X, "x"}, {IDOK, ""}});
        CHECK(IsWindow(d));
        Fill(d, {{IDC_LOGO_X, "40"}, {IDC_LOGO_Y, "38"}, {IDC_LOGO_MASK, "0xff00ff"}, {IDOK, ""}});
    });
    Edit(frame, {"Bitmaps & Logos"}, VK_INSERT, "Bitmaps & Logos", [](HWND d) {
        Fill(d, {{IDC_LOGO_BITMAP, Scratch("art\\disc.bmp")}, {IDC_LOGO_X, "484"},
                 {IDC_LOGO_Y, "26"}, {IDC_LOGO_MASK, "0xff00ff"}, {IDC_LOGO_ANIMATE, ""},
                 {IDC_LOGO_START_X, "640"}, {IDC_LOGO_START_Y, "26"}, {IDC_LOGO_DELAY, "15"},
                 {IDOK, ""}});
    });
    // Three links: a web site, a folder, Quit.
    const int actions[] = {IDC_LINK_WEB_SITE, IDC_LINK_OPEN_FOLDER, IDC_LINK_QUIT};
    const char* data[] = {"www.example.com", "extras", nullptr};
    const char* labels[] = {"Visit our web site", "Open the extras", "Quit"};
    const char* tops[] = {"200", "250", "320"};
    for (int i = 0; i < 3; ++i)
        Edit(frame, {"Hyper-Links"}, VK_INSERT, "Hyperlink Properties", [&, i](HWND d) {
            Fill(d, {{actions[i], ""}});
            if (data[i]) Fill(d, {{IDC_LINK_DATA_A, data[i]}});
            Fill(d, {{IDC_LINK_LABEL, labels[i]}, {IDC_LINK_X, "70"}, {IDC_LINK_Y, tops[i]},
                     {IDC_LINK_FONT_SIZE, "22"}, {IDC_LINK_TEXT_COLOUR, "0xe2ecf0"},
                     {IDC_LINK_HILITE_COLOUR, "0xf3c45c"}, {IDOK, ""}});
        });
    Edit(frame, {"Audio"}, VK_RETURN, "Audio Properties", [](HWND d) {
        Fill(d, {{IDC_AUDIO_INTRO, Scratch("art\\startup.wav")},
                 {IDC_AUDIO_HOVER, Scratch("art\\hover.wav")}, {IDOK, ""}});
    });
    // The note before the browse, then the logo's refused number.
    CHECK_EQ(recorder.messages.size() == 2 ? recorder.messages[0] : "",
             std::string(RESOURCE_BROWSE_NOTE));
}

void WriteTree(HWND tree, HTREEITEM item, int depth, FILE* f) {
    for (; item; item = TreeView_GetNextSibling(tree, item)) {
        std::fprintf(f, "%s%s\n", std::string(std::size_t(depth) * 2, ' ').c_str(),
                     NodeText(tree, item).c_str());
        WriteTree(tree, TreeView_GetChild(tree, item), depth + 1, f);
    }
}

HWND Preview(CMainFrame& frame) {
    return static_cast<HWND>(platform::win32::HandleOf(frame.Editor->Project()->Wnd.get()));
}

// A window's client area as it is on screen.
platform::raster::Surface Grab(HWND window) {
    UpdateWindow(window);
    RECT r{};
    GetClientRect(window, &r);
    HDC shown = GetDC(window), memory = CreateCompatibleDC(shown);
    HBITMAP bitmap = CreateCompatibleBitmap(shown, r.right, r.bottom);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, r.right, r.bottom, shown, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), r.right, -r.bottom, 1, 32, BI_RGB};
    platform::raster::Surface picture(r.right, r.bottom);
    CHECK_EQ(GetDIBits(memory, bitmap, 0, UINT(r.bottom), picture.pixels.data(), &info,
                       DIB_RGB_COLORS),
             int(r.bottom));
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, shown);
    return picture;
}

// The tree's rows top down: 1 where the row's text shows the outside colour.
std::string RedRows(HWND tree) {
    const platform::raster::Surface shown = Grab(tree);
    const unsigned red = OUTSIDE_COLOUR[0] << 16 | OUTSIDE_COLOUR[1] << 8 | OUTSIDE_COLOUR[2];
    std::string rows;
    for (HTREEITEM i = TreeView_GetRoot(tree); i; i = TreeView_GetNextVisible(tree, i)) {
        RECT r{};
        TreeView_GetItemRect(tree, i, &r, TRUE);
        bool found = false;
        for (LONG y = r.top; y < std::min(r.bottom, LONG(shown.height)); ++y)
            for (LONG x = r.left; x < std::min(r.right, LONG(shown.width)); ++x)
                found |= (shown.At(int(x), int(y)) & 0xffffff) == red;
        rows += found ? '1' : '0';
    }
    return rows;
}

const char* kFirst = "Visit our web site";  // the disc's first link

LaunchSettings& Settings(CMainFrame& frame) { return *frame.Editor->Project()->Settings; }

// A live dialog shows a clicked radio, then a typed colour, in the preview at
// once; Cancel takes them back.
void LiveClick(CMainFrame& frame) {
    auto shown = [&frame] { return TextOf(Settings(frame).BackGroundBitmapName); };
    auto colour = [&] { return shown().substr(std::min<std::size_t>(shown().size(), 10)); };
    const std::string before = shown();
    Edit(frame, {"Background Image"}, VK_RETURN, "Main Window Background Properties", [&](HWND d) {
        Fill(d, {{IDC_BG_COLOUR, "0x102030"}, {IDC_BG_COLOUR_MODE, ""}});
        CHECK_EQ(colour(), std::string("102030"));
        Fill(d, {{IDC_BG_COLOUR, "0x405060"}});
        Pump();
        CHECK_EQ(colour(), std::string("405060"));
        PostMessageA(d, WM_COMMAND, IDCANCEL, 0);
    });
    CHECK_EQ(shown(), before);
}

// The File menu from its first line up to Exit ("-" a line).
std::string FileMenuTail(HMENU file) {
    std::string shown;
    for (int i = 0; i < GetMenuItemCount(file) && GetMenuItemID(file, i) != ID_EXIT; ++i) {
        char text[512] = {};
        GetMenuStringA(file, UINT(i), text, sizeof text, MF_BYPOSITION);
        const bool line = GetMenuState(file, UINT(i), MF_BYPOSITION) & MF_SEPARATOR;
        if (line || !shown.empty()) shown += (line ? "-" : text) + std::string("|");
    }
    return shown;
}

// A logo moved past the window's right edge: its row, and only its row, shows
// in the outside colour. Then a second project: Open opens the disc again, the
// File menu lists both newest first, and an entry opens the project it names
// (the title names the open project's folder).
void OutsideAndRecent(CMainFrame& frame) {
    Edit(frame, {"Bitmaps & Logos", "res\\title.bmp"}, VK_RETURN, "Bitmaps & Logos",
         [](HWND d) { Fill(d, {{IDC_LOGO_X, "630"}, {IDOK, ""}}); });
    HWND tree = frame.TreeView->Tree();
    TreeView_SelectItem(tree, TreeView_GetRoot(tree));
    CHECK_EQ(RedRows(tree), std::string("0000000010"));

    const std::string other = Scratch("docs\\Other\\"), disc = Scratch("docs\\Disc\\");
    ExpectDialog("Create a New Project", [](HWND d) {
        Fill(d, {{IDC_PROJECT_LOCATION, Scratch("docs")}, {IDC_PROJECT_NAME, "Other"}, {IDOK, ""}});
    });
    ExpectDialog("Open", [&disc](HWND d) { Fill(d, {{1148, disc + "AppSetup.dat"}, {IDOK, ""}}); });
    Command(frame, ID_NEW_PROJECT);
    Command(frame, ID_OPEN_PROJECT);
    CHECK(DialogsDone());
    CHECK_EQ(frame.FrameTitle(), ProjectTitle(disc));  // the folder as the other ways show it
    HMENU file = GetSubMenu(GetMenu(frame.hwnd()), 0);
    CHECK_EQ(FileMenuTail(file),
             "-|" + RecentMenuText(0, disc) + "|" + RecentMenuText(1, other) + "|-|");
    Command(frame, int(GetMenuItemID(file, 5)));
    CHECK_EQ(frame.FrameTitle(), ProjectTitle(other));
    // Shown anew: the picked one first, one line below the list.
    CHECK_EQ(FileMenuTail(GetSubMenu(GetMenu(frame.hwnd()), 0)),
             "-|" + RecentMenuText(0, other) + "|" + RecentMenuText(1, disc) + "|-|");
}

// Delete from the tree's keys, after the question.
void DeleteKey(CMainFrame& frame) {
    const int links = Settings(frame).NumberOfHotSpots;
    recorder.ScriptAnswers({platform::MessageAnswer::Yes});
    PressOn(frame, FindNode(frame, {"Hyper-Links", "Quit"}), VK_DELETE);
    Pump();
    CHECK_EQ(Settings(frame).NumberOfHotSpots, links - 1);
    Command(frame, ID_UNDO);
}

// Arrange Items: a drag in the preview reaches AppSetup.dat and the tree.
void Arrange(CMainFrame& frame) {
    const platform::Rect box = frame.Editor->Project()->LinkBox(0);
    const int x = (box.left + box.right) / 2, y = (box.top + box.bottom) / 2;
    auto stored = [] {
        CInstallerWnd disk(Scratch("docs\\Disc\\"));
        CHECK(disk.LoadSettings());
        return disk.Settings->HotSpotRect[0];
    };
    auto send = [&frame](UINT message, WPARAM keys, int px, int py) {
        SendMessageA(Preview(frame), message, keys, MAKELPARAM(px, py));
        Pump();
    };
    Command(frame, ID_ARRANGE_ITEMS);
    send(WM_LBUTTONDOWN, MK_LBUTTON, x, y);
    send(WM_MOUSEMOVE, MK_LBUTTON, x + 30, y + 20);
    send(WM_LBUTTONUP, 0, x + 30, y + 20);
    CHECK_EQ(stored().left, box.left + 30);
    CHECK_EQ(stored().top, box.top + 20);
    HWND tree = frame.TreeView->Tree();
    CHECK_EQ(NodeText(tree, TreeView_GetSelection(tree)), std::string(kFirst));
}

// Help through a .htm association written here: this program, renamed,
// records the arguments it was given, one a line.
void Help(CMainFrame& frame) {
    const std::string helper = Scratch("helprecorder.exe");
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    CopyFileA(self, helper.c_str(), FALSE);
    const std::string command = "\"" + helper + "\" -nohome \"%1\"";
    RegSetKeyValueA(HKEY_CLASSES_ROOT, ".htm", nullptr, REG_SZ, "VelomarTest.htm", 16);
    RegSetKeyValueA(HKEY_CLASSES_ROOT, "VelomarTest.htm\\shell\\open\\command", nullptr, REG_SZ,
                    command.c_str(), DWORD(command.size() + 1));
    frame.ShowHelp("_Background_Image");
    std::string recorded;
    for (int i = 0; i < 200 && recorded.empty(); ++i, Sleep(50))
        if (FILE* f = std::fopen(Scratch("help.txt").c_str(), "rb")) {
            char part[MAX_PATH * 2] = {};
            while (std::fgets(part, sizeof part, f)) recorded += part;
            std::fclose(f);
        }
    // The guide's path, spaces and all, is one argument.
    CHECK_EQ(recorded, "-nohome\n" + Scratch("start\\") + USER_GUIDE_NAME + "#_Background_Image\n");
    CHECK(recorder.shellCalls.empty());
    // A program the shell cannot start (no program for its kind): the guide itself instead.
    if (FILE* f = std::fopen(Scratch("help.zzq").c_str(), "wb")) std::fclose(f);
    const std::string stray = "\"" + Scratch("help.zzq") + "\" \"%1\"";
    RegSetKeyValueA(HKEY_CLASSES_ROOT, "VelomarTest.htm\\shell\\open\\command", nullptr, REG_SZ,
                    stray.c_str(), DWORD(stray.size() + 1));
    frame.ShowHelp("");
    CHECK_EQ(recorder.shellCalls.size(), 1u);
}

// With the built disc open: the frame paints its own parts (the end of the
// menu bar, in the bar's colour, once a narrower frame is made wide again)
// and the title follows its state.
void Wiring(CMainFrame& frame) {
    RECT at{};
    GetWindowRect(frame.hwnd(), &at);
    const int w = at.right - at.left, h = at.bottom - at.top;
    for (int width : {w - 40, w}) {
        SetWindowPos(frame.hwnd(), nullptr, 0, 0, width, h, SWP_NOMOVE | SWP_NOZORDER);
        Pump();
    }
    MENUBARINFO bar{};
    bar.cbSize = sizeof(bar);
    CHECK(GetMenuBarInfo(frame.hwnd(), OBJID_MENU, 0, &bar));
    HDC dc = GetWindowDC(frame.hwnd());
    CHECK_EQ(GetPixel(dc, w - 30, bar.rcBar.top - at.top + 3), GetSysColor(COLOR_MENU));
    ReleaseDC(frame.hwnd(), dc);
    // F6: from the tree to the preview's pane and back.
    SetFocus(frame.TreeView->Tree());
    Command(frame, ID_NEXT_PANE);
    CHECK(GetFocus() == frame.DemoWnd->hwnd());
    Command(frame, ID_NEXT_PANE);
    CHECK(GetFocus() == frame.TreeView->Tree());
    const std::string title = frame.FrameTitle();
    frame.Editor->Session().SetModified(true);
    frame.UpdateCommandState();  // as the program's loop does once its queue is empty
    CHECK_EQ(frame.FrameTitle(), title + "*");
    Command(frame, ID_SAVE_PROJECT);
    DeleteKey(frame);
    LiveClick(frame);
    Arrange(frame);
    Help(frame);
    DialogsOwnAndShowWhole(frame);
    Mirror(frame);
    OutsideAndRecent(frame);
    StartMessageOverFrame();
}

// Run as helprecorder.exe: its arguments go to help.txt beside it.
bool RecordHelp(int argc, char** argv) {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    if (!std::strstr(self, "helprecorder.exe")) return false;
    std::strcpy(std::strrchr(self, '\\') + 1, "help.txt");
    if (FILE* f = std::fopen(self, "wb")) {
        for (int i = 1; i < argc; ++i) std::fprintf(f, "%s\n", argv[i]);
        std::fclose(f);
    }
    return true;
}

// A picture's stamp: its size and last write in nanoseconds from 1970, as
// the preview's cache compares them; a folder has none.
void FileStamp() {
    const std::string path = Scratch("stamp.bin");
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    const FILETIME y2k = {0x256D4000u, 0x01BF53EBu};  // 2000-01-01 00:00 UTC
    CHECK(WriteFile(h, "12345", 5, &written, nullptr) && SetFileTime(h, nullptr, nullptr, &y2k));
    CloseHandle(h);
    platform::FileStamp stamp;
    CHECK(platform::Current().system->GetFileStamp(path, &stamp));
    CHECK_EQ(stamp.size, 5u);
    CHECK_EQ(stamp.modified, 946684800000000000ll);
    CHECK(!platform::Current().system->GetFileStamp(Scratch("art"), &stamp));
}

}  // namespace

int main(int argc, char** argv) {
    if (RecordHelp(argc, argv)) return 0;
    const bool wiring = argc == 3 && std::strcmp(argv[2], "wiring") == 0;
    if (argc != 2 && !wiring) {
        std::puts("usage: velomar_forge_disc SCRATCH [wiring]");
        return 2;
    }
    Start(argv[1]);
    SetCursorPos(4000, 4000);  // off the preview, so no link is lit
    // A frame as the application makes it, with our companion and documents folders.
    auto frame = std::make_unique<CMainFrame>(
        EditorOptions{Scratch("start\\"), "", "", [] { return Scratch("docs"); }, '\\'});
    CHECK(frame->Create());
    frame->ShowAtStart();
    Pump();
    MoveWindow(frame->hwnd(), 0, 0, 1020, 760, TRUE);
    MakeProject(*frame);
    CHECK(SendMessageA(frame->hwnd(), WM_GETICON, ICON_BIG, 0) != 0);  // set once shown
    // The flat toolbar shows the rebar's background where no button is.
    HWND rebar = GetDlgItem(frame->hwnd(), IDW_REBAR), tools = GetDlgItem(rebar, IDW_TOOLBAR);
    RECT bar{};
    GetWindowRect(tools, &bar);
    MapWindowPoints(nullptr, rebar, reinterpret_cast<POINT*>(&bar), 2);
    const platform::raster::Surface band = Grab(rebar), buttons = Grab(tools);
    CHECK_EQ(buttons.At(buttons.width - 1, buttons.height / 2), band.At(int(bar.right) - 1, 0));
    recorder.messages.clear();
    Command(*frame, ID_BUILD_PROJECT);  // No to the question
    CHECK_EQ(recorder.messages.size() == 1 ? recorder.messages[0] : "",
             std::string(BUILD_DONE_QUESTION));
    CHECK(!frame->Editor->Session().Modified);

    if (FILE* f = std::fopen(Scratch("tree.txt").c_str(), "wb")) {
        HWND tree = frame->TreeView->Tree();
        WriteTree(tree, TreeView_GetRoot(tree), 0, f);
        std::fclose(f);
    }
    CHECK(scenes::WriteDump(Scratch("preview.raw"), Grab(Preview(*frame))));  // as scenes.h reads
    CopyFileA(Scratch("docs\\Disc\\AppSetup.dat").c_str(), Scratch("made.dat").c_str(), FALSE);
    if (wiring) Wiring(*frame);
    MoveWindow(frame->hwnd(), 30, 40, 900, 560, TRUE);
    Pump();
    RECT tree{};
    GetWindowRect(frame->TreeView->Tree(), &tree);
    DestroyWindow(frame->hwnd());
    Pump();
    frame.reset();
    // The frame's place and the tree's width, for the next run.
    CRegSettings store(PREFERENCES_KEY, std::string());
    const FrameLayout kept = ReadFrameLayout(store);
    CHECK_EQ(kept.treeWidth, int(tree.right - tree.left));
    CHECK_EQ(kept.frame, (platform::Rect{30, 40, 930, 600}));
    // A section deleted and made again since it was read is read afresh.
    CHECK(store.DeleteKey(KeyOf(Preference::FrameLeft).section));
    WritePreference(store, Preference::FrameLeft, 70);
    CHECK_EQ(ReadPreference(store, Preference::FrameLeft), 70);
    FileStamp();
    std::printf("disc: %d failure(s)\n", failures);
    std::fflush(stdout);
    return failures == 0 ? 0 : 1;
}
