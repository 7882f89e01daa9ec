#include "platform/win32/win32_services.h"

#include "platform/win32/apartment.h"
#include "platform/win32/win32_api.h"
#include "platform/win32/win32_window.h"

namespace platform::win32 {

std::string ProgramName() {
    char path[MAX_PATH] = {};
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return "Velomar";
    std::string name(path, n);
    std::string::size_type slash = name.find_last_of("\\/");
    if (slash != std::string::npos) name.erase(0, slash + 1);
    std::string::size_type dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0) name.erase(dot);
    return name;
}

MessageAnswer Win32Services::ShowMessage(const std::string& text, MessageButtons buttons) {
    UINT type = MB_ICONEXCLAMATION | (buttons == MessageButtons::YesNo ? MB_YESNO : MB_OK);
    std::string caption = ProgramName();
    HWND owner = windows_->MainWindowHandle();
    // The editor opens its project before its frame first shows: a message
    // from that comes over the frame, not alone on the screen.
    if (owner && !IsWindowVisible(owner)) ShowWindow(owner, SW_SHOWNORMAL);
    int answer = MessageBoxA(owner, text.c_str(), caption.c_str(), type);
    if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    return answer == IDYES ? MessageAnswer::Yes : MessageAnswer::No;
}

void Win32Services::Trace(const std::string&) {}

// The audio stack comes with winmm: loaded at the first sound, so a menu
// without sounds never pays for it.
void Win32Services::PlaySoundFile(const std::string& path) {
    using PlaySoundFn = BOOL(WINAPI*)(LPCSTR, HMODULE, DWORD);
    static const PlaySoundFn play = [] {
        HMODULE winmm = LoadLibraryA("winmm.dll");
        return winmm ? reinterpret_cast<PlaySoundFn>(
                           reinterpret_cast<void*>(GetProcAddress(winmm, "PlaySoundA")))
                     : nullptr;
    }();
    if (play) play(path.c_str(), nullptr, SND_FILENAME | SND_NOWAIT | SND_NODEFAULT | SND_ASYNC);
}

// The shell, too, loads at the first link followed, not at start.
bool Win32Services::ShellExecuteFile(Window* window, const char* verb, const std::string& file,
                                     const char* params) {
    using ShellExecuteFn = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
    static const ShellExecuteFn execute = [] {
        HMODULE shell = LoadLibraryA("shell32.dll");
        return shell ? reinterpret_cast<ShellExecuteFn>(
                           reinterpret_cast<void*>(GetProcAddress(shell, "ShellExecuteA")))
                     : nullptr;
    }();
    if (!execute) return false;
    JoinApartment();  // the shell may hand the file to an extension
    HWND hwnd = window ? static_cast<Win32Window*>(window)->hwnd() : nullptr;
    // Above 32 is success, as documented.
    return reinterpret_cast<INT_PTR>(
               execute(hwnd, verb, file.c_str(), params, nullptr, SW_SHOWNORMAL)) > 32;
}

}  // namespace platform::win32
