#include "editor/wx/tree_view.h"

#include <wx/sizer.h>
#include <wx/strconv.h>
#include <wx/treectrl.h>

#include "editor/wx/art.h"
#include "editor/wx/command_ids.h"
#include "engine/installer_wnd.h"

namespace {

enum Image { kRoot, kAudio, kBackground, kLogos, kHyperlinks, kItem };

// The slot a link or logo node stands for.
class SlotData : public wxTreeItemData {
  public:
    explicit SlotData(int index) : Index(index) {}
    int Index;
};

// Project texts are Windows single-byte text unless they are valid UTF-8.
wxString NodeText(const OwnedString& text) {
    const std::string& s = ::TextOf(text);
    wxString out = wxString::FromUTF8(s.data(), s.size());
    if (out.empty() && !s.empty())
        out = wxString(s.data(), wxCSConv(wxFONTENCODING_CP1252), s.size());
    return out;
}

}  // namespace

CVelomarTreeView::CVelomarTreeView(wxWindow* parent, const wxSize& size)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, size) {
    tree_ = new wxTreeCtrl(this, ID_TREE_CTRL, wxDefaultPosition, wxDefaultSize,
                           wxTR_HAS_BUTTONS | wxTR_LINES_AT_ROOT | wxBORDER_SIMPLE);
    tree_->AssignImageList(forge_art::TreeImages());
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(tree_, 1, wxEXPAND);
    SetSizer(sizer);
    RebuildTree(nullptr);
}

void CVelomarTreeView::RebuildTree(const CInstallerWnd* project) {
    tree_->DeleteAllItems();
    const wxTreeItemId root = tree_->AddRoot(ROOT, kRoot, kRoot);
    tree_->AppendItem(root, BACKGROUND, kBackground, kBackground);
    tree_->AppendItem(root, AUDIO, kAudio, kAudio);
    const wxTreeItemId links = tree_->AppendItem(root, HYPERLINKS, kHyperlinks, kHyperlinks);
    const wxTreeItemId logos = tree_->AppendItem(root, LOGOS, kLogos, kLogos);
    if (project) {
        const LaunchSettings& s = *project->Settings;
        for (int i = 0; i < s.NumberOfHotSpots && i < MAX_HOTSPOTS; ++i)
            tree_->AppendItem(links, NodeText(s.HotSpotText[i]), kItem, kItem, new SlotData(i));
        for (int i = 0; i < s.NumberOfLogosToDraw && i < MAX_LOGOS; ++i)
            tree_->AppendItem(logos, NodeText(s.LogoBitmapName[i]), kItem, kItem, new SlotData(i));
    }
    tree_->Expand(root);
    tree_->Expand(links);
    tree_->Expand(logos);
}
