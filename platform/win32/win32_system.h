// Files, paths and locale through KERNEL32.
#pragma once

#include "platform/system.h"

namespace platform::win32 {

class Win32System : public System {
  public:
    char PathSeparator() const override { return '\\'; }
    bool GetCurrentDir(std::string* dir) override;
    bool GetSystemLanguageName(std::string* name) override;
    std::string RealPath(const std::string& path) override { return path; }
    bool FileExists(const std::string& path) override;
    bool ReplaceFile(const std::string& from, const std::string& to) override;
    std::FILE* OpenRegularFile(const std::string& path) override;
    std::FILE* CreateReplacement(const std::string& target, std::string* path) override;
};

}  // namespace platform::win32
