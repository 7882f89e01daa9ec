// velomar: the disc menu runtime for Linux desktops.
#include "launcher/wx/velomar_app.h"

wxIMPLEMENT_APP(CVelomarApp);
