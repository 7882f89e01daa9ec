// VelomarForge.exe's windows driven in-process under wine64:
//   velomar_forge_tests GROUP SCRATCH
// SCRATCH holds start\Velomar.exe (the companion files) and sample\ (a copy
// of the sample project). Exit 0 when every check of the group held.
// Run under the name helprecorder.exe, it writes its command line's
// arguments to help.txt beside itself: the program of a test .htm association.
#include <cstdio>
#include <cstring>
#include <memory>

#include "editor/companion_files.h"
#include "editor/dialogs/hyperlink_form.h"
#include "editor/project_build.h"
#include "editor/win32/about_dlg.h"
#include "editor/win32/demo_wnd.h"
#include "editor/win32/main_frame.h"
#include "editor/win32/resource.h"
#include "editor/win32/tree_view.h"
#include "engine/installer_wnd.h"
#include "forge_check.h"
#include "platform/platform.h"
#include "platform/win32/backend.h"

using namespace forge_test;

namespace {

const char* kKey = "Software\\Harlune\\VelomarForge";
std::string g_scratch;  // ends in '\\'
Recorder g_recorder;

std::string Scratch(const std::string& name) { return g_scratch + name; }

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ReadAll(const std::string& path) {
    std::string bytes;
    if (FILE* f = std::fopen(path.c_str(), "rb")) {
        char buffer[4096];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof(buffer), f)) > 0) bytes.append(buffer, n);
        std::fclose(f);
    }
    return bytes;
}

DWORD RegistryInt(const char* section, const char* name) {
    DWORD value = 0xDEADBEEF, size = sizeof(value);
    const std::string key = std::string(kKey) + "\\" + section;
    RegGetValueA(HKEY_CURRENT_USER, key.c_str(), name, RRF_RT_REG_DWORD, nullptr, &value, &size);
    return value;
}

void SetRegistryInt(const char* section, const char* name, DWORD value) {
    const std::string key = std::string(kKey) + "\\" + section;
    RegSetKeyValueA(HKEY_CURRENT_USER, key.c_str(), name, REG_DWORD, &value, sizeof(value));
}

// A frame as the application makes it, with our companion and documents folders.
std::unique_ptr<CMainFrame> MakeFrame(const std::string& openAtStart = std::string()) {
    ForgeOptions options;
    options.StartFolder = Scratch("start\\");
    options.DocumentsFolder = Scratch("docs");
    options.OpenAtStart = openAtStart;
    auto frame = std::make_unique<CMainFrame>(options);
    CHECK(frame->Create());
    ShowWindow(frame->hwnd(), SW_SHOWNORMAL);
    if (!openAtStart.empty()) frame->OpenFolder(openAtStart);
    Pump();
    return frame;
}

void Close(std::unique_ptr<CMainFrame>& frame) {
    DestroyWindow(frame->hwnd());
    Pump();
    frame.reset();
}

void Command(CMainFrame& frame, int id) {
    SendMessageA(frame.hwnd(), WM_COMMAND, WPARAM(id), 0);
    Pump();
}

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

LaunchSettings& Settings(CMainFrame& frame) { return *frame.DemoWnd->GetInstallerWnd()->Settings; }

// First start with an empty registry; the wizard's choices.
void StartGroup() {
    RegDeleteTreeA(HKEY_CURRENT_USER, kKey);
    ExpectDialog("Project Wizard", [](HWND d) {
        CHECK(Checked(d, IDC_CHOICE_NEW) && !Checked(d, IDC_CHOICE_OPEN));
        CHECK(Checked(d, IDC_SHOW_AT_STARTUP));
        Click(d, IDCANCEL);
    });
    auto frame = MakeFrame();
    CHECK(DialogsDone());
    const struct {
        const char* section;
        const char* name;
        DWORD value;
    } defaults[] = {{"Frame Layout", "TopLeftX", 0},   {"Frame Layout", "TopLeftY", 10},
                    {"Frame Layout", "SizeX", 950},    {"Frame Layout", "SizeY", 600},
                    {"TreeView Layout", "SizeX", 250}, {"General", "ShowIntroWizard", 1}};
    for (const auto& d : defaults) CHECK_EQ(RegistryInt(d.section, d.name), d.value);
    RECT r = {};
    GetWindowRect(frame->hwnd(), &r);
    CHECK_EQ(r.left, 0);
    CHECK_EQ(r.right - r.left, 950);
    CHECK_EQ(frame->GetTitle(), std::string("VelomarForge"));
    for (int id : {ID_SAVE_PROJECT, ID_BUILD_PROJECT, ID_TEST_PROJECT, ID_COPY_PROJECT})
        CHECK(!MenuEnabled(*frame, id));
    CHECK(MenuState(*frame, ID_WIZARD_AT_STARTUP) & MF_CHECKED);
    Shot(frame->hwnd(), "frame_empty");
    Close(frame);

    // OK without the check mark, "Open an Existing Project": the file dialog
    // follows once the frame shows.
    ExpectDialog("Project Wizard", [](HWND d) {
        Click(d, IDC_SHOW_AT_STARTUP);
        Click(d, IDC_CHOICE_OPEN);
        Click(d, IDOK);
    });
    ExpectDialog("Open", [](HWND d) {
        Type(d, 1148, Scratch("sample\\AppSetup.dat"));  // the file name field
        Click(d, IDOK);
    });
    frame = MakeFrame();
    CHECK(DialogsDone());
    CHECK_EQ(frame->GetTitle(), "VelomarForge - " + Scratch("sample\\"));
    CHECK_EQ(RegistryInt("General", "ShowIntroWizard"), 0u);
    CHECK(!(MenuState(*frame, ID_WIZARD_AT_STARTUP) & MF_CHECKED));
    CHECK(MenuEnabled(*frame, ID_BUILD_PROJECT) && !MenuEnabled(*frame, ID_SAVE_PROJECT));
    Shot(frame->hwnd(), "frame_sample");
    Close(frame);
    frame = MakeFrame();  // no wizard now
    CHECK(DialogsDone());
    Close(frame);
}

// New Project into a nested path, the overwrite and save questions, the "*".
void ProjectGroup() {
    SetRegistryInt("General", "ShowIntroWizard", 0);
    auto frame = MakeFrame();
    const std::string folder = Scratch("new\\a\\b\\Demo");
    auto fill = [](HWND d) {
        CHECK_EQ(Text(d, IDC_PROJECT_LOCATION), Scratch("docs\\Velomar Projects\\Project1"));
        Type(d, IDC_PROJECT_LOCATION, Scratch("new\\a\\b"));
        Type(d, IDC_PROJECT_NAME, "Demo");
        CHECK_EQ(Text(d, IDC_PROJECT_RESULT), Scratch("new\\a\\b\\Demo"));
        Click(d, IDOK);
    };
    ExpectDialog("Create a New Project", fill);
    Command(*frame, ID_NEW_PROJECT);
    CHECK(DialogsDone());
    CHECK(Exists(folder + "\\AppSetup.dat") && Exists(folder + "\\res"));
    CHECK_EQ(frame->GetTitle(), "VelomarForge - " + folder);
    CHECK(MenuEnabled(*frame, ID_BUILD_PROJECT) && !MenuEnabled(*frame, ID_SAVE_PROJECT));
    CHECK(!MenuEnabled(*frame, ID_COPY_PROJECT));

    frame->DemoWnd->SetModified(true);
    CHECK_EQ(frame->GetTitle(), "VelomarForge - " + folder + "*");
    CHECK(MenuEnabled(*frame, ID_SAVE_PROJECT));

    // The same folder again: save the changes, then replace the project.
    g_recorder.messages.clear();
    g_recorder.answers = {platform::MessageAnswer::Yes, platform::MessageAnswer::Yes};
    ExpectDialog("Create a New Project", fill);
    Command(*frame, ID_NEW_PROJECT);
    CHECK(DialogsDone());
    CHECK_EQ(g_recorder.messages.size(), 2u);
    if (g_recorder.messages.size() == 2) {
        CHECK_EQ(g_recorder.messages[0].rfind("Would you like to save the current project:", 0),
                 0u);
        CHECK_EQ(g_recorder.messages[1],
                 std::string("Project already exists.\nDo you wish to overwrite?"));
    }
    CHECK_EQ(frame->GetTitle(), "VelomarForge - " + folder);

    // The save question when the editor closes.
    frame->OpenFolder(Scratch("sample\\"));
    frame->DemoWnd->SetModified(true);
    g_recorder.messages.clear();
    g_recorder.answers = {platform::MessageAnswer::Yes};
    Close(frame);
    CHECK_EQ(g_recorder.messages.size(), 1u);
    CHECK_EQ(g_recorder.messages.empty() ? "" : g_recorder.messages[0],
             "Would you like to save the current project:\n\n" + Scratch("sample\\") + " ?");
}

// Insert, delete and properties from the keyboard; the refresh that follows.
void TreeGroup() {
    SetRegistryInt("General", "ShowIntroWizard", 0);
    auto frame = MakeFrame(Scratch("sample\\"));
    const int links = Settings(*frame).NumberOfHotSpots;

    ExpectDialog("Hyperlink Properties", [](HWND d) {
        Type(d, IDC_LINK_LABEL, "Hello");
        Click(d, IDOK);
    });
    PressOn(*frame, FindNode(*frame, {"Hyper-Links"}), VK_INSERT);
    CHECK(DialogsDone());
    CHECK_EQ(Settings(*frame).NumberOfHotSpots, links + 1);
    CHECK_EQ(frame->GetTitle().back(), '*');
    Pump();  // the refresh saves and rebuilds
    CHECK(FindNode(*frame, {"Hyper-Links", "Hello"}) != nullptr);
    CHECK(frame->GetTitle().back() != '*');

    g_recorder.answers = {platform::MessageAnswer::Yes};
    PressOn(*frame, FindNode(*frame, {"Hyper-Links", "Hello"}), VK_DELETE);
    Pump();
    CHECK_EQ(Settings(*frame).NumberOfHotSpots, links);
    CHECK(FindNode(*frame, {"Hyper-Links", "Hello"}) == nullptr);

    // Cancel puts the new slot back.
    ExpectDialog("Hyperlink Properties", [](HWND d) { Click(d, IDCANCEL); });
    PressOn(*frame, FindNode(*frame, {"Hyper-Links", "Quit"}), VK_INSERT);
    Pump();
    CHECK(DialogsDone());
    CHECK_EQ(Settings(*frame).NumberOfHotSpots, links);

    ExpectDialog("Audio Properties", [](HWND d) { Click(d, IDCANCEL); });
    PressOn(*frame, FindNode(*frame, {"Audio"}), VK_RETURN);
    CHECK(DialogsDone());
    Close(frame);
}

// Each property dialog's OK through its controls; what the forms refuse is the core's.
void DialogsGroup() {
    SetRegistryInt("General", "ShowIntroWizard", 0);
    auto frame = MakeFrame(Scratch("sample\\"));
    LaunchSettings* s = &Settings(*frame);
    auto open = [&](std::initializer_list<const char*> path) {
        PressOn(*frame, FindNode(*frame, path), VK_RETURN);
        CHECK(DialogsDone());
        s = &Settings(*frame);
    };

    ExpectDialog("Main Window Background Properties", [](HWND d) {
        Click(d, IDC_BG_COLOUR_MODE);
        Type(d, IDC_BG_COLOUR, "0x336699");
        Click(d, IDOK);
    });
    open({"Background Image"});
    const std::string stored = TextOf(s->BackGroundBitmapName);
    CHECK_EQ(stored.substr(0, 2) + stored.substr(stored.size() - 6), std::string("@@336699"));
    Pump();

    ExpectDialog("Audio Properties", [](HWND d) {
        Type(d, IDC_AUDIO_INTRO, "res\\intro.wav");
        Type(d, IDC_AUDIO_HOVER, "");
        Click(d, IDOK);
    });
    open({"Audio"});
    CHECK_EQ(TextOf(s->StartupWaveFile), std::string("res\\intro.wav"));
    CHECK_EQ(TextOf(s->HotSpotWaveFile), std::string());

    // A new logo: a bad number keeps the dialog open (which message is the form's).
    const int logos = s->NumberOfLogosToDraw;
    ExpectDialog("Bitmaps & Logos", [](HWND d) {
        Type(d, IDC_LOGO_BITMAP, Scratch("sample\\res\\disc.bmp"));
        Type(d, IDC_LOGO_X, "x");
        Click(d, IDOK);
        CHECK(IsWindow(d));
        Type(d, IDC_LOGO_X, "5");
        Type(d, IDC_LOGO_Y, "7");
        Click(d, IDOK);
    });
    PressOn(*frame, FindNode(*frame, {"Bitmaps & Logos"}), VK_INSERT);
    CHECK(DialogsDone());
    CHECK_EQ(s->NumberOfLogosToDraw, logos + 1);
    CHECK_EQ(TextOf(s->LogoBitmapName[logos]), std::string("res\\disc.bmp"));
    CHECK_EQ(s->LogoBitmapLocation[logos].x, 5);
    CHECK_EQ(s->LogoBitmapLocation[logos].y, 7);
    Pump();

    ExpectDialog("Hyperlink Properties", [](HWND d) {
        Click(d, IDC_LINK_WEB_SITE);
        CHECK_EQ(Text(d, IDC_LINK_DATA_A), std::string(DEFAULT_WEB_ADDRESS));
        CHECK(Enabled(d, IDC_LINK_DATA_A));
        Click(d, IDOK);
    });
    open({"Hyper-Links", "Quit"});
    const int quit = s->NumberOfHotSpots - 1;
    CHECK_EQ(TextOf(s->HotSpotCommandDataA[quit]), std::string(DEFAULT_WEB_ADDRESS));
    Pump();

    ExpectDialog("About VelomarForge", [](HWND d) {
        CHECK_EQ(Text(d, IDC_VERSION_TEXT), VersionText());
        Click(d, IDOK);
    });
    Command(*frame, ID_APP_ABOUT);
    CHECK(DialogsDone());
    CHECK(VersionText().rfind("Software Version - ", 0) == 0 &&
          VersionText().find("Unknown") == std::string::npos);
    Close(frame);
}

// Build: autorun.inf, the runtime from StartFolder, res cleaned; then Copy.
void BuildGroup() {
    SetRegistryInt("General", "ShowIntroWizard", 0);
    const std::string project = Scratch("sample\\");
    CopyFileA((project + "res\\disc.bmp").c_str(), (project + "res\\unused.bmp").c_str(), FALSE);
    auto frame = MakeFrame(project);
    g_recorder.messages.clear();
    g_recorder.answers = {platform::MessageAnswer::No};
    Command(*frame, ID_BUILD_PROJECT);
    CHECK_EQ(ReadAll(project + "autorun.inf"), std::string(AUTORUN_INF_TEXT));
    CHECK(!ReadAll(project + "Velomar.exe").empty());
    CHECK_EQ(ReadAll(project + "Velomar.exe"), ReadAll(Scratch("start\\Velomar.exe")));
    CHECK(!Exists(project + "res\\unused.bmp") && Exists(project + "res\\disc.bmp"));
    CHECK_EQ(g_recorder.messages.empty() ? "" : g_recorder.messages.back(),
             std::string(BUILD_DONE_QUESTION));
    CHECK(frame->ProjectBuilt && MenuEnabled(*frame, ID_COPY_PROJECT));
    frame->DemoWnd->SetModified(true);
    CHECK(!MenuEnabled(*frame, ID_COPY_PROJECT));
    frame->DemoWnd->SaveProject();
    Close(frame);
}

// Help through a .htm association written here; the document without one.
void HelpGroup() {
    SetRegistryInt("General", "ShowIntroWizard", 0);
    const std::string recorder = Scratch("helprecorder.exe");
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    CopyFileA(self, recorder.c_str(), FALSE);
    DeleteFileA(Scratch("help.txt").c_str());
    const std::string command = "\"" + recorder + "\" -nohome \"%1\"";
    RegSetKeyValueA(HKEY_CLASSES_ROOT, ".htm", nullptr, REG_SZ, "VelomarTest.htm", 16);
    RegSetKeyValueA(HKEY_CLASSES_ROOT, "VelomarTest.htm\\shell\\open\\command", nullptr, REG_SZ,
                    command.c_str(), DWORD(command.size() + 1));
    auto frame = MakeFrame();
    g_recorder.shell.clear();
    frame->ShowHelp("_Audio");
    std::string recorded;
    for (int i = 0; i < 200 && recorded.empty(); ++i, Sleep(50))
        recorded = ReadAll(Scratch("help.txt"));
    CHECK_EQ(recorded, Scratch("start\\") + USER_GUIDE_NAME + "#_Audio");
    CHECK(g_recorder.shell.empty());

    RegDeleteTreeA(HKEY_CLASSES_ROOT, "VelomarTest.htm");
    RegDeleteTreeA(HKEY_CLASSES_ROOT, ".htm");
    frame->ShowHelp("_Audio");
    CHECK_EQ(g_recorder.shell.size(), 1u);
    CHECK_EQ(g_recorder.shell.empty() ? "" : g_recorder.shell[0],
             "open " + Scratch("start\\") + USER_GUIDE_NAME);
    Close(frame);
}

// Arrange Items: a drag and an arrow key saved to AppSetup.dat, the tree
// following the preview, links running again once it is off, and Build's
// question about an item outside the window.
void ArrangeGroup() {
    SetRegistryInt("General", "ShowIntroWizard", 0);
    auto frame = MakeFrame(Scratch("sample\\"));
    CInstallerWnd* project = frame->DemoWnd->GetInstallerWnd();
    CHECK(project != nullptr);
    if (!project) return;
    int link = -1;
    for (int i = 0; i < Settings(*frame).NumberOfHotSpots && link < 0; ++i)
        if (TextOf(Settings(*frame).HotSpotCommand[i]) != "QUIT") link = i;
    CHECK(link >= 0);
    if (link < 0) return;
    const platform::Rect box = project->LinkBox(link);
    const LPARAM middle = MAKELPARAM((box.left + box.right) / 2, (box.top + box.bottom) / 2);
    auto preview = [&] {
        return static_cast<HWND>(
            platform::win32::HandleOf(frame->DemoWnd->GetInstallerWnd()->Wnd.get()));
    };
    auto stored = [&] {
        CInstallerWnd disk(Scratch("sample\\"));
        CHECK(disk.LoadSettings());
        return disk.Settings->HotSpotRect[link];
    };

    Command(*frame, ID_ARRANGE_ITEMS);
    CHECK(MenuState(*frame, ID_ARRANGE_ITEMS) & MF_CHECKED);
    SendMessageA(preview(), WM_LBUTTONDOWN, MK_LBUTTON, middle);
    SendMessageA(preview(), WM_MOUSEMOVE, MK_LBUTTON,
                 MAKELPARAM((box.left + box.right) / 2 + 30, (box.top + box.bottom) / 2 + 20));
    SendMessageA(preview(), WM_LBUTTONUP, 0,
                 MAKELPARAM((box.left + box.right) / 2 + 30, (box.top + box.bottom) / 2 + 20));
    Pump();
    CHECK_EQ(stored().left, box.left + 30);
    CHECK_EQ(stored().top, box.top + 20);
    CHECK(g_recorder.shell.empty());
    HWND tree = frame->TreeView->Tree();
    const TemplateNode picked = frame->TreeView->NodeOf(TreeView_GetSelection(tree));
    CHECK(picked.kind == NodeKind::Hyperlink && picked.index == link);
    Shot(frame->hwnd(), "frame_arranging");

    SetFocus(preview());
    SendMessageA(preview(), WM_KEYDOWN, VK_LEFT, 0);
    Pump();
    CHECK_EQ(stored().left, box.left + 29);

    Command(*frame, ID_ARRANGE_ITEMS);
    CHECK(!(MenuState(*frame, ID_ARRANGE_ITEMS) & MF_CHECKED));
    const platform::Rect moved = frame->DemoWnd->GetInstallerWnd()->LinkBox(link);
    const LPARAM on = MAKELPARAM(moved.left + 2, moved.top + 2);
    SendMessageA(preview(), WM_MOUSEMOVE, 0, on);
    SendMessageA(preview(), WM_LBUTTONDOWN, MK_LBUTTON, on);
    Pump();
    CHECK_EQ(g_recorder.shell.size(), std::size_t(1));

    Settings(*frame).LogoBitmapLocation[0] = {600, 400};
    frame->DemoWnd->SetModified(true);
    frame->DemoWnd->ReloadProject(false);
    const std::string name = TextOf(Settings(*frame).LogoBitmapName[0]);
    HTREEITEM logo = TreeView_GetChild(tree, FindNode(*frame, {"Bitmaps & Logos"}));
    CHECK_EQ(NodeText(tree, logo), name + "  (outside the window)");
    g_recorder.messages.clear();
    g_recorder.answers = {platform::MessageAnswer::No};
    Command(*frame, ID_BUILD_PROJECT);
    CHECK_EQ(g_recorder.messages.size(), std::size_t(1));
    CHECK(!g_recorder.messages.empty() &&
          g_recorder.messages[0].find("\n" + name + "\n") != std::string::npos);
    CHECK(!Exists(Scratch("sample\\autorun.inf")));
    Close(frame);
}

// The arguments after the program's own name, as the shell passed them.
int RecordHelp() {
    std::string line = GetCommandLineA();
    std::size_t at = line[0] == '"' ? line.find('"', 1) + 1 : line.find(' ');
    while (at < line.size() && line[at] == ' ') ++at;
    std::string folder = Scratch("");
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    folder = self;
    folder.erase(folder.find_last_of('\\') + 1);
    if (FILE* f = std::fopen((folder + "help.txt").c_str(), "wb")) {
        std::fputs(at < line.size() ? line.c_str() + at : "", f);
        std::fclose(f);
    }
    return 0;
}

// Move Down, the Edit menu naming the step, Undo and Redo; AppSetup.dat
// follows each.
void HistoryGroup() {
    SetRegistryInt("General", "ShowIntroWizard", 0);
    auto frame = MakeFrame(Scratch("sample\\"));
    HWND tree = frame->TreeView->Tree();
    auto stored = [] {
        CInstallerWnd file(Scratch("sample\\"));
        std::string texts;
        if (file.LoadSettings())
            for (int i = 0; i < file.Settings->NumberOfHotSpots; ++i)
                texts += TextOf(file.Settings->HotSpotText[i]) + "|";
        return texts;
    };
    auto menuText = [&](int id) {
        MenuState(*frame, id);  // the menus as they open
        char text[256] = {};
        GetMenuStringA(GetMenu(frame->hwnd()), UINT(id), text, sizeof text, MF_BYCOMMAND);
        return std::string(text);
    };
    const std::string start = stored();
    CHECK(!MenuEnabled(*frame, ID_EDIT_UNDO) && !MenuEnabled(*frame, ID_MOVE_DOWN));

    const char* first = "Visit the Velomar web site";
    TreeView_SelectItem(tree, FindNode(*frame, {"Hyper-Links", first}));
    CHECK(!MenuEnabled(*frame, ID_MOVE_UP) && MenuEnabled(*frame, ID_MOVE_DOWN));
    Command(*frame, ID_MOVE_DOWN);
    CHECK_EQ(stored().rfind(std::string("Browse the documentation|") + first + "|", 0), 0u);
    CHECK_EQ(NodeText(tree, TreeView_GetSelection(tree)), std::string(first));
    CHECK_EQ(menuText(ID_EDIT_UNDO), std::string("&Undo Move Link Down\tCtrl+Z"));

    Command(*frame, ID_EDIT_UNDO);
    CHECK_EQ(stored(), start);
    CHECK_EQ(menuText(ID_EDIT_UNDO), std::string("&Undo\tCtrl+Z"));
    CHECK_EQ(menuText(ID_EDIT_REDO), std::string("&Redo Move Link Down\tCtrl+Y"));
    Command(*frame, ID_EDIT_REDO);
    CHECK(stored() != start);
    Close(frame);
}

}  // namespace

void HabitsGroup(const std::string& scratch, Recorder& recorder);  // forge_habits.cpp

int main(int argc, char** argv) {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    if (std::strstr(self, "helprecorder.exe")) return RecordHelp();
    if (argc != 3) {
        std::puts(
            "usage: velomar_forge_tests "
            "start|project|tree|dialogs|build|help|habits|arrange|history SCRATCH");
        return 2;
    }
    g_scratch = argv[2];
    if (g_scratch.back() != '\\') g_scratch += '\\';

    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES | ICC_COOL_CLASSES};
    InitCommonControlsEx(&controls);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    platform::win32::Backend backend;
    platform::Platform p = backend.Get();
    p.services = &g_recorder;
    platform::Install(p);
    InstallDialogHook();

    const struct {
        const char* name;
        void (*run)();
    } groups[] = {{"start", StartGroup},     {"project", ProjectGroup}, {"tree", TreeGroup},
                  {"dialogs", DialogsGroup}, {"build", BuildGroup},     {"help", HelpGroup},
                  {"habits", [] { HabitsGroup(g_scratch, g_recorder); }},
                  {"arrange", ArrangeGroup}, {"history", HistoryGroup}};
    bool found = false;
    for (const auto& g : groups)
        if (std::strcmp(g.name, argv[1]) == 0) {
            g.run();
            found = true;
        }
    std::printf("%s: %d failure(s)\n", argv[1], failures);
    std::fflush(stdout);
    return found && failures == 0 ? 0 : 1;
}
