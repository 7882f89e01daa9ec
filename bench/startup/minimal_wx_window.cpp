// The floor velomar's start-up is measured against: a wx program that shows
// one picture in a 640 x 440 borderless window with a black one-pixel frame,
// where the runtime puts its menu.
//   velomar_minimal_wx PICTURE.png
#include <wx/wx.h>

namespace {

class Window : public wxFrame {
  public:
    explicit Window(const wxBitmap& picture)
        : wxFrame(nullptr, wxID_ANY, "Minimal", wxPoint(192, 164), wxSize(640, 440), wxBORDER_NONE),
          picture_(picture) {
        SetBackgroundStyle(wxBG_STYLE_PAINT);
        Bind(wxEVT_PAINT, [this](wxPaintEvent&) {
            wxPaintDC dc(this);
            dc.SetPen(*wxBLACK_PEN);
            dc.SetBrush(*wxTRANSPARENT_BRUSH);
            dc.DrawRectangle(0, 0, 640, 440);
            dc.DrawBitmap(picture_, 1, 1);
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
        (new Window(wxBitmap(image)))->Show();
        return true;
    }
};

}  // namespace

wxIMPLEMENT_APP(App);
