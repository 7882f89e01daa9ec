#include "editor/win32/tree_view.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "editor/dialogs/live_preview.h"
#include "editor/item_layout.h"
#include "editor/win32/demo_wnd.h"
#include "editor/win32/main_frame.h"
#include "editor/win32/property_dialogs.h"
#include "editor/win32/resource.h"
#include "engine/installer_wnd.h"
#include "engine/settings_values.h"

namespace {

enum Image { kRoot, kAudio, kBackground, kLogos, kHyperlinks, kItem };

}  // namespace

CVelomarTreeView::~CVelomarTreeView() {
    if (images_) ImageList_Destroy(images_);
}

bool CVelomarTreeView::Create(HWND parent, int id, int width) {
    if (!CNativeWindow::Create("VelomarForgeTree", 0, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, "",
                               0, 0, width, 100, parent, reinterpret_cast<HMENU>(INT_PTR(id)),
                               LoadCursor(nullptr, IDC_ARROW)))
        return false;
    // Creation goes on even when the control cannot be made.
    images_ = ImageList_Create(16, 16, ILC_COLOR4 | ILC_MASK, 5, 1);
    if (HBITMAP strip = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_TREE_IMAGES))) {
        ImageList_AddMasked(images_, strip, RGB(255, 0, 0));
        DeleteObject(strip);
    }
    tree_ = CreateWindowExA(0, WC_TREEVIEWA, "",
                            WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | TVS_HASBUTTONS |
                                TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS,
                            0, 0, width, 100, hwnd(),
                            reinterpret_cast<HMENU>(INT_PTR(IDC_TEMPLATE_TREE)),
                            GetModuleHandleA(nullptr), nullptr);
    if (tree_) TreeView_SetImageList(tree_, images_, TVSIL_NORMAL);
    RebuildTree(nullptr);
    return true;
}

HTREEITEM CVelomarTreeView::Insert(HTREEITEM parent, const char* text, int image, LPARAM data) {
    TVINSERTSTRUCTA insert = {};
    insert.hParent = parent ? parent : TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
    insert.item.pszText = const_cast<char*>(text);
    insert.item.iImage = image;
    insert.item.iSelectedImage = image;
    insert.item.lParam = data;
    return HTREEITEM(SendMessageA(tree_, TVM_INSERTITEMA, 0, LPARAM(&insert)));
}

void CVelomarTreeView::RebuildTree(CInstallerWnd* project) {
    if (!tree_) return;
    selecting_ = true;
    TreeView_DeleteAllItems(tree_);
    HTREEITEM root = Insert(nullptr, ROOT, kRoot, 0);
    Insert(root, BACKGROUND, kBackground, 0);
    Insert(root, AUDIO, kAudio, 0);
    HTREEITEM links = Insert(root, HYPERLINKS, kHyperlinks, 0);
    HTREEITEM logos = Insert(root, LOGOS, kLogos, 0);
    const TemplateNode select = std::exchange(selectAfterRebuild_, TemplateNode{});
    HTREEITEM selected = nullptr;
    auto add = [&](HTREEITEM category, const std::string& text, NodeKind kind, int i) {
        HTREEITEM item = Insert(category, text.c_str(), kItem, i);
        if (select.kind == kind && select.index == i) selected = item;
    };
    if (project) {
        const std::vector<TemplateNode> outside = ItemsOutside(*project);
        const LaunchSettings& s = *project->Settings;
        for (NodeKind kind : {NodeKind::Hyperlink, NodeKind::Logo}) {
            const bool link = kind == NodeKind::Hyperlink;
            const int count = link ? s.NumberOfHotSpots : s.NumberOfLogosToDraw;
            for (int i = 0; i < count && i < (link ? MAX_HOTSPOTS : MAX_LOGOS); ++i) {
                const bool out = std::any_of(outside.begin(), outside.end(), [&](TemplateNode n) {
                    return n.kind == kind && n.index == i;
                });
                add(link ? links : logos, ItemLabel(ItemName(s, {kind, i}), out), kind, i);
            }
        }
    }
    TreeView_Expand(tree_, root, TVE_EXPAND);
    TreeView_Expand(tree_, links, TVE_EXPAND);
    TreeView_Expand(tree_, logos, TVE_EXPAND);
    selecting_ = false;
    // A moved item stays picked, on the arranged preview too.
    if (selected) TreeView_SelectItem(tree_, selected);
}

HTREEITEM CVelomarTreeView::ItemOf(TemplateNode node) const {
    if (node.kind != NodeKind::Hyperlink && node.kind != NodeKind::Logo) return nullptr;
    HTREEITEM root = TreeView_GetRoot(tree_);
    for (HTREEITEM c = root ? TreeView_GetChild(tree_, root) : nullptr; c;
         c = TreeView_GetNextSibling(tree_, c)) {
        for (HTREEITEM i = TreeView_GetChild(tree_, c); i; i = TreeView_GetNextSibling(tree_, i)) {
            const TemplateNode n = NodeOf(i);
            if (n.kind == node.kind && n.index == node.index) return i;
        }
    }
    return nullptr;
}

void CVelomarTreeView::SelectNode(TemplateNode node) {
    if (!tree_) return;
    selecting_ = true;
    TreeView_SelectItem(tree_, ItemOf(node));
    selecting_ = false;
}

bool CVelomarTreeView::ShowNodeProperties(TemplateNode node) {
    HTREEITEM item = ItemOf(node);
    return item && ShowItemProperties(item);
}

TemplateNode CVelomarTreeView::NodeOf(HTREEITEM item) const {
    HTREEITEM root = TreeView_GetRoot(tree_);
    if (!item || item == root) return {NodeKind::Root, 0};
    HTREEITEM parent = TreeView_GetParent(tree_, item);
    if (parent == root) {
        // The categories in the order RebuildTree makes them.
        static const NodeKind kinds[] = {NodeKind::Background, NodeKind::Audio,
                                         NodeKind::HyperlinkCategory, NodeKind::LogoCategory};
        int place = 0;
        for (HTREEITEM c = TreeView_GetChild(tree_, root); c && place < 4;
             c = TreeView_GetNextSibling(tree_, c), ++place)
            if (c == item) return {kinds[place], 0};
        return {NodeKind::Root, 0};
    }
    TVITEMA data = {};
    data.mask = TVIF_PARAM;
    data.hItem = item;
    SendMessageA(tree_, TVM_GETITEMA, 0, LPARAM(&data));
    const NodeKind category = NodeOf(parent).kind;
    if (category == NodeKind::HyperlinkCategory) return {NodeKind::Hyperlink, int(data.lParam)};
    if (category == NodeKind::LogoCategory) return {NodeKind::Logo, int(data.lParam)};
    return {NodeKind::Root, 0};
}

CInstallerWnd* CVelomarTreeView::Project() const {
    return frame_ && frame_->DemoWnd ? frame_->DemoWnd->GetInstallerWnd() : nullptr;
}

void CVelomarTreeView::BeginChange(ItemChange change, NodeKind kind) {
    if (frame_ && frame_->DemoWnd) frame_->DemoWnd->BeginChange(StepName(change, kind));
}

HTREEITEM CVelomarTreeView::ItemAtCursor() const {
    TVHITTESTINFO hit = {};
    GetCursorPos(&hit.pt);
    ScreenToClient(tree_, &hit.pt);
    return TreeView_HitTest(tree_, &hit);
}

void CVelomarTreeView::TrackItemMenu(HTREEITEM item) {
    if (!item || refreshQueued_) return;
    const ::ItemMenu entries = MenuFor(Project(), NodeOf(item));
    if (!entries.show) return;
    HMENU menu = CreatePopupMenu();
    auto add = [menu](UINT id, const char* text, bool enabled) {
        AppendMenuA(menu, MF_STRING | (enabled ? 0 : MF_GRAYED), id, text);
    };
    add(ID_INSERT_ITEM, "Insert new item", entries.insert);
    add(ID_DELETE_ITEM, "Delete item", entries.remove);
    add(ID_PROPERTIES_ITEM, "Properties...", entries.properties);
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    add(ID_CANCEL_ITEM, "Cancel", true);
    POINT at = {};
    GetCursorPos(&at);
    int chosen = 0;
    {
        Modal modal(this);  // no refresh may rebuild `item` while the menu is up
        chosen = TrackPopupMenu(menu, TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, at.x, at.y, 0,
                                hwnd(), nullptr);
    }
    DestroyMenu(menu);
    if (chosen == ID_INSERT_ITEM) InsertNewItem(item);
    if (chosen == ID_DELETE_ITEM) DeleteTemplateItem(item);
    if (chosen == ID_PROPERTIES_ITEM) ShowItemProperties(item);
}

bool CVelomarTreeView::InsertNewItem(HTREEITEM item) {
    CInstallerWnd* project = Project();
    if (!item || !project || refreshQueued_) return false;
    const TemplateNode node = NodeOf(item);
    BeginChange(ItemChange::Insert, node.kind);
    const bool changed = ::InsertNewItem(
        project, node, [this](ItemDialog d, int index) { return RunDialog(d, index); });
    if (changed) Changed(true);
    return changed;
}

bool CVelomarTreeView::DeleteTemplateItem(HTREEITEM item) {
    CInstallerWnd* project = Project();
    if (!item || !project || refreshQueued_) return false;
    const TemplateNode node = NodeOf(item);
    BeginChange(ItemChange::Delete, node.kind);
    const bool changed = ::DeleteTemplateItem(project, node);
    if (changed) Changed(true);
    return changed;
}

bool CVelomarTreeView::CanMoveItem(int step) const {
    return tree_ && !refreshQueued_ &&
           ::CanMoveItem(Project(), NodeOf(TreeView_GetSelection(tree_)), step);
}

bool CVelomarTreeView::MoveItem(int step) {
    if (!CanMoveItem(step)) return false;
    const TemplateNode node = NodeOf(TreeView_GetSelection(tree_));
    BeginChange(step < 0 ? ItemChange::MoveUp : ItemChange::MoveDown, node.kind);
    ::MoveTemplateItem(Project(), node, step);
    selectAfterRebuild_ = {node.kind, node.index + step};
    Changed(true);
    return true;
}

bool CVelomarTreeView::ShowItemProperties(HTREEITEM item) {
    if (!item || !Project() || refreshQueued_) return true;
    const TemplateNode node = NodeOf(item);
    const ItemDialog dialog = DialogFor(node);
    if (dialog == ItemDialog::None) return true;
    BeginChange(ItemChange::Edit, node.kind);
    if (!RunDialog(dialog, node.index)) return true;
    selectAfterRebuild_ = node;
    Changed(dialog != ItemDialog::Audio);  // sounds do not show in the still preview
    return true;
}

bool CVelomarTreeView::RunDialog(ItemDialog dialog, int index) {
    CInstallerWnd* project = Project();
    if (!project || !frame_) return false;
    Modal modal(this);
    // The fields show in the preview while the dialog is open.
    LiveEdit live(*project->Settings, [this] { frame_->DemoWnd->ShowRecord(); });
    const LiveHook hook = [&live](const std::function<void()>& write) { live.Preview(write); };
    return live.End(ShowPropertyDialog(frame_, *project, dialog, index, hook));
}

// The refresh is posted: it saves, reopens and rebuilds these nodes, which must
// not happen inside the control's own notification. Marking first lets it save.
// Until it ran, the nodes no longer match the project (a slot moved up), so
// the editing calls refuse to act on them.
void CVelomarTreeView::Changed(bool refresh) {
    if (frame_ && frame_->DemoWnd) frame_->DemoWnd->SetModified(true);
    if (!refresh || refreshQueued_) return;
    refreshQueued_ = true;
    PostMessageA(hwnd(), WM_TEMPLATE_CHANGED, 0, 0);
}

// A dialog or menu still up holds the project or a node: the refresh waits
// for it to end (a held Insert key can open a second dialog before it runs).
void CVelomarTreeView::RunRefresh() {
    if (!refreshQueued_ || modal_ > 0) return;
    refreshQueued_ = false;
    if (frame_ && frame_->DemoWnd && frame_->DemoWnd->GetInstallerWnd())
        frame_->DemoWnd->ReloadProject(false);
}

CVelomarTreeView::Modal::~Modal() {
    if (--view_->modal_ == 0 && view_->refreshQueued_)
        PostMessageA(view_->hwnd(), WM_TEMPLATE_CHANGED, 0, 0);
}

LRESULT CVelomarTreeView::OnNotify(NMHDR* header) {
    if (header->idFrom != IDC_TEMPLATE_TREE) return 0;
    switch (header->code) {
        case NM_DBLCLK:
            ShowItemProperties(ItemAtCursor());
            return 0;  // the control still expands or collapses
        case NM_RCLICK:
            TrackItemMenu(ItemAtCursor());
            return 1;
        case TVN_SELCHANGEDA:
        case TVN_SELCHANGEDW:
            // A node picked in the tree is picked on the arranged preview too.
            if (!selecting_ && frame_ && frame_->DemoWnd)
                frame_->DemoWnd->Arrange().Select(
                    NodeOf(reinterpret_cast<NMTREEVIEWA*>(header)->itemNew.hItem));
            return 0;
        case TVN_KEYDOWN: {
            const WORD key = reinterpret_cast<NMTVKEYDOWN*>(header)->wVKey;
            HTREEITEM selected = TreeView_GetSelection(tree_);
            if (key == VK_INSERT) InsertNewItem(selected);
            if (key == VK_DELETE) DeleteTemplateItem(selected);
            // Enter opens the node's dialog, as a double-click does.
            if (key == VK_RETURN) ShowItemProperties(selected);
            return 0;
        }
        default:
            return 0;
    }
}

LRESULT CVelomarTreeView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            if (tree_) MoveWindow(tree_, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
            return 0;
        case WM_SETFOCUS:
            if (tree_) SetFocus(tree_);
            return 0;
        case WM_NOTIFY:
            return OnNotify(reinterpret_cast<NMHDR*>(lParam));
        case WM_TEMPLATE_CHANGED:
            RunRefresh();
            return 0;
        default:
            return CNativeWindow::WindowProc(message, wParam, lParam);
    }
}
