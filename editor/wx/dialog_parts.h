// What the dialogs share: their widgets made from a layout, text between the
// record's bytes and the controls, and the walks over a form's rows.
#pragma once

#include <wx/dialog.h>
#include <wx/string.h>
#include <wx/window.h>

#include <functional>
#include <string>

#include "editor/command_ids.h"
#include "editor/forms/dialog_layouts.h"
#include "editor/forms/form_access.h"

class CInstallerWnd;

// Opens the user guide at a topic.
using HelpFunction = std::function<void(const std::string& topic)>;

namespace dialog_parts {

// The layout's widgets in the dialog, which is then fitted round them and centred.
void BuildDialog(wxDialog* dialog, const DialogLayout& layout);

// A control the layout made, by its id.
template <class Control>
Control* Find(wxWindow* dialog, int id) {
    return wxStaticCast(dialog->FindWindow(id), Control);
}

// Project texts are Windows single-byte text unless they are valid UTF-8.
wxString ToWx(const std::string& bytes);

// The bytes for a control's value: the shown bytes when the user left it as
// shown (a CP1252 label stays CP1252), else UTF-8.
std::string FromWx(const wxString& value, const std::string& shown);

// One row's control, found by its id: its text or checked state and its
// enabling; then back.
void ShowField(wxWindow* dialog, int id, FieldKind kind, const std::string* text, bool checked,
               bool enabled);
bool TakeField(wxWindow* dialog, int id, FieldKind kind, std::string* text);

// Calls `changed` after any field's change: a text typed, a box or radio clicked.
void OnFieldChange(wxWindow* dialog, const std::function<void()>& changed);

// A property dialog over its form: widgets from the layout, the form loaded
// from the record, read back for OK and for the preview, Help on its topic.
template <class Form>
class CFormDlg : public wxDialog {
  public:
    // A form that did not load (after its message) ends at once, unshown.
    int ShowModal() override { return loaded_ ? wxDialog::ShowModal() : wxID_CANCEL; }
    // The fields as they stand, into the record for the preview (no messages,
    // nothing copied); Cancel's caller puts the record back.
    void PreviewFields() {
        TakeForm();
        PreviewForm(form_, project_, slot_);
    }

  protected:
    CFormDlg(wxWindow* parent, const DialogLayout& layout, CInstallerWnd& project, int slot,
             const HelpFunction& help, const char* helpTopic)
        : wxDialog(parent, wxID_ANY, layout.title), project_(project), slot_(slot) {
        BuildDialog(this, layout);
        loaded_ = LoadForm(form_, project_, slot_);
        // A form that refuses OK (after its message) keeps the dialog open.
        FindWindow(wxID_OK)->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
            TakeForm();
            if (StoreForm(form_, project_, slot_)) EndModal(wxID_OK);
        });
        FindWindow(IDC_HELP_BUTTON)->Bind(wxEVT_BUTTON, [help, helpTopic](wxCommandEvent&) {
            if (help) help(helpTopic);
        });
    }
    // The form's members into the controls its rows name, with their enabling, and back.
    virtual void ShowForm() {
        for (const auto& f : FieldsOf(form_))
            ShowField(this, f.id, f.kind, f.Text(form_), f.Checked(form_), f.Enabled(form_));
    }
    virtual void TakeForm() {
        for (const auto& f : FieldsOf(form_))
            f.TakeChecked(form_, TakeField(this, f.id, f.kind, f.Text(form_)));
    }
    // After each change the form follows, with the enabling, then `then`.
    void FollowChanges(std::function<void()> then) {
        OnFieldChange(this, [this, then] {
            TakeForm();
            for (const auto& f : FieldsOf(form_)) FindWindow(f.id)->Enable(f.Enabled(form_));
            then();
        });
    }

    CInstallerWnd& project_;
    bool loaded_ = true;
    Form form_;
    const int slot_;
};

}  // namespace dialog_parts
