// CVelomarTreeView: the template tree of the open project (the four
// categories, one node per link and per logo), and the way to edit it: the
// context menu, the Insert and Delete keys and a double-click.
#pragma once

#include <wx/panel.h>
#include <wx/treebase.h>

#include "editor/template_edit.h"

class CInstallerWnd;
class CMainFrame;
class wxMenu;
class wxTreeCtrl;
class wxTreeEvent;

class CVelomarTreeView : public wxPanel {
  public:
    CVelomarTreeView(wxWindow* parent, const wxSize& size, CMainFrame* frame = nullptr);

    // Rebuilds every node; without a project only the root and the categories.
    // Items reaching outside the menu window are marked.
    void RebuildTree(CInstallerWnd* project);

    wxTreeCtrl* Tree() const { return tree_; }

    // A node by its place in the tree, never by its text.
    TemplateNode NodeOf(const wxTreeItemId& item) const;

    // The context menu for a node, greyed as the node allows; null where no
    // menu opens (the root, or no project).
    wxMenu* ItemMenu(const wxTreeItemId& item) const;
    // A context menu command (ID_INSERT_ITEM ... ID_CANCEL_ITEM) on a node.
    void RunItemCommand(const wxTreeItemId& item, int command);

    // The node of a link or logo (of the arranged preview's selection); none is selected
    // for any other node.
    void SelectNode(TemplateNode node);
    bool ShowNodeProperties(TemplateNode node);
    // A change made elsewhere (a move on the preview): marked and refreshed as the tree's own.
    void ProjectEdited() { Changed(true); }

    bool InsertNewItem(const wxTreeItemId& item);
    bool DeleteTemplateItem(const wxTreeItemId& item);
    bool ShowItemProperties(const wxTreeItemId& item);
    // Move Up (-1) and Move Down (+1); the moved node stays selected.
    bool CanMoveItem(int step) const;
    bool MoveItem(const wxTreeItemId& item, int step);

    // Context menu commands.
    enum { ID_INSERT_ITEM = 1001, ID_DELETE_ITEM, ID_PROPERTIES_ITEM, ID_CANCEL_ITEM };

    // Node texts.
    static constexpr const char* ROOT = "Velomar Template";
    static constexpr const char* BACKGROUND = "Background Image";
    static constexpr const char* AUDIO = "Audio";
    static constexpr const char* HYPERLINKS = "Hyper-Links";
    static constexpr const char* LOGOS = "Bitmaps & Logos";

  private:
    CInstallerWnd* Project() const;
    void BeginChange(ItemChange change, NodeKind kind);
    bool RunDialog(ItemDialog dialog, int index);
    template <class Dialog>
    bool RunLive(Dialog& dialog);
    void Changed(bool refresh);
    void PostTemplateChanged();
    void RunRefresh();
    void OnRightClick(wxTreeEvent& event);
    void OnKeyDown(wxTreeEvent& event);
    void OnActivated(wxTreeEvent& event);
    void OnSelected(wxTreeEvent& event);
    wxTreeItemId ItemOf(TemplateNode node) const;

    // While a dialog or the context menu is up.
    class Modal {
      public:
        explicit Modal(CVelomarTreeView* view);
        ~Modal();

      private:
        CVelomarTreeView* view_;
    };

    wxTreeCtrl* tree_;
    CMainFrame* frame_;
    bool refreshQueued_ = false;
    bool selecting_ = false;  // the selection is being set from here, not by the user
    TemplateNode selectAfterRebuild_;  // the root: nothing to select
    int modal_ = 0;
};
