// CDemoWnd: the preview pane. It shows the open project as the disc will, by
// hosting the real menu window (CInstallerWnd on the Win32 platform layer) as
// its child, placed as the controller says.
#pragma once

#include <memory>

#include "editor/win32/native_window.h"
#include "platform/window.h"

class EditorController;

class CDemoWnd : public CNativeWindow {
  public:
    explicit CDemoWnd(EditorController& editor) : editor_(&editor) {}

    bool Create(HWND parent, int id);
    platform::Window* Parent() { return parent_.get(); }
    // The menu window, when a project is open.
    HWND Preview() const;
    // The controller is going: nothing is asked of it any more.
    void Detach() { editor_ = nullptr; }

  protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    EditorController* editor_;
    std::unique_ptr<platform::Window> parent_;
};
