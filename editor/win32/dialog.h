// CDialog: a modal dialog from a resource template, and the data exchange
// between its controls and the members of its form. Number fields stay text
// here: the core's forms parse them ("Please enter an integer.").
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "editor/forms/form_fields.h"
#include "editor/win32/windows_api.h"
#include "platform/window.h"

using HelpFunction = std::function<void(const std::string& topic)>;

class CDialog {
  public:
    // `helpTopic`: the user guide's topic of the dialog's Help button.
    explicit CDialog(int templateId, const char* helpTopic = nullptr)
        : templateId_(templateId), helpTopic_(helpTopic) {}
    virtual ~CDialog() = default;
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // IDOK, IDCANCEL, or -1 when the dialog could not be made.
    INT_PTR DoModal(HWND owner);
    HWND hwnd() const { return hwnd_; }

    // The window the user is working in: the innermost open dialog, else the
    // frame. Message boxes (through the platform's main window) and the
    // system's dialogs are owned by it, because closing one re-enables its
    // owner: owned by the frame, a message under a dialog would hand the tree,
    // the menus and Exit back to the user while the dialog holds its item.
    static HWND Owner();
    static bool AnyOpen() { return innermost_ != nullptr; }
    // The frame's platform window (null once it goes): the owner while no
    // dialog is open; and the frame's Help.
    static void SetFrame(platform::Window* frame, HelpFunction help);

  protected:
    // Put the members into the controls.
    virtual void OnInitDialog() {}
    // A button or an edit's notification; true when handled.
    virtual bool OnCommand(int /*id*/, int /*code*/) { return false; }
    // Take the controls into the members; false keeps the dialog open.
    virtual bool OnOK() { return true; }
    virtual void OnPaint() {}
    // An owner-drawn control; true when drawn.
    virtual bool OnDrawItem(const DRAWITEMSTRUCT& /*item*/) { return false; }
    // A field changed (an edit's text, a button or radio clicked).
    virtual void OnFieldChanged(int /*id*/) {}

    void EndDialog(INT_PTR result) { ::EndDialog(hwnd_, result); }

    // Data exchange. Texts are in the ANSI code page; ReadText refuses, with a
    // message, a text that code page cannot hold.
    std::string GetText(int id) const;
    bool ReadText(int id, std::string* text) const;
    void SetText(int id, const std::string& text);
    bool IsChecked(int id) const;
    void SetChecked(int id, bool checked);
    void Enable(int id, bool enabled);

    // A form's rows into their controls, with the enabling, and back. A name
    // the code page cannot hold is refused with its message, unless `quiet`.
    template <class Form>
    void FillRows(FormFields<Form> rows, Form& form) {
        for (const FormField<Form>& f : rows) {
            if (const std::string* text = f.Text(form)) SetText(f.id, *text);
            if (f.IsChoice()) SetChecked(f.id, f.Checked(form));
            Enable(f.id, f.Enabled(form));
        }
    }
    template <class Form>
    bool ReadRows(FormFields<Form> rows, Form& form, bool quiet = false) {
        for (const FormField<Form>& f : rows) {
            std::string* text = f.Text(form);
            if (f.kind == FieldKind::Name && !quiet) {
                if (!ReadText(f.id, text)) return false;
            } else if (text && f.kind != FieldKind::Caption) {
                *text = GetText(f.id);
            }
            if (f.IsChoice()) f.TakeChecked(form, IsChecked(f.id));
        }
        return true;
    }

  private:
    static INT_PTR CALLBACK Route(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static void Publish();
    int templateId_;
    const char* helpTopic_;
    HWND hwnd_ = nullptr;
    std::unique_ptr<platform::Window> window_;  // while open
    CDialog* outer_ = nullptr;                  // the dialog it opened over
    static CDialog* innermost_;
    static platform::Window* frame_;
};
