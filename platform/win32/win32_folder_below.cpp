// FolderBelow and FolderLock on Windows. Each folder on the way is held open
// without delete sharing, so none of them can be renamed or swapped for a
// junction while we write; reparse points are refused at every step.
#include <memory>
#include <string>
#include <vector>

#include "platform/folder_below.h"
#include "platform/win32/win32_api.h"
#include "platform/win32/win32_system.h"

namespace platform::win32 {

namespace {

bool IsLeaf(const std::string& name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of("\\/:") == std::string::npos;
}

// The folder itself, held; null for a reparse point or anything but a folder.
HANDLE HoldFolder(const std::string& path) {
    HANDLE h = CreateFileA(path.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           nullptr, OPEN_EXISTING,
                           FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (h == INVALID_HANDLE_VALUE) return nullptr;
    BY_HANDLE_FILE_INFORMATION info;
    if (!GetFileInformationByHandle(h, &info) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) ||
        !(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        CloseHandle(h);
        return nullptr;
    }
    return h;
}

class HeldFolder : public FolderBelow {
  public:
    HeldFolder(Win32System& system, std::string path, std::vector<HANDLE> held)
        : system_(system), path_(std::move(path)), held_(std::move(held)) {}
    ~HeldFolder() override {
        for (HANDLE h : held_) CloseHandle(h);
    }

    EntryKind KindOf(const std::string& leaf) override {
        return IsLeaf(leaf) ? system_.KindOf(path_ + leaf) : EntryKind::Missing;
    }
    bool SameFile(const std::string& leaf, const std::string& path) override {
        return IsLeaf(leaf) && system_.SameFile(path_ + leaf, path);
    }
    std::FILE* CreateReplacement(const std::string& leaf, std::string* temporaryLeaf) override {
        temporaryLeaf->clear();
        std::string path;
        std::FILE* file = IsLeaf(leaf) ? system_.CreateReplacement(path_ + leaf, &path) : nullptr;
        if (file) *temporaryLeaf = path.substr(path_.size());
        return file;
    }
    bool ReplaceFile(const std::string& fromLeaf, const std::string& toLeaf) override {
        return IsLeaf(fromLeaf) && IsLeaf(toLeaf) &&
               system_.ReplaceFile(path_ + fromLeaf, path_ + toLeaf);
    }
    bool RemoveFile(const std::string& leaf) override {
        return IsLeaf(leaf) && system_.RemoveFile(path_ + leaf);
    }

  private:
    Win32System& system_;
    std::string path_;  // ends in '\'
    std::vector<HANDLE> held_;
};

// Closing the handle deletes the file: no lock file outlives its holder.
class HandleLock : public FolderLock {
  public:
    explicit HandleLock(HANDLE h) : h_(h) {}
    ~HandleLock() override { CloseHandle(h_); }

  private:
    HANDLE h_;
};

}  // namespace

std::unique_ptr<FolderBelow> Win32System::OpenFolderBelow(const std::string& root,
                                                          const std::vector<std::string>& steps) {
    std::string path = root;
    if (path.empty() || (path.back() != '\\' && path.back() != '/')) path += '\\';
    std::vector<HANDLE> held;
    auto refuse = [&held] {
        for (HANDLE h : held) CloseHandle(h);
        return nullptr;
    };
    // The project folder itself may be reached as the user named it; below it
    // no reparse point is entered.
    HANDLE top = CreateFileA(path.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE,
                             nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (top == INVALID_HANDLE_VALUE) return nullptr;
    held.push_back(top);
    for (const std::string& step : steps) {
        if (!IsLeaf(step)) return refuse();
        path += step;
        HANDLE h = HoldFolder(path);
        if (!h) return refuse();
        held.push_back(h);
        path += '\\';
    }
    return std::make_unique<HeldFolder>(*this, path, std::move(held));
}

LockResult Win32System::LockFolder(const std::string& folder, int waitMs,
                                   std::unique_ptr<FolderLock>* lock) {
    std::string path = folder;
    if (path.empty() || (path.back() != '\\' && path.back() != '/')) path += '\\';
    path += PROJECT_LOCK_NAME;
    const DWORD start = GetTickCount();
    for (;;) {
        const DWORD attributes = GetFileAttributesA(path.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES &&
            (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)))
            return LockResult::NotAFile;
        HANDLE h = CreateFileA(
            path.c_str(), GENERIC_READ | GENERIC_WRITE | DELETE, 0, nullptr, OPEN_ALWAYS,
            FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE | FILE_FLAG_OPEN_REPARSE_POINT,
            nullptr);
        if (h != INVALID_HANDLE_VALUE) {
            if (GetFileType(h) != FILE_TYPE_DISK) {
                CloseHandle(h);
                return LockResult::NotAFile;
            }
            *lock = std::make_unique<HandleLock>(h);
            return LockResult::Locked;
        }
        const DWORD error = GetLastError();
        // Held, or deleted by its holder and not yet gone; anything else (a
        // read-only or missing folder) holds no lock at all.
        const bool busy = error == ERROR_SHARING_VIOLATION ||
                          (error == ERROR_ACCESS_DENIED && attributes != INVALID_FILE_ATTRIBUTES);
        if (!busy) return LockResult::Unavailable;
        if (GetTickCount() - start >= DWORD(waitMs)) return LockResult::Busy;
        Sleep(20);
    }
}

}  // namespace platform::win32
