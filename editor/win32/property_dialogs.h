// The four property dialogs, shown for the open project from the tree.
#pragma once

#include "editor/template_edit.h"

class CInstallerWnd;
class CMainFrame;

// Modal; true when it ended with OK (the form stored its values).
bool ShowPropertyDialog(CMainFrame* frame, CInstallerWnd& project, ItemDialog dialog, int index);
