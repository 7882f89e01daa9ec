// Files, paths and locale through KERNEL32.
#pragma once

#include "platform/system.h"

namespace platform::win32 {

class Win32System : public System {
  public:
    char PathSeparator() const override { return '\\'; }
    bool GetCurrentDir(std::string* dir) override;
    bool GetSystemLanguageName(std::string* name) override;
    using System::RealPath;
    std::string RealPath(const std::string& folder, const std::string& name) override {
        return folder + name;
    }
    bool FileExists(const std::string& path) override;
    bool CreateFolder(const std::string& path) override;
    EntryKind KindOf(const std::string& path) override;
    bool ListFolder(const std::string& folder, std::vector<std::string>* names) override;
    bool RemoveFile(const std::string& path) override;
    bool SameFile(const std::string& a, const std::string& b) override;
    std::string ResolvedPath(const std::string& path) override;
    bool GetFileStamp(const std::string& path, FileStamp* stamp) override;
    bool ReplaceFile(const std::string& from, const std::string& to) override;
    std::FILE* OpenRegularFile(const std::string& path) override;
    std::FILE* CreateReplacement(const std::string& target, std::string* path) override;
    // In win32_folder_below.cpp.
    std::unique_ptr<FolderBelow> OpenFolderBelow(const std::string& root,
                                                 const std::vector<std::string>& steps) override;
    LockResult LockFolder(const std::string& folder, int waitMs,
                          std::unique_ptr<FolderLock>* lock) override;
};

}  // namespace platform::win32
