#include "editor/win32/property_dialogs.h"

bool ShowPropertyDialog(CMainFrame*, CInstallerWnd&, ItemDialog, int) { return false; }
