// The floor the editor's start-up is measured against: a wx frame of the
// editor's default size with a splitter, a tree on the left and, on the right,
// one picture centred where the editor shows its preview.
//   velomar_minimal_wx_editor PICTURE.png
#include <wx/splitter.h>
#include <wx/treectrl.h>
#include <wx/wx.h>

namespace {

class Preview : public wxWindow {
  public:
    Preview(wxWindow* parent, const wxBitmap& picture)
        : wxWindow(parent, wxID_ANY), picture_(picture) {
        SetBackgroundStyle(wxBG_STYLE_PAINT);
        Bind(wxEVT_PAINT, [this](wxPaintEvent&) {
            wxPaintDC dc(this);
            dc.SetBackground(*wxLIGHT_GREY_BRUSH);
            dc.Clear();
            const wxSize area = GetClientSize();
            dc.DrawBitmap(picture_, (area.x - picture_.GetWidth()) / 2,
                          (area.y - picture_.GetHeight()) / 2);
        });
    }

  private:
    wxBitmap picture_;
};

class App : public wxApp {
  public:
    bool OnInit() override {
        if (argc != 2) return false;
        wxImage::AddHandler(new wxPNGHandler);
        wxImage image;
        if (!image.LoadFile(argv[1], wxBITMAP_TYPE_PNG)) return false;
        auto* frame = new wxFrame(nullptr, wxID_ANY, "Minimal", wxPoint(0, 10), wxSize(950, 600));
        auto* splitter = new wxSplitterWindow(frame, wxID_ANY);
        auto* tree = new wxTreeCtrl(splitter, wxID_ANY);
        const wxTreeItemId root = tree->AddRoot("Project");
        for (const char* item : {"Background", "Logos", "Links", "Sounds"})
            tree->AppendItem(root, item);
        tree->ExpandAll();
        splitter->SplitVertically(tree, new Preview(splitter, wxBitmap(image)), 250);
        frame->Show();
        return true;
    }
};

}  // namespace

wxIMPLEMENT_APP(App);
