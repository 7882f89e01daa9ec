// What the layout's file and colour buttons do to their fields, and the
// colour swatch beside a colour field.
#pragma once

#include <wx/window.h>

class wxFileDialog;
class wxTextCtrl;

namespace dialog_parts {

// The file a chooser ended on ("" for none).
wxString ChosenPath(const wxFileDialog& chooser);

// The note that the file will be copied into res\, then the file chooser. True
// (with the chosen path in `field`) when the user picked a file.
bool BrowseResource(wxWindow* parent, const char* filter, wxTextCtrl* field);

// The full colour dialog on the colour text in `field`; an empty text opens it
// without a colour when `preselectEmpty` is false. True when a colour was chosen.
bool ChooseColour(wxWindow* parent, wxTextCtrl* field, bool preselectEmpty);

// A patch of the colour that a colour field's text names. It follows the text
// as the user types (and as the dialog sets it); a text that names no colour
// shows no patch.
class ColourSwatch : public wxWindow {
  public:
    ColourSwatch(wxWindow* parent, wxTextCtrl* field);
    // Only a picture: Tab passes it by.
    bool AcceptsFocus() const override { return false; }

  private:
    void Follow();
    void OnPaint(wxPaintEvent&);

    wxTextCtrl* field_;
    wxString text_;  // the text last painted
};

}  // namespace dialog_parts
