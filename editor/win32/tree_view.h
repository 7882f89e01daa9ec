// CVelomarTreeView: the template tree of the open project (the four
// categories, one node per link and per logo) on a TreeView control, and the
// way to edit it: the context menu, the Insert and Delete keys and a
// double-click.
#pragma once

#include "editor/template_edit.h"
#include "editor/win32/native_window.h"

class CInstallerWnd;
class CMainFrame;

class CVelomarTreeView : public CNativeWindow {
  public:
    explicit CVelomarTreeView(CMainFrame* frame) : frame_(frame) {}
    ~CVelomarTreeView() override;

    bool Create(HWND parent, int id, int width);

    // Rebuilds every node; without a project only the root and the categories.
    // Items reaching outside the menu window are marked.
    void RebuildTree(CInstallerWnd* project);

    HWND Tree() const { return tree_; }
    // A node by its place in the tree, never by its text.
    TemplateNode NodeOf(HTREEITEM item) const;

    // The node of a link or logo (of the arranged preview's selection); none is
    // selected for any other node.
    void SelectNode(TemplateNode node);
    bool ShowNodeProperties(TemplateNode node);
    // A change made elsewhere (a move on the preview): marked and refreshed as the tree's own.
    void ProjectEdited() { Changed(true); }

    bool InsertNewItem(HTREEITEM item);
    bool DeleteTemplateItem(HTREEITEM item);
    bool ShowItemProperties(HTREEITEM item);
    // Move Up (-1) and Move Down (+1) on the selected node; it stays selected.
    bool CanMoveItem(int step) const;
    bool MoveItem(int step);

    // Posted to the view after a change; its handler reloads the preview.
    static constexpr UINT WM_TEMPLATE_CHANGED = 0x0900;

    // Node texts.
    static constexpr const char* ROOT = "Velomar Template";
    static constexpr const char* BACKGROUND = "Background Image";
    static constexpr const char* AUDIO = "Audio";
    static constexpr const char* HYPERLINKS = "Hyper-Links";
    static constexpr const char* LOGOS = "Bitmaps & Logos";

  protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    CInstallerWnd* Project() const;
    void BeginChange(ItemChange change, NodeKind kind);
    HTREEITEM Insert(HTREEITEM parent, const char* text, int image, LPARAM data);
    HTREEITEM ItemAtCursor() const;
    HTREEITEM ItemOf(TemplateNode node) const;
    void TrackItemMenu(HTREEITEM item);
    bool RunDialog(ItemDialog dialog, int index);
    void Changed(bool refresh);
    void RunRefresh();
    LRESULT OnNotify(NMHDR* header);

    // While a dialog or the context menu is up, a refresh waits.
    class Modal {
      public:
        explicit Modal(CVelomarTreeView* view) : view_(view) { ++view_->modal_; }
        ~Modal();

      private:
        CVelomarTreeView* view_;
    };

    CMainFrame* frame_;
    HWND tree_ = nullptr;
    HIMAGELIST images_ = nullptr;
    bool refreshQueued_ = false;
    bool selecting_ = false;  // the selection is being set from here, not by the user
    TemplateNode selectAfterRebuild_;  // the root: nothing to select
    int modal_ = 0;
};
