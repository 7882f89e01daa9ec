// Looks at the runtime from inside Wine, as a second Windows program would:
//   msgbox CAPTION MS   wait up to MS for a message box with that caption,
//                       print its text as hex, then press its OK button
//   cursor FILE         print hot spot, size and depth of cursor 129 in that program file
//   access TITLE [N]    print the window's style, then what a screen reader reads of it: its
//                       name, then per link its number, role, default action, box and name;
//                       the focus; then do link N's default action and print its HRESULT
//   watch TITLE MS      print "ready", then for MS the link of each focus event
//   new TITLE           in the editor's frame of that title, New Project: print the
//                       location it proposes as hex, then press Cancel
#include <fcntl.h>
#include <io.h>
#include <ole2.h>
#include <oleacc.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "editor/command_ids.h"
#include "platform/win32/link_accessible.h"
#include "platform/win32/win32_api.h"

namespace {

int DialogCommand(const char* caption, DWORD ms, int item, int button) {
    HWND box = nullptr;
    for (DWORD waited = 0; !(box = FindWindowA("#32770", caption)) && waited <= ms; waited += 50)
        Sleep(50);
    if (!box) return 1;
    char text[1024] = {};
    GetDlgItemTextA(box, item, text, sizeof(text));
    for (const char* p = text; *p; ++p)
        std::printf("%02x", unsigned(static_cast<unsigned char>(*p)));
    std::printf("\n");
    std::fflush(stdout);
    HWND ok = GetDlgItem(box, button);
    if (!ok) return 3;
    DWORD_PTR result = 0;
    SendMessageTimeoutA(ok, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 5000, &result);
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

std::string Utf8(BSTR text) {
    if (!text) return "(none)";
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string out(size > 0 ? std::size_t(size) : 1u, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, &out[0], size, nullptr, nullptr);
    out.resize(out.size() - 1);
    SysFreeString(text);
    return out;
}

VARIANT Child(LONG id) {
    VARIANT v;
    v.vt = VT_I4;
    v.lVal = id;
    return v;
}

int AccessCommand(const char* title, LONG link) {
    HWND window = FindWindowA(nullptr, title);
    void* object = nullptr;
    if (!window ||
        FAILED(AccessibleObjectFromWindow(window, DWORD(OBJID_CLIENT), kIidAccessible, &object)))
        return 1;
    auto* client = static_cast<IAccessible*>(object);
    std::printf("style %08lx\n", static_cast<unsigned long>(GetWindowLongA(window, GWL_STYLE)));
    BSTR text = nullptr;
    client->get_accName(Child(CHILDID_SELF), &text);
    std::printf("name %s\n", Utf8(text).c_str());
    LONG count = -1;
    client->get_accChildCount(&count);
    std::printf("children %ld\n", long(count));
    for (LONG i = 1; i <= count; ++i) {
        VARIANT role = {};
        client->get_accRole(Child(i), &role);
        BSTR action = nullptr;
        client->get_accDefaultAction(Child(i), &action);
        LONG x = 0, y = 0, w = 0, h = 0;
        client->accLocation(&x, &y, &w, &h, Child(i));
        text = nullptr;
        client->get_accName(Child(i), &text);
        std::printf("%ld role %ld action %s box %ld %ld %ld %ld name %s\n", long(i),
                    role.vt == VT_I4 ? long(role.lVal) : -1L, Utf8(action).c_str(), long(x),
                    long(y), long(w), long(h), Utf8(text).c_str());
    }
    VARIANT focus = {};
    client->get_accFocus(&focus);
    std::printf("focus %ld\n", focus.vt == VT_I4 ? long(focus.lVal) : -1L);
    if (link > 0)
        std::printf("act %08lx\n",
                    static_cast<unsigned long>(client->accDoDefaultAction(Child(link))));
    client->Release();
    return 0;
}

HWND watched = nullptr;

void CALLBACK OnFocusEvent(HWINEVENTHOOK, DWORD, HWND hwnd, LONG object, LONG child, DWORD, DWORD) {
    if (hwnd == watched && object == OBJID_CLIENT && child != CHILDID_SELF) {
        std::printf("focus %ld\n", long(child));
        std::fflush(stdout);
    }
}

int WatchCommand(const char* title, DWORD ms) {
    watched = FindWindowA(nullptr, title);
    if (!watched) return 1;
    HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, nullptr,
                                         OnFocusEvent, 0, 0, WINEVENT_OUTOFCONTEXT);
    if (!hook) return 3;
    std::printf("ready\n");
    std::fflush(stdout);
    for (const DWORD end = GetTickCount() + ms; GetTickCount() < end;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    }
    UnhookWinEvent(hook);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    _setmode(_fileno(stdout), _O_BINARY);  // "\n", not "\r\n"
    if (argc == 4 && std::strcmp(argv[1], "msgbox") == 0)
        return DialogCommand(argv[2], DWORD(std::strtoul(argv[3], nullptr, 10)), 0xFFFF, IDOK);
    if (argc == 3 && std::strcmp(argv[1], "cursor") == 0) return CursorCommand(argv[2]);
    HWND frame =
        argc == 3 && std::strcmp(argv[1], "new") == 0 ? FindWindowA(nullptr, argv[2]) : nullptr;
    if (frame && PostMessageA(frame, WM_COMMAND, ID_NEW_PROJECT, 0))
        return DialogCommand("Create a New Project", 10000, IDC_PROJECT_LOCATION, IDCANCEL);
    CoInitialize(nullptr);
    if ((argc == 3 || argc == 4) && std::strcmp(argv[1], "access") == 0)
        return AccessCommand(argv[2], argc == 4 ? LONG(std::strtol(argv[3], nullptr, 10)) : 0);
    if (argc == 4 && std::strcmp(argv[1], "watch") == 0)
        return WatchCommand(argv[2], DWORD(std::strtoul(argv[3], nullptr, 10)));
    std::fprintf(stderr,
                 "usage: velomar_wine_probe msgbox CAPTION MS | cursor FILE |\n"
                 "       access TITLE [N] | watch TITLE MS | new TITLE\n");
    return 2;
}
