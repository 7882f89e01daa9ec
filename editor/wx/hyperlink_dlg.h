// CHyperlinkPropertiesDlg: "Hyperlink Properties", what one link does, its
// label and place, and the colours and font size all links share.
#pragma once

#include <wx/dialog.h>

#include "editor/forms/hyperlink_form.h"
#include "editor/wx/dialog_parts.h"

class CInstallerWnd;
class wxRadioButton;
class wxTextCtrl;

class CHyperlinkPropertiesDlg : public dialog_parts::CFormDlg<HyperlinkForm> {
  public:
    CHyperlinkPropertiesDlg(wxWindow* parent, CInstallerWnd& project, int index,
                            HelpFunction help = {});

    // The action radios, in the order of LinkAction from BrowseCd to Quit.
    wxRadioButton* Action[5];
    wxTextCtrl* DataAEdit;
    wxTextCtrl* LabelEdit;
    wxTextCtrl* FontEdit;
    wxTextCtrl* XEdit;
    wxTextCtrl* YEdit;
    wxTextCtrl* TextColourEdit;
    wxTextCtrl* HiliteEdit;

    // Simulates a click on an action radio (tests and the radios' handler).
    void ClickAction(LinkAction action);

    // What "Add to Disc..." does once the file and the folder are chosen: the
    // copy, then the field shows the stored name. False after a refusal.
    bool AddFileToDisc(const std::string& source, const std::string& chosenFolder);

  private:
    // The action radios too.
    void ShowForm() override;
    void TakeForm() override;
    void OnBrowse(wxCommandEvent&);
    void OnAddToDisc(wxCommandEvent&);
};
