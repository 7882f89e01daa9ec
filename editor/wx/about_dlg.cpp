#include "editor/wx/about_dlg.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "editor/command_ids.h"
#include "editor/wx/art.h"
#include "velomar_version.h"

wxString VersionText() { return "Software Version - " VELOMAR_VERSION; }

CAboutDlg::CAboutDlg(wxWindow* parent) : wxDialog(parent, wxID_ANY, "About VelomarForge") {
    const wxIconBundle icons = forge_art::ProgramIcons();
    auto* text = new wxBoxSizer(wxVERTICAL);
    Version = new wxStaticText(this, IDC_VERSION_TEXT, VersionText(), wxDefaultPosition,
                               wxDefaultSize, wxST_NO_AUTORESIZE);
    Version->SetMinSize(wxSize(220, -1));
    text->Add(Version, 0, wxBOTTOM, 10);
    text->Add(
        new wxStaticText(this, wxID_ANY, "VelomarForge makes autorun menus for CD and DVD discs."));

    auto* all = new wxBoxSizer(wxHORIZONTAL);
    if (!icons.IsEmpty())
        all->Add(new wxStaticBitmap(
                     this, wxID_ANY,
                     wxBitmap(icons.GetIconOfExactSize(32).IsOk() ? icons.GetIconOfExactSize(32)
                                                                  : icons.GetIconByIndex(0))),
                 0, wxALL, 12);
    all->Add(text, 1, wxALL | wxALIGN_CENTRE_VERTICAL, 12);
    auto* ok = new wxButton(this, wxID_OK, "OK");
    ok->SetDefault();
    all->Add(ok, 0, wxALL, 12);
    SetSizerAndFit(all);
    CentreOnParent();
}
