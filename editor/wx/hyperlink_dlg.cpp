#include "editor/wx/hyperlink_dlg.h"

#include <wx/dirdlg.h>
#include <wx/filedlg.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>

#include "editor/forms/add_to_disc.h"
#include "editor/wx/field_buttons.h"
#include "engine/installer_wnd.h"

using dialog_parts::Find;
using dialog_parts::ToWx;

CHyperlinkPropertiesDlg::CHyperlinkPropertiesDlg(wxWindow* parent, CInstallerWnd& project,
                                                 int index, HelpFunction help)
    : CFormDlg(parent, HyperlinkLayout(), project, index, help, HYPERLINK_HELP_TOPIC),
      DataAEdit(Find<wxTextCtrl>(this, IDC_LINK_DATA_A)),
      LabelEdit(Find<wxTextCtrl>(this, IDC_LINK_LABEL)),
      FontEdit(Find<wxTextCtrl>(this, IDC_LINK_FONT_SIZE)),
      XEdit(Find<wxTextCtrl>(this, IDC_LINK_X)),
      YEdit(Find<wxTextCtrl>(this, IDC_LINK_Y)),
      TextColourEdit(Find<wxTextCtrl>(this, IDC_LINK_TEXT_COLOUR)),
      HiliteEdit(Find<wxTextCtrl>(this, IDC_LINK_HILITE_COLOUR)) {
    for (int i = 0; i < 5; ++i) {
        Action[i] = Find<wxRadioButton>(this, LINK_ACTION_IDS[i]);
        const LinkAction action = LinkAction(int(LinkAction::BrowseCd) + i);
        Action[i]->Bind(wxEVT_RADIOBUTTON,
                        [this, action](wxCommandEvent&) { ClickAction(action); });
    }
    ShowForm();
    for (bool absolute : {false, true}) {
        wxWindow* radio = FindWindow(absolute ? IDC_LINK_ABSOLUTE : IDC_LINK_RELATIVE);
        radio->Bind(wxEVT_RADIOBUTTON, [this, absolute](wxCommandEvent&) {
            TakeForm();
            form_.ClickPathKind(absolute);
            ShowForm();
        });
    }
    Bind(wxEVT_BUTTON, &CHyperlinkPropertiesDlg::OnBrowse, this, IDC_LINK_BROWSE);
    Bind(wxEVT_BUTTON, &CHyperlinkPropertiesDlg::OnAddToDisc, this, IDC_LINK_ADD_TO_DISC);
}

void CHyperlinkPropertiesDlg::ClickAction(LinkAction action) {
    TakeForm();
    form_.ClickAction(action);
    ShowForm();
}

void CHyperlinkPropertiesDlg::ShowForm() {
    const int shown = int(form_.action) - int(LinkAction::BrowseCd);
    if (shown >= 0 && shown < 5) Action[shown]->SetValue(true);
    CFormDlg::ShowForm();
}

// The action comes from the radios, as the user left them.
void CHyperlinkPropertiesDlg::TakeForm() {
    for (int i = 0; i < 5; ++i)
        if (Action[i]->GetValue()) form_.action = LinkAction(int(LinkAction::BrowseCd) + i);
    CFormDlg::TakeForm();
}

// Only absolute paths are browsed for, and stored as chosen (nothing is copied).
void CHyperlinkPropertiesDlg::OnBrowse(wxCommandEvent&) {
    TakeForm();
    wxString chosen;
    if (form_.Browse() == LinkBrowse::File) {
        wxFileDialog files(this, wxFileSelectorPromptStr, wxEmptyString, wxEmptyString,
                           EXECUTABLE_FILE_FILTER, wxFD_OPEN);
        if (files.ShowModal() != wxID_OK) return;
        chosen = dialog_parts::ChosenPath(files);
    } else if (form_.Browse() == LinkBrowse::Folder) {
        wxDirDialog folders(this, FOLDER_BROWSE_TITLE, wxEmptyString,
                            wxDD_DEFAULT_STYLE | wxDD_DIR_MUST_EXIST);
        if (folders.ShowModal() != wxID_OK) return;
        chosen = folders.GetPath();
    }
    if (chosen.empty()) return;
    DataAEdit->SetValue(chosen);
}

// A file, then its folder on the disc (the project folder is offered first).
void CHyperlinkPropertiesDlg::OnAddToDisc(wxCommandEvent&) {
    TakeForm();
    wxFileDialog files(this, ADD_TO_DISC_TITLE, wxEmptyString, wxEmptyString, ANY_FILE_FILTER,
                       wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    if (files.ShowModal() != wxID_OK) return;
    const wxString source = dialog_parts::ChosenPath(files);
    if (source.empty()) return;
    wxDirDialog folders(this, DISC_FOLDER_TITLE, wxString::FromUTF8(project_.ProjectFolder),
                        wxDD_DEFAULT_STYLE);
    if (folders.ShowModal() != wxID_OK) return;
    AddFileToDisc(source.utf8_string(), folders.GetPath().utf8_string());
}

bool CHyperlinkPropertiesDlg::AddFileToDisc(const std::string& source,
                                            const std::string& chosenFolder) {
    std::string folder, stored;
    if (!DiscFolderName(project_.ProjectFolder, chosenFolder, &folder) ||
        !::AddToDisc(source, project_.ProjectFolder, folder, &stored))
        return false;
    DataAEdit->SetValue(ToWx(stored));
    return true;
}
