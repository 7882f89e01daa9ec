// A C++ object behind a window of a class of our own: the window procedure
// finds the object and calls its WindowProc.
#pragma once

#include "editor/win32/windows_api.h"

class CNativeWindow {
  public:
    CNativeWindow() = default;
    virtual ~CNativeWindow();
    CNativeWindow(const CNativeWindow&) = delete;
    CNativeWindow& operator=(const CNativeWindow&) = delete;

    // Registers the class once (no icon, no brush unless given) and creates the window.
    bool Create(const char* className, DWORD exStyle, DWORD style, const char* title, int x, int y,
                int width, int height, HWND parent, HMENU menuOrId, HCURSOR cursor = nullptr,
                HBRUSH background = nullptr);

    HWND hwnd() const { return hwnd_; }

  protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) {
        return DefWindowProcA(hwnd_, message, wParam, lParam);
    }

  private:
    static LRESULT CALLBACK Route(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
    bool framed_ = true;  // anything outside the client area: a border, a caption, scroll bars
};
