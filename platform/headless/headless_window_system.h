// The window host without a display: a virtual screen on which windows are
// surfaces. Nothing happens by itself: the caller delivers timers, mouse moves,
// clicks and keys one at a time, so every run is the same. Capture, cursor,
// pointer position and close requests are recorded for tests to read.
#pragma once

#include <memory>
#include <vector>

#include "platform/headless/headless_window.h"
#include "platform/raster/surface.h"
#include "platform/window.h"

namespace platform {

enum class CursorShape { Arrow, Hand };

class HeadlessWindowSystem : public WindowSystem {
  public:
    // hasHandCursor: true acts as the runtime; false as the editor, which has no hand cursor.
    explicit HeadlessWindowSystem(Size screen = {1024, 768}, bool hasHandCursor = true);
    ~HeadlessWindowSystem() override;
    HeadlessWindowSystem(const HeadlessWindowSystem&) = delete;
    HeadlessWindowSystem& operator=(const HeadlessWindowSystem&) = delete;

    // WindowSystem.
    std::unique_ptr<Window> CreateHostWindow(const WindowParams& params,
                                             WindowListener* listener) override;
    Size GetScreenSize() const override { return screen_; }
    bool SetHandCursor() override;
    void SetCursorPos(Point screen) override;
    void SetMainWindow(Window* window) override;
    void PostCloseToMainWindow() override;

    // Input, delivered by the caller. Each first lets the screen settle (Pump),
    // as a user acts on what is shown, and handles what the message posted after.
    //
    // Handles posted closes, then paints every invalid visible window.
    void Pump();
    // One WM_TIMER to each live timer: windows in creation order, ids ascending.
    // A timer killed by an earlier handler of the same step is skipped. Returns how
    // many were delivered.
    int StepTimers();
    // A mouse message at a point in the window's client coordinates. The window
    // holding the capture gets it wherever the point is, in its own coordinates;
    // without capture a point outside the window's client area reaches nobody.
    // Returns whether a listener got it.
    bool MouseMove(Window* window, Point client, unsigned flags = 0);
    bool LButtonDown(Window* window, Point client, unsigned flags = mk::LButton);
    bool RButtonDown(Window* window, Point client, unsigned flags = mk::RButton);
    // The same at a screen point: without capture, the topmost window under it.
    bool MouseMoveOnScreen(Point screen, unsigned flags = 0);
    // A WM_KEYDOWN (vk:: code, keyflag:: bits) to the window, as if it had the
    // keyboard focus; a hidden or destroyed window gets nothing.
    bool KeyDown(Window* window, unsigned virtualKey, unsigned flags = 0);

    // A copy of the window's client area (empty for a window not made here).
    raster::Surface ClientSurface(const Window* window) const;

    // What was recorded.
    HeadlessWindow* CaptureHolder() const { return capture_; }
    CursorShape Cursor() const { return cursor_; }
    int HandCursorRequests() const { return handCursorRequests_; }
    Point CursorPos() const { return cursorPos_; }
    Window* MainWindow() const { return mainWindow_; }
    int ClosesPosted() const { return closesPosted_; }
    // Live windows in creation order.
    std::vector<HeadlessWindow*> Windows() const;

  private:
    friend class HeadlessWindow;
    enum class MouseMessage { Move, LButtonDown, RButtonDown };

    bool DeliverMouse(MouseMessage message, HeadlessWindow* target, Point screen, unsigned flags);
    bool DeliverAtScreen(MouseMessage message, HeadlessWindow* from, Point screen, unsigned flags);
    HeadlessWindow* WindowAt(Point screen) const;
    HeadlessWindow* Find(const Window* window) const;
    void HandlePostedCloses();

    // Called by HeadlessWindow.
    void WindowDestroyed(HeadlessWindow* window);
    void DestroyChildren(HeadlessWindow* window);
    void WindowDeleted(HeadlessWindow* window);
    void CaptureTo(HeadlessWindow* window) { capture_ = window; }
    void ReleaseCaptureFrom() { capture_ = nullptr; }

    Size screen_;
    bool hasHandCursor_;
    std::vector<HeadlessWindow*> windows_;  // creation order; removed when deleted
    HeadlessWindow* capture_ = nullptr;
    HeadlessWindow* mainWindow_ = nullptr;
    CursorShape cursor_ = CursorShape::Arrow;
    int handCursorRequests_ = 0;
    Point cursorPos_;
    int closesPosted_ = 0;
    int pendingCloses_ = 0;
};

}  // namespace platform
