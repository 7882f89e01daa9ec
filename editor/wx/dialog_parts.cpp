#include "editor/wx/dialog_parts.h"

#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/strconv.h>
#include <wx/textctrl.h>

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

}  // namespace dialog_parts
