// The recent projects in the File menu, between Save and Exit. The list lives
// in the settings store (RecentProjects); the menu shows what was read last.
#include <wx/menu.h>

#include "editor/recent_projects.h"
#include "editor/wx/command_ids.h"
#include "editor/wx/demo_wnd.h"
#include "editor/wx/dialog_parts.h"
#include "editor/wx/main_frame.h"

namespace {

// The separator below the entries carries this id, so it can be found again.
constexpr int kRecentSeparator = ID_RECENT_SEPARATOR;

}  // namespace

static_assert(ID_RECENT_LAST - ID_RECENT_FIRST + 1 == int(MAX_RECENT_PROJECTS),
              "one command per entry");

void CMainFrame::ShowRecentProjects() {
    wxMenu* file = GetMenuBar()->GetMenu(0);
    for (int id = ID_RECENT_FIRST; id <= kRecentSeparator; ++id)
        if (file->FindChildItem(id)) file->Destroy(id);
    recentShown_ = recent_.Folders();
    if (recentShown_.empty()) return;

    std::size_t at = 0;
    file->FindChildItem(wxID_EXIT, &at);
    for (std::size_t i = 0; i < recentShown_.size(); ++i)
        file->Insert(at + i, ID_RECENT_FIRST + int(i),
                     dialog_parts::ToWx(RecentMenuText(i, recentShown_[i])),
                     "Open this project");
    file->Insert(at + recentShown_.size(), new wxMenuItem(file, kRecentSeparator, wxEmptyString,
                                                          wxEmptyString, wxITEM_SEPARATOR));
}

void CMainFrame::OnRecentProject(wxCommandEvent& event) {
    const std::string folder =
        recent_.Pick(recentShown_, std::size_t(event.GetId() - ID_RECENT_FIRST));
    if (folder.empty())
        ShowRecentProjects();
    else
        OpenFolder(folder);
}

void CMainFrame::RememberProject() {
    if (const CInstallerWnd* project = DemoWnd->GetInstallerWnd()) {
        recent_.Add(project->ProjectFolder);
        ShowRecentProjects();
    }
}
