#include "editor/win32/hyperlink_dlg.h"

#include "editor/forms/add_to_disc.h"
#include "editor/forms/live_preview.h"
#include "engine/installer_wnd.h"

#include "editor/win32/resource.h"
#include "editor/win32/shell_dialogs.h"

namespace {

const struct {
    LinkAction action;
    int id;
} kActions[] = {{LinkAction::BrowseCd, IDC_LINK_BROWSE_CD},
                {LinkAction::OpenFolder, IDC_LINK_OPEN_FOLDER},
                {LinkAction::WebSite, IDC_LINK_WEB_SITE},
                {LinkAction::RunProgram, IDC_LINK_RUN},
                {LinkAction::Quit, IDC_LINK_QUIT}};

}  // namespace

CHyperlinkPropertiesDlg::CHyperlinkPropertiesDlg(CInstallerWnd& project, int index,
                                                 HelpFunction help)
    : CPropertyDlg(IDD_HYPERLINK, project, std::move(help), HYPERLINK_HELP_TOPIC),
      index_(index) {
    FollowColour(IDC_LINK_TEXT_COLOUR, IDC_LINK_TEXT_SWATCH);
    FollowColour(IDC_LINK_HILITE_COLOUR, IDC_LINK_HILITE_SWATCH);
}

void CHyperlinkPropertiesDlg::OnInitDialog() {
    // A link without a known command: the form has said so, the dialog ends.
    if (!form_.Load(project_, index_)) {
        EndDialog(IDCANCEL);
        return;
    }
    ToControls();
}

void CHyperlinkPropertiesDlg::ToControls() {
    for (const auto& a : kActions) SetChecked(a.id, a.action == form_.action);
    Fill(HyperlinkFields(), form_);
}

// The action comes from the radios, as the user left them.
bool CHyperlinkPropertiesDlg::FromControls() {
    for (const auto& a : kActions)
        if (IsChecked(a.id)) form_.action = a.action;
    return Read(HyperlinkFields(), form_);
}

bool CHyperlinkPropertiesDlg::OnCommand(int id, int code) {
    for (const auto& a : kActions) {
        if (id != a.id || code != BN_CLICKED) continue;
        if (!FromControls()) return true;
        form_.ClickAction(a.action);
        ToControls();
        return true;
    }
    if ((id == IDC_LINK_RELATIVE || id == IDC_LINK_ABSOLUTE) && code == BN_CLICKED) {
        if (!FromControls()) return true;
        form_.ClickPathKind(id == IDC_LINK_ABSOLUTE);
        ToControls();
        return true;
    }
    if (id == IDC_LINK_BROWSE) {
        Browse();
        return true;
    }
    if (id == IDC_LINK_ADD_TO_DISC) {
        AddToDisc();
        return true;
    }
    if (id == IDC_LINK_TEXT_CHOOSE || id == IDC_LINK_HILITE_CHOOSE) {
        ChooseColourFor(id == IDC_LINK_TEXT_CHOOSE ? IDC_LINK_TEXT_COLOUR : IDC_LINK_HILITE_COLOUR);
        return true;
    }
    return CPropertyDlg::OnCommand(id, code);
}

// Only absolute paths are browsed for, and stored as chosen (nothing is copied).
void CHyperlinkPropertiesDlg::Browse() {
    if (!FromControls()) return;
    std::string chosen;
    if (form_.Browse() == LinkBrowse::File &&
        !OpenFileDialog(hwnd(), EXECUTABLE_FILE_FILTER, std::string(), &chosen))
        return;
    if (form_.Browse() == LinkBrowse::Folder &&
        !BrowseForFolder(hwnd(), FOLDER_BROWSE_TITLE, &chosen))
        return;
    if (!chosen.empty()) SetText(IDC_LINK_DATA_A, chosen);
}

// A file, then its folder on the disc (the project folder is shown first).
void CHyperlinkPropertiesDlg::AddToDisc() {
    if (!FromControls()) return;
    std::string source, chosen, folder, stored;
    if (!OpenFileDialog(hwnd(), ANY_FILE_FILTER, std::string(), &source) ||
        !BrowseForFolder(hwnd(), DISC_FOLDER_TITLE, &chosen, project_.ProjectFolder))
        return;
    if (DiscFolderName(project_.ProjectFolder, chosen, &folder) &&
        ::AddToDisc(source, project_.ProjectFolder, folder, &stored))
        SetText(IDC_LINK_DATA_A, stored);
}

bool CHyperlinkPropertiesDlg::OnOK() { return FromControls() && form_.Store(project_, index_); }

// Quiet: a preview says nothing; OK asks about what it cannot store.
void CHyperlinkPropertiesDlg::PreviewFields() {
    HyperlinkForm shown = form_;
    Read(HyperlinkFields(), shown, true);
    PreviewLink(shown, project_, index_);
}
