// A windowless program that waits until killed: it keeps Wine's desktop
// (explorer.exe) up between the bench's runs, as Windows keeps its own.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    Sleep(INFINITE);
    return 0;
}
