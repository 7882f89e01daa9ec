#include "platform/replacement_file.h"

#include "platform/platform.h"

namespace platform {

namespace {

constexpr const char* kMarker = ".tmp.";

char Lower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

bool AllOf(const std::string& text, bool (*test)(char)) {
    for (char c : text)
        if (!test(c)) return false;
    return true;
}

bool IsHex(char c) { return (c >= '0' && c <= '9') || (Lower(c) >= 'a' && Lower(c) <= 'f'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLowerLetter(char c) { return c >= 'a' && c <= 'z'; }
bool IsAlnum(char c) { return IsDigit(c) || (Lower(c) >= 'a' && Lower(c) <= 'z'); }

// The part after NAME + marker, when the name has a non-empty NAME before it.
bool SuffixAfter(const std::string& leaf, const std::string& marker, std::string* suffix) {
    const std::size_t at = leaf.rfind(marker);
    if (at == std::string::npos || at == 0) return false;
    *suffix = leaf.substr(at + marker.size());
    return true;
}

}  // namespace

std::string TemporaryNameFor(const std::string& target, std::uint32_t random) {
    std::string name = target + kMarker;
    for (int i = 7; i >= 0; --i) name += "0123456789abcdef"[(random >> (4 * i)) & 15];
    return name;
}

bool IsTemporaryName(const std::string& leaf) {
    std::string suffix;
    if (SuffixAfter(leaf, kMarker, &suffix) &&
        ((suffix.size() == 8 && AllOf(suffix, IsHex)) ||
         // mkstemp's, of earlier images; a lower-case word ("readme") is a user's name
         (suffix.size() == 6 && AllOf(suffix, IsAlnum) && !AllOf(suffix, IsLowerLetter))))
        return true;
    if (SuffixAfter(leaf, ".tmp", &suffix) && !suffix.empty() && suffix.size() <= 2 &&
        AllOf(suffix, IsDigit))  // the resource import's, of earlier versions
        return true;
    return leaf.rfind("AppSetup.dat.tmp", 0) == 0;
}

bool IsTemporaryNameOf(const std::string& leaf, const std::string& targetLeaf) {
    if (!IsTemporaryName(leaf) || leaf.size() <= targetLeaf.size()) return false;
    for (std::size_t i = 0; i < targetLeaf.size(); ++i)
        if (Lower(leaf[i]) != Lower(targetLeaf[i])) return false;
    return leaf[targetLeaf.size()] == '.';
}

bool ReplacementFile::Create() {
    Discard();
    failed_ = false;
    // temp_ is set only for a file made here, so a failure never removes an entry
    // that was there before.
    file_ = Current().system->CreateReplacement(target_, &temp_);
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
    const bool ok = Close() && Current().system->ReplaceFile(temp_, target_);
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
        Current().system->RemoveFile(temp_);
        temp_.clear();
    }
}

bool WriteWholeFile(const std::string& target, const std::string& bytes) {
    ReplacementFile file(target);
    if (!file.Create()) return false;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file.File()) != bytes.size()) return false;
    return file.Commit();
}

bool CopyToFile(std::FILE* in, const std::string& target, bool* readFailed) {
    if (readFailed) *readFailed = false;
    ReplacementFile file(target);
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

}  // namespace platform
