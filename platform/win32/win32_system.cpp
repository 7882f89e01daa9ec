#include "platform/win32/win32_system.h"

#include "platform/win32/win32_api.h"

namespace platform::win32 {

namespace {

constexpr DWORD kBufferChars = 260;
constexpr LCID kSystemDefaultLocale = 0x800;
constexpr LCTYPE kEnglishLanguageName = 0x1001;

}  // namespace

bool Win32System::GetCurrentDir(std::string* dir) {
    char buffer[kBufferChars] = {};
    DWORD n = GetCurrentDirectoryA(kBufferChars, buffer);
    // A longer path does not fit: n is then the size it would need.
    if (n == 0 || n >= kBufferChars) return false;
    dir->assign(buffer, n);
    return true;
}

bool Win32System::GetSystemLanguageName(std::string* name) {
    char buffer[kBufferChars] = {};
    if (!GetLocaleInfoA(kSystemDefaultLocale, kEnglishLanguageName, buffer, int(kBufferChars)))
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
