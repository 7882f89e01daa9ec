#include "platform/win32/win32_system.h"

#include "platform/win32/win32_api.h"

namespace platform::win32 {

bool Win32System::GetCurrentDir(std::string* dir) {
    char buffer[MAX_PATH] = {};
    DWORD n = GetCurrentDirectoryA(MAX_PATH, buffer);
    // A longer path does not fit: n is then the size it would need.
    if (n == 0 || n >= MAX_PATH) return false;
    dir->assign(buffer, n);
    return true;
}

bool Win32System::GetSystemLanguageName(std::string* name) {
    char buffer[MAX_PATH] = {};
    if (!GetLocaleInfoA(LOCALE_SYSTEM_DEFAULT, LOCALE_SENGLISHLANGUAGENAME, buffer, int(MAX_PATH)))
        return false;
    name->assign(buffer);
    return true;
}

bool Win32System::FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool Win32System::ReplaceFile(const std::string& from, const std::string& to) {
    return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != FALSE;
}

}  // namespace platform::win32
