// velomarforge: the editor of Velomar disc menus.
#include "editor/wx/forge_app.h"

wxIMPLEMENT_APP(CVelomarForgeApp);
