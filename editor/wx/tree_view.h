// CVelomarTreeView: the template tree of the open project, shown from the
// controller's rows; a pick, the context menu, the keys and a double-click go
// to the controller.
#pragma once

#include <wx/panel.h>
#include <wx/treebase.h>

#include <vector>

#include "editor/template_tree.h"

class EditorController;
class wxTreeCtrl;
class wxTreeEvent;

class CVelomarTreeView : public wxPanel {
  public:
    CVelomarTreeView(wxWindow* parent, const wxSize& size, EditorController& editor);

    void ShowRows(const std::vector<TreeRow>& rows, TemplateNode select);
    // Picks the node without telling the controller; none for a node not shown.
    void SelectNode(TemplateNode node);
    // The controller is going: nothing is forwarded any more.
    void Detach() { editor_ = nullptr; }

    wxTreeCtrl* Tree() const { return tree_; }
    // A node by its place in the tree, never by its text.
    TemplateNode NodeOf(const wxTreeItemId& item) const;

  private:
    void OnRightClick(wxTreeEvent& event);
    void OnKeyDown(wxTreeEvent& event);

    wxTreeCtrl* tree_;
    EditorController* editor_;
    std::vector<TreeRow> rows_;
    std::vector<wxTreeItemId> items_;  // one per row
    bool selecting_ = false;           // the selection is being set from here, not by the user
};
