#include "editor/wx/editor_window_system.h"

#include <wx/app.h>
#include <wx/window.h>

void EditorWindowSystem::PostCloseToMainWindow() {
    if (!wxTheApp) return;
    // Posted: the click that asked for it finishes before the frame goes.
    wxTheApp->CallAfter([] {
        if (wxWindow* top = wxTheApp->GetTopWindow()) top->Close();
    });
}
