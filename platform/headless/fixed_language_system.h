// A System whose language name is fixed, so that tests and headless runs read
// the same settings section whatever the machine's locale. Everything else is
// passed to the wrapped System.
#pragma once

#include <string>
#include <utility>

#include "platform/folder_below.h"
#include "platform/system.h"

namespace platform {

class FixedLanguageSystem : public System {
  public:
    explicit FixedLanguageSystem(System* inner, std::string language = "English")
        : inner_(inner), language_(std::move(language)) {}

    void SetLanguage(std::string language) { language_ = std::move(language); }

    char PathSeparator() const override { return inner_->PathSeparator(); }
    bool GetCurrentDir(std::string* dir) override { return inner_->GetCurrentDir(dir); }
    bool GetSystemLanguageName(std::string* name) override;
    using System::RealPath;
    std::string RealPath(const std::string& folder, const std::string& name) override {
        return inner_->RealPath(folder, name);
    }
    bool FileExists(const std::string& path) override { return inner_->FileExists(path); }
    bool CreateFolder(const std::string& path) override { return inner_->CreateFolder(path); }
    EntryKind KindOf(const std::string& path) override { return inner_->KindOf(path); }
    bool ListFolder(const std::string& folder, std::vector<std::string>* names) override {
        return inner_->ListFolder(folder, names);
    }
    bool RemoveFile(const std::string& path) override { return inner_->RemoveFile(path); }
    bool SameFile(const std::string& a, const std::string& b) override {
        return inner_->SameFile(a, b);
    }
    std::string ResolvedPath(const std::string& path) override {
        return inner_->ResolvedPath(path);
    }
    bool GetFileStamp(const std::string& path, FileStamp* stamp) override {
        return inner_->GetFileStamp(path, stamp);
    }
    bool ReplaceFile(const std::string& from, const std::string& to) override {
        return inner_->ReplaceFile(from, to);
    }
    std::FILE* OpenRegularFile(const std::string& path) override {
        return inner_->OpenRegularFile(path);
    }
    std::FILE* CreateReplacement(const std::string& target, std::string* path) override {
        return inner_->CreateReplacement(target, path);
    }
    std::unique_ptr<FolderBelow> OpenFolderBelow(const std::string& root,
                                                 const std::vector<std::string>& steps) override {
        return inner_->OpenFolderBelow(root, steps);
    }
    LockResult LockFolder(const std::string& folder, int waitMs,
                          std::unique_ptr<FolderLock>* lock) override {
        return inner_->LockFolder(folder, waitMs, lock);
    }

  private:
    System* inner_;
    std::string language_;
};

}  // namespace platform
