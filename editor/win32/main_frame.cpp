// The frame's window procedure, its panes and closing, and the controller's
// calls on the panes.
#include "editor/win32/main_frame.h"

#include "editor/project_session.h"
#include "editor/win32/dialog.h"
#include "editor/win32/resource.h"
#include "editor/win32/shell_dialogs.h"
#include "platform/win32/backend.h"
#include "platform/win32/win32_text.h"

CMainFrame::CMainFrame(const EditorOptions& options)
    : Editor(std::make_unique<EditorController>(*this, options)) {}

// The controller goes before the panes that forward to it.
CMainFrame::~CMainFrame() {
    if (platformFrame_) CDialog::SetFrame(nullptr, nullptr);
    if (TreeView) TreeView->Detach();
    if (DemoWnd) DemoWnd->Detach();
    Editor.reset();
    if (accelerators_) DestroyAcceleratorTable(accelerators_);
}

bool CMainFrame::Create() {
    // The stored layout is used as it is, even when it is off screen.
    layout_ = ReadFrameLayout(Editor->Settings());
    const platform::Rect& r = layout_.frame;
    accelerators_ = CreateKeys();
    return CNativeWindow::Create("VelomarForgeFrame", 0, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                                 PROGRAM_TITLE, r.left, r.top, r.Width(), r.Height(), nullptr,
                                 CreateMenuBar());
}

// The toolbar shows the opened project's command state in its first paint.
// Wine puts the picture on screen only when the program waits for messages:
// the icon (two sizes of bitmaps, and the window manager's copy) is set by a
// timer after that, not before the first picture.
void CMainFrame::ShowAtStart() {
    if (!Editor->Options().OpenAtStart.empty()) RunPosted();  // the open Start posted
    UpdateCommandState();
    ShowWindow(hwnd(), SW_SHOWNORMAL);
    UpdateWindow(hwnd());
    SetTimer(hwnd(), ICON_TIMER, USER_TIMER_MINIMUM, nullptr);
}

void CMainFrame::SetIcon() {
    KillTimer(hwnd(), ICON_TIMER);
    SendMessageA(hwnd(), WM_SETICON, ICON_BIG,
                 LPARAM(LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME))));
}

// WM_CREATE: the panes, the bars, then the controller; -1 fails the creation.
int CMainFrame::OnCreate() {
    // A "QUIT" link in the preview closes the frame; messages are owned by it
    // while no dialog is open.
    platformFrame_ = platform::win32::BorrowWindow(hwnd());
    CDialog::SetFrame(platformFrame_.get(), [this](const std::string& topic) { ShowHelp(topic); });
    const int treeWidth = layout_.treeWidth;
    if (!splitter_.Create(hwnd(), IDW_PANE_FIRST, treeWidth)) return -1;
    TreeView = std::make_unique<CVelomarTreeView>(*Editor);
    DemoWnd = std::make_unique<CDemoWnd>(*Editor);
    if (!TreeView->Create(splitter_.hwnd(), treeWidth) ||
        !DemoWnd->Create(splitter_.hwnd(), IDW_PANE_FIRST + 1) || !CreateBars())
        return -1;
    // Laid out while hidden, the splitter before its panes: each window is
    // sized once, and the frame is shown and painted once, in place.
    Layout();
    splitter_.SetPanes(TreeView->Tree(), DemoWnd->hwnd());
    Editor->Start();
    return 0;
}

LRESULT CMainFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            return OnCreate();
        case WM_SIZE:
            // Showing the frame sends the size it was laid out at.
            if (status_ && lParam != laidOut_) Layout();
            return 0;
        case WM_SETFOCUS:
            return 0;  // the frame keeps the focus to itself, as it is given
        case WM_COMMAND:
            // Toolbar and menu commands alike; controls of the panes report to them.
            // None while a dialog holds the project (an accelerator).
            if ((lParam == 0 || HWND(lParam) == toolbar_) && !CDialog::AnyOpen()) {
                Editor->Run(LOWORD(wParam));
                UpdateCommandState();
            }
            return 0;
        case WM_NOTIFY:
            return OnNotify(reinterpret_cast<NMHDR*>(lParam));
        case WM_INITMENUPOPUP:
            UpdateMenu(HMENU(wParam));
            return 0;
        case WM_MENUSELECT:
            // Fly-by help: the item's prompt while the menu is open, "Ready" after.
            if (HIWORD(wParam) == 0xFFFF && lParam == 0)
                ShowPrompt(0);
            else if (!(HIWORD(wParam) & (MF_POPUP | MF_SEPARATOR)))
                ShowPrompt(LOWORD(wParam));
            return 0;
        case WM_RUN_POSTED:
            RunPosted();
            return 0;
        case WM_TIMER:
            if (wParam == ICON_TIMER) SetIcon();
            return 0;
        case WM_CLOSE:
            // A save at the question that fails keeps the editor open, with the edit.
            if (Editor->MayClose()) DestroyWindow(hwnd());
            return 0;
        case WM_DESTROY:
            OnDestroy();
            PostQuitMessage(0);
            return 0;
        default:
            return CNativeWindow::WindowProc(message, wParam, lParam);
    }
}

// Each call runs once, in order, after the message being handled.
void CMainFrame::Post(std::function<void()> call) {
    posted_.push_back(std::move(call));
    if (posted_.size() == 1) PostMessageA(hwnd(), WM_RUN_POSTED, 0, 0);
}

// Calls posted meanwhile wait for their own message.
void CMainFrame::RunPosted() {
    for (const std::function<void()>& call : std::vector<std::function<void()>>(std::move(posted_)))
        call();
}

// The rebar on top, the status bar below, the splitter between them.
void CMainFrame::Layout() {
    RECT client = {}, bar = {}, status = {};
    GetClientRect(hwnd(), &client);
    laidOut_ = MAKELPARAM(client.right, client.bottom);
    SendMessageA(rebar_, WM_SIZE, 0, 0);
    SendMessageA(status_, WM_SIZE, 0, 0);
    GetWindowRect(rebar_, &bar);
    GetWindowRect(status_, &status);
    const int top = bar.bottom - bar.top;
    const int bottom = client.bottom - (status.bottom - status.top);
    // The three lock panes keep their width; the message pane takes the rest.
    HDC dc = GetDC(status_);
    SIZE text = {};
    GetTextExtentPoint32A(dc, "SCRL", 4, &text);
    ReleaseDC(status_, dc);
    const int lock = text.cx + 12;
    int edges[4] = {client.right - 3 * lock, client.right - 2 * lock, client.right - lock, -1};
    SendMessageA(status_, SB_SETPARTS, 4, LPARAM(edges));
    ShowLockKeys();
    MoveWindow(splitter_.hwnd(), 0, top, client.right, bottom > top ? bottom - top : 0, TRUE);
}

// The layout first, then the save question while every window is still
// whole. Closing cannot be cancelled.
void CMainFrame::OnDestroy() {
    RECT frame = {}, tree = {};
    GetWindowRect(hwnd(), &frame);
    GetWindowRect(TreeView->Tree(), &tree);
    Editor->FrameClosing(
        {{frame.left, frame.top, frame.right, frame.bottom}, tree.right - tree.left},
        IsIconic(hwnd()) != FALSE);
}

bool CMainFrame::PreviewHasFocus() const {
    HWND preview = DemoWnd->Preview();
    return preview && GetFocus() == preview;
}

void CMainFrame::FocusPreview() {
    if (HWND preview = DemoWnd->Preview()) SetFocus(preview);
}

// F6 and Shift+F6: with two panes, both go to the other one.
void CMainFrame::SwitchPane() {
    SetFocus(GetFocus() == TreeView->Tree() ? DemoWnd->hwnd() : TreeView->Tree());
}

std::string CMainFrame::FrameTitle() const { return win32_text::Ansi(WindowText(hwnd())); }
