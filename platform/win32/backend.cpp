#include "platform/win32/backend.h"

#include "platform/win32/gdi_objects.h"
#include "platform/win32/win32_graphics.h"
#include "platform/win32/win32_services.h"
#include "platform/win32/win32_system.h"
#include "platform/win32/win32_window.h"

namespace platform::win32 {

Backend::Backend()
    : graphics_(std::make_unique<Win32Graphics>()),
      windows_(std::make_unique<Win32WindowSystem>()),
      services_(std::make_unique<Win32Services>(windows_.get())),
      system_(std::make_unique<Win32System>()) {}

Backend::~Backend() = default;

void Backend::Install() { platform::Install(Get()); }

Platform Backend::Get() const {
    Platform p;
    p.graphics = graphics_.get();
    p.windows = windows_.get();
    p.services = services_.get();
    p.system = system_.get();
    return p;
}

bool ReadPixels(Bitmap& bitmap, int* width, int* height, std::vector<std::uint32_t>* pixels) {
    BitmapInfo info;
    if (!bitmap.GetInfo(&info) || info.width <= 0 || info.height <= 0) return false;
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = info.width;
    bi.bmiHeader.biHeight = -info.height;  // top row first
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    pixels->assign(std::size_t(info.width) * std::size_t(info.height), 0);
    HDC screen = GetDC(nullptr);
    int rows = GetDIBits(screen, static_cast<Win32Bitmap&>(bitmap).handle(), 0, UINT(info.height),
                         pixels->data(), &bi, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (rows != info.height) return false;
    for (std::uint32_t& p : *pixels) p &= 0x00FFFFFF;
    *width = info.width;
    *height = info.height;
    return true;
}

std::unique_ptr<Window> BorrowWindow(void* hwnd) {
    auto window = std::make_unique<Win32Window>(nullptr, nullptr);
    window->Borrow(static_cast<HWND>(hwnd));
    return window;
}

void* HandleOf(const Window* window) {
    return window && window->IsWindow() ? static_cast<const Win32Window*>(window)->hwnd() : nullptr;
}

int RunMessageLoop() {
    MSG msg = {};
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return int(msg.wParam);
}

}  // namespace platform::win32
