#include "editor/win32/background_dlg.h"

#include "editor/forms/live_preview.h"
#include "editor/forms/resource_import.h"
#include "editor/win32/resource.h"

CBackgroundPropertiesDlg::CBackgroundPropertiesDlg(CInstallerWnd& project, HelpFunction help)
    : CPropertyDlg(IDD_BACKGROUND, project, std::move(help), BACKGROUND_HELP_TOPIC) {
    FollowColour(IDC_BG_COLOUR, IDC_BG_COLOUR_SWATCH);
}

void CBackgroundPropertiesDlg::OnInitDialog() {
    form_.Load(project_);
    Fill(BackgroundFields(), form_);
}

bool CBackgroundPropertiesDlg::OnCommand(int id, int code) {
    switch (id) {
        case IDC_BG_BITMAP_MODE:
        case IDC_BG_COLOUR_MODE:
            // The two modes sit in different boxes: one keeps the other unchecked.
            CheckRadio(IDC_BG_BITMAP_MODE, 2, id == IDC_BG_COLOUR_MODE ? 1 : 0);
            form_.colourMode = id == IDC_BG_COLOUR_MODE;
            EnableFields(BackgroundFields(), form_);
            return true;
        case IDC_BG_DITHERED:
            form_.dithered = IsChecked(IDC_BG_DITHERED);
            EnableFields(BackgroundFields(), form_);
            return true;
        case IDC_DISC_AUTOPLAY:
            form_.autoPlay = IsChecked(IDC_DISC_AUTOPLAY);
            EnableFields(BackgroundFields(), form_);
            return true;
        case IDC_DISC_ICON_BROWSE:
            BrowseResource(ICON_FILE_FILTER, IDC_DISC_ICON);
            return true;
        case IDC_BG_BROWSE:
            BrowseResource(BITMAP_FILE_FILTER, IDC_BG_BITMAP);
            return true;
        case IDC_BG_CHOOSE:
            ChooseColourFor(IDC_BG_COLOUR, false);
            return true;
        default:
            return CPropertyDlg::OnCommand(id, code);
    }
}

bool CBackgroundPropertiesDlg::OnOK() {
    return Read(BackgroundFields(), form_) && form_.Store(project_);
}

void CBackgroundPropertiesDlg::PreviewFields() {
    BackgroundForm shown = form_;
    Read(BackgroundFields(), shown, true);
    PreviewBackground(shown, project_);
}
