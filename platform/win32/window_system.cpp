#include <map>
#include <string>

#include "platform/win32/resource_ids.h"
#include "platform/win32/win32_window.h"

namespace platform::win32 {

namespace {

// "VelomarWnd:" and the style in lower-case hex, without the printf family
// (it would be the only user of MinGW's printf in the exe).
std::string ClassNameFor(std::uint32_t classStyle) {
    std::string name = "VelomarWnd:";
    int shift = 28;
    while (shift > 0 && ((classStyle >> shift) & 0xF) == 0) shift -= 4;
    for (; shift >= 0; shift -= 4) name += "0123456789abcdef"[(classStyle >> shift) & 0xF];
    return name;
}

// One class per class style; the arrow cursor, no brush, no icon.
const char* RegisteredClass(std::uint32_t classStyle) {
    static std::map<std::uint32_t, std::string> names;
    auto found = names.find(classStyle);
    if (found != names.end()) return found->second.c_str();

    const std::string name = ClassNameFor(classStyle);
    WNDCLASSA wc = {};
    wc.style = classStyle;
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = name.c_str();
    if (!RegisterClassA(&wc)) return nullptr;
    return names.emplace(classStyle, name).first->second.c_str();
}

}  // namespace

std::unique_ptr<Window> Win32WindowSystem::CreateHostWindow(const WindowParams& params,
                                                            WindowListener* listener) {
    const char* className = RegisteredClass(params.windowClass.classStyle);
    if (!className) return nullptr;
    auto window = std::make_unique<Win32Window>(this, listener);
    HWND parent =
        params.parent ? static_cast<Win32Window*>(params.parent)->hwnd() : GetDesktopWindow();
    HWND hwnd = CreateWindowExA(params.exStyle, className, params.title.c_str(), params.style,
                                params.x, params.y, params.width, params.height, parent, nullptr,
                                GetModuleHandleA(nullptr), window.get());
    if (!hwnd) return nullptr;
    // The menu takes the keys as it appears.
    if (!(params.style & ws::Child) && (params.style & ws::Visible)) {
        SetForegroundWindow(hwnd);
        SetFocus(hwnd);
    }
    return window;
}

Size Win32WindowSystem::GetScreenSize() const {
    return Size{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

bool Win32WindowSystem::SetHandCursor() {
    HCURSOR hand = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(VELOMAR_IDC_HOTSPOT));
    if (!hand) return false;
    SetCursor(hand);
    return true;
}

void Win32WindowSystem::SetCursorPos(Point screen) { ::SetCursorPos(screen.x, screen.y); }

void Win32WindowSystem::SetMainWindow(Window* window) { main_ = static_cast<Win32Window*>(window); }

void Win32WindowSystem::PostCloseToMainWindow() {
    HWND hwnd = MainWindowHandle();
    if (hwnd) PostMessageA(hwnd, WM_CLOSE, 0, 0);
}

HWND Win32WindowSystem::MainWindowHandle() const {
    return main_ && main_->IsWindow() ? main_->hwnd() : nullptr;
}

}  // namespace platform::win32
