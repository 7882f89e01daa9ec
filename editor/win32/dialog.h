// CDialog: a modal dialog from a resource template, and the data exchange
// between its controls and the members of its form. Number fields stay text
// here: the core's forms parse them ("Please enter an integer.").
#pragma once

#include <string>

#include "editor/win32/windows_api.h"

class CDialog {
  public:
    explicit CDialog(int templateId) : templateId_(templateId) {}
    virtual ~CDialog() = default;
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // IDOK, IDCANCEL, or -1 when the dialog could not be made.
    INT_PTR DoModal(HWND owner);
    HWND hwnd() const { return hwnd_; }

  protected:
    // Put the members into the controls.
    virtual void OnInitDialog() {}
    // A button or an edit's notification; true when handled.
    virtual bool OnCommand(int /*id*/, int /*code*/) { return false; }
    // Take the controls into the members; false keeps the dialog open.
    virtual bool OnOK() { return true; }
    virtual void OnPaint() {}
    // An edit's text changed (before OnCommand sees EN_CHANGE).
    virtual void OnEditChange(int /*id*/) {}
    // An owner-drawn control; true when drawn.
    virtual bool OnDrawItem(const DRAWITEMSTRUCT& /*item*/) { return false; }
    // A field changed (an edit's text, a button or radio clicked).
    virtual void OnFieldChanged() {}

    void EndDialog(INT_PTR result) { ::EndDialog(hwnd_, result); }

    // Data exchange. Texts are in the ANSI code page; ReadText refuses, with a
    // message, a text that code page cannot hold.
    std::string GetText(int id) const;
    bool ReadText(int id, std::string* text) const;
    void SetText(int id, const std::string& text);
    bool IsChecked(int id) const;
    void SetChecked(int id, bool checked);
    void Enable(int id, bool enabled);
    // The position of the checked radio in the group starting at `first`, or -1.
    int CheckedRadio(int first, int count) const;
    void CheckRadio(int first, int count, int position);


  private:
    static INT_PTR CALLBACK Route(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    int templateId_;
    HWND hwnd_ = nullptr;
};
