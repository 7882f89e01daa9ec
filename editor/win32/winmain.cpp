// VelomarForge.exe: the editor of Velomar disc menus, on Win32.
#include "editor/win32/main_frame.h"
#include "editor/win32/shell_dialogs.h"
#include "engine/settings_values.h"
#include "platform/platform.h"
#include "platform/win32/backend.h"

namespace {

// The folder of the running program, ending in a backslash.
bool ProgramFolder(std::string* folder) {
    wchar_t path[MAX_PATH] = {};
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return false;
    std::wstring wide(path, n);
    wide.erase(wide.find_last_of(L"\\/") + 1);
    return AcceptName(wide, folder);
}

// The one argument: a project folder, or its AppSetup.dat. The C runtime's
// split of the command line, as the shell's would load the shell at start.
bool ProjectArgument(int count, wchar_t** args, std::string* folder) {
    if (count < 2 || !args || !args[1] || !*args[1]) return false;
    const std::wstring arg = args[1];
    wchar_t full[MAX_PATH] = {};
    const DWORD n = GetFullPathNameW(arg.c_str(), MAX_PATH, full, nullptr);
    if (n == 0 || n >= MAX_PATH) return false;
    std::wstring path(full, n);
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        path.erase(path.find_last_of(L"\\/") + 1);
    return AcceptName(path, folder);
}

}  // namespace

// Start-up (StartFolder, the command line, the frame) and the message loop,
// which updates the command state whenever it falls idle.
class CVelomarForgeApp {
  public:
    bool InitInstance(int argc, wchar_t** argv);
    int Run();

    std::string StartFolder;  // the folder of the program file; ends in '\\'

  private:
    std::unique_ptr<CMainFrame> frame_;
};

bool CVelomarForgeApp::InitInstance(int argc, wchar_t** argv) {
    // The frame's controls only: the toolbar, status bar and tooltips, the
    // rebar, the tree. The dialogs are made of the system's own classes.
    INITCOMMONCONTROLSEX controls = {sizeof(controls),
                                     ICC_BAR_CLASSES | ICC_COOL_CLASSES | ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    // The companion files (Velomar.exe, the guide) are beside the program,
    // whatever folder a shortcut starts it in.
    if (!ProgramFolder(&StartFolder)) return false;
    EditorOptions options{StartFolder, "", "", DocumentsFolder, '\\'};
    std::string project;
    if (ProjectArgument(argc, argv, &project)) options.OpenAtStart = FolderWithSeparator(project);

    frame_ = std::make_unique<CMainFrame>(options);
    if (!frame_->Create()) return false;
    frame_->ShowAtStart();
    return true;
}

int CVelomarForgeApp::Run() {
    MSG msg = {};
    bool idle = true;
    for (;;) {
        // The command state follows every burst of messages once the queue is empty.
        if (idle && !PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            if (frame_->hwnd()) frame_->UpdateCommandState();
            idle = false;
        }
        if (GetMessageA(&msg, nullptr, 0, 0) <= 0) break;
        if (!frame_->hwnd() || !frame_->PreTranslateMessage(&msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        // The menu's animation timer and repaints change no command's state.
        if (msg.message != WM_TIMER && msg.message != WM_PAINT) idle = true;
    }
    frame_.reset();
    return int(msg.wParam);
}

namespace {

// Made before the entry point runs and destroyed after it returns; the
// application object goes first.
platform::win32::Backend theBackend;
CVelomarForgeApp theApp;

}  // namespace

// wWinMain: the C runtime then splits the command line in Unicode (__wargv).
int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    theBackend.Install();
    if (!theApp.InitInstance(__argc, __wargv)) return 1;
    return theApp.Run();
}
