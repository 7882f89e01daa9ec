// Windows and input: the USER32-shaped part of the platform layer.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/graphics.h"
#include "platform/types.h"

namespace platform {

// Receives the window's messages; the engine's window class implements it.
// Every handler runs on the window's thread, one message at a time.
class WindowListener {
  public:
    virtual ~WindowListener() = default;
    // WM_CREATE: -1 makes the creation fail.
    virtual int OnCreate() { return 0; }
    // WM_ERASEBKGND: true when the listener erased (or chose not to).
    virtual bool OnEraseBkgnd(DC& /*dc*/) { return false; }
    // WM_PAINT: the listener calls Window::BeginPaint and Window::EndPaint.
    virtual void OnPaint() {}
    virtual void OnMouseMove(unsigned /*flags*/, Point /*client*/) {}
    virtual void OnLButtonDown(unsigned /*flags*/, Point /*client*/) {}
    virtual void OnLButtonUp(unsigned /*flags*/, Point /*client*/) {}
    // WM_LBUTTONDBLCLK: the second press of a double-click, in place of its down.
    virtual void OnLButtonDblClk(unsigned /*flags*/, Point /*client*/) {}
    virtual void OnRButtonDown(unsigned /*flags*/, Point /*client*/) {}
    // WM_KEYDOWN while the window has the keyboard focus: a vk:: code and keyflag:: bits.
    virtual void OnKeyDown(unsigned /*virtualKey*/, unsigned /*flags*/) {}
    virtual void OnTimer(unsigned /*id*/) {}
    // The native window is gone (WM_DESTROY); the listener must not use it again
    // except to ask IsWindow().
    virtual void OnDestroy() {}

    // What a screen reader is told: the window's name and its links, numbered
    // from 1 in the order the keys step through them.
    virtual std::string AccessibleName() { return {}; }
    virtual int AccessibleLinkCount() { return 0; }
    // Link `index`'s text and box (client coordinates); false when there is none.
    virtual bool AccessibleLink(int /*index*/, std::string* /*text*/, Rect* /*box*/) {
        return false;
    }
    // The lit link, 0 for none.
    virtual int AccessibleFocus() { return 0; }
    // Runs link `index` as Enter runs the lit one.
    virtual void AccessibleDoDefault(int /*index*/) {}
};

class Window;

struct WindowClass {
    std::uint32_t classStyle = 0;  // cs:: bits
    // The arrow cursor, no background brush, no icon: the only kind the engine registers.
};

struct WindowParams {
    std::uint32_t exStyle = 0;
    std::uint32_t style = 0;  // ws:: bits
    WindowClass windowClass;
    std::string title;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    Window* parent = nullptr;  // null: a top-level window (owner: the desktop)
};

// A native window. Destroying the object destroys the native window if it
// still exists.
class Window {
  public:
    virtual ~Window() = default;

    virtual bool IsWindow() const = 0;
    virtual void Destroy() = 0;  // DestroyWindow

    virtual Rect GetClientRect() const = 0;  // origin (0, 0)
    virtual Rect GetWindowRect() const = 0;  // screen coordinates

    // GetDC / ReleaseDC: null when no DC can be had. Drawing shows at once.
    virtual DC* GetDC() = 0;
    virtual void ReleaseDC(DC* dc) = 0;
    // BeginPaint / EndPaint, only inside WindowListener::OnPaint.
    virtual DC* BeginPaint() = 0;
    virtual void EndPaint() = 0;

    // RedrawWindow(RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW): OnPaint runs before it returns.
    virtual void RedrawNow() = 0;
    // The same when only `area` (client coordinates) changed: a backend may
    // show just that part (a dragged item costs its box, not the window).
    virtual void RedrawArea(const Rect& /*area*/) { RedrawNow(); }

    // SetTimer / KillTimer by id; SetTimer returns the id, or 0 on failure.
    virtual unsigned SetTimer(unsigned id, unsigned milliseconds) = 0;
    virtual bool KillTimer(unsigned id) = 0;

    virtual void SetCapture() = 0;
    virtual void ReleaseCapture() = 0;

    // The lit link is now `index` (1-based): a screen reader speaks it. A
    // backend without one ignores it.
    virtual void LinkFocused(int /*index*/) {}
};

class WindowSystem {
  public:
    virtual ~WindowSystem() = default;

    // RegisterClass + CreateWindowEx. The listener gets OnCreate during the call.
    // Null on failure.
    virtual std::unique_ptr<Window> CreateHostWindow(const WindowParams& params,
                                                     WindowListener* listener) = 0;

    // SM_CXSCREEN, SM_CYSCREEN.
    virtual Size GetScreenSize() const = 0;

    // LoadCursor(own module, 129) and SetCursor: false when the program has no
    // hand cursor (the editor), and then the cursor stays as it is.
    virtual bool SetHandCursor() = 0;

    // SetCursorPos, screen coordinates.
    virtual void SetCursorPos(Point screen) = 0;

    // The application's main window: a "QUIT" posts WM_CLOSE to it.
    virtual void SetMainWindow(Window* window) = 0;
    virtual void PostCloseToMainWindow() = 0;
};

}  // namespace platform
