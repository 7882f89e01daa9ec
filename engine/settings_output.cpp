#include "engine/settings_output.h"

bool SettingsOutput::Create(const std::string& target) {
    file_ = std::make_unique<platform::ReplacementFile>(target);
    failed_ = false;
    if (file_->Create()) return true;
    file_.reset();
    return false;
}

void SettingsOutput::Write(const std::string& text) {
    if (!file_ || failed_) return;
    std::FILE* out = file_->File();
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t lf = text.find('\n', start);
        std::size_t end = lf == std::string::npos ? text.size() : lf;
        if (end > start && std::fwrite(text.data() + start, 1, end - start, out) != end - start) {
            failed_ = true;
            return;
        }
        if (lf == std::string::npos) break;
        if (std::fwrite("\r\n", 1, 2, out) != 2) {
            failed_ = true;
            return;
        }
        start = lf + 1;
    }
}

bool SettingsOutput::Commit() {
    if (!file_) return false;
    const bool ok = !failed_ && file_->Commit();
    file_.reset();
    return ok;
}
