#include "engine/settings_output.h"

#include "platform/platform.h"

SettingsOutput::~SettingsOutput() { Discard(); }

bool SettingsOutput::Create(const std::string& target) {
    Discard();
    target_ = target;
    failed_ = false;
    // temp_ is set only for a file made here, so a failure never removes an entry
    // that was there before.
    file_ = platform::Current().system->CreateReplacement(target, &temp_);
    if (!file_) temp_.clear();
    return file_ != nullptr;
}

void SettingsOutput::Write(const std::string& text) {
    if (!file_ || failed_) return;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t lf = text.find('\n', start);
        std::size_t end = lf == std::string::npos ? text.size() : lf;
        if (end > start && std::fwrite(text.data() + start, 1, end - start, file_) != end - start) {
            failed_ = true;
            return;
        }
        if (lf == std::string::npos) break;
        if (std::fwrite("\r\n", 1, 2, file_) != 2) {
            failed_ = true;
            return;
        }
        start = lf + 1;
    }
}

bool SettingsOutput::Commit() {
    if (!file_) return false;
    bool ok = !failed_ && std::fflush(file_) == 0 && !std::ferror(file_);
    ok = std::fclose(file_) == 0 && ok;
    file_ = nullptr;
    if (ok) ok = platform::Current().system->ReplaceFile(temp_, target_);
    if (!ok) std::remove(temp_.c_str());
    temp_.clear();
    return ok;
}

void SettingsOutput::Discard() {
    if (file_) {
        std::fclose(file_);
        file_ = nullptr;
    }
    if (!temp_.empty()) {
        std::remove(temp_.c_str());
        temp_.clear();
    }
}
