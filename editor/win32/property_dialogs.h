// The four property dialogs, shown for the open project from the tree.
#pragma once

#include <functional>

#include "editor/template_edit.h"

class CInstallerWnd;
class CMainFrame;

// Runs after each change of a field with the call that puts the fields into
// the record.
using LiveHook = std::function<void(const std::function<void()>& write)>;

// Modal; true when it ended with OK (the form stored its values). `live` runs
// after each change of a field.
bool ShowPropertyDialog(CMainFrame* frame, CInstallerWnd& project, ItemDialog dialog, int index,
                        const LiveHook& live = {});
