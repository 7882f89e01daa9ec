#include "platform/win32/win32_system.h"

#include <fcntl.h>
#include <io.h>

#include "platform/replacement_file.h"
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

bool Win32System::CreateFolder(const std::string& path) {
    if (CreateDirectoryA(path.c_str(), nullptr)) return true;
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

EntryKind Win32System::KindOf(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return EntryKind::Missing;
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) return EntryKind::Link;
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? EntryKind::Folder : EntryKind::File;
}

bool Win32System::ListFolder(const std::string& folder, std::vector<std::string>* names) {
    names->clear();
    if (KindOf(folder) != EntryKind::Folder) return false;
    std::string pattern = folder;
    if (!pattern.empty() && pattern.back() != '\\' && pattern.back() != '/') pattern += '\\';
    WIN32_FIND_DATAA found;
    HANDLE h = FindFirstFileA((pattern + "*").c_str(), &found);
    if (h == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_FILE_NOT_FOUND;
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..") names->push_back(name);
    } while (FindNextFileA(h, &found));
    FindClose(h);
    return true;
}

bool Win32System::RemoveFile(const std::string& path) { return DeleteFileA(path.c_str()) != FALSE; }

namespace {

// A file or folder opened only to read what the system keeps about it, through a link.
HANDLE OpenForInfo(const std::string& path) {
    return CreateFileA(path.c_str(), FILE_READ_ATTRIBUTES,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

bool FileIdentity(const std::string& path, BY_HANDLE_FILE_INFORMATION* info) {
    HANDLE h = OpenForInfo(path);
    if (h == INVALID_HANDLE_VALUE) return false;
    const bool ok = GetFileInformationByHandle(h, info) != FALSE;
    CloseHandle(h);
    return ok;
}

}  // namespace

bool Win32System::SameFile(const std::string& a, const std::string& b) {
    BY_HANDLE_FILE_INFORMATION x, y;
    return FileIdentity(a, &x) && FileIdentity(b, &y) &&
           x.dwVolumeSerialNumber == y.dwVolumeSerialNumber &&
           x.nFileIndexHigh == y.nFileIndexHigh && x.nFileIndexLow == y.nFileIndexLow;
}

// Through a link, as the file is read. Only the time and size are asked for:
// the whole record holds the volume's serial, which under Wine is a round trip
// to the mount manager's process for every picture a project opens with.
// FILETIME counts 100 ns from 1601: moved to 1970 first, so that nanoseconds
// fit in 64 bits.
bool Win32System::GetFileStamp(const std::string& path, FileStamp* stamp) {
    HANDLE h = OpenForInfo(path);
    if (h == INVALID_HANDLE_VALUE) return false;
    FILE_BASIC_INFO basic = {};
    FILE_STANDARD_INFO standard = {};
    const bool ok = GetFileInformationByHandleEx(h, FileBasicInfo, &basic, sizeof(basic)) &&
                    GetFileInformationByHandleEx(h, FileStandardInfo, &standard, sizeof(standard));
    CloseHandle(h);
    if (!ok || standard.Directory) return false;
    constexpr std::int64_t kTicksTo1970 = 116444736000000000ll;
    stamp->size = std::uint64_t(standard.EndOfFile.QuadPart);
    stamp->modified = (basic.LastWriteTime.QuadPart - kTicksTo1970) * 100;
    return true;
}

std::string Win32System::ResolvedPath(const std::string& path) {
    if (KindOf(path) == EntryKind::Missing) return "";
    char buffer[MAX_PATH] = {};
    const DWORD n = GetFullPathNameA(path.c_str(), MAX_PATH, buffer, nullptr);
    return n == 0 || n >= MAX_PATH ? std::string() : std::string(buffer, n);
}

// The new file's data is on disk before it takes the old one's place, and the
// rename itself is written through: after a crash the old or the new file is
// there, never an empty one.
bool Win32System::ReplaceFile(const std::string& from, const std::string& to) {
    HANDLE h = CreateFileA(from.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    const bool flushed = FlushFileBuffers(h) != FALSE;
    CloseHandle(h);
    return flushed && MoveFileExA(from.c_str(), to.c_str(),
                                  MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

namespace {

std::FILE* Adopt(HANDLE handle, int flags, const char* mode) {
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle), flags | _O_BINARY);
    if (fd < 0) {
        CloseHandle(handle);
        return nullptr;
    }
    std::FILE* file = _fdopen(fd, mode);
    if (!file) _close(fd);
    return file;
}

}  // namespace

std::FILE* Win32System::OpenRegularFile(const std::string& path) {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return nullptr;
    if (GetFileType(h) != FILE_TYPE_DISK) {  // a pipe or a device
        CloseHandle(h);
        return nullptr;
    }
    return Adopt(h, _O_RDONLY, "rb");
}

std::FILE* Win32System::CreateReplacement(const std::string& target, std::string* path) {
    path->clear();
    const DWORD attributes = GetFileAttributesA(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return nullptr;
    DWORD seed = GetTickCount() ^ (GetCurrentProcessId() << 16);
    for (int attempt = 0; attempt < 100; ++attempt) {
        seed = seed * 1664525u + 1013904223u;
        const std::string candidate = TemporaryNameFor(target, seed);
        HANDLE h = CreateFileA(candidate.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE) {
            if (GetLastError() == ERROR_FILE_EXISTS) continue;
            return nullptr;
        }
        std::FILE* file = Adopt(h, _O_WRONLY, "wb");
        if (!file) {
            DeleteFileA(candidate.c_str());
            return nullptr;
        }
        *path = candidate;
        return file;
    }
    return nullptr;
}

}  // namespace platform::win32
