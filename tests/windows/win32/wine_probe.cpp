// Looks at the runtime from inside Wine, as a second Windows program would:
//   msgbox CAPTION MS   wait up to MS for a message box with that caption,
//                       print its text as hex, then press its OK button
//   window TITLE        print "STYLE RECT" of the top-level window with that
//                       title, or exit 1 when there is none
//   cursor FILE         print "hotspot X Y" of cursor 129 in that program file
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/win32/win32_api.h"

namespace {

constexpr int kMessageTextId = 0xFFFF;

void PrintHex(const char* text) {
    for (const char* p = text; *p; ++p)
        std::printf("%02x", unsigned(static_cast<unsigned char>(*p)));
    std::printf("\n");
}

int MessageBoxCommand(const char* caption, DWORD ms) {
    HWND box = nullptr;
    for (DWORD waited = 0; !box && waited <= ms; waited += 50) {
        box = FindWindowA("#32770", caption);
        if (!box) Sleep(50);
    }
    if (!box) return 1;
    char text[1024] = {};
    GetDlgItemTextA(box, kMessageTextId, text, sizeof(text));
    PrintHex(text);
    std::fflush(stdout);
    HWND ok = GetDlgItem(box, IDOK);
    if (!ok) return 3;
    DWORD_PTR result = 0;
    SendMessageTimeoutA(ok, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 5000, &result);
    return 0;
}

int WindowCommand(const char* title) {
    HWND window = FindWindowA(nullptr, title);
    if (!window || !IsWindowVisible(window)) return 1;
    RECT r = {};
    GetWindowRect(window, &r);
    std::printf("%08lx %ld %ld %ld %ld\n",
                static_cast<unsigned long>(GetWindowLongA(window, GWL_STYLE)), r.left, r.top,
                r.right, r.bottom);
    return 0;
}

#pragma pack(push, 2)
struct CursorGroupEntry {  // one entry of an RT_GROUP_CURSOR resource
    WORD width;
    WORD height;
    WORD planes;
    WORD bitCount;
    DWORD bytesInRes;
    WORD id;
};
#pragma pack(pop)

int CursorCommand(const char* file) {
    HMODULE module = LoadLibraryExA(file, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) return 1;
    HRSRC group = FindResourceA(module, MAKEINTRESOURCEA(129), MAKEINTRESOURCEA(12));
    if (!group) return 1;
    auto* dir = static_cast<const WORD*>(LockResource(LoadResource(module, group)));
    if (!dir || dir[2] == 0) return 1;
    auto* entry = reinterpret_cast<const CursorGroupEntry*>(dir + 3);
    HRSRC image = FindResourceA(module, MAKEINTRESOURCEA(entry->id), MAKEINTRESOURCEA(1));
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
    if (argc == 3 && std::strcmp(argv[1], "window") == 0) return WindowCommand(argv[2]);
    if (argc == 3 && std::strcmp(argv[1], "cursor") == 0) return CursorCommand(argv[2]);
    std::fprintf(stderr,
                 "usage: velomar_wine_probe msgbox CAPTION MS | window TITLE | cursor FILE\n");
    return 2;
}
