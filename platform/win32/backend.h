// The platform layer on real Win32: GDI, USER32, WINMM, SHELL32 and KERNEL32.
// Nothing of <windows.h> shows through this header.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/platform.h"

namespace platform::win32 {

class Win32Graphics;
class Win32WindowSystem;
class Win32Services;
class Win32System;

// Owns one object of each backend class; Install() makes them the current platform.
class Backend {
  public:
    Backend();
    ~Backend();
    Backend(const Backend&) = delete;
    Backend& operator=(const Backend&) = delete;

    void Install();
    Platform Get() const;

  private:
    std::unique_ptr<Win32Graphics> graphics_;
    std::unique_ptr<Win32WindowSystem> windows_;
    std::unique_ptr<Win32Services> services_;
    std::unique_ptr<Win32System> system_;
};

// Reads a bitmap made by this backend as 0x00RRGGBB pixels, top row first
// (GetDIBits at 32 bits per pixel). The bitmap must not be selected into a DC.
bool ReadPixels(Bitmap& bitmap, int* width, int* height, std::vector<std::uint32_t>* pixels);

// A platform window for a native window made elsewhere (an HWND), so that
// the engine's windows can be its children; the object never destroys it.
std::unique_ptr<Window> BorrowWindow(void* hwnd);
// The HWND of a window of this backend, or null once it is gone.
void* HandleOf(const Window* window);

// Runs the message loop until WM_QUIT; returns its exit code.
int RunMessageLoop();

}  // namespace platform::win32
