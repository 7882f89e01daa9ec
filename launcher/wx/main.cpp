// velomar: the disc menu runtime for Linux desktops.
#include "launcher/wx/velomar_app.h"
#include "platform/wx/out_of_memory.h"
#include "platform/wx/toolkit_gl.h"
#include "velomar_version.h"

wxIMPLEMENT_WX_THEME_SUPPORT;
wxIMPLEMENT_APP_NO_MAIN(CVelomarApp);

namespace {
const char kHelp[] =
    "Usage: velomar [--help | --version]\n"
    "Shows the autorun menu of the Velomar project in the current directory\n"
    "(its AppSetup.dat). Exit status 0 when the menu was closed.\n";
}  // namespace

int main(int argc, char** argv) {
    if (PrintVersionIfAsked("velomar", argc, argv) || PrintHelpIfAsked(kHelp, argc, argv)) return 0;
    platform::wx::DisableToolkitGl();  // CVelomarApp::OnInit puts it back
    return platform::wx::ExitStatus(wxEntry(argc, argv));
}
