// Files, paths and locale: what the settings code and the editor need of the
// operating system. Nothing here follows a link when it writes or deletes.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace platform {

class FolderBelow;  // platform/folder_below.h

// The one file that marks a project as busy; hidden, and never put on a disc.
constexpr const char* PROJECT_LOCK_NAME = ".velomar.lock";

// Held until destroyed; its file goes with it.
class FolderLock {
  public:
    virtual ~FolderLock() = default;
};

enum class LockResult {
    Locked,      // *lock holds it
    Busy,        // another holder kept it for the whole wait
    NotAFile,    // a link, folder or device sits at the lock's name
    Unavailable  // no lock can be made there (a read-only or missing folder)
};

// What an entry is, the entry itself (a link is a link, wherever it leads).
enum class EntryKind { Missing, File, Folder, Link, Other };

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

    // Turns a folder (a real path, taken as it is) plus a stored name
    // ("res\\logo.bmp") into a real path. On POSIX the name's backslashes become
    // slashes and, when the exact name does not exist, each of its components is
    // matched without regard to case. An empty folder: the name is a whole path,
    // taken as it is when it exists.
    virtual std::string RealPath(const std::string& folder, const std::string& name) = 0;
    std::string RealPath(const std::string& path) { return RealPath(std::string(), path); }

    virtual bool FileExists(const std::string& path) = 0;

    // Makes one folder; true when it was made or a folder (or a link to one) is
    // already there.
    virtual bool CreateFolder(const std::string& path) = 0;

    // The entry at `path` itself, a final link not followed.
    virtual EntryKind KindOf(const std::string& path) = 0;

    // The names in `folder` (without "." and ".."). False when it is no folder
    // or a link to one: a listing never goes through a link.
    virtual bool ListFolder(const std::string& folder, std::vector<std::string>* names) = 0;

    // Removes a file or a link itself (never what a link leads to, never a folder).
    virtual bool RemoveFile(const std::string& path) = 0;

    // True when both paths reach the same existing file (links followed).
    virtual bool SameFile(const std::string& a, const std::string& b) = 0;

    // The absolute path with every link, "." and ".." resolved; "" when some
    // part of it does not exist.
    virtual std::string ResolvedPath(const std::string& path) = 0;

    // The size and last write of a regular file. False when unknown, and by
    // default: a caller then reads the file again rather than trust a copy.
    virtual bool GetFileStamp(const std::string& /*path*/, FileStamp* /*stamp*/) { return false; }

    // Atomically puts `from` in place of `to` (rename over an existing file, or
    // over a link, which is replaced and never written through). Durable: after
    // a crash either the old or the new file is there, complete.
    virtual bool ReplaceFile(const std::string& from, const std::string& to) = 0;

    // Opens a regular file for binary reading; null for anything else (a pipe, a
    // device, a folder), without blocking on it.
    virtual std::FILE* OpenRegularFile(const std::string& path) = 0;

    // A new file beside `target` that ReplaceFile will put in its place, named by
    // TemporaryNameFor (platform/replacement_file.h): created exclusively (never
    // an entry that is already there), with the target's permission bits. Null,
    // with nothing created, when the target exists and the user may not modify
    // it, or no file can be made.
    virtual std::FILE* CreateReplacement(const std::string& target, std::string* path) = 0;

    // The folder `root` + steps, each step opened inside the last and refused
    // when it is a link or no folder. Null when any step is refused or missing.
    virtual std::unique_ptr<FolderBelow> OpenFolderBelow(const std::string& root,
                                                         const std::vector<std::string>& steps) = 0;

    // Takes `folder`'s PROJECT_LOCK_NAME for this holder alone, waiting up to
    // `waitMs` for another holder (another process, or another lock in this
    // one) to let go. The lock file is made without following a link and is
    // removed when the lock is released.
    virtual LockResult LockFolder(const std::string& folder, int waitMs,
                                  std::unique_ptr<FolderLock>* lock) = 0;
};

}  // namespace platform
