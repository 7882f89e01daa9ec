// What the four property dialogs share: the resource browse with its note,
// the colour chooser on a colour text field, and Help.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "editor/forms/form_fields.h"
#include "editor/win32/dialog.h"

class CInstallerWnd;

using HelpFunction = std::function<void(const std::string& topic)>;

class CPropertyDlg : public CDialog {
  public:
    CPropertyDlg(int templateId, CInstallerWnd& project, HelpFunction help, const char* helpTopic)
        : CDialog(templateId), project_(project), help_(std::move(help)), helpTopic_(helpTopic) {}

    // Called after each change of a field with the call that puts the fields
    // into the record.
    std::function<void(const std::function<void()>& write)> OnLiveChange;

  protected:
    // The fields as they stand, into the record for the preview (no messages,
    // nothing copied); the caller puts the record back after Cancel.
    virtual void PreviewFields() {}
    void OnFieldChanged() override {
        if (OnLiveChange) OnLiveChange([this] { PreviewFields(); });
    }

    // Help; subclasses pass on what they do not handle.
    bool OnCommand(int id, int code) override;

    // The note that the file will be copied into res\, then the file chooser
    // ("name|pattern"); the chosen path goes into the field.
    void BrowseResource(const char* filter, int field);
    // The full colour chooser on the colour text in the field; an empty text
    // opens it without a colour unless `preselectEmpty`.
    void ChooseColourFor(int field, bool preselectEmpty = true);
    // The owner-drawn `swatch` shows the colour of the text in `field`, as it
    // changes; a text that names no colour shows none.
    void FollowColour(int field, int swatch) { swatches_.push_back({field, swatch}); }

    // The form's members into the controls its rows name, with their enabling.
    template <class Form>
    void Fill(FormFields<Form> fields, Form& form) {
        for (const FormField<Form>& f : fields)
            Show(f.id, f.kind, f.Text(form), f.Checked(form), f.Enabled(form));
    }
    template <class Form>
    void EnableFields(FormFields<Form> fields, const Form& form) {
        for (const FormField<Form>& f : fields) Enable(f.id, f.Enabled(form));
    }
    // The controls back into the form. A name the code page cannot hold is
    // refused with its message, unless `quiet` (the preview says nothing).
    template <class Form>
    bool Read(FormFields<Form> fields, Form& form, bool quiet = false) {
        for (const FormField<Form>& f : fields) {
            bool checked = false;
            if (!Take(f.id, f.kind, f.Text(form), quiet, &checked)) return false;
            f.TakeChecked(form, checked);
        }
        return true;
    }

    void OnEditChange(int id) override;
    bool OnDrawItem(const DRAWITEMSTRUCT& item) override;

    CInstallerWnd& project_;

  private:
    // One row's control: its text or checked state, and its enabling.
    void Show(int id, FieldKind kind, const std::string* text, bool checked, bool enabled);
    bool Take(int id, FieldKind kind, std::string* text, bool quiet, bool* checked) const;

    HelpFunction help_;
    const char* helpTopic_;
    struct Swatch {
        int field, swatch;
    };
    std::vector<Swatch> swatches_;
};
