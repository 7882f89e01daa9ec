// The status bar (prompts, "Ready", the lock keys), the toolbar's tooltips and
// what the frame keeps between runs.
#include "editor/win32/demo_wnd.h"
#include "editor/win32/main_frame.h"
#include "editor/win32/resource.h"
#include "editor/win32/tree_view.h"

namespace {

// The text before the newline of a command's string: its prompt.
std::string Prompt(UINT id) {
    const std::string text = LoadResourceString(id);
    return text.substr(0, text.find('\n'));
}

}  // namespace

void CMainFrame::ShowPrompt(int id) {
    const std::string text = Prompt(id ? UINT(id) : IDS_IDLE_MESSAGE);
    SendMessageA(status_, SB_SETTEXTA, 0, LPARAM(text.c_str()));
}

void CMainFrame::ShowLockKeys() {
    if (!status_) return;
    const struct {
        int pane;
        int key;
        UINT text;
    } locks[] = {{1, VK_CAPITAL, ID_INDICATOR_CAPS},
                 {2, VK_NUMLOCK, ID_INDICATOR_NUM},
                 {3, VK_SCROLL, ID_INDICATOR_SCRL}};
    for (const auto& lock : locks) {
        const std::string text = (GetKeyState(lock.key) & 1) ? Prompt(lock.text) : std::string();
        char shown[16] = {};
        if (LOWORD(SendMessageA(status_, SB_GETTEXTLENGTHA, lock.pane, 0)) < sizeof(shown))
            SendMessageA(status_, SB_GETTEXTA, lock.pane, LPARAM(shown));
        if (text != shown) SendMessageA(status_, SB_SETTEXTA, lock.pane, LPARAM(text.c_str()));
    }
}

LRESULT CMainFrame::OnNotify(NMHDR* header) {
    if (header->code == TTN_GETDISPINFOA) {
        // The tooltip is the text after the newline.
        auto* tip = reinterpret_cast<NMTTDISPINFOA*>(header);
        const std::string text = LoadResourceString(UINT(header->idFrom));
        const std::size_t cut = text.find('\n');
        tipText_ = cut == std::string::npos ? std::string() : text.substr(cut + 1);
        tip->lpszText = const_cast<char*>(tipText_.c_str());
        return 0;
    }
    if (header->code == TBN_HOTITEMCHANGE && header->hwndFrom == toolbar_) {
        const auto* hot = reinterpret_cast<NMTBHOTITEM*>(header);
        ShowPrompt((hot->dwFlags & HICF_LEAVING) ? 0 : hot->idNew);
    }
    return 0;
}

// The layout first, then the pane's save question while every window is
// still whole. Closing cannot be cancelled.
void CMainFrame::OnDestroy() {
    SaveLayout();
    if (DemoWnd) DemoWnd->FrameClosing();
}

void CMainFrame::SaveLayout() {
    // A minimised frame's size means nothing: the last layout stays.
    if (IsIconic(hwnd())) return;
    RECT frame = {}, tree = {};
    GetWindowRect(hwnd(), &frame);
    GetWindowRect(TreeView->hwnd(), &tree);
    Settings->SetInt(FRAME_LAYOUT, "TopLeftX", std::uint32_t(frame.left));
    Settings->SetInt(FRAME_LAYOUT, "TopLeftY", std::uint32_t(frame.top));
    Settings->SetInt(FRAME_LAYOUT, "SizeX", std::uint32_t(frame.right - frame.left));
    Settings->SetInt(FRAME_LAYOUT, "SizeY", std::uint32_t(frame.bottom - frame.top));
    Settings->SetInt(TREE_LAYOUT, "SizeX", std::uint32_t(tree.right - tree.left));
}
