#include "platform/replacement_file.h"

#include "platform/folder_below.h"
#include "platform/platform.h"

namespace platform {

namespace {

constexpr const char* kMarker = ".tmp.";

char Lower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

constexpr std::size_t kSuffix = 13;  // ".tmp." and 8 hex digits

// The part TemporaryNameFor adds, exactly as it writes it.
bool IsOurSuffix(const std::string& leaf, std::size_t at) {
    if (leaf.compare(at, 5, kMarker) != 0) return false;
    for (std::size_t i = at + 5; i < leaf.size(); ++i)
        if (!((leaf[i] >= '0' && leaf[i] <= '9') || (leaf[i] >= 'a' && leaf[i] <= 'f')))
            return false;
    return true;
}

}  // namespace

std::string TemporaryNameFor(const std::string& target, std::uint32_t random) {
    std::string name = target + kMarker;
    for (int i = 7; i >= 0; --i) name += "0123456789abcdef"[(random >> (4 * i)) & 15];
    return name;
}

bool IsTemporaryName(const std::string& leaf) {
    return leaf.size() > kSuffix && IsOurSuffix(leaf, leaf.size() - kSuffix);
}

bool IsTemporaryNameOf(const std::string& leaf, const std::string& targetLeaf) {
    if (leaf.size() != targetLeaf.size() + kSuffix || targetLeaf.empty()) return false;
    for (std::size_t i = 0; i < targetLeaf.size(); ++i)
        if (Lower(leaf[i]) != Lower(targetLeaf[i])) return false;
    return IsOurSuffix(leaf, targetLeaf.size());
}

bool ReplacementFile::Create() {
    Discard();
    failed_ = false;
    // temp_ is set only for a file made here, so a failure never removes an entry
    // that was there before.
    file_ = folder_ ? folder_->CreateReplacement(target_, &temp_)
                    : Current().system->CreateReplacement(target_, &temp_);
    if (!file_) temp_.clear();
    return file_ != nullptr;
}

bool ReplacementFile::Close() {
    if (!file_) return !failed_ && !temp_.empty();
    bool ok = std::fflush(file_) == 0 && !std::ferror(file_);
    ok = std::fclose(file_) == 0 && ok;
    file_ = nullptr;
    failed_ = failed_ || !ok;
    return !failed_;
}

bool ReplacementFile::Commit() {
    if (temp_.empty()) return false;
    const bool ok = Close() && Replace();
    if (ok) {
        temp_.clear();
    } else {
        Discard();
    }
    return ok;
}

void ReplacementFile::Discard() {
    if (file_) {
        std::fclose(file_);
        file_ = nullptr;
    }
    if (!temp_.empty()) {
        Remove();
        temp_.clear();
    }
}

bool ReplacementFile::Replace() {
    return folder_ ? folder_->ReplaceFile(temp_, target_)
                   : Current().system->ReplaceFile(temp_, target_);
}

void ReplacementFile::Remove() {
    if (folder_) {
        folder_->RemoveFile(temp_);
    } else {
        Current().system->RemoveFile(temp_);
    }
}

bool WriteWholeFile(const std::string& target, const std::string& bytes) {
    ReplacementFile file(target);
    if (!file.Create()) return false;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file.File()) != bytes.size()) return false;
    return file.Commit();
}

namespace {

bool CopyInto(std::FILE* in, ReplacementFile& file, bool* readFailed) {
    if (readFailed) *readFailed = false;
    if (!file.Create()) return false;
    char buffer[65536];
    for (;;) {
        const std::size_t got = std::fread(buffer, 1, sizeof buffer, in);
        if (got == 0) break;
        if (std::fwrite(buffer, 1, got, file.File()) != got) return false;
    }
    if (std::ferror(in)) {
        if (readFailed) *readFailed = true;
        return false;
    }
    return file.Commit();
}

}  // namespace

bool CopyToFile(std::FILE* in, const std::string& target, bool* readFailed) {
    ReplacementFile file(target);
    return CopyInto(in, file, readFailed);
}

bool CopyToFile(std::FILE* in, FolderBelow& folder, const std::string& leaf, bool* readFailed) {
    ReplacementFile file(folder, leaf);
    return CopyInto(in, file, readFailed);
}

}  // namespace platform
