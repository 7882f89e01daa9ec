// CVelomarTreeView: the template tree of the open project on a TreeView
// control, shown from the controller's rows; a pick, the context menu, the
// keys and a double-click go to the controller. The control is the pane
// itself: its notifications come through the frame.
#pragma once

#include <vector>

#include "editor/template_tree.h"
#include "editor/win32/windows_api.h"

class EditorController;

class CVelomarTreeView {
  public:
    explicit CVelomarTreeView(EditorController& editor) : editor_(&editor) {}
    ~CVelomarTreeView();
    CVelomarTreeView(const CVelomarTreeView&) = delete;
    CVelomarTreeView& operator=(const CVelomarTreeView&) = delete;

    bool Create(HWND parent, int width);
    void ShowRows(const std::vector<TreeRow>& rows, TemplateNode select);
    // Picks the node without telling the controller; none for a node not shown.
    void SelectNode(TemplateNode node);
    TemplateNode Selection() const { return NodeOf(TreeView_GetSelection(tree_)); }
    // The controller is going: nothing is forwarded any more.
    void Detach() { editor_ = nullptr; }

    HWND Tree() const { return tree_; }
    // A node by its place in the tree, never by its text.
    TemplateNode NodeOf(HTREEITEM item) const;
    // The control's notifications, which reach its parent.
    LRESULT OnNotify(NMHDR* header);

  private:
    HTREEITEM ItemAtCursor() const;
    void TrackItemMenu(TemplateNode node);

    EditorController* editor_;
    HWND tree_ = nullptr;
    HIMAGELIST images_ = nullptr;
    std::vector<TreeRow> rows_;
    std::vector<HTREEITEM> items_;  // one per row; each item's data is its row
    bool selecting_ = false;        // the selection is being set from here, not by the user
};
