#include "editor/wx/tree_view.h"

#include <wx/menu.h>
#include <wx/sizer.h>
#include <wx/treectrl.h>

#include <memory>

#include "editor/editor_controller.h"
#include "editor/wx/art.h"
#include "editor/wx/dialog_parts.h"

CVelomarTreeView::CVelomarTreeView(wxWindow* parent, const wxSize& size, EditorController& editor)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, size), editor_(&editor) {
    tree_ = new wxTreeCtrl(this, IDC_TEMPLATE_TREE, wxDefaultPosition, wxDefaultSize,
                           wxTR_HAS_BUTTONS | wxTR_LINES_AT_ROOT | wxBORDER_SIMPLE);
    tree_->AssignImageList(forge_art::TreeImages());
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(tree_, 1, wxEXPAND);
    SetSizer(sizer);
    ShowRows(TreeRows(nullptr), {});
    tree_->Bind(wxEVT_TREE_ITEM_RIGHT_CLICK, &CVelomarTreeView::OnRightClick, this);
    tree_->Bind(wxEVT_TREE_KEY_DOWN, &CVelomarTreeView::OnKeyDown, this);
    tree_->Bind(wxEVT_TREE_ITEM_ACTIVATED, [this](wxTreeEvent& e) {
        if (editor_) editor_->EditProperties(NodeOf(e.GetItem()));
        e.Skip();  // the control still expands or collapses
    });
    // A node picked in the tree is picked on the arranged preview too.
    tree_->Bind(wxEVT_TREE_SEL_CHANGED, [this](wxTreeEvent& e) {
        e.Skip();
        if (!selecting_ && editor_) editor_->TreePicked(NodeOf(e.GetItem()));
    });
}

void CVelomarTreeView::ShowRows(const std::vector<TreeRow>& rows, TemplateNode select) {
    selecting_ = true;
    tree_->DeleteAllItems();
    rows_ = rows;
    items_.clear();
    for (const TreeRow& row : rows_) {
        const int picture = int(row.picture);
        const wxString text = dialog_parts::ToWx(row.text);
        items_.push_back(row.parent < 0
                             ? tree_->AddRoot(text, picture, picture)
                             : tree_->AppendItem(items_[row.parent], text, picture, picture));
        if (row.outside)
            tree_->SetItemTextColour(
                items_.back(), wxColour(OUTSIDE_COLOUR[0], OUTSIDE_COLOUR[1], OUTSIDE_COLOUR[2]));
    }
    for (const wxTreeItemId& item : items_)
        if (tree_->ItemHasChildren(item)) tree_->Expand(item);
    selecting_ = false;
    // A moved item stays picked, on the arranged preview too.
    const int row = RowOf(rows_, select);
    if (row > 0) tree_->SelectItem(items_[row]);
}

void CVelomarTreeView::SelectNode(TemplateNode node) {
    const int row = RowOf(rows_, node);
    selecting_ = true;
    if (row > 0)
        tree_->SelectItem(items_[row]);
    else
        tree_->UnselectAll();
    selecting_ = false;
}

TemplateNode CVelomarTreeView::NodeOf(const wxTreeItemId& item) const {
    for (std::size_t i = 0; i < items_.size() && item.IsOk(); ++i)
        if (items_[i] == item) return rows_[i].node;
    return {};
}

void CVelomarTreeView::OnRightClick(wxTreeEvent& event) {
    if (!editor_) return;
    const TemplateNode node = NodeOf(event.GetItem());
    const ItemMenu state = editor_->ItemMenuOf(node);
    if (!state.show) return;
    wxMenu menu;
    for (const ItemMenuEntry& entry : ItemMenuEntries())
        if (entry.id)
            menu.Append(entry.id, entry.label);
        else
            menu.AppendSeparator();
    menu.Enable(ID_INSERT_ITEM, state.insert);
    menu.Enable(ID_DELETE_ITEM, state.remove);
    menu.Enable(ID_PROPERTIES_ITEM, state.properties);
    int chosen = wxID_NONE;
    {
        EditorController::Modal modal(*editor_);  // no refresh may rebuild the tree meanwhile
        chosen = GetPopupMenuSelectionFromUser(menu, ScreenToClient(wxGetMousePosition()));
    }
    if (chosen != wxID_NONE) editor_->RunItemCommand(node, chosen);
}

// Enter comes as an activation, as a double-click does.
void CVelomarTreeView::OnKeyDown(wxTreeEvent& event) {
    int key = 0;
    switch (event.GetKeyCode()) {
        case WXK_UP:
            key = editor_keys::Up;
            break;
        case WXK_DOWN:
            key = editor_keys::Down;
            break;
        case WXK_INSERT:
        case WXK_NUMPAD_INSERT:
            key = editor_keys::Insert;
            break;
        case WXK_DELETE:
        case WXK_NUMPAD_DELETE:
            key = editor_keys::Delete;
            break;
        default:
            break;
    }
    const int mods = event.GetKeyEvent().GetModifiers();
    const Shortcut keys{key, (mods & wxMOD_ALT ? editor_keys::Alt : 0) |
                                 (mods & wxMOD_CONTROL ? editor_keys::Ctrl : 0) |
                                 (mods & wxMOD_SHIFT ? editor_keys::Shift : 0)};
    // The tree sees Alt+Up and Alt+Down before the menu's shortcut would.
    if (!editor_ || !editor_->TreeKey(NodeOf(tree_->GetSelection()), keys)) event.Skip();
}
