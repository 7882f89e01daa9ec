// What the four property dialogs share: text between the record's bytes and
// the controls, the resource browse, the colour chooser and the row layout.
#pragma once

#include <wx/dialog.h>
#include <wx/string.h>
#include <wx/window.h>

#include <functional>
#include <string>

#include "editor/command_ids.h"
#include "editor/forms/form_fields.h"

class CInstallerWnd;
class wxSizer;
class wxTextCtrl;
class wxWindow;

// Opens the user guide at a topic.
using HelpFunction = std::function<void(const std::string& topic)>;

namespace dialog_parts {

constexpr int ID_HELP_BUTTON = IDC_HELP_BUTTON;

// Project texts are Windows single-byte text unless they are valid UTF-8.
wxString ToWx(const std::string& bytes);

// The bytes for a control's value: the shown bytes when the user left it as
// shown (a CP1252 label stays CP1252), else UTF-8.
std::string FromWx(const wxString& value, const std::string& shown);

// The note that the file will be copied into res\, then the file chooser. True
// (with the chosen path in `field`) when the user picked a file.
bool BrowseResource(wxWindow* parent, const char* filter, wxTextCtrl* field);

// The full colour dialog on the colour text in `field`; an empty text opens it
// without a colour when `preselectEmpty` is false. True when a colour was chosen.
bool ChooseColour(wxWindow* parent, wxTextCtrl* field, bool preselectEmpty = true);

// A patch of the colour that a colour field's text names, beside the field. It
// follows the text as the user types (and as the dialog sets it); a text that
// names no colour shows no patch.
class ColourSwatch : public wxWindow {
  public:
    ColourSwatch(wxWindow* parent, wxTextCtrl* field);
    // Only a picture: Tab passes it by.
    bool AcceptsFocus() const override { return false; }
    // The colour of the field's text, which a paint shows, when it names one.
    bool ShownColour(wxColour* colour) const;

  private:
    void Follow();
    void OnPaint(wxPaintEvent&);

    wxTextCtrl* field_;
    wxString text_;  // the text last painted
};

// One row's control, found by its id: its text or checked state and its
// enabling; then back.
void ShowField(wxWindow* dialog, int id, FieldKind kind, const std::string* text, bool checked,
               bool enabled);
bool TakeField(wxWindow* dialog, int id, FieldKind kind, std::string* text);

// Calls `changed` after any field's change: a text typed, a box or radio clicked.
void OnFieldChange(wxWindow* dialog, const std::function<void()>& changed);

// The form's members into the controls its rows name, with their enabling.
template <class Form>
void Fill(wxWindow* dialog, FormFields<Form> fields, Form& form) {
    for (const FormField<Form>& f : fields)
        ShowField(dialog, f.id, f.kind, f.Text(form), f.Checked(form), f.Enabled(form));
}

template <class Form>
void EnableFields(wxWindow* dialog, FormFields<Form> fields, const Form& form) {
    for (const FormField<Form>& f : fields) dialog->FindWindow(f.id)->Enable(f.Enabled(form));
}

// The controls back into the form.
template <class Form>
void Read(wxWindow* dialog, FormFields<Form> fields, Form& form) {
    for (const FormField<Form>& f : fields)
        f.TakeChecked(form, TakeField(dialog, f.id, f.kind, f.Text(form)));
}

// What each property dialog has: its record, OK through Accept, Help on its
// topic, and a form that may refuse to load.
class CPropertyDlg : public wxDialog {
  public:
    CPropertyDlg(wxWindow* parent, const char* title, CInstallerWnd& project, HelpFunction help,
                 const char* helpTopic);
    // A form that did not load (after its message) ends at once, unshown.
    int ShowModal() override { return loaded_ ? wxDialog::ShowModal() : wxID_CANCEL; }

  protected:
    // The controls into the form, the form into the record; false keeps the dialog open.
    virtual bool Accept() = 0;

    CInstallerWnd& project_;
    bool loaded_ = true;

  private:
    HelpFunction help_;
};

// OK, Cancel and Help in a row.
wxSizer* Buttons(wxWindow* dialog);

}  // namespace dialog_parts
