// The window system of the editor: the wx host without a hand cursor, where
// a "QUIT" link in the preview closes the editor's own main window.
#pragma once

#include "platform/wx/wx_window_system.h"

class EditorWindowSystem : public platform::wx::WxWindowSystem {
  public:
    EditorWindowSystem() : WxWindowSystem(false) {}
    void PostCloseToMainWindow() override;
};
