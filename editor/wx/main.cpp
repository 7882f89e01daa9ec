// velomarforge: the editor of Velomar disc menus.
#include "editor/wx/forge_app.h"
#include "platform/wx/toolkit_gl.h"

wxIMPLEMENT_WX_THEME_SUPPORT;
wxIMPLEMENT_APP_NO_MAIN(CVelomarForgeApp);

int main(int argc, char** argv) {
    platform::wx::DisableToolkitGl();  // CVelomarForgeApp::OnInit puts it back
    return wxEntry(argc, argv);
}
