// platform::System on POSIX: '/' separator, the language from the locale
// environment, stored Windows names mapped to real paths.
#pragma once

#include <string>

#include "platform/system.h"

namespace platform {

class PosixSystem : public System {
  public:
    char PathSeparator() const override { return '/'; }
    bool GetCurrentDir(std::string* dir) override;
    // Never fails: C, POSIX, an unset or an unknown locale give "English".
    bool GetSystemLanguageName(std::string* name) override;
    using System::RealPath;
    std::string RealPath(const std::string& folder, const std::string& name) override;
    // True for anything but a directory (a folder named AppSetup.dat is no file).
    bool FileExists(const std::string& path) override;
    bool CreateFolder(const std::string& path) override;
    EntryKind KindOf(const std::string& path) override;
    bool ListFolder(const std::string& folder, std::vector<std::string>* names) override;
    bool RemoveFile(const std::string& path) override;
    bool SameFile(const std::string& a, const std::string& b) override;
    std::string ResolvedPath(const std::string& path) override;
    bool GetFileStamp(const std::string& path, FileStamp* stamp) override;
    // Syncs `from`, renames it over `to` and syncs the folder, so that after a
    // crash either the old or the new file is there, complete.
    bool ReplaceFile(const std::string& from, const std::string& to) override;
    std::FILE* OpenRegularFile(const std::string& path) override;
    std::FILE* CreateReplacement(const std::string& target, std::string* path) override;
    std::unique_ptr<FolderBelow> OpenFolderBelow(const std::string& root,
                                                 const std::vector<std::string>& steps) override;
    LockResult LockFolder(const std::string& folder, int waitMs,
                          std::unique_ptr<FolderLock>* lock) override;
};

// The English language name Windows reports for a locale name such as
// "de_DE.UTF-8" ("German"); "English" for C, POSIX, empty or unknown codes.
std::string LanguageNameForLocale(const std::string& locale);

}  // namespace platform
