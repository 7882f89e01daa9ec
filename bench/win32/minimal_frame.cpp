// The yardstick for VelomarForge.exe's start: the least a Win32 program needs
// to show the editor's frame, with none of the editor in it. A frame with a
// menu bar, a rebar holding a flat toolbar of ten buttons, a status bar of
// four panes and two panes side by side, a tree of five rows on the left and
// a 640 x 440 area of one colour on the right, all of them made and shown as
// the editor makes and shows them: comctl32 6 through the manifest, laid out
// hidden, shown once.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

namespace {

HWND rebar, status, tree, pane;

LRESULT CALLBACK FrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

HWND Child(HWND parent, DWORD exStyle, const char* kind, DWORD style, int id) {
    return CreateWindowExA(exStyle, kind, "", WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, parent,
                           reinterpret_cast<HMENU>(INT_PTR(id)), GetModuleHandleA(nullptr),
                           nullptr);
}

HMENU MenuBar() {
    HMENU bar = CreateMenu();
    const char* titles[] = {"&File", "&Edit", "&View", "&Help"};
    for (int m = 0; m < 4; ++m) {
        HMENU menu = CreatePopupMenu();
        for (int i = 0; i < 6; ++i)
            AppendMenuA(menu, MF_STRING, UINT_PTR(100 * m + i + 1), "&Item\tCtrl+I");
        AppendMenuA(bar, MF_POPUP, UINT_PTR(menu), titles[m]);
    }
    return bar;
}

void Bars(HWND frame) {
    HWND toolbar = Child(
        frame, 0, TOOLBARCLASSNAMEA,
        TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NORESIZE | CCS_NODIVIDER | CCS_NOPARENTALIGN, 1);
    rebar = Child(frame, WS_EX_TOOLWINDOW, REBARCLASSNAMEA,
                  WS_CLIPSIBLINGS | WS_CLIPCHILDREN | RBS_BANDBORDERS | CCS_TOP | CCS_NODIVIDER, 2);
    status = Child(frame, 0, STATUSCLASSNAMEA, SBARS_SIZEGRIP, 3);
    SendMessageA(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    TBADDBITMAP standard = {HINST_COMMCTRL, IDB_STD_SMALL_COLOR};
    SendMessageA(toolbar, TB_ADDBITMAP, 0, LPARAM(&standard));
    TBBUTTON buttons[10] = {};
    for (int i = 0; i < 10; ++i) buttons[i] = {i, 200 + i, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0};
    SendMessageA(toolbar, TB_ADDBUTTONSA, 10, LPARAM(buttons));
    SendMessageA(toolbar, TB_AUTOSIZE, 0, 0);
    SIZE ideal = {};
    SendMessageA(toolbar, TB_GETMAXSIZE, 0, LPARAM(&ideal));
    REBARBANDINFOA band = {};
    band.cbSize = sizeof(band);
    band.fMask = RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_STYLE | RBBIM_SIZE;
    band.fStyle = RBBS_GRIPPERALWAYS | RBBS_FIXEDBMP | RBBS_CHILDEDGE;
    band.hwndChild = toolbar;
    band.cxMinChild = band.cx = ideal.cx;
    band.cyMinChild = HIWORD(SendMessageA(toolbar, TB_GETBUTTONSIZE, 0, 0));
    SendMessageA(rebar, RB_INSERTBANDA, WPARAM(-1), LPARAM(&band));
    const char* texts[] = {"Ready", "CAP", "NUM", "SCRL"};
    int edges[4] = {600, 640, 680, -1};
    SendMessageA(status, SB_SETPARTS, 4, LPARAM(edges));
    for (int i = 0; i < 4; ++i) SendMessageA(status, SB_SETTEXTA, i, LPARAM(texts[i]));
}

void Panes(HWND frame) {
    tree = Child(frame, 0, WC_TREEVIEWA,
                 WS_BORDER | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT |
                     TVS_SHOWSELALWAYS,
                 4);
    TVINSERTSTRUCTA item = {};
    item.hInsertAfter = TVI_LAST;
    item.item.mask = TVIF_TEXT;
    item.item.pszText = const_cast<char*>("Project");
    HTREEITEM root = TreeView_InsertItem(tree, &item);
    item.hParent = root;
    const char* rows[] = {"Background", "Audio", "Hyperlinks", "Logos"};
    for (const char* row : rows) {
        item.item.pszText = const_cast<char*>(row);
        TreeView_InsertItem(tree, &item);
    }
    TreeView_Expand(tree, root, TVE_EXPAND);
    pane = Child(frame, 0, "VelomarYardstickPane", 0, 5);
}

// The rebar on top, the status bar below, the tree and the pane between.
void Layout(HWND frame) {
    RECT client, bar, bottom;
    GetClientRect(frame, &client);
    SendMessageA(rebar, WM_SIZE, 0, 0);
    SendMessageA(status, WM_SIZE, 0, 0);
    GetWindowRect(rebar, &bar);
    GetWindowRect(status, &bottom);
    const int top = bar.bottom - bar.top,
              height = client.bottom - (bottom.bottom - bottom.top) - top;
    MoveWindow(tree, 0, top, 200, height, TRUE);
    MoveWindow(pane, 204, top, 640, 440, TRUE);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls = {sizeof(controls),
                                     ICC_BAR_CLASSES | ICC_COOL_CLASSES | ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSA wc = {};
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpfnWndProc = DefWindowProcA;
    // The colour bench/forge_startup_wine.sh looks for.
    wc.hbrBackground = CreateSolidBrush(RGB(0x20, 0x40, 0x60));
    wc.lpszClassName = "VelomarYardstickPane";
    if (!RegisterClassA(&wc)) return 1;
    wc.lpfnWndProc = FrameProc;
    wc.hbrBackground = HBRUSH(COLOR_BTNFACE + 1);
    wc.lpszClassName = "VelomarYardstickFrame";
    if (!RegisterClassA(&wc)) return 1;
    HWND frame = CreateWindowA(wc.lpszClassName, "Yardstick", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                               0, 0, 900, 600, nullptr, MenuBar(), instance, nullptr);
    if (!frame) return 1;
    Bars(frame);
    Panes(frame);
    Layout(frame);
    ShowWindow(frame, SW_SHOWNORMAL);
    UpdateWindow(frame);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
