// The window system on wx: host windows, the screen, the hand cursor, the
// pointer, and the main window whose destruction ends the event loop.
#pragma once

#include <wx/cursor.h>

#include <memory>
#include <vector>

#include "platform/window.h"

namespace platform::wx {

class WxWindow;

class WxWindowSystem : public WindowSystem {
  public:
    // hasHandCursor: the runtime carries the hand cursor; the editor does not.
    explicit WxWindowSystem(bool hasHandCursor);
    ~WxWindowSystem() override;
    WxWindowSystem(const WxWindowSystem&) = delete;
    WxWindowSystem& operator=(const WxWindowSystem&) = delete;

    std::unique_ptr<Window> CreateHostWindow(const WindowParams& params,
                                             WindowListener* listener) override;
    Size GetScreenSize() const override;
    bool SetHandCursor() override;
    void SetCursorPos(Point screen) override;
    void SetMainWindow(Window* window) override;
    void PostCloseToMainWindow() override;

    WxWindow* MainWindow() const { return main_; }

    // From WxWindow.
    void WindowDestroyed(WxWindow* window);
    void WindowDeleted(WxWindow* window);
    void NoteMouseWindow(WxWindow* window) { mouseWindow_ = window; }

  private:
    bool hasHandCursor_;
    wxCursor hand_;  // loaded on first use
    std::vector<WxWindow*> windows_;
    WxWindow* main_ = nullptr;
    WxWindow* mouseWindow_ = nullptr;
    // Posted closes check it, so a close posted before we went away does nothing.
    std::shared_ptr<WxWindowSystem*> self_;
};

}  // namespace platform::wx
