// CVelomarTreeView: the template tree of the open project (the four
// categories, one node per link and per logo).
#pragma once

#include <wx/panel.h>

class CInstallerWnd;
class wxTreeCtrl;

class CVelomarTreeView : public wxPanel {
  public:
    CVelomarTreeView(wxWindow* parent, const wxSize& size);

    // Rebuilds every node; without a project only the root and the categories.
    void RebuildTree(const CInstallerWnd* project);

    wxTreeCtrl* Tree() const { return tree_; }

    // Node texts.
    static constexpr const char* ROOT = "Velomar Template";
    static constexpr const char* BACKGROUND = "Background Image";
    static constexpr const char* AUDIO = "Audio";
    static constexpr const char* HYPERLINKS = "Hyper-Links";
    static constexpr const char* LOGOS = "Bitmaps & Logos";

  private:
    wxTreeCtrl* tree_;
};
