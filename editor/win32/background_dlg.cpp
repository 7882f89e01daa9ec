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
    ToControls();
}

void CBackgroundPropertiesDlg::ToControls() {
    CheckRadio(IDC_BG_BITMAP_MODE, 2, form_.colourMode ? 1 : 0);
    SetText(IDC_BG_BITMAP, form_.bitmapPath);
    SetText(IDC_BG_COLOUR, form_.colourText);
    SetChecked(IDC_BG_DITHERED, form_.dithered);
    CheckRadio(IDC_BG_TO_WHITE, 2, form_.endColour == BackgroundForm::DitherToWhite ? 0 : 1);
    CheckRadio(IDC_BG_HORIZ, 2, form_.direction == BackgroundForm::DitherHoriz ? 0 : 1);
    EnableControls();
}

bool CBackgroundPropertiesDlg::FromControls() {
    form_.colourMode = IsChecked(IDC_BG_COLOUR_MODE);
    form_.dithered = IsChecked(IDC_BG_DITHERED);
    form_.endColour =
        IsChecked(IDC_BG_TO_WHITE) ? BackgroundForm::DitherToWhite : BackgroundForm::DitherToBlack;
    form_.direction =
        IsChecked(IDC_BG_HORIZ) ? BackgroundForm::DitherHoriz : BackgroundForm::DitherVert;
    return ReadText(IDC_BG_BITMAP, &form_.bitmapPath) && ReadText(IDC_BG_COLOUR, &form_.colourText);
}

void CBackgroundPropertiesDlg::EnableControls() {
    Enable(IDC_BG_BITMAP, form_.BitmapEnabled());
    Enable(IDC_BG_BROWSE, form_.BitmapEnabled());
    Enable(IDC_BG_COLOUR, form_.ColourEnabled());
    Enable(IDC_BG_CHOOSE, form_.ColourEnabled());
    Enable(IDC_BG_DITHERED, form_.ColourEnabled());
    for (int id : {IDC_BG_TO_WHITE, IDC_BG_TO_BLACK, IDC_BG_HORIZ, IDC_BG_VERT})
        Enable(id, form_.DitherChoicesEnabled());
}

bool CBackgroundPropertiesDlg::OnCommand(int id, int code) {
    switch (id) {
        case IDC_BG_BITMAP_MODE:
        case IDC_BG_COLOUR_MODE:
            // The two modes sit in different boxes: one keeps the other unchecked.
            CheckRadio(IDC_BG_BITMAP_MODE, 2, id == IDC_BG_COLOUR_MODE ? 1 : 0);
            form_.colourMode = id == IDC_BG_COLOUR_MODE;
            EnableControls();
            return true;
        case IDC_BG_DITHERED:
            form_.dithered = IsChecked(IDC_BG_DITHERED);
            EnableControls();
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

bool CBackgroundPropertiesDlg::OnOK() { return FromControls() && form_.Store(project_); }

void CBackgroundPropertiesDlg::PreviewFields() {
    BackgroundForm shown = form_;
    shown.colourMode = IsChecked(IDC_BG_COLOUR_MODE);
    shown.dithered = IsChecked(IDC_BG_DITHERED);
    shown.endColour =
        IsChecked(IDC_BG_TO_WHITE) ? BackgroundForm::DitherToWhite : BackgroundForm::DitherToBlack;
    shown.direction =
        IsChecked(IDC_BG_HORIZ) ? BackgroundForm::DitherHoriz : BackgroundForm::DitherVert;
    shown.bitmapPath = GetText(IDC_BG_BITMAP);
    shown.colourText = GetText(IDC_BG_COLOUR);
    PreviewBackground(shown, project_);
}
