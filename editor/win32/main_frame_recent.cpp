// The recent projects in the File menu, between Save and Exit. The list lives
// in the registry (RecentProjects); the menu shows what was read last.
#include "editor/recent_projects.h"
#include "editor/win32/demo_wnd.h"
#include "editor/win32/main_frame.h"
#include "editor/win32/resource.h"
#include "editor/win32/win32_text.h"

namespace {

// The separator below the entries carries this id, so it can be found again.
constexpr UINT kRecentSeparator = ID_RECENT_LAST + 1;

static_assert(ID_RECENT_LAST - ID_RECENT_FIRST + 1 == int(MAX_RECENT_PROJECTS),
              "one command per entry");

}  // namespace

void CMainFrame::ShowRecentProjects() {
    HMENU file = GetSubMenu(GetMenu(hwnd()), 0);
    if (!file) return;
    for (UINT id = ID_RECENT_FIRST; id <= kRecentSeparator; ++id) DeleteMenu(file, id, MF_BYCOMMAND);
    recentShown_ = recent_.Folders();
    if (recentShown_.empty()) return;

    // Each goes in above Exit, so they stay in order.
    for (std::size_t i = 0; i < recentShown_.size(); ++i) {
        const std::wstring text = win32_text::Wide(RecentMenuText(i, recentShown_[i]));
        InsertMenuW(file, ID_APP_EXIT, MF_BYCOMMAND | MF_STRING, ID_RECENT_FIRST + i, text.c_str());
    }
    MENUITEMINFOW separator = {};
    separator.cbSize = sizeof(separator);
    separator.fMask = MIIM_FTYPE | MIIM_ID;
    separator.fType = MFT_SEPARATOR;
    separator.wID = kRecentSeparator;
    InsertMenuItemW(file, ID_APP_EXIT, FALSE, &separator);
    DrawMenuBar(hwnd());
}

void CMainFrame::OnRecentProject(int id) {
    const std::string folder = recent_.Pick(recentShown_, std::size_t(id - ID_RECENT_FIRST));
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
