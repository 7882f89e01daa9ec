#include "editor/wx/hyperlink_dlg.h"

#include <wx/button.h>
#include <wx/dirdlg.h>
#include <wx/filedlg.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "editor/command_ids.h"
#include "editor/forms/add_to_disc.h"
#include "editor/forms/live_preview.h"
#include "engine/installer_wnd.h"

using dialog_parts::ToWx;

namespace {

struct ActionRadio {
    LinkAction action;
    int id;
    const char* caption;
};
// In the dialog's order; Action[] keeps LinkAction's.
const ActionRadio kActions[] = {
    {LinkAction::BrowseCd, IDC_LINK_BROWSE_CD, "Browse this CD"},
    {LinkAction::OpenFolder, IDC_LINK_OPEN_FOLDER, "Open a specified Folder"},
    {LinkAction::WebSite, IDC_LINK_WEB_SITE, "Goto WEB Site"},
    {LinkAction::RunProgram, IDC_LINK_RUN, "Run specified program / Open a file"},
    {LinkAction::Quit, IDC_LINK_QUIT, "Quit / Close this application"},
};

constexpr int ID_ADD_TO_DISC = IDC_LINK_ADD_TO_DISC;

int Slot(LinkAction a) { return int(a) - int(LinkAction::BrowseCd); }

}  // namespace

CHyperlinkPropertiesDlg::CHyperlinkPropertiesDlg(wxWindow* parent, CInstallerWnd& project,
                                                 int index, HelpFunction help)
    : CPropertyDlg(parent, "Hyperlink Properties", project, std::move(help), HYPERLINK_HELP_TOPIC),
      index_(index) {
    auto* actions = new wxStaticBoxSizer(wxVERTICAL, this, "Action to Execute:");
    wxWindow* in = actions->GetStaticBox();
    bool first = true;
    for (const ActionRadio& a : kActions) {
        auto* radio = new wxRadioButton(in, a.id, a.caption, wxDefaultPosition, wxDefaultSize,
                                        first ? wxRB_GROUP : 0);
        first = false;
        Action[Slot(a.action)] = radio;
        actions->Add(radio, 0, wxALL, 3);
        const LinkAction action = a.action;
        radio->Bind(wxEVT_RADIOBUTTON, [this, action](wxCommandEvent&) { ClickAction(action); });
    }

    auto* params = new wxStaticBoxSizer(wxVERTICAL, this, "Parameters:");
    in = params->GetStaticBox();
    Relative = new wxRadioButton(in, IDC_LINK_RELATIVE, "Path is Relative (to this CD)",
                                 wxDefaultPosition, wxDefaultSize, wxRB_GROUP);
    Absolute = new wxRadioButton(in, IDC_LINK_ABSOLUTE, "Path is Absolute");
    DataACaption = new wxStaticText(in, IDC_LINK_DATA_A_CAPTION, wxEmptyString, wxDefaultPosition,
                                    wxSize(190, -1), wxALIGN_RIGHT | wxST_NO_AUTORESIZE);
    DataAEdit =
        new wxTextCtrl(in, IDC_LINK_DATA_A, wxEmptyString, wxDefaultPosition, wxSize(260, -1));
    Browse =
        new wxButton(in, IDC_LINK_BROWSE, "...", wxDefaultPosition, wxDefaultSize, wxBU_EXACTFIT);
    AddToDisc = new wxButton(in, ID_ADD_TO_DISC, "Add to Disc...", wxDefaultPosition, wxDefaultSize,
                             wxBU_EXACTFIT);
    DataBCaption = new wxStaticText(in, IDC_LINK_DATA_B_CAPTION, wxEmptyString, wxDefaultPosition,
                                    wxSize(190, -1), wxALIGN_RIGHT | wxST_NO_AUTORESIZE);
    DataBEdit = new wxTextCtrl(in, IDC_LINK_DATA_B);
    auto* kinds = new wxBoxSizer(wxHORIZONTAL);
    kinds->Add(Relative);
    kinds->Add(Absolute, 0, wxLEFT, 16);
    auto* data = new wxFlexGridSizer(3, 6, 6);
    data->AddGrowableCol(1);
    data->Add(DataACaption, 0, wxALIGN_CENTRE_VERTICAL);
    data->Add(DataAEdit, 1, wxEXPAND);
    auto* fileButtons = new wxBoxSizer(wxHORIZONTAL);
    fileButtons->Add(Browse);
    fileButtons->Add(AddToDisc, 0, wxLEFT, 4);
    data->Add(fileButtons);
    data->Add(DataBCaption, 0, wxALIGN_CENTRE_VERTICAL);
    data->Add(DataBEdit, 1, wxEXPAND);
    data->AddSpacer(0);
    params->Add(kinds, 0, wxALL, 4);
    params->Add(data, 0, wxEXPAND | wxALL, 4);

    auto* attributes = new wxStaticBoxSizer(wxVERTICAL, this, "Attributes:");
    in = attributes->GetStaticBox();
    auto* grid = new wxFlexGridSizer(4, 6, 6);
    grid->AddGrowableCol(1);
    grid->AddGrowableCol(3);
    // A label and its field, with a colour chooser's "..." beside a colour.
    auto add = [&](const char* text, int id, int width, int chooser = 0) {
        grid->Add(new wxStaticText(in, wxID_ANY, text), 0, wxALIGN_CENTRE_VERTICAL);
        auto* edit = new wxTextCtrl(in, id, wxEmptyString, wxDefaultPosition, wxSize(width, -1));
        auto* cell = new wxBoxSizer(wxHORIZONTAL);
        cell->Add(edit);
        if (chooser) {
            auto* button =
                new wxButton(in, chooser, "...", wxDefaultPosition, wxDefaultSize, wxBU_EXACTFIT);
            cell->Add(button, 0, wxLEFT, 4);
            cell->Add(new dialog_parts::ColourSwatch(in, edit), 0, wxALIGN_CENTRE_VERTICAL | wxLEFT,
                      4);
            button->Bind(wxEVT_BUTTON,
                         [this, edit](wxCommandEvent&) { dialog_parts::ChooseColour(this, edit); });
        }
        grid->Add(cell);
        return edit;
    };
    LabelEdit = add("Label:", IDC_LINK_LABEL, 200);
    FontEdit = add("Font Size:", IDC_LINK_FONT_SIZE, 60);
    XEdit = add("X - Location:", IDC_LINK_X, 60);
    YEdit = add("Y - Location:", IDC_LINK_Y, 60);
    TextColourEdit = add("Text Color:", IDC_LINK_TEXT_COLOUR, 90, IDC_LINK_TEXT_CHOOSE);
    HiliteEdit = add("Mouse - Over Color:", IDC_LINK_HILITE_COLOUR, 90, IDC_LINK_HILITE_CHOOSE);
    attributes->Add(grid, 0, wxALL, 4);

    auto* all = new wxBoxSizer(wxVERTICAL);
    auto* top = new wxBoxSizer(wxHORIZONTAL);
    top->Add(actions, 0, wxEXPAND);
    top->Add(params, 1, wxEXPAND | wxLEFT, 10);
    all->Add(top, 0, wxEXPAND | wxALL, 10);
    all->Add(attributes, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 10);
    all->Add(dialog_parts::Buttons(this), 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 10);
    SetSizerAndFit(all);
    CentreOnParent();

    loaded_ = form_.Load(project_, index_);
    ToControls();

    Relative->Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) {
        FromControls();
        form_.ClickPathKind(false);
        ToControls();
    });
    Absolute->Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) {
        FromControls();
        form_.ClickPathKind(true);
        ToControls();
    });
    Browse->Bind(wxEVT_BUTTON, &CHyperlinkPropertiesDlg::OnBrowse, this);
    AddToDisc->Bind(wxEVT_BUTTON, &CHyperlinkPropertiesDlg::OnAddToDisc, this);
}

void CHyperlinkPropertiesDlg::ClickAction(LinkAction action) {
    FromControls();
    form_.ClickAction(action);
    ToControls();
}

void CHyperlinkPropertiesDlg::ToControls() {
    for (const ActionRadio& a : kActions)
        if (a.action == form_.action) Action[Slot(a.action)]->SetValue(true);
    dialog_parts::Fill(this, HyperlinkFields(), form_);
}

// The action comes from the radios, as the user left them.
void CHyperlinkPropertiesDlg::FromControls() {
    for (const ActionRadio& a : kActions)
        if (Action[Slot(a.action)]->GetValue()) form_.action = a.action;
    dialog_parts::Read(this, HyperlinkFields(), form_);
}

// Only absolute paths are browsed for, and stored as chosen (nothing is copied).
void CHyperlinkPropertiesDlg::OnBrowse(wxCommandEvent&) {
    FromControls();
    wxString chosen;
    if (form_.Browse() == LinkBrowse::File) {
        wxFileDialog files(this, wxFileSelectorPromptStr, wxEmptyString, wxEmptyString,
                           EXECUTABLE_FILE_FILTER, wxFD_OPEN);
        if (files.ShowModal() != wxID_OK) return;
        chosen = files.GetPath();
        if (chosen.empty() && !files.GetFilename().empty())
            chosen = files.GetDirectory() + "/" + files.GetFilename();
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
    FromControls();
    wxFileDialog files(this, "Add to Disc", wxEmptyString, wxEmptyString, ANY_FILE_FILTER,
                       wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    if (files.ShowModal() != wxID_OK) return;
    wxString source = files.GetPath();
    if (source.empty() && !files.GetFilename().empty())
        source = files.GetDirectory() + "/" + files.GetFilename();
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

bool CHyperlinkPropertiesDlg::Accept() {
    FromControls();
    return form_.Store(project_, index_);
}

void CHyperlinkPropertiesDlg::PreviewFields() {
    FromControls();
    PreviewLink(form_, project_, index_);
}
