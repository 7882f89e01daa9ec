#include "forge_check.h"

#include <cstdio>
#include <set>

#include "editor/win32/main_frame.h"
#include "editor/win32/tree_view.h"
#include "platform/platform.h"
#include "platform/win32/backend.h"

namespace forge_test {

int failures = 0;
platform::RecordingServices recorder;

namespace {

std::string g_scratch;                                      // ends in '\\'
std::deque<std::pair<std::string, DialogStep>> g_expected;  // by caption
std::set<HWND> g_answered;
platform::win32::Backend g_backend;

// Every 50 ms, from whichever modal loop runs: the next expected dialog gets
// its step once it shows; any other dialog is a failure, and is cancelled.
void CALLBACK Poll(HWND, UINT, UINT_PTR, DWORD) {
    HWND dialog = GetActiveWindow();
    char name[16] = {}, caption[256] = {};
    if (!dialog || !IsWindowVisible(dialog) || g_answered.count(dialog) ||
        !GetClassNameA(dialog, name, sizeof(name)) || std::string(name) != "#32770")
        return;
    g_answered.insert(dialog);
    GetWindowTextA(dialog, caption, sizeof(caption));
    if (g_expected.empty() || g_expected.front().first != caption) {
        std::printf("unexpected dialog \"%s\"\n", caption);
        ++failures;
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        return;
    }
    const DialogStep step = g_expected.front().second;
    g_expected.pop_front();
    step(dialog);
}

}  // namespace

void ExpectDialog(const std::string& caption, DialogStep step) {
    g_expected.emplace_back(caption, std::move(step));
}

bool DialogsDone() {
    for (const auto& e : g_expected) std::printf("dialog \"%s\" never came\n", e.first.c_str());
    const bool done = g_expected.empty();
    g_expected.clear();
    return done;
}

void Start(const std::string& scratch) {
    g_scratch = scratch.back() == '\\' ? scratch : scratch + '\\';
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES | ICC_COOL_CLASSES};
    InitCommonControlsEx(&controls);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    SystemMessages(false);
    SetTimer(nullptr, 0, 50, Poll);
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Harlune\\VelomarForge");
    CRegSettings store(PREFERENCES_KEY, std::string());
    WritePreference(store, Preference::ShowWizard, 0);
}

std::string Scratch(const std::string& name) { return g_scratch + name; }

void SystemMessages(bool on) {
    platform::Platform p = g_backend.Get();
    if (!on) p.services = &recorder;
    platform::Install(p);
}

void Command(CMainFrame& frame, int id) {
    SendMessageA(frame.hwnd(), WM_COMMAND, WPARAM(id), 0);
    Pump();
}

void Pump() {
    MSG msg;
    for (int round = 0; round < 3; ++round, Sleep(20))
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
}

std::string Text(HWND dialog, int id) {
    char text[1024] = {};
    GetDlgItemTextA(dialog, id, text, sizeof(text));
    return text;
}

void Fill(HWND dialog, std::initializer_list<std::pair<int, std::string>> fields) {
    for (const auto& [id, text] : fields)
        if (text.empty())
            SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
        else
            SetDlgItemTextA(dialog, id, text.c_str());
}

std::string NodeText(HWND tree, HTREEITEM item) {
    char text[1024] = {};
    TVITEMA data = {TVIF_TEXT, item, 0, 0, text, int(sizeof(text))};
    SendMessageA(tree, TVM_GETITEMA, 0, LPARAM(&data));
    return text;
}

HTREEITEM FindNode(CMainFrame& frame, std::initializer_list<const char*> path) {
    HWND tree = frame.TreeView->Tree();
    HTREEITEM item = TreeView_GetRoot(tree);
    for (const char* text : path) {
        item = item ? TreeView_GetChild(tree, item) : nullptr;
        while (item && NodeText(tree, item) != text) item = TreeView_GetNextSibling(tree, item);
    }
    return item;
}

void PressOn(CMainFrame& frame, HTREEITEM item, WPARAM key) {
    TreeView_SelectItem(frame.TreeView->Tree(), item);
    SendMessageA(frame.TreeView->Tree(), WM_KEYDOWN, key, 0);
}

void Edit(CMainFrame& frame, std::initializer_list<const char*> path, WPARAM key,
          const std::string& caption, DialogStep step) {
    ExpectDialog(caption, std::move(step));
    PressOn(frame, FindNode(frame, path), key);
    CHECK(DialogsDone());
    Pump();
}

}  // namespace forge_test
