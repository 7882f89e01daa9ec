#include "editor/wx/about_dlg.h"

#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "editor/wx/art.h"
#include "editor/wx/dialog_parts.h"
#include "velomar_version.h"

wxString VersionText() { return wxString(VERSION_CAPTION) + VELOMAR_VERSION; }

CAboutDlg::CAboutDlg(wxWindow* parent) : wxDialog(parent, wxID_ANY, AboutLayout().title) {
    dialog_parts::BuildDialog(this, AboutLayout());
    const wxIconBundle icons = forge_art::ProgramIcons();
    if (!icons.IsEmpty()) {
        const wxIcon icon = icons.GetIconOfExactSize(32);
        dialog_parts::Find<wxStaticBitmap>(this, IDC_ABOUT_ICON)
            ->SetBitmap(wxBitmap(icon.IsOk() ? icon : icons.GetIconByIndex(0)));
    }
    Version = dialog_parts::Find<wxStaticText>(this, IDC_VERSION_TEXT);
    Version->SetLabel(VersionText());
}
