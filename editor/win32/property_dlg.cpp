#include "editor/win32/property_dlg.h"

#include "editor/forms/add_to_disc.h"
#include "editor/forms/colour_text.h"
#include "editor/forms/disc_form.h"
#include "editor/forms/form_access.h"
#include "editor/forms/live_preview.h"
#include "editor/forms/resource_import.h"
#include "editor/win32/resource.h"
#include "editor/win32/shell_dialogs.h"
#include "engine/installer_wnd.h"
#include "platform/platform.h"

namespace {

COLORREF customColours[16] = {};  // the colour chooser's, kept for the run as it expects

// Each dialog's template, Help topic and the controls beside its fields.
DialogLook LookOf(const BackgroundForm&) {
    return {IDD_BACKGROUND, BACKGROUND_HELP_TOPIC,
            {{FieldHelper::Browse, IDC_BG_BROWSE, IDC_BG_BITMAP, BITMAP_FILE_FILTER},
             {FieldHelper::Browse, IDC_DISC_ICON_BROWSE, IDC_DISC_ICON, ICON_FILE_FILTER},
             {FieldHelper::ColourOrNone, IDC_BG_CHOOSE, IDC_BG_COLOUR},
             {FieldHelper::Swatch, IDC_BG_COLOUR_SWATCH, IDC_BG_COLOUR}}};
}
DialogLook LookOf(const AudioForm&) {
    return {IDD_AUDIO, AUDIO_HELP_TOPIC,
            {{FieldHelper::Browse, IDC_AUDIO_INTRO_BROWSE, IDC_AUDIO_INTRO, WAVE_FILE_FILTER},
             {FieldHelper::Browse, IDC_AUDIO_HOVER_BROWSE, IDC_AUDIO_HOVER, WAVE_FILE_FILTER}}};
}
DialogLook LookOf(const LogoForm&) {
    return {IDD_LOGO, LOGO_HELP_TOPIC,
            {{FieldHelper::Browse, IDC_LOGO_BROWSE, IDC_LOGO_BITMAP, BITMAP_FILE_FILTER},
             {FieldHelper::Colour, IDC_LOGO_MASK_CHOOSE, IDC_LOGO_MASK},
             {FieldHelper::Swatch, IDC_LOGO_MASK_SWATCH, IDC_LOGO_MASK}}};
}
DialogLook LookOf(const HyperlinkForm&) {
    return {IDD_HYPERLINK, HYPERLINK_HELP_TOPIC,
            {{FieldHelper::Colour, IDC_LINK_TEXT_CHOOSE, IDC_LINK_TEXT_COLOUR},
             {FieldHelper::Colour, IDC_LINK_HILITE_CHOOSE, IDC_LINK_HILITE_COLOUR},
             {FieldHelper::Swatch, IDC_LINK_TEXT_SWATCH, IDC_LINK_TEXT_COLOUR},
             {FieldHelper::Swatch, IDC_LINK_HILITE_SWATCH, IDC_LINK_HILITE_COLOUR}}};
}

}  // namespace

CPropertyDlg::CPropertyDlg(DialogLook look, CInstallerWnd& project, int index)
    : CDialog(look.templateId, look.helpTopic),
      project_(project),
      index_(index),
      helpers_(std::move(look.helpers)) {}

void CPropertyDlg::OnFieldChanged(int id) {
    for (const FieldHelper& h : helpers_)
        if (h.what == FieldHelper::Swatch && h.field == id)
            InvalidateRect(GetDlgItem(hwnd(), h.id), nullptr, TRUE);
    if (OnLiveChange) OnLiveChange([this] { PreviewFields(); });
}

bool CPropertyDlg::OnCommand(int id, int /*code*/) {
    for (const FieldHelper& h : helpers_) {
        if (h.id != id || h.what == FieldHelper::Swatch) continue;
        if (h.what == FieldHelper::Browse) {
            // The note that the file will be copied into res\, then the chooser.
            platform::Current().services->ShowMessage(RESOURCE_BROWSE_NOTE,
                                                      platform::MessageButtons::Ok);
            std::string path;
            if (OpenFileDialog(hwnd(), h.filter, std::string(), &path)) SetText(h.field, path);
            return true;
        }
        // The full colour chooser, on the field's colour unless it opens blank.
        const std::string text = GetText(h.field);
        const ColourBytes c = ReadColourText(text);
        const bool blank = text.empty() && h.what == FieldHelper::ColourOrNone;
        const DWORD flags = CC_FULLOPEN | (blank ? 0 : CC_RGBINIT);
        CHOOSECOLORW cc = {sizeof(cc), hwnd(),  nullptr, RGB(c.r, c.g, c.b), customColours, flags,
                           0,          nullptr, nullptr};
        if (ChooseColourDialog(&cc))
            SetText(h.field, ColourText({GetRValue(cc.rgbResult), GetGValue(cc.rgbResult),
                                         GetBValue(cc.rgbResult)}));
        return true;
    }
    return false;
}

bool CPropertyDlg::OnDrawItem(const DRAWITEMSTRUCT& item) {
    for (const FieldHelper& h : helpers_) {
        if (h.what != FieldHelper::Swatch || int(item.CtlID) != h.id) continue;
        ColourBytes c;
        if (SwatchColour(GetText(h.field), &c)) {
            HBRUSH brush = CreateSolidBrush(RGB(c.r, c.g, c.b));
            FillRect(item.hDC, &item.rcItem, brush);
            DeleteObject(brush);
            FrameRect(item.hDC, &item.rcItem, HBRUSH(GetStockObject(BLACK_BRUSH)));
        } else {
            FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
        }
        return true;
    }
    return false;
}

template <class Form>
CFormDlg<Form>::CFormDlg(CInstallerWnd& project, int index)
    : CPropertyDlg(LookOf(Form()), project, index) {}

template <class Form>
void CFormDlg<Form>::OnInitDialog() {
    if (!LoadForm(form_, project_, index_)) {
        EndDialog(IDCANCEL);  // the form has said why
        return;
    }
    Fill();
}

template <class Form>
void CFormDlg<Form>::Fill() {
    FillRows(FieldsOf(form_), form_);
}

template <class Form>
bool CFormDlg<Form>::Read(Form& form, bool quiet) {
    return ReadRows(FieldsOf(form), form, quiet);
}

// A check or radio into the form; the others show the form again, as the two
// background modes sit in different boxes, and the enabling follows.
template <class Form>
bool CFormDlg<Form>::OnCommand(int id, int code) {
    for (const FormField<Form>& clicked : FieldsOf(form_)) {
        if (clicked.id != id || code != BN_CLICKED || !clicked.IsChoice()) continue;
        clicked.TakeChecked(form_, IsChecked(id));
        for (const FormField<Form>& f : FieldsOf(form_)) {
            if (f.IsChoice()) SetChecked(f.id, f.Checked(form_));
            Enable(f.id, f.Enabled(form_));
        }
        return true;
    }
    return CPropertyDlg::OnCommand(id, code);
}

template <class Form>
bool CFormDlg<Form>::OnOK() {
    return Read(form_) && StoreForm(form_, project_, index_);
}

// Quiet: a preview says nothing; OK asks about what it cannot store.
template <class Form>
void CFormDlg<Form>::PreviewFields() {
    Form shown = form_;
    Read(shown, true);
    PreviewForm(shown, project_, index_);
}

template class CFormDlg<BackgroundForm>;
template class CFormDlg<AudioForm>;
template class CFormDlg<LogoForm>;
template class CFormDlg<HyperlinkForm>;

void CHyperlinkPropertiesDlg::Fill() {
    for (const LinkActionRadio& a : LINK_ACTION_RADIOS) SetChecked(a.id, a.action == form_.action);
    CFormDlg::Fill();
}

// The action comes from the radios, as the user left them.
bool CHyperlinkPropertiesDlg::Read(HyperlinkForm& form, bool quiet) {
    for (const LinkActionRadio& a : LINK_ACTION_RADIOS)
        if (IsChecked(a.id)) form.action = a.action;
    return CFormDlg::Read(form, quiet);
}

bool CHyperlinkPropertiesDlg::OnCommand(int id, int code) {
    if (code == BN_CLICKED && HyperlinkForm::IsRadio(id)) {
        if (Read(form_, false)) {
            form_.Click(id);
            Fill();
        }
        return true;
    }
    if (id == IDC_LINK_BROWSE) Browse();
    if (id == IDC_LINK_ADD_TO_DISC) AddToDisc();
    return id == IDC_LINK_BROWSE || id == IDC_LINK_ADD_TO_DISC || CFormDlg::OnCommand(id, code);
}

// Only absolute paths are browsed for, and stored as chosen (nothing is copied).
void CHyperlinkPropertiesDlg::Browse() {
    std::string chosen;
    if (!Read(form_, false)) return;
    const LinkBrowse what = form_.Browse();
    if (what == LinkBrowse::File
            ? OpenFileDialog(hwnd(), EXECUTABLE_FILE_FILTER, "", &chosen)
            : what == LinkBrowse::Folder && BrowseForFolder(hwnd(), FOLDER_BROWSE_TITLE, &chosen))
        SetText(IDC_LINK_DATA_A, chosen);
}

// A file, then its folder on the disc (the project folder is shown first).
void CHyperlinkPropertiesDlg::AddToDisc() {
    if (!Read(form_, false)) return;
    std::string source, chosen, folder, stored;
    if (!OpenFileDialog(hwnd(), ANY_FILE_FILTER, std::string(), &source) ||
        !BrowseForFolder(hwnd(), DISC_FOLDER_TITLE, &chosen, project_.ProjectFolder))
        return;
    if (DiscFolderName(project_.ProjectFolder, chosen, &folder) &&
        ::AddToDisc(source, project_.ProjectFolder, folder, &stored))
        SetText(IDC_LINK_DATA_A, stored);
}
