// The tree's edits: insert, delete, move and properties, each an undo step;
// the refresh they queue, and the selection kept across the rebuild.
#include <utility>

#include "editor/forms/live_preview.h"
#include "editor/editor_controller.h"
#include "engine/installer_wnd.h"

void EditorController::RebuildTree() {
    arranger_.WindowShown();
    // Only a link or logo stays picked.
    const TemplateNode select = std::exchange(selectAfterRebuild_, TemplateNode{});
    const bool item = select.kind == NodeKind::Hyperlink || select.kind == NodeKind::Logo;
    face_.ShowTree(TreeRows(Project()), item ? select : TemplateNode{});
    // Arranging, the preview's pick leads; otherwise the tree keeps its own.
    if (arranger_.IsOn()) face_.SelectInTree(arranger_.Selection());
}

// A node picked in the tree is picked on the arranged preview too.
void EditorController::TreePicked(TemplateNode node) { arranger_.Select(node); }

// Until the refresh ran, the tree's nodes no longer match the project (a slot
// moved up, a new one has no node), so no edit acts on them.
ItemMenu EditorController::ItemMenuOf(TemplateNode node) const {
    return refreshQueued_ ? ItemMenu{} : MenuFor(Project(), node);
}

void EditorController::RunItemCommand(TemplateNode node, int id) {
    switch (id) {
        case ID_INSERT_ITEM:
            InsertItem(node);
            break;
        case ID_DELETE_ITEM:
            DeleteItem(node);
            break;
        case ID_PROPERTIES_ITEM:
            EditProperties(node);
            break;
        case ID_MOVE_UP:
        case ID_MOVE_DOWN:
            MoveItem(node, id == ID_MOVE_UP ? -1 : 1);
            break;
        default:
            break;
    }
}

bool EditorController::TreeKey(TemplateNode node, Shortcut keys) {
    const int id = TreeKeyCommand(keys);
    if (id) RunItemCommand(node, id);
    return id != 0;
}

void EditorController::BeginChange(ItemChange change, NodeKind kind) {
    session_.BeginChange(StepName(change, kind));
}

bool EditorController::InsertItem(TemplateNode node) {
    CInstallerWnd* project = Project();
    if (!project || refreshQueued_) return false;
    BeginChange(ItemChange::Insert, node.kind);
    const bool changed = ::InsertNewItem(
        project, node, [this](ItemDialog d, int index) { return RunDialog(d, index); });
    if (changed) Changed(true);
    return changed;
}

bool EditorController::DeleteItem(TemplateNode node) {
    CInstallerWnd* project = Project();
    if (!project || refreshQueued_) return false;
    BeginChange(ItemChange::Delete, node.kind);
    const bool changed = ::DeleteTemplateItem(project, node);
    if (changed) Changed(true);
    return changed;
}

bool EditorController::CanMoveItem(TemplateNode node, int step) const {
    return !refreshQueued_ && ::CanMoveItem(Project(), node, step);
}

// The moved node stays selected.
bool EditorController::MoveItem(TemplateNode node, int step) {
    if (!CanMoveItem(node, step)) return false;
    BeginChange(step < 0 ? ItemChange::MoveUp : ItemChange::MoveDown, node.kind);
    ::MoveTemplateItem(Project(), node, step);
    selectAfterRebuild_ = {node.kind, node.index + step};
    Changed(true);
    return true;
}

bool EditorController::EditProperties(TemplateNode node) {
    if (!Project() || refreshQueued_) return true;
    const ItemDialog dialog = DialogFor(node);
    if (dialog == ItemDialog::None) return true;
    BeginChange(ItemChange::Edit, node.kind);
    if (!RunDialog(dialog, node.index)) return true;
    selectAfterRebuild_ = node;
    Changed(dialog != ItemDialog::Audio);  // sounds do not show in the still preview
    return true;
}

// After the double-click that asked for it: the dialog's refresh remakes the
// window the click is still in.
void EditorController::ShowProperties(TemplateNode item) {
    face_.Post([this, item] { EditProperties(item); });
}

// While the dialog is open, its fields show in the preview as they change;
// any end but OK puts the record and the preview back as they were.
bool EditorController::RunDialog(ItemDialog dialog, int index) {
    CInstallerWnd* project = Project();
    if (!project) return false;
    Modal modal(*this);
    if (dialog == ItemDialog::Audio) return face_.RunPropertyDialog(dialog, index, {});
    LiveEdit live(*project->Settings, [this] { session_.ShowRecord(); });
    return live.End(face_.RunPropertyDialog(
        dialog, index, [&live](const std::function<void()>& write) { live.Preview(write); }));
}

// The refresh is queued: it saves, reopens and rebuilds the tree, which must
// not happen inside the tree's own event. Marking first lets it save.
void EditorController::Changed(bool refresh) {
    session_.SetModified(true);
    if (!refresh || refreshQueued_) return;
    refreshQueued_ = true;
    face_.Post([this] { RunRefresh(); });
}

// A dialog or menu still up holds the project or a node: the refresh waits
// for it to end (a held Insert key can open a second dialog before it runs).
void EditorController::RunRefresh() {
    if (!refreshQueued_ || modal_ > 0) return;
    refreshQueued_ = false;
    if (Project()) Reload(false);
}

EditorController::Modal::~Modal() {
    if (--editor_.modal_ == 0 && editor_.refreshQueued_)
        editor_.face_.Post([&editor = editor_] { editor.RunRefresh(); });
}
