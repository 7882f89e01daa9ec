// Files, paths and locale: what the settings code needs of the operating system.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace platform {

// What tells a changed file from the one read before.
struct FileStamp {
    std::uint64_t size = 0;
    std::int64_t modified = 0;  // nanoseconds of the last write
    bool operator==(const FileStamp& o) const { return size == o.size && modified == o.modified; }
};

class System {
  public:
    virtual ~System() = default;

    // The folder separator that ProjectFolder ends in ('\\' on Windows, '/' elsewhere).
    virtual char PathSeparator() const = 0;

    // GetCurrentDirectoryA.
    virtual bool GetCurrentDir(std::string* dir) = 0;

    // GetLocaleInfoA(LOCALE_SYSTEM_DEFAULT, LOCALE_SENGLANGUAGE): "English", "German", ...
    virtual bool GetSystemLanguageName(std::string* name) = 0;

    // Turns a project folder plus a stored name ("res\\logo.bmp") into a real path.
    // On POSIX: backslashes become slashes and, when the exact name does not exist,
    // each component is matched without regard to case.
    virtual std::string RealPath(const std::string& path) = 0;

    virtual bool FileExists(const std::string& path) = 0;

    // The size and last write of a regular file. False when unknown, and by
    // default: a caller then reads the file again rather than trust a copy.
    virtual bool GetFileStamp(const std::string& /*path*/, FileStamp* /*stamp*/) { return false; }

    // Atomically puts `from` in place of `to` (rename over an existing file).
    virtual bool ReplaceFile(const std::string& from, const std::string& to) = 0;

    // Opens a regular file for binary reading; null for anything else (a pipe, a
    // device, a folder), without blocking on it.
    virtual std::FILE* OpenRegularFile(const std::string& path) = 0;

    // A new file beside `target` that ReplaceFile will put in its place: created
    // exclusively under a fresh name (never an entry that is already there), with
    // the target's permission bits. Null, with nothing created, when the target
    // exists and the user may not modify it, or no file can be made.
    virtual std::FILE* CreateReplacement(const std::string& target, std::string* path) = 0;
};

}  // namespace platform
