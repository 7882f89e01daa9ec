#include "editor/wx/audio_dlg.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/textctrl.h>

#include "editor/command_ids.h"
#include "editor/forms/resource_import.h"

CAudioPropertiesDlg::CAudioPropertiesDlg(wxWindow* parent, CInstallerWnd& project,
                                         HelpFunction help)
    : CPropertyDlg(parent, "Audio Properties", project, std::move(help), AUDIO_HELP_TOPIC) {
    auto* all = new wxBoxSizer(wxVERTICAL);
    // One box per sound: its field and its "...".
    auto field = [this, all](const char* caption, int editId, int browseId) {
        auto* box = new wxStaticBoxSizer(wxHORIZONTAL, this, caption);
        wxWindow* in = box->GetStaticBox();
        auto* edit = new wxTextCtrl(in, editId, wxEmptyString, wxDefaultPosition, wxSize(340, -1));
        auto* browse =
            new wxButton(in, browseId, "...", wxDefaultPosition, wxDefaultSize, wxBU_EXACTFIT);
        box->Add(edit, 1, wxALIGN_CENTRE_VERTICAL | wxALL, 4);
        box->Add(browse, 0, wxALL, 4);
        all->Add(box, 0, wxEXPAND | wxLEFT | wxRIGHT | wxTOP, 10);
        browse->Bind(wxEVT_BUTTON, [this, edit](wxCommandEvent&) {
            dialog_parts::BrowseResource(this, WAVE_FILE_FILTER, edit);
        });
        return edit;
    };
    IntroEdit = field("Intro Wave file", IDC_AUDIO_INTRO, IDC_AUDIO_INTRO_BROWSE);
    HoverEdit = field("Hyperlink Mouse-Over Wave file", IDC_AUDIO_HOVER, IDC_AUDIO_HOVER_BROWSE);
    all->Add(dialog_parts::Buttons(this), 0, wxEXPAND | wxALL, 10);
    SetSizerAndFit(all);
    CentreOnParent();

    form_.Load(project_);
    dialog_parts::Fill(this, AudioFields(), form_);
}

bool CAudioPropertiesDlg::Accept() {
    dialog_parts::Read(this, AudioFields(), form_);
    return form_.Store(project_);
}
