// The frame's creation: layout from the registry, the panes, the toolbar in
// its rebar, the status bar and the start-up wizard.
#include "editor/project_session.h"
#include "editor/win32/demo_wnd.h"
#include "editor/win32/main_frame.h"
#include "editor/win32/modal_owner.h"
#include "editor/win32/project_wizard_dlg.h"
#include "editor/win32/resource.h"
#include "editor/win32/tree_view.h"
#include "platform/platform.h"
#include "platform/win32/backend.h"

namespace {

// The toolbar's buttons in order; 0 is a separator. Images follow the bitmap.
const int kToolbarButtons[] = {ID_NEW_PROJECT,   ID_OPEN_PROJECT,  ID_SAVE_PROJECT, 0,
                               ID_TEST_PROJECT,  ID_BUILD_PROJECT, ID_COPY_PROJECT, 0,
                               ID_HELP_CONTENTS, ID_APP_ABOUT};

// Arrange Items: a dashed selection around a tile, with the pointer that drags
// it, drawn here so the toolbar's bitmap stays as it is. Before Help.
void AddArrangeButton(HWND toolbar) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP picture = CreateCompatibleBitmap(screen, 16, 15);
    ReleaseDC(nullptr, screen);
    HGDIOBJ oldBitmap = SelectObject(dc, picture);
    RECT all = {0, 0, 16, 15};
    FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
    HBRUSH tile = CreateSolidBrush(RGB(150, 200, 245));
    HPEN dash = CreatePen(PS_DOT, 1, RGB(40, 40, 40));
    HGDIOBJ oldPen = SelectObject(dc, dash);
    HGDIOBJ oldBrush = SelectObject(dc, tile);
    Rectangle(dc, 0, 0, 11, 9);
    SelectObject(dc, GetStockObject(BLACK_PEN));
    SelectObject(dc, GetStockObject(WHITE_BRUSH));
    const POINT arrow[] = {{7, 5}, {7, 14}, {9, 12}, {11, 15}, {13, 14}, {11, 11}, {14, 11}};
    Polygon(dc, arrow, 7);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBitmap);
    DeleteObject(dash);
    DeleteObject(tile);
    DeleteDC(dc);
    TBADDBITMAP bitmap = {nullptr, UINT_PTR(picture)};
    const int image = int(SendMessageA(toolbar, TB_ADDBITMAP, 1, LPARAM(&bitmap)));
    TBBUTTON button = {};
    button.iBitmap = image;
    button.idCommand = ID_ARRANGE_ITEMS;
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = BTNS_CHECK;
    const int help = int(SendMessageA(toolbar, TB_COMMANDTOINDEX, ID_HELP_CONTENTS, 0));
    SendMessageA(toolbar, TB_INSERTBUTTONA, WPARAM(help - 1), LPARAM(&button));
}

}  // namespace

CMainFrame::CMainFrame(const ForgeOptions& options)
    : Settings(std::make_unique<CRegSettings>(BASE_KEY, std::string())), Options(options) {}

CMainFrame::~CMainFrame() {
    if (platformFrame_) modal_owner::SetFrame(nullptr);
    if (accelerators_) DestroyAcceleratorTable(accelerators_);
}

bool CMainFrame::Create() {
    // The stored layout is used as it is, even when it is off screen.
    const int x = int(Settings->GetInt(FRAME_LAYOUT, "TopLeftX", 0));
    const int y = int(Settings->GetInt(FRAME_LAYOUT, "TopLeftY", 10));
    const int w = int(Settings->GetInt(FRAME_LAYOUT, "SizeX", 950));
    const int h = int(Settings->GetInt(FRAME_LAYOUT, "SizeY", 600));
    HINSTANCE instance = GetModuleHandleA(nullptr);
    HMENU menu = LoadMenuA(instance, MAKEINTRESOURCEA(IDR_MAINFRAME));
    accelerators_ = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_MAINFRAME));
    if (!CNativeWindow::Create("VelomarForgeFrame", 0, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                               PROGRAM_TITLE, x, y, w, h, nullptr, menu))
        return false;
    SendMessageA(hwnd(), WM_SETICON, ICON_BIG,
                 LPARAM(LoadIconA(instance, MAKEINTRESOURCEA(IDR_MAINFRAME))));
    return true;
}

// WM_CREATE: the panes, the bars, then the wizard; -1 fails the creation.
int CMainFrame::OnCreate() {
    // A "QUIT" link in the preview closes the frame; messages are owned by it
    // while no dialog is open.
    platformFrame_ = platform::win32::BorrowWindow(hwnd());
    modal_owner::SetFrame(platformFrame_.get());
    if (!CreatePanes() || !CreateBars()) return -1;
    ShowRecentProjects();
    WizardAtStartup = Settings->GetInt(GENERAL, "ShowIntroWizard", 1) != 0;
    // A project named on the command line is opened instead, once the frame shows.
    if (Options.OpenAtStart.empty()) RunStartupWizard();
    return 0;
}

bool CMainFrame::CreatePanes() {
    const int treeWidth = int(Settings->GetInt(TREE_LAYOUT, "SizeX", 250));
    if (!splitter_.Create(hwnd(), IDW_PANE_FIRST, treeWidth)) return false;
    treeView_ = std::make_unique<CVelomarTreeView>(this);
    demoWnd_ = std::make_unique<CDemoWnd>(this);
    TreeView = treeView_.get();
    DemoWnd = demoWnd_.get();
    if (!treeView_->Create(splitter_.hwnd(), IDW_PANE_FIRST, treeWidth) ||
        !demoWnd_->Create(splitter_.hwnd(), IDW_PANE_FIRST + 1))
        return false;
    splitter_.SetPanes(treeView_->hwnd(), demoWnd_->hwnd());
    return true;
}

bool CMainFrame::CreateBars() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    toolbar_ = CreateWindowExA(0, TOOLBARCLASSNAMEA, "",
                               WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS |
                                   CCS_NORESIZE | CCS_NODIVIDER | CCS_NOPARENTALIGN,
                               0, 0, 0, 0, hwnd(), reinterpret_cast<HMENU>(INT_PTR(IDW_TOOLBAR)),
                               instance, nullptr);
    if (!toolbar_) return false;
    SendMessageA(toolbar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(toolbar_, TB_SETBITMAPSIZE, 0, MAKELPARAM(16, 15));
    // Light grey in the bitmap becomes the button face.
    HBITMAP strip = CreateMappedBitmap(instance, IDR_MAINFRAME, 0, nullptr, 0);
    TBADDBITMAP bitmap = {nullptr, UINT_PTR(strip)};
    SendMessageA(toolbar_, TB_ADDBITMAP, 8, LPARAM(&bitmap));
    int image = 0;
    for (int id : kToolbarButtons) {
        TBBUTTON button = {};
        button.iBitmap = id ? image++ : 0;
        button.idCommand = id;
        button.fsState = TBSTATE_ENABLED;
        button.fsStyle = id ? BTNS_BUTTON : BTNS_SEP;
        SendMessageA(toolbar_, TB_ADDBUTTONSA, 1, LPARAM(&button));
    }
    AddArrangeButton(toolbar_);
    SendMessageA(toolbar_, TB_AUTOSIZE, 0, 0);

    rebar_ = CreateWindowExA(WS_EX_TOOLWINDOW, REBARCLASSNAMEA, "",
                             WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN |
                                 RBS_BANDBORDERS | CCS_TOP | CCS_NODIVIDER,
                             0, 0, 0, 0, hwnd(), reinterpret_cast<HMENU>(INT_PTR(IDW_REBAR)),
                             instance, nullptr);
    if (!rebar_) return false;
    SetParent(toolbar_, rebar_);
    const DWORD size = DWORD(SendMessageA(toolbar_, TB_GETBUTTONSIZE, 0, 0));
    SIZE ideal = {};
    SendMessageA(toolbar_, TB_GETMAXSIZE, 0, LPARAM(&ideal));
    REBARBANDINFOA band = {};
    band.cbSize = sizeof(band);
    band.fMask = RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_STYLE | RBBIM_SIZE | RBBIM_IDEALSIZE;
    band.fStyle = RBBS_GRIPPERALWAYS | RBBS_FIXEDBMP | RBBS_CHILDEDGE;
    band.hwndChild = toolbar_;
    band.cxMinChild = ideal.cx;
    band.cyMinChild = HIWORD(size);
    band.cx = ideal.cx;
    band.cxIdeal = ideal.cx;
    if (!SendMessageA(rebar_, RB_INSERTBANDA, WPARAM(-1), LPARAM(&band))) return false;

    status_ = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0,
                              0, 0, hwnd(), reinterpret_cast<HMENU>(INT_PTR(IDW_STATUS_BAR)),
                              instance, nullptr);
    if (!status_) return false;
    ShowPrompt(0);
    return true;
}

void CMainFrame::RunStartupWizard() {
    if (!WizardAtStartup) return;
    CProjectWizardDlg wizard;
    if (wizard.DoModal(hwnd()) != IDOK) return;
    Settings->SetInt(GENERAL, "ShowIntroWizard", wizard.ShowAtStartup ? 1 : 0);
    WizardAtStartup = wizard.ShowAtStartup != 0;
    // The chosen command runs once the frame is shown and the loop runs.
    PostMessageA(hwnd(), WM_WIZARD_CHOICE, WPARAM(wizard.Choice), 0);
}

// The rebar on top, the status bar below, the splitter between them.
void CMainFrame::Layout() {
    RECT client = {};
    GetClientRect(hwnd(), &client);
    SendMessageA(rebar_, WM_SIZE, 0, 0);
    SendMessageA(status_, WM_SIZE, 0, 0);
    RECT bar = {}, status = {};
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
    splitter_.Move(0, top, client.right, bottom > top ? bottom - top : 0);
}
