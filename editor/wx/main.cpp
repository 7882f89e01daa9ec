// velomarforge: the editor of Velomar disc menus.
#include "editor/wx/forge_app.h"
#include "platform/wx/out_of_memory.h"
#include "platform/wx/toolkit_gl.h"
#include "velomar_version.h"

wxIMPLEMENT_WX_THEME_SUPPORT;
wxIMPLEMENT_APP_NO_MAIN(CVelomarForgeApp);

namespace {
const char kHelp[] =
    "Usage: velomarforge [PROJECT-FOLDER | --help | --version]\n"
    "The editor of Velomar disc menus; opens PROJECT-FOLDER (or its AppSetup.dat) at start.\n";
}  // namespace

int main(int argc, char** argv) {
    if (PrintVersionIfAsked("velomarforge", argc, argv) || PrintHelpIfAsked(kHelp, argc, argv))
        return 0;
    platform::wx::DisableToolkitGl();  // CVelomarForgeApp::OnInit puts it back
    return platform::wx::ExitStatus(wxEntry(argc, argv));
}
