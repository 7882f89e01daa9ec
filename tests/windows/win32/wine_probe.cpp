// Looks at the runtime from inside Wine, as a second Windows program would:
//   msgbox CAPTION MS   wait up to MS for a message box with that caption,
//                       print its text as hex, then press its OK button
//   style TITLE         print the style of the visible top-level window with that title
//   cursor FILE         print hot spot, size and depth of cursor 129 in that program file
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/win32/win32_api.h"

namespace {

int MessageBoxCommand(const char* caption, DWORD ms) {
    HWND box = nullptr;
    for (DWORD waited = 0; !(box = FindWindowA("#32770", caption)) && waited <= ms; waited += 50)
        Sleep(50);
    if (!box) return 1;
    char text[1024] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof(text));  // the static text's id
    for (const char* p = text; *p; ++p)
        std::printf("%02x", unsigned(static_cast<unsigned char>(*p)));
    std::printf("\n");
    std::fflush(stdout);
    HWND ok = GetDlgItem(box, IDOK);
    if (!ok) return 3;
    DWORD_PTR result = 0;
    SendMessageTimeoutA(ok, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 5000, &result);
    return 0;
}

int StyleCommand(const char* title) {
    HWND window = FindWindowA(nullptr, title);
    if (!window || !IsWindowVisible(window)) return 1;
    std::printf("%08lx\n", static_cast<unsigned long>(GetWindowLongA(window, GWL_STYLE)));
    return 0;
}

int CursorCommand(const char* file) {
    HMODULE module = LoadLibraryExA(file, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    HRSRC group =
        module ? FindResourceA(module, MAKEINTRESOURCEA(129), MAKEINTRESOURCEA(12)) : nullptr;
    auto* dir =
        group ? static_cast<const WORD*>(LockResource(LoadResource(module, group))) : nullptr;
    if (!dir || dir[2] == 0) return 1;
    // The group's first entry: width, height, planes, bits (WORDs), size (DWORD), then its id.
    const WORD id = dir[3 + 6];
    HRSRC image = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(1));
    if (!image) return 1;
    auto* hotspot = static_cast<const WORD*>(LockResource(LoadResource(module, image)));
    auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(hotspot + 2);
    std::printf("hotspot %u %u size %ld %ld bits %u\n", hotspot[0], hotspot[1], header->biWidth,
                header->biHeight / 2, header->biBitCount);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    _setmode(_fileno(stdout), _O_BINARY);  // "\n", not "\r\n"
    if (argc == 4 && std::strcmp(argv[1], "msgbox") == 0)
        return MessageBoxCommand(argv[2], DWORD(std::strtoul(argv[3], nullptr, 10)));
    if (argc == 3 && std::strcmp(argv[1], "style") == 0) return StyleCommand(argv[2]);
    if (argc == 3 && std::strcmp(argv[1], "cursor") == 0) return CursorCommand(argv[2]);
    std::fprintf(stderr,
                 "usage: velomar_wine_probe msgbox CAPTION MS | style TITLE | cursor FILE\n");
    return 2;
}
