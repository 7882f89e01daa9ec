// CDemoWnd: the preview pane. It shows the open project as the disc will, by
// hosting the real menu window as its child, placed as the controller says.
#pragma once

#include <wx/window.h>

#include "platform/wx/wx_parent_window.h"

class EditorController;

class CDemoWnd : public wxWindow {
  public:
    CDemoWnd(wxWindow* parent, EditorController& editor);

    platform::Window* Parent() { return &parent_; }
    void FocusPreview();
    // The controller is going: nothing is asked of it any more.
    void Detach() { editor_ = nullptr; }

  private:
    void OnSize(wxSizeEvent& event);

    EditorController* editor_;
    platform::wx::WxParentWindow parent_{this};
};
