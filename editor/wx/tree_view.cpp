#include "editor/wx/tree_view.h"

#include <wx/menu.h>
#include <wx/sizer.h>
#include <wx/treectrl.h>

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include "editor/dialogs/live_preview.h"
#include "editor/item_layout.h"
#include "editor/wx/art.h"
#include "editor/wx/audio_dlg.h"
#include "editor/wx/background_dlg.h"
#include "editor/wx/command_ids.h"
#include "editor/wx/demo_wnd.h"
#include "editor/wx/dialog_parts.h"
#include "editor/wx/hyperlink_dlg.h"
#include "editor/wx/logo_dlg.h"
#include "editor/wx/main_frame.h"
#include "engine/installer_wnd.h"

namespace {

enum Image { kRoot, kAudio, kBackground, kLogos, kHyperlinks, kItem };

// The slot a link or logo node stands for.
class SlotData : public wxTreeItemData {
  public:
    explicit SlotData(int index) : Index(index) {}
    int Index;
};

}  // namespace

CVelomarTreeView::CVelomarTreeView(wxWindow* parent, const wxSize& size, CMainFrame* frame)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, size), frame_(frame) {
    tree_ = new wxTreeCtrl(this, ID_TREE_CTRL, wxDefaultPosition, wxDefaultSize,
                           wxTR_HAS_BUTTONS | wxTR_LINES_AT_ROOT | wxBORDER_SIMPLE);
    tree_->AssignImageList(forge_art::TreeImages());
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(tree_, 1, wxEXPAND);
    SetSizer(sizer);
    RebuildTree(nullptr);
    tree_->Bind(wxEVT_TREE_ITEM_RIGHT_CLICK, &CVelomarTreeView::OnRightClick, this);
    tree_->Bind(wxEVT_TREE_KEY_DOWN, &CVelomarTreeView::OnKeyDown, this);
    tree_->Bind(wxEVT_TREE_ITEM_ACTIVATED, &CVelomarTreeView::OnActivated, this);
    tree_->Bind(wxEVT_TREE_SEL_CHANGED, &CVelomarTreeView::OnSelected, this);
}

void CVelomarTreeView::RebuildTree(CInstallerWnd* project) {
    selecting_ = true;
    tree_->DeleteAllItems();
    const wxTreeItemId root = tree_->AddRoot(ROOT, kRoot, kRoot);
    tree_->AppendItem(root, BACKGROUND, kBackground, kBackground);
    tree_->AppendItem(root, AUDIO, kAudio, kAudio);
    const wxTreeItemId links = tree_->AppendItem(root, HYPERLINKS, kHyperlinks, kHyperlinks);
    const wxTreeItemId logos = tree_->AppendItem(root, LOGOS, kLogos, kLogos);
    const TemplateNode select = std::exchange(selectAfterRebuild_, TemplateNode{});
    wxTreeItemId selected;
    if (project) {
        const std::vector<TemplateNode> outside = ItemsOutside(*project);
        const LaunchSettings& s = *project->Settings;
        for (NodeKind kind : {NodeKind::Hyperlink, NodeKind::Logo}) {
            const int count =
                kind == NodeKind::Hyperlink ? s.NumberOfHotSpots : s.NumberOfLogosToDraw;
            const int slots = kind == NodeKind::Hyperlink ? MAX_HOTSPOTS : MAX_LOGOS;
            for (int i = 0; i < count && i < slots; ++i) {
                const bool out = std::any_of(outside.begin(), outside.end(), [&](TemplateNode n) {
                    return n.kind == kind && n.index == i;
                });
                const wxTreeItemId node =
                    tree_->AppendItem(kind == NodeKind::Hyperlink ? links : logos,
                                      dialog_parts::ToWx(ItemLabel(ItemName(s, {kind, i}), out)),
                                      kItem, kItem, new SlotData(i));
                if (out) tree_->SetItemTextColour(node, *wxRED);
                if (select.kind == kind && select.index == i) selected = node;
            }
        }
    }
    tree_->Expand(root);
    tree_->Expand(links);
    tree_->Expand(logos);
    selecting_ = false;
    // A moved item stays picked, on the arranged preview too.
    if (selected.IsOk()) tree_->SelectItem(selected);
}

wxTreeItemId CVelomarTreeView::ItemOf(TemplateNode node) const {
    const wxTreeItemId root = tree_->GetRootItem();
    if (!root.IsOk() || (node.kind != NodeKind::Hyperlink && node.kind != NodeKind::Logo))
        return {};
    wxTreeItemIdValue cookie;
    for (wxTreeItemId c = tree_->GetFirstChild(root, cookie); c.IsOk();
         c = tree_->GetNextChild(root, cookie)) {
        wxTreeItemIdValue inner;
        for (wxTreeItemId i = tree_->GetFirstChild(c, inner); i.IsOk();
             i = tree_->GetNextChild(c, inner)) {
            const TemplateNode n = NodeOf(i);
            if (n.kind == node.kind && n.index == node.index) return i;
        }
    }
    return {};
}

void CVelomarTreeView::SelectNode(TemplateNode node) {
    const wxTreeItemId item = ItemOf(node);
    selecting_ = true;
    if (item.IsOk())
        tree_->SelectItem(item);
    else
        tree_->UnselectAll();
    selecting_ = false;
}

bool CVelomarTreeView::ShowNodeProperties(TemplateNode node) {
    const wxTreeItemId item = ItemOf(node);
    return item.IsOk() && ShowItemProperties(item);
}

// A node picked in the tree is picked on the arranged preview too.
void CVelomarTreeView::OnSelected(wxTreeEvent& event) {
    event.Skip();
    if (selecting_ || !frame_ || !frame_->DemoWnd) return;
    frame_->DemoWnd->Arrange().Select(NodeOf(event.GetItem()));
}

TemplateNode CVelomarTreeView::NodeOf(const wxTreeItemId& item) const {
    const wxTreeItemId root = tree_->GetRootItem();
    if (!item.IsOk() || item == root) return {NodeKind::Root, 0};
    const wxTreeItemId parent = tree_->GetItemParent(item);
    if (parent == root) {
        // The categories in the order RebuildTree makes them.
        static const NodeKind kinds[] = {NodeKind::Background, NodeKind::Audio,
                                         NodeKind::HyperlinkCategory, NodeKind::LogoCategory};
        wxTreeItemIdValue cookie;
        int place = 0;
        for (wxTreeItemId c = tree_->GetFirstChild(root, cookie); c.IsOk() && place < 4;
             c = tree_->GetNextChild(root, cookie), ++place)
            if (c == item) return {kinds[place], 0};
        return {NodeKind::Root, 0};
    }
    const auto* slot = dynamic_cast<const SlotData*>(tree_->GetItemData(item));
    const TemplateNode category = NodeOf(parent);
    const int index = slot ? slot->Index : 0;
    if (category.kind == NodeKind::HyperlinkCategory) return {NodeKind::Hyperlink, index};
    if (category.kind == NodeKind::LogoCategory) return {NodeKind::Logo, index};
    return {NodeKind::Root, 0};
}

CInstallerWnd* CVelomarTreeView::Project() const {
    return frame_ && frame_->DemoWnd ? frame_->DemoWnd->GetInstallerWnd() : nullptr;
}

void CVelomarTreeView::BeginChange(ItemChange change, NodeKind kind) {
    if (frame_ && frame_->DemoWnd) frame_->DemoWnd->BeginChange(StepName(change, kind));
}

wxMenu* CVelomarTreeView::ItemMenu(const wxTreeItemId& item) const {
    if (!item.IsOk()) return nullptr;
    const ::ItemMenu entries = MenuFor(Project(), NodeOf(item));
    if (!entries.show) return nullptr;
    auto* menu = new wxMenu;
    menu->Append(ID_INSERT_ITEM, "Insert new item");
    menu->Append(ID_DELETE_ITEM, "Delete item");
    menu->Append(ID_PROPERTIES_ITEM, "Properties...");
    menu->AppendSeparator();
    menu->Append(ID_CANCEL_ITEM, "Cancel");
    menu->Enable(ID_INSERT_ITEM, entries.insert);
    menu->Enable(ID_DELETE_ITEM, entries.remove);
    menu->Enable(ID_PROPERTIES_ITEM, entries.properties);
    return menu;
}

void CVelomarTreeView::RunItemCommand(const wxTreeItemId& item, int command) {
    switch (command) {
        case ID_INSERT_ITEM:
            InsertNewItem(item);
            break;
        case ID_DELETE_ITEM:
            DeleteTemplateItem(item);
            break;
        case ID_PROPERTIES_ITEM:
            ShowItemProperties(item);
            break;
        default:
            break;
    }
}

void CVelomarTreeView::OnRightClick(wxTreeEvent& event) {
    const wxTreeItemId item = event.GetItem();
    std::unique_ptr<wxMenu> menu(refreshQueued_ ? nullptr : ItemMenu(item));
    if (!menu) return;
    int chosen = wxID_NONE;
    {
        Modal modal(this);  // no refresh may rebuild `item` while the menu is up
        chosen = GetPopupMenuSelectionFromUser(*menu, ScreenToClient(wxGetMousePosition()));
    }
    if (chosen != wxID_NONE) RunItemCommand(item, chosen);
}

void CVelomarTreeView::OnKeyDown(wxTreeEvent& event) {
    const int key = event.GetKeyCode();
    // The tree sees Alt+Up and Alt+Down before the menu's shortcut would.
    const bool alt = event.GetKeyEvent().GetModifiers() == wxMOD_ALT;
    if (alt && (key == WXK_UP || key == WXK_DOWN))
        MoveItem(tree_->GetSelection(), key == WXK_UP ? -1 : 1);
    else if (key == WXK_INSERT || key == WXK_NUMPAD_INSERT)
        InsertNewItem(tree_->GetSelection());
    else if (key == WXK_DELETE || key == WXK_NUMPAD_DELETE)
        DeleteTemplateItem(tree_->GetSelection());
    else
        event.Skip();
}

void CVelomarTreeView::OnActivated(wxTreeEvent& event) {
    ShowItemProperties(event.GetItem());
    event.Skip();  // the control still expands or collapses
}

bool CVelomarTreeView::InsertNewItem(const wxTreeItemId& item) {
    CInstallerWnd* project = Project();
    if (!item.IsOk() || !project || refreshQueued_) return false;
    const TemplateNode node = NodeOf(item);
    BeginChange(ItemChange::Insert, node.kind);
    const bool changed = ::InsertNewItem(
        project, node, [this](ItemDialog d, int index) { return RunDialog(d, index); });
    if (changed) Changed(true);
    return changed;
}

bool CVelomarTreeView::DeleteTemplateItem(const wxTreeItemId& item) {
    CInstallerWnd* project = Project();
    if (!item.IsOk() || !project || refreshQueued_) return false;
    const TemplateNode node = NodeOf(item);
    BeginChange(ItemChange::Delete, node.kind);
    const bool changed = ::DeleteTemplateItem(project, node);
    if (changed) Changed(true);
    return changed;
}

bool CVelomarTreeView::CanMoveItem(int step) const {
    return !refreshQueued_ && ::CanMoveItem(Project(), NodeOf(tree_->GetSelection()), step);
}

bool CVelomarTreeView::MoveItem(const wxTreeItemId& item, int step) {
    CInstallerWnd* project = Project();
    if (!item.IsOk() || !project || refreshQueued_) return false;
    const TemplateNode node = NodeOf(item);
    if (!::CanMoveItem(project, node, step)) return false;
    BeginChange(step < 0 ? ItemChange::MoveUp : ItemChange::MoveDown, node.kind);
    ::MoveTemplateItem(project, node, step);
    selectAfterRebuild_ = {node.kind, node.index + step};
    Changed(true);
    return true;
}

bool CVelomarTreeView::ShowItemProperties(const wxTreeItemId& item) {
    if (!item.IsOk() || !Project() || refreshQueued_) return true;
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
    if (!project) return false;
    const HelpFunction help = [this](const std::string& topic) {
        if (frame_) frame_->ShowHelp(topic);
    };
    wxWindow* owner = frame_ ? static_cast<wxWindow*>(frame_) : this;
    Modal modal(this);
    switch (dialog) {
        case ItemDialog::Background: {
            CBackgroundPropertiesDlg d(owner, *project, help);
            return RunLive(d);
        }
        case ItemDialog::Audio:
            return CAudioPropertiesDlg(owner, *project, help).ShowModal() == wxID_OK;
        case ItemDialog::Hyperlink: {
            CHyperlinkPropertiesDlg d(owner, *project, index, help);
            return RunLive(d);
        }
        case ItemDialog::Logo: {
            CLogoPropertiesDlg d(owner, *project, index, help);
            return RunLive(d);
        }
        case ItemDialog::None:
            break;
    }
    return false;
}

// While the dialog is open, its fields show in the preview as they change
// (looked at whenever the dialog is idle, so the colour chooser and the
// browse buttons count too); any end but OK puts the record and the preview
// back as they were.
template <class Dialog>
bool CVelomarTreeView::RunLive(Dialog& dialog) {
    LiveEdit live(*Project()->Settings, [this] { frame_->DemoWnd->ShowRecord(); });
    dialog.Bind(wxEVT_IDLE, [&](wxIdleEvent& e) {
        e.Skip();
        if (!dialog.IsModal()) return;
        live.Preview([&dialog] { dialog.PreviewFields(); });
    });
    return live.End(dialog.ShowModal() == wxID_OK);
}

// The refresh is queued: it saves, reopens and rebuilds these nodes, which must
// not happen inside the tree's own event. Marking first lets it save.
void CVelomarTreeView::Changed(bool refresh) {
    if (frame_ && frame_->DemoWnd) frame_->DemoWnd->SetModified(true);
    if (refresh) PostTemplateChanged();
}

// Until the refresh ran, the nodes no longer match the project (a slot moved
// up, a new one has no node), so the editing calls refuse to act on them.
void CVelomarTreeView::PostTemplateChanged() {
    if (refreshQueued_) return;
    refreshQueued_ = true;
    CallAfter(&CVelomarTreeView::RunRefresh);
}

// A dialog or menu still up holds the project or a node: the refresh waits
// for it to end (a held Insert key can open a second dialog before it runs).
void CVelomarTreeView::RunRefresh() {
    if (!refreshQueued_ || modal_ > 0) return;
    refreshQueued_ = false;
    if (frame_ && frame_->DemoWnd && frame_->DemoWnd->GetInstallerWnd())
        frame_->DemoWnd->ReloadProject(false);
}

CVelomarTreeView::Modal::Modal(CVelomarTreeView* view) : view_(view) { ++view_->modal_; }

CVelomarTreeView::Modal::~Modal() {
    if (--view_->modal_ == 0 && view_->refreshQueued_)
        view_->CallAfter(&CVelomarTreeView::RunRefresh);
}
