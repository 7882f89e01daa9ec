#include "forge_check.h"

#include <cstdio>

#include "editor/win32/main_frame.h"
#include "editor/win32/tree_view.h"

namespace forge_test {

int failures = 0;

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

struct Expected {
    std::string caption;
    DialogStep step;
};
std::deque<Expected> g_expected;
std::vector<HWND> g_pending;
bool g_unexpected = false;

std::string Caption(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof(text));
    return text;
}

// Runs after activation, from the dialog's own modal loop.
void CALLBACK RunSteps(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    std::vector<HWND> pending;
    pending.swap(g_pending);
    for (HWND dialog : pending) {
        if (!IsWindow(dialog)) continue;
        if (g_expected.empty() || g_expected.front().caption != Caption(dialog)) {
            std::printf("unexpected dialog \"%s\"\n", Caption(dialog).c_str());
            g_unexpected = true;
            ++failures;
            PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
            continue;
        }
        const DialogStep step = g_expected.front().step;
        g_expected.pop_front();
        Shot(dialog, Caption(dialog));
        step(dialog);
    }
}

LRESULT CALLBACK CbtHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        HWND window = reinterpret_cast<HWND>(wParam);
        char name[16] = {};
        GetClassNameA(window, name, sizeof(name));
        if (std::string(name) == "#32770") {
            g_pending.push_back(window);
            SetTimer(nullptr, 0, 50, RunSteps);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

void ExpectDialog(const std::string& caption, DialogStep step) {
    g_expected.push_back({caption, std::move(step)});
}

bool DialogsDone() {
    const bool done = g_expected.empty() && !g_unexpected;
    for (const Expected& e : g_expected) std::printf("dialog \"%s\" never came\n", e.caption.c_str());
    g_expected.clear();
    g_unexpected = false;
    return done;
}

void InstallDialogHook() { SetWindowsHookExA(WH_CBT, CbtHook, nullptr, GetCurrentThreadId()); }

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

void Type(HWND dialog, int id, const std::string& text) { SetDlgItemTextA(dialog, id, text.c_str()); }

void Click(HWND dialog, int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

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

void Shot(HWND window, const std::string& name) {
    char folder[MAX_PATH] = {};
    if (!GetEnvironmentVariableA("VELOMAR_FORGE_SHOTS", folder, MAX_PATH)) return;
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT r = {};
    GetWindowRect(window, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO bi = {};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), w, h, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    SelectObject(memory, old);
    std::string safe = name;
    for (char& c : safe)
        if (c == '&' || c == ' ' || c == '/' || c == '\\' || c == ':' || c == '*') c = '_';
    const std::string file = std::string(folder) + "\\" + safe + ".bmp";
    const DWORD size = DWORD(((w * 3 + 3) & ~3) * h);
    BITMAPFILEHEADER head = {0x4D42, DWORD(sizeof(head) + sizeof(bi.bmiHeader) + size), 0, 0,
                             DWORD(sizeof(head) + sizeof(bi.bmiHeader))};
    if (FILE* f = std::fopen(file.c_str(), "wb")) {
        std::fwrite(&head, sizeof(head), 1, f);
        std::fwrite(&bi.bmiHeader, sizeof(bi.bmiHeader), 1, f);
        std::fwrite(bits, 1, size, f);
        std::fclose(f);
    }
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

}  // namespace forge_test
