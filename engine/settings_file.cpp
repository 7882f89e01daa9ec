#include "engine/settings_file.h"

#include <cstdio>
#include <memory>

#include "engine/text_codec.h"

bool SettingsFile::Open(const std::string& path) {
    content_.clear();
    decodedState_.clear();
    decoded_.clear();
    Rewind();
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                         &std::fclose);
    if (!file) return false;

    char buffer[16384];
    for (;;) {
        std::size_t n = std::fread(buffer, 1, sizeof buffer, file.get());
        if (n == 0) break;
        if (content_.size() + n > kMaxBytes) {
            content_.clear();
            return false;
        }
        content_.append(buffer, n);
    }
    if (std::ferror(file.get())) {
        content_.clear();
        return false;
    }
    return true;
}

bool SettingsFile::ReadLine(std::string_view* line) {
    if (pos_ >= content_.size()) return false;
    std::size_t end = content_.find('\n', pos_);
    std::size_t next = end == std::string::npos ? content_.size() : end + 1;
    if (end == std::string::npos) end = content_.size();
    // CR LF ends a line like LF; a CR elsewhere belongs to the line.
    std::size_t stop = end;
    if (end < content_.size() && stop > pos_ && content_[stop - 1] == '\r') --stop;
    *line = std::string_view(content_).substr(pos_, stop - pos_);
    pos_ = next;
    ++line_;
    return true;
}

bool SettingsFile::DecodeLastLine(std::string_view raw, std::string* out) {
    const std::size_t i = line_ - 1;
    if (i >= decodedState_.size()) {
        decodedState_.resize(i + 1, Decoded::Unknown);
        decoded_.resize(i + 1);
    }
    if (decodedState_[i] == Decoded::Unknown) {
        bool ok = DecodeText(std::string(raw), true, true, &decoded_[i]);
        decodedState_[i] = ok ? Decoded::Ok : Decoded::Failed;
    }
    *out = decoded_[i];
    return decodedState_[i] == Decoded::Ok;
}
