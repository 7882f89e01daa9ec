#include "editor/win32/logo_dlg.h"

#include "editor/forms/live_preview.h"
#include "editor/forms/resource_import.h"
#include "editor/win32/resource.h"

CLogoPropertiesDlg::CLogoPropertiesDlg(CInstallerWnd& project, int index, HelpFunction help)
    : CPropertyDlg(IDD_LOGO, project, std::move(help), LOGO_HELP_TOPIC), index_(index) {
    FollowColour(IDC_LOGO_MASK, IDC_LOGO_MASK_SWATCH);
}

void CLogoPropertiesDlg::OnInitDialog() {
    // A slot without a file name entry: the form has said so, the dialog ends.
    if (!form_.Load(project_, index_)) {
        EndDialog(IDCANCEL);
        return;
    }
    Fill(LogoFields(), form_);
}

bool CLogoPropertiesDlg::OnCommand(int id, int code) {
    switch (id) {
        case IDC_LOGO_ANIMATE:
            form_.animate = IsChecked(IDC_LOGO_ANIMATE);
            EnableFields(LogoFields(), form_);
            return true;
        case IDC_LOGO_BROWSE:
            BrowseResource(BITMAP_FILE_FILTER, IDC_LOGO_BITMAP);
            return true;
        case IDC_LOGO_MASK_CHOOSE:
            ChooseColourFor(IDC_LOGO_MASK);
            return true;
        default:
            return CPropertyDlg::OnCommand(id, code);
    }
}

bool CLogoPropertiesDlg::OnOK() {
    return Read(LogoFields(), form_) && form_.Store(project_, index_);
}

void CLogoPropertiesDlg::PreviewFields() {
    LogoForm shown = form_;
    Read(LogoFields(), shown, true);
    PreviewLogo(shown, project_, index_);
}
