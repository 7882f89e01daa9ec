#include "editor/win32/tree_view.h"

#include "editor/editor_controller.h"
#include "editor/win32/buffered_paint.h"
#include "editor/win32/resource.h"

CVelomarTreeView::~CVelomarTreeView() {
    if (images_) ImageList_Destroy(images_);
}

bool CVelomarTreeView::Create(HWND parent, int width) {
    images_ = ImageList_Create(16, 16, ILC_COLOR4 | ILC_MASK, 6, 1);
    // A bitmap of memory: one compatible with the screen costs Wine display lookups.
    if (HBITMAP strip =
            HBITMAP(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_TREE_IMAGES),
                               IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION))) {
        ImageList_AddMasked(images_, strip, RGB(255, 0, 0));
        DeleteObject(strip);
    }
    tree_ = CreateWindowExA(0, WC_TREEVIEWA, "",
                            WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | TVS_HASBUTTONS |
                                TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS,
                            0, 0, width, 100, parent,
                            reinterpret_cast<HMENU>(INT_PTR(IDC_TEMPLATE_TREE)),
                            GetModuleHandleA(nullptr), nullptr);
    if (!tree_) return false;
    TreeView_SetImageList(tree_, images_, TVSIL_NORMAL);
    PaintThroughMemory(tree_);
    ShowRows(TreeRows(nullptr), {});
    return true;
}

void CVelomarTreeView::ShowRows(const std::vector<TreeRow>& rows, TemplateNode select) {
    selecting_ = true;
    // Filled with drawing off: the scroll bars and the picture follow once, not at every row.
    SendMessageA(tree_, WM_SETREDRAW, FALSE, 0);
    TreeView_DeleteAllItems(tree_);
    rows_ = rows;
    items_.clear();
    for (const TreeRow& row : rows_) {
        TVINSERTSTRUCTA insert = {};
        insert.hParent = row.parent < 0 ? TVI_ROOT : items_[std::size_t(row.parent)];
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
        insert.item.pszText = const_cast<char*>(row.text.c_str());
        insert.item.iImage = insert.item.iSelectedImage = int(row.picture);
        insert.item.lParam = LPARAM(items_.size());
        items_.push_back(HTREEITEM(SendMessageA(tree_, TVM_INSERTITEMA, 0, LPARAM(&insert))));
    }
    for (HTREEITEM item : items_) TreeView_Expand(tree_, item, TVE_EXPAND);
    SendMessageA(tree_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(tree_, nullptr, TRUE);
    selecting_ = false;
    // A moved item stays picked, on the arranged preview too.
    const int row = RowOf(rows_, select);
    if (row > 0) TreeView_SelectItem(tree_, items_[std::size_t(row)]);
}

void CVelomarTreeView::SelectNode(TemplateNode node) {
    const int row = RowOf(rows_, node);
    selecting_ = true;
    TreeView_SelectItem(tree_, row > 0 ? items_[std::size_t(row)] : nullptr);
    selecting_ = false;
}

TemplateNode CVelomarTreeView::NodeOf(HTREEITEM item) const {
    for (std::size_t i = 0; i < items_.size() && item; ++i)
        if (items_[i] == item) return rows_[i].node;
    return {};
}

HTREEITEM CVelomarTreeView::ItemAtCursor() const {
    TVHITTESTINFO hit = {};
    GetCursorPos(&hit.pt);
    ScreenToClient(tree_, &hit.pt);
    return TreeView_HitTest(tree_, &hit);
}

void CVelomarTreeView::TrackItemMenu(TemplateNode node) {
    const ItemMenu state = editor_->ItemMenuOf(node);
    if (!state.show) return;
    HMENU menu = CreatePopupMenu();
    for (const ItemMenuEntry& entry : ItemMenuEntries()) {
        AppendMenuA(menu,
                    entry.id ? MF_STRING | (state.Enabled(entry.id) ? 0 : MF_GRAYED) : MF_SEPARATOR,
                    UINT_PTR(entry.id), entry.label);
    }
    POINT at = {};
    GetCursorPos(&at);
    int chosen = 0;
    {
        EditorController::Modal modal(*editor_);  // no refresh may rebuild the tree meanwhile
        chosen = TrackPopupMenu(menu, TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, at.x, at.y, 0,
                                tree_, nullptr);
    }
    DestroyMenu(menu);
    if (chosen && editor_) editor_->RunItemCommand(node, chosen);
}

LRESULT CVelomarTreeView::OnNotify(NMHDR* header) {
    if (!editor_) return 0;
    switch (header->code) {
        case NM_DBLCLK:
            editor_->EditProperties(NodeOf(ItemAtCursor()));
            return 0;  // the control still expands or collapses
        case NM_RCLICK:
            TrackItemMenu(NodeOf(ItemAtCursor()));
            return 1;
        case NM_CUSTOMDRAW: {
            // Items reaching outside the menu window in their colour.
            auto* draw = reinterpret_cast<NMTVCUSTOMDRAW*>(header);
            if (draw->nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
            const std::size_t row = std::size_t(draw->nmcd.lItemlParam);
            if (draw->nmcd.dwDrawStage == CDDS_ITEMPREPAINT && row < rows_.size() &&
                rows_[row].outside && !(draw->nmcd.uItemState & CDIS_SELECTED))
                draw->clrText = RGB(OUTSIDE_COLOUR[0], OUTSIDE_COLOUR[1], OUTSIDE_COLOUR[2]);
            return CDRF_DODEFAULT;
        }
        case TVN_SELCHANGEDA:
        case TVN_SELCHANGEDW:
            // A node picked in the tree is picked on the arranged preview too.
            if (!selecting_)
                editor_->TreePicked(NodeOf(reinterpret_cast<NMTREEVIEWA*>(header)->itemNew.hItem));
            return 0;
        case TVN_KEYDOWN:  // the editor's keys are numbered as the virtual keys
            editor_->TreeKey(Selection(), {reinterpret_cast<NMTVKEYDOWN*>(header)->wVKey, 0});
            return 0;
        default:
            return 0;
    }
}
