#include "editor/win32/splitter.h"

#include <algorithm>

bool CSplitter::Create(HWND parent, int id, int leftWidth) {
    left_ = std::max(0, leftWidth);
    return CNativeWindow::Create("VelomarForgeSplitter", 0,
                                 WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, "", 0, 0, 100, 100,
                                 parent, reinterpret_cast<HMENU>(INT_PTR(id)),
                                 LoadCursor(nullptr, IDC_SIZEWE),
                                 reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
}

void CSplitter::SetPanes(HWND left, HWND right) {
    panes_[0] = left;
    panes_[1] = right;
    Layout();
}

// The stored width is used as it is while it leaves room; a drag is held
// inside the window so that neither pane disappears.
int CSplitter::Clamp(int left) const {
    RECT r = {};
    GetClientRect(hwnd(), &r);
    const int most = int(r.right) - BAR - MIN_PANE;
    if (most < MIN_PANE) return std::max(0, int(r.right - BAR) / 2);
    return std::clamp(left, int(MIN_PANE), int(most));
}

void CSplitter::Layout() {
    if (!panes_[0] || !panes_[1]) return;
    RECT r = {};
    GetClientRect(hwnd(), &r);
    const int left = std::min(left_, std::max(0, int(r.right) - BAR));
    MoveWindow(panes_[0], 0, 0, left, r.bottom, TRUE);
    MoveWindow(panes_[1], left + BAR, 0, std::max(0, int(r.right) - left - BAR), r.bottom, TRUE);
}

LRESULT CSplitter::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const int x = short(LOWORD(lParam));
    switch (message) {
        case WM_SIZE:
            Layout();
            return 0;
        case WM_LBUTTONDOWN:
            if (!OnBar(x)) break;
            SetCapture(hwnd());  // a drag lasts while the bar holds the mouse
            return 0;
        case WM_MOUSEMOVE:
            if (GetCapture() != hwnd()) break;
            left_ = Clamp(x - BAR / 2);
            Layout();
            UpdateWindow(hwnd());
            return 0;
        case WM_LBUTTONUP:
            if (GetCapture() != hwnd()) break;
            ReleaseCapture();
            return 0;
        case WM_LBUTTONDBLCLK:
            return 0;  // never unsplits
        case WM_NOTIFY:
            // A pane's control tells the frame, as it would without the splitter.
            return SendMessageA(GetParent(hwnd()), message, wParam, lParam);
        default:
            break;
    }
    return CNativeWindow::WindowProc(message, wParam, lParam);
}
