#include "editor/wx/dialog_parts.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/colordlg.h>
#include <wx/dcclient.h>
#include <wx/filedlg.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/strconv.h>
#include <wx/textctrl.h>

#include "editor/forms/colour_text.h"
#include "editor/forms/resource_import.h"
#include "platform/platform.h"

namespace dialog_parts {

wxString ToWx(const std::string& bytes) {
    wxString out = wxString::FromUTF8(bytes.data(), bytes.size());
    if (out.empty() && !bytes.empty())
        out = wxString(bytes.data(), wxCSConv(wxFONTENCODING_CP1252), bytes.size());
    return out;
}

std::string FromWx(const wxString& value, const std::string& shown) {
    if (value == ToWx(shown)) return shown;
    return value.utf8_string();
}

bool BrowseResource(wxWindow* parent, const char* filter, wxTextCtrl* field) {
    platform::Current().services->ShowMessage(RESOURCE_BROWSE_NOTE, platform::MessageButtons::Ok);
    wxFileDialog chooser(parent, wxFileSelectorPromptStr, wxEmptyString, wxEmptyString, filter,
                         wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    if (chooser.ShowModal() != wxID_OK) return false;
    // GTK fills the path only once the chooser was on screen.
    wxString path = chooser.GetPath();
    if (path.empty() && !chooser.GetFilename().empty())
        path = chooser.GetDirectory() + "/" + chooser.GetFilename();
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

bool ColourSwatch::ShownColour(wxColour* colour) const {
    ColourBytes c;
    if (!SwatchColour(field_->GetValue().utf8_string(), &c)) return false;
    *colour = wxColour(c.r, c.g, c.b);
    return true;
}

void ColourSwatch::Follow() {
    const wxString text = field_->GetValue();
    if (text == text_) return;
    text_ = text;
    Refresh();
}

void ColourSwatch::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    wxColour colour;
    if (!ShownColour(&colour)) return;
    dc.SetPen(*wxBLACK_PEN);
    dc.SetBrush(wxBrush(colour));
    dc.DrawRectangle(GetClientRect());
}

wxSizer* Buttons(wxWindow* dialog) {
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    auto* ok = new wxButton(dialog, wxID_OK, "OK");
    ok->SetDefault();
    row->AddStretchSpacer();
    row->Add(ok);
    row->Add(new wxButton(dialog, wxID_CANCEL, "Cancel"), 0, wxLEFT, 8);
    row->Add(new wxButton(dialog, ID_HELP_BUTTON, "Help"), 0, wxLEFT, 8);
    return row;
}

// A radio is only ever checked here: checking one unchecks the rest of its group.
void ShowField(wxWindow* dialog, int id, FieldKind kind, const std::string* text, bool checked,
               bool enabled) {
    wxWindow* control = dialog->FindWindow(id);
    if (auto* edit = wxDynamicCast(control, wxTextCtrl))
        edit->ChangeValue(ToWx(*text));
    else if (kind == FieldKind::Caption)
        control->SetLabel(ToWx(*text));
    else if (auto* box = wxDynamicCast(control, wxCheckBox))
        box->SetValue(checked);
    else if (kind == FieldKind::Radio && checked)
        wxStaticCast(control, wxRadioButton)->SetValue(true);
    control->Enable(enabled);
}

// The checked state of a check box or radio; a name keeps the bytes it was
// shown with, numbers and colours are plain text.
bool TakeField(wxWindow* dialog, int id, FieldKind kind, std::string* text) {
    wxWindow* control = dialog->FindWindow(id);
    if (auto* edit = wxDynamicCast(control, wxTextCtrl)) {
        *text = kind == FieldKind::Name ? FromWx(edit->GetValue(), *text)
                                        : edit->GetValue().utf8_string();
    }
    if (auto* box = wxDynamicCast(control, wxCheckBox)) return box->GetValue();
    if (auto* radio = wxDynamicCast(control, wxRadioButton)) return radio->GetValue();
    return false;
}

void OnFieldChange(wxWindow* dialog, const std::function<void()>& changed) {
    for (auto type : {wxEVT_TEXT, wxEVT_CHECKBOX, wxEVT_RADIOBUTTON})
        dialog->Bind(type, [changed](wxCommandEvent&) { changed(); });
}

CPropertyDlg::CPropertyDlg(wxWindow* parent, const char* title, CInstallerWnd& project,
                           HelpFunction help, const char* helpTopic)
    : wxDialog(parent, wxID_ANY, title), project_(project), help_(std::move(help)) {
    Bind(
        wxEVT_BUTTON,
        [this](wxCommandEvent&) {
            if (Accept()) EndModal(wxID_OK);
        },
        wxID_OK);
    Bind(
        wxEVT_BUTTON,
        [this, helpTopic](wxCommandEvent&) {
            if (help_) help_(helpTopic);
        },
        ID_HELP_BUTTON);
}

}  // namespace dialog_parts
