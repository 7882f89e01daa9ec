// The menu bar, the keys, the toolbar and the status bar, made from the
// controller's command table; the controller says what is greyed, checked
// and named.
#include "editor/win32/buffered_paint.h"
#include "editor/win32/main_frame.h"
#include "editor/win32/resource.h"
#include "platform/win32/win32_text.h"

namespace {

// The editor's keys are numbered as the virtual keys.
ACCEL Accelerator(const KeyBinding& binding) {
    using namespace editor_keys;
    const int mods = binding.keys.mods;
    return {BYTE(FVIRTKEY | FNOINVERT | (mods & Ctrl ? FCONTROL : 0) | (mods & Shift ? FSHIFT : 0) |
                 (mods & Alt ? FALT : 0)),
            WORD(binding.keys.key), WORD(binding.id)};
}

const CommandInfo* Shown(int id) { return CommandAvailable(id) ? FindCommand(id) : nullptr; }

}  // namespace

HMENU CMainFrame::CreateMenuBar() const {
    HMENU bar = CreateMenu();
    for (const MenuLayout& layout : MenuBar()) {
        HMENU menu = CreatePopupMenu();
        for (int id : layout.ids) {
            if (!id) AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
            if (const CommandInfo* c = Shown(id))
                AppendMenuA(menu, MF_STRING, UINT_PTR(id), MenuText(*c, c->label).c_str());
        }
        AppendMenuA(bar, MF_POPUP, UINT_PTR(menu), layout.title);
    }
    return bar;
}

HACCEL CMainFrame::CreateKeys() const {
    ACCEL keys[64];
    int count = 0;
    for (const KeyBinding& binding : FrameKeys())
        if (count < 64) keys[count++] = Accelerator(binding);
    return CreateAcceleratorTableA(keys, count);
}

bool CMainFrame::PreTranslateMessage(MSG* msg) {
    return accelerators_ && TranslateAcceleratorA(hwnd(), accelerators_, msg);
}

bool CMainFrame::CreateBars() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    auto child = [this, instance](DWORD exStyle, const char* kind, DWORD style, int id) {
        return CreateWindowExA(exStyle, kind, "", WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, hwnd(),
                               reinterpret_cast<HMENU>(INT_PTR(id)), instance, nullptr);
    };
    toolbar_ =
        child(0, TOOLBARCLASSNAMEA,
              TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NORESIZE | CCS_NODIVIDER | CCS_NOPARENTALIGN,
              IDW_TOOLBAR);
    rebar_ = child(WS_EX_TOOLWINDOW, REBARCLASSNAMEA,
                   WS_CLIPSIBLINGS | WS_CLIPCHILDREN | RBS_BANDBORDERS | CCS_TOP | CCS_NODIVIDER,
                   IDW_REBAR);
    status_ = child(0, STATUSCLASSNAMEA, SBARS_SIZEGRIP, IDW_STATUS_BAR);
    if (!toolbar_ || !rebar_ || !status_) return false;
    PaintThroughMemory(toolbar_);
    SendMessageA(toolbar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(toolbar_, TB_SETBITMAPSIZE, 0, MAKELPARAM(16, 15));
    // Light grey in the strip becomes the button face.
    TBADDBITMAP strip = {nullptr,
                         UINT_PTR(CreateMappedBitmap(instance, IDB_TOOLBAR, 0, nullptr, 0))};
    SendMessageA(toolbar_, TB_ADDBITMAP, 10, LPARAM(&strip));
    // All in one message: the toolbar lays itself out once.
    TBBUTTON buttons[32] = {};
    UINT count = 0;
    for (int id : ToolbarButtons()) {
        const CommandInfo* c = Shown(id);
        if ((id && !c) || count == 32) continue;
        const BYTE style = !c ? BTNS_SEP : c->check ? BTNS_CHECK : BTNS_BUTTON;
        buttons[count++] = {c ? int(c->picture) : 0, id, TBSTATE_ENABLED, style, {}, 0, 0};
    }
    SendMessageA(toolbar_, TB_ADDBUTTONSA, count, LPARAM(buttons));
    SendMessageA(toolbar_, TB_AUTOSIZE, 0, 0);
    const DWORD size = DWORD(SendMessageA(toolbar_, TB_GETBUTTONSIZE, 0, 0));
    SIZE ideal = {};
    SendMessageA(toolbar_, TB_GETMAXSIZE, 0, LPARAM(&ideal));
    REBARBANDINFOA band = {};
    band.cbSize = sizeof(band);
    band.fMask = RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_STYLE | RBBIM_SIZE | RBBIM_IDEALSIZE;
    band.fStyle = RBBS_GRIPPERALWAYS | RBBS_FIXEDBMP | RBBS_CHILDEDGE;
    band.hwndChild = toolbar_;  // made the rebar's child by it; it goes on telling the frame
    band.cxMinChild = ideal.cx;
    band.cyMinChild = HIWORD(size);
    band.cx = ideal.cx;
    band.cxIdeal = ideal.cx;
    if (!SendMessageA(rebar_, RB_INSERTBANDA, WPARAM(-1), LPARAM(&band))) return false;
    ShowPrompt(0);
    return true;
}

// As a menu opens: each item's state and label ("&Undo Insert Link\tCtrl+Z").
void CMainFrame::UpdateMenu(HMENU menu) {
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        const UINT id = GetMenuItemID(menu, i);
        const CommandInfo* command = FindCommand(int(id));
        if (!command) continue;  // separators, submenus, the recent projects
        // The label first: a new one comes enabled and unchecked.
        char shown[256] = {};
        GetMenuStringA(menu, id, shown, sizeof shown, MF_BYCOMMAND);
        const std::string text = MenuText(*command, Editor->LabelOf(int(id)));
        if (text != shown) ModifyMenuA(menu, id, MF_BYCOMMAND | MF_STRING, id, text.c_str());
        const CommandState state = Editor->StateOf(int(id));
        EnableMenuItem(menu, id, MF_BYCOMMAND | (state.enabled ? MF_ENABLED : MF_GRAYED));
        CheckMenuItem(menu, id, MF_BYCOMMAND | (state.checked ? MF_CHECKED : MF_UNCHECKED));
    }
}

void CMainFrame::UpdateCommandState() {
    if (!toolbar_) return;
    for (int id : ToolbarButtons()) {
        if (!id || !Shown(id)) continue;
        const CommandState state = Editor->StateOf(id);
        if (bool(SendMessageA(toolbar_, TB_ISBUTTONENABLED, id, 0)) != state.enabled)
            SendMessageA(toolbar_, TB_ENABLEBUTTON, id, MAKELPARAM(state.enabled, 0));
        if (bool(SendMessageA(toolbar_, TB_ISBUTTONCHECKED, id, 0)) != state.checked)
            SendMessageA(toolbar_, TB_CHECKBUTTON, id, MAKELPARAM(state.checked, 0));
    }
    ShowLockKeys();
}

// The recent projects, each above Exit so they stay in order, with a line below.
void CMainFrame::ShowRecentList(const std::vector<std::string>& menuTexts) {
    HMENU file = GetSubMenu(GetMenu(hwnd()), 0);
    if (!file) return;
    for (UINT id = ID_RECENT_FIRST; id <= ID_RECENT_SEPARATOR; ++id)
        DeleteMenu(file, id, MF_BYCOMMAND);
    if (menuTexts.empty()) return;
    for (std::size_t i = 0; i < menuTexts.size(); ++i)
        InsertMenuW(file, ID_EXIT, MF_BYCOMMAND | MF_STRING, ID_RECENT_FIRST + i,
                    win32_text::Wide(menuTexts[i]).c_str());
    MENUITEMINFOW separator = {};
    separator.cbSize = sizeof(separator);
    separator.fMask = MIIM_FTYPE | MIIM_ID;
    separator.fType = MFT_SEPARATOR;
    separator.wID = ID_RECENT_SEPARATOR;
    InsertMenuItemW(file, ID_EXIT, FALSE, &separator);
    // A frame not shown yet draws its bar as it shows.
    if (IsWindowVisible(hwnd())) DrawMenuBar(hwnd());
}

void CMainFrame::ShowPrompt(int id) { SendMessageA(status_, SB_SETTEXTA, 0, LPARAM(PromptOf(id))); }

void CMainFrame::ShowLockKeys() {
    if (!status_) return;
    const int keys[] = {VK_CAPITAL, VK_NUMLOCK, VK_SCROLL};
    for (const LockKeyText& lock : LOCK_KEYS) {
        const char* text = (GetKeyState(keys[lock.pane - 1]) & 1) ? lock.text : "";
        char shown[16] = {};
        if (LOWORD(SendMessageA(status_, SB_GETTEXTLENGTHA, lock.pane, 0)) < sizeof(shown))
            SendMessageA(status_, SB_GETTEXTA, lock.pane, LPARAM(shown));
        if (lstrcmpA(text, shown) != 0) SendMessageA(status_, SB_SETTEXTA, lock.pane, LPARAM(text));
    }
}

// The tree's come through the splitter.
LRESULT CMainFrame::OnNotify(NMHDR* header) {
    if (header->idFrom == IDC_TEMPLATE_TREE) return TreeView->OnNotify(header);
    if (header->code == TTN_GETDISPINFOA) {
        const CommandInfo* command = FindCommand(int(header->idFrom));
        reinterpret_cast<NMTTDISPINFOA*>(header)->lpszText =
            const_cast<char*>(command ? command->tip : "");
        return 0;
    }
    if (header->code == TBN_HOTITEMCHANGE && header->hwndFrom == toolbar_) {
        const auto* hot = reinterpret_cast<NMTBHOTITEM*>(header);
        ShowPrompt((hot->dwFlags & HICF_LEAVING) ? 0 : hot->idNew);
    }
    return 0;
}
