#include "editor/wx/field_buttons.h"

#include <wx/colordlg.h>
#include <wx/dcclient.h>
#include <wx/filedlg.h>
#include <wx/textctrl.h>

#include "editor/forms/colour_text.h"
#include "editor/forms/resource_import.h"
#include "platform/platform.h"

namespace dialog_parts {

// GTK fills the path only once the chooser was on screen.
wxString ChosenPath(const wxFileDialog& chooser) {
    if (!chooser.GetPath().empty() || chooser.GetFilename().empty()) return chooser.GetPath();
    return chooser.GetDirectory() + "/" + chooser.GetFilename();
}

bool BrowseResource(wxWindow* parent, const char* filter, wxTextCtrl* field) {
    platform::Current().services->ShowMessage(RESOURCE_BROWSE_NOTE, platform::MessageButtons::Ok);
    wxFileDialog chooser(parent, wxFileSelectorPromptStr, wxEmptyString, wxEmptyString, filter,
                         wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    if (chooser.ShowModal() != wxID_OK) return false;
    const wxString path = ChosenPath(chooser);
    if (path.empty()) return false;
    field->SetValue(path);
    return true;
}

bool ChooseColour(wxWindow* parent, wxTextCtrl* field, bool preselectEmpty) {
    wxColourData data;
    data.SetChooseFull(true);
    const std::string text = field->GetValue().utf8_string();
    if (!text.empty() || preselectEmpty) {
        const ColourBytes c = ReadColourText(text);
        data.SetColour(wxColour(c.r, c.g, c.b));
    }
    wxColourDialog chooser(parent, &data);
    if (chooser.ShowModal() != wxID_OK) return false;
    const wxColour chosen = chooser.GetColourData().GetColour();
    if (!chosen.IsOk()) return false;
    field->SetValue(ColourText({chosen.Red(), chosen.Green(), chosen.Blue()}));
    return true;
}

ColourSwatch::ColourSwatch(wxWindow* parent, wxTextCtrl* field)
    : wxWindow(parent, wxID_ANY, wxDefaultPosition, wxSize(22, 22), wxBORDER_NONE), field_(field) {
    Bind(wxEVT_PAINT, &ColourSwatch::OnPaint, this);
    field->Bind(wxEVT_TEXT, [this](wxCommandEvent& e) {
        Follow();
        e.Skip();
    });
    // The dialogs fill their fields without a text event: the idle update catches up.
    Bind(wxEVT_UPDATE_UI, [this](wxUpdateUIEvent&) { Follow(); });
    Follow();
}

void ColourSwatch::Follow() {
    const wxString text = field_->GetValue();
    if (text == text_) return;
    text_ = text;
    Refresh();
}

void ColourSwatch::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    ColourBytes c;
    if (!SwatchColour(field_->GetValue().utf8_string(), &c)) return;
    dc.SetPen(*wxBLACK_PEN);
    dc.SetBrush(wxBrush(wxColour(c.r, c.g, c.b)));
    dc.DrawRectangle(GetClientRect());
}

}  // namespace dialog_parts
