#include "editor/win32/audio_dlg.h"

#include "editor/forms/resource_import.h"
#include "editor/win32/resource.h"

CAudioPropertiesDlg::CAudioPropertiesDlg(CInstallerWnd& project, HelpFunction help)
    : CPropertyDlg(IDD_AUDIO, project, std::move(help), AUDIO_HELP_TOPIC) {}

void CAudioPropertiesDlg::OnInitDialog() {
    form_.Load(project_);
    Fill(AudioFields(), form_);
}

bool CAudioPropertiesDlg::OnCommand(int id, int code) {
    if (id == IDC_AUDIO_INTRO_BROWSE || id == IDC_AUDIO_HOVER_BROWSE) {
        BrowseResource(WAVE_FILE_FILTER, id - 1);  // each "..." follows its field
        return true;
    }
    return CPropertyDlg::OnCommand(id, code);
}

bool CAudioPropertiesDlg::OnOK() { return Read(AudioFields(), form_) && form_.Store(project_); }
