// A native window and the window system around it.
#pragma once

#include <memory>
#include <vector>

#include "platform/win32/gdi_objects.h"
#include "platform/win32/link_accessible.h"
#include "platform/win32/win32_api.h"
#include "platform/window.h"

namespace platform::win32 {

class Win32WindowSystem;

class Win32Window : public Window {
  public:
    Win32Window(Win32WindowSystem* system, WindowListener* listener)
        : system_(system), listener_(listener) {}
    ~Win32Window() override;
    Win32Window(const Win32Window&) = delete;
    Win32Window& operator=(const Win32Window&) = delete;

    bool IsWindow() const override;
    void Destroy() override;
    Rect GetClientRect() const override;
    Rect GetWindowRect() const override;
    DC* GetDC() override;
    void ReleaseDC(DC* dc) override;
    DC* BeginPaint() override;
    void EndPaint() override;
    void RedrawNow() override;
    void RedrawArea(const Rect& area) override;
    unsigned SetTimer(unsigned id, unsigned milliseconds) override;
    bool KillTimer(unsigned id) override;
    void SetCapture() override;
    void ReleaseCapture() override;
    void LinkFocused(int index) override;

    HWND hwnd() const { return hwnd_; }
    WindowListener* listener() const { return listener_; }
    Win32WindowSystem* system() const { return system_; }
    bool paintBegun() const { return paintDC_ != nullptr; }
    AccessibleSlot& accessible() { return accessible_; }
    void Attach(HWND hwnd) { hwnd_ = hwnd; }
    // A window of someone else's (the editor's panes): never destroyed or
    // changed by this object.
    void Borrow(HWND hwnd) {
        hwnd_ = hwnd;
        owned_ = false;
    }
    // WM_NCDESTROY: the handle is dead and no message follows.
    void Detach();

  private:
    Win32WindowSystem* system_;
    WindowListener* listener_;
    HWND hwnd_ = nullptr;
    bool owned_ = true;
    std::vector<std::unique_ptr<Win32DC>> lentDCs_;
    std::unique_ptr<Win32DC> paintDC_;
    PAINTSTRUCT paint_ = {};
    AccessibleSlot accessible_;
};

class Win32WindowSystem : public WindowSystem {
  public:
    std::unique_ptr<Window> CreateHostWindow(const WindowParams& params,
                                             WindowListener* listener) override;
    Size GetScreenSize() const override;
    bool SetHandCursor() override;
    void SetCursorPos(Point screen) override;
    void SetMainWindow(Window* window) override;
    void PostCloseToMainWindow() override;

    // The main window's handle while it exists, else null (owner of message boxes).
    HWND MainWindowHandle() const;
    bool IsMainWindow(const Win32Window* window) const { return window && window == main_; }

  private:
    Win32Window* main_ = nullptr;
};

// The window procedure of every class this backend registers (window_proc.cpp).
LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace platform::win32
