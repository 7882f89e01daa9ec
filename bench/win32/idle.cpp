// A windowless program that waits until killed: it keeps Wine's desktop
// (explorer.exe) up between the bench's runs, as Windows keeps its own.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // Asking for the desktop starts it; Wine ends it when no program holds it.
    GetDesktopWindow();
    Sleep(INFINITE);
    return 0;
}
