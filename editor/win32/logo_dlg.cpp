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
    SetText(IDC_LOGO_BITMAP, form_.bitmapPath);
    SetText(IDC_LOGO_X, form_.x);
    SetText(IDC_LOGO_Y, form_.y);
    SetText(IDC_LOGO_MASK, form_.maskColour);
    SetChecked(IDC_LOGO_ANIMATE, form_.animate);
    SetText(IDC_LOGO_START_X, form_.startX);
    SetText(IDC_LOGO_START_Y, form_.startY);
    SetText(IDC_LOGO_DELAY, form_.delay);
    SetChecked(IDC_LOGO_SCALE, form_.scale);
    EnableAnimation();
}

void CLogoPropertiesDlg::EnableAnimation() {
    for (int id : {IDC_LOGO_START_X, IDC_LOGO_START_Y, IDC_LOGO_DELAY, IDC_LOGO_SCALE})
        Enable(id, form_.AnimationEnabled());
}

bool CLogoPropertiesDlg::OnCommand(int id, int code) {
    switch (id) {
        case IDC_LOGO_ANIMATE:
            form_.animate = IsChecked(IDC_LOGO_ANIMATE);
            EnableAnimation();
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
    form_.x = GetText(IDC_LOGO_X);
    form_.y = GetText(IDC_LOGO_Y);
    form_.maskColour = GetText(IDC_LOGO_MASK);
    form_.animate = IsChecked(IDC_LOGO_ANIMATE);
    form_.startX = GetText(IDC_LOGO_START_X);
    form_.startY = GetText(IDC_LOGO_START_Y);
    form_.delay = GetText(IDC_LOGO_DELAY);
    form_.scale = IsChecked(IDC_LOGO_SCALE);
    return ReadText(IDC_LOGO_BITMAP, &form_.bitmapPath) && form_.Store(project_, index_);
}

void CLogoPropertiesDlg::PreviewFields() {
    LogoForm shown = form_;
    shown.bitmapPath = GetText(IDC_LOGO_BITMAP);
    shown.x = GetText(IDC_LOGO_X);
    shown.y = GetText(IDC_LOGO_Y);
    shown.maskColour = GetText(IDC_LOGO_MASK);
    PreviewLogo(shown, project_, index_);
}
