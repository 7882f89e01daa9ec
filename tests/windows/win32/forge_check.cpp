#include "forge_check.h"

#include <cstdio>
#include <set>
#include <utility>

#include "editor/win32/main_frame.h"
#include "editor/win32/tree_view.h"
#include "platform/platform.h"
#include "platform/win32/backend.h"

namespace forge_test {

int failures = 0;
Recorder recorder;

platform::MessageAnswer Recorder::ShowMessage(const std::string& text,
                                              platform::MessageButtons buttons) {
    messages.push_back(text);
    if (buttons == platform::MessageButtons::Ok) return platform::MessageAnswer::Ok;
    if (answers.empty()) return platform::MessageAnswer::No;
    const platform::MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

namespace {

const char* kKey = "Software\\Harlune\\VelomarForge";
std::string g_scratch;  // ends in '\\'

struct Expected {
    std::string caption;
    DialogStep step;
};
std::deque<Expected> g_expected;
std::vector<HWND> g_pending;
std::set<HWND> g_answered;

std::string Caption(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof(text));
    return text;
}

// Runs after activation, from the dialog's own modal loop.
void CALLBACK RunSteps(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    for (HWND dialog : std::exchange(g_pending, {})) {
        // A dialog is activated again when another program ends: it is answered once.
        if (!IsWindow(dialog) || g_answered.count(dialog)) continue;
        if (!IsWindowVisible(dialog)) {  // it shows once its modal loop is idle
            g_pending.push_back(dialog);
            SetTimer(nullptr, 0, 50, RunSteps);
            continue;
        }
        g_answered.insert(dialog);
        if (g_expected.empty() || g_expected.front().caption != Caption(dialog)) {
            std::printf("unexpected dialog \"%s\"\n", Caption(dialog).c_str());
            ++failures;
            PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
            continue;
        }
        const DialogStep step = g_expected.front().step;
        g_expected.pop_front();
        step(dialog);
    }
}

LRESULT CALLBACK CbtHook(int code, WPARAM wParam, LPARAM lParam) {
    char name[16] = {};
    if (code == HCBT_ACTIVATE && GetClassNameA(HWND(wParam), name, sizeof(name)) &&
        std::string(name) == "#32770") {
        g_pending.push_back(HWND(wParam));
        SetTimer(nullptr, 0, 50, RunSteps);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

void ExpectDialog(const std::string& caption, DialogStep step) {
    g_expected.push_back({caption, std::move(step)});
}

bool DialogsDone() {
    for (const Expected& e : g_expected)
        std::printf("dialog \"%s\" never came\n", e.caption.c_str());
    const bool done = g_expected.empty();
    g_expected.clear();
    return done;
}

void Start(const std::string& scratch) {
    g_scratch = scratch.back() == '\\' ? scratch : scratch + '\\';
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES | ICC_COOL_CLASSES};
    InitCommonControlsEx(&controls);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    static platform::win32::Backend backend;
    platform::Platform p = backend.Get();
    p.services = &recorder;
    platform::Install(p);
    SetWindowsHookExA(WH_CBT, CbtHook, nullptr, GetCurrentThreadId());
    RegDeleteTreeA(HKEY_CURRENT_USER, kKey);
}

std::string Scratch(const std::string& name) { return g_scratch + name; }

void SetWizardAtStartup(bool on) {
    CRegSettings(CMainFrame::BASE_KEY, std::string())
        .SetInt(CMainFrame::GENERAL, "ShowIntroWizard", on);
}

std::unique_ptr<CMainFrame> MakeFrame() {
    ForgeOptions options;
    options.StartFolder = Scratch("start\\");
    options.DocumentsFolder = Scratch("docs");
    auto frame = std::make_unique<CMainFrame>(options);
    CHECK(frame->Create());
    ShowWindow(frame->hwnd(), SW_SHOWNORMAL);
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

void Pump() {
    MSG msg;
    for (int round = 0; round < 3; ++round) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) continue;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(20);
    }
}

std::string Text(HWND dialog, int id) {
    char text[1024] = {};
    GetDlgItemTextA(dialog, id, text, sizeof(text));
    return text;
}

void Type(HWND dialog, int id, const std::string& text) {
    SetDlgItemTextA(dialog, id, text.c_str());
}

void Click(HWND dialog, int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }

std::string NodeText(HWND tree, HTREEITEM item) {
    char text[1024] = {};
    TVITEMA data = {};
    data.mask = TVIF_TEXT;
    data.hItem = item;
    data.pszText = text;
    data.cchTextMax = sizeof(text);
    SendMessageA(tree, TVM_GETITEMA, 0, LPARAM(&data));
    return text;
}

HTREEITEM FindNode(CMainFrame& frame, std::initializer_list<const char*> path) {
    HWND tree = frame.TreeView->Tree();
    HTREEITEM item = TreeView_GetRoot(tree);
    for (const char* text : path) {
        HTREEITEM child = TreeView_GetChild(tree, item);
        while (child && NodeText(tree, child) != text) child = TreeView_GetNextSibling(tree, child);
        if (!child) return nullptr;
        item = child;
    }
    return item;
}

void PressOn(CMainFrame& frame, HTREEITEM item, WPARAM key) {
    HWND tree = frame.TreeView->Tree();
    TreeView_SelectItem(tree, item);
    SendMessageA(tree, WM_KEYDOWN, key, 0);
}

}  // namespace forge_test
