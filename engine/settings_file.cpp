#include "engine/settings_file.h"

#include <cstdio>
#include <memory>

bool SettingsFile::Open(const std::string& path) {
    content_.clear();
    pos_ = 0;
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
    return true;
}
