// The yardstick for Velomar.exe's memory: the least a Win32 program needs to
// show a 640 x 440 bordered popup, centred, painted one colour, until closed.
#include <windows.h>

namespace {

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    // The colour bench/runtime_memory_wine.sh looks for.
    wc.hbrBackground = CreateSolidBrush(RGB(0x20, 0x40, 0x60));
    wc.lpszClassName = "VelomarYardstick";
    if (!RegisterClassA(&wc)) return 1;
    const int w = 640, h = 440;
    const int x = (GetSystemMetrics(SM_CXSCREEN) - w) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - h) / 2;
    HWND hwnd = CreateWindowA(wc.lpszClassName, "Yardstick", WS_POPUP | WS_BORDER | WS_VISIBLE, x,
                              y, w, h, nullptr, nullptr, instance, nullptr);
    if (!hwnd) return 1;
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
