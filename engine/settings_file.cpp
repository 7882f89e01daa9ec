#include "engine/settings_file.h"

#include <cstdio>
#include <memory>

#include "engine/text_codec.h"
#include "platform/platform.h"

namespace {

constexpr std::string_view kEncryptionLinePrefix = "INIEncryptionType=";

}  // namespace

bool SettingsFile::Open(const std::string& path) {
    content_.clear();
    lines_.clear();
    found_.clear();
    decoded_.clear();
    isDecoded_.clear();
    bodies_.clear();
    // A pipe or device as AppSetup.dat would block the open or never end.
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(
        platform::Current().system->OpenRegularFile(path), &std::fclose);
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

    for (std::size_t pos = 0; pos < content_.size();) {
        std::size_t end = content_.find('\n', pos);
        const std::size_t next = end == std::string::npos ? content_.size() : end + 1;
        if (end == std::string::npos) end = content_.size();
        // CR LF ends a line like LF; a CR elsewhere belongs to the line.
        std::size_t stop = end;
        if (end < content_.size() && stop > pos && content_[stop - 1] == '\r') --stop;
        lines_.emplace_back(pos, stop - pos);
        pos = next;
    }
    return true;
}

std::size_t SettingsFile::FindLine(const std::string& text) {
    auto known = found_.find(text);
    if (known != found_.end()) return known->second;
    std::size_t at = kNoLine;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (Raw(i) == text) {
            at = i;
            break;
        }
    }
    found_.emplace(text, at);
    return at;
}

const SettingsFile::Body& SettingsFile::Index(std::size_t header, bool scrambled) {
    for (const Body& body : bodies_) {
        if (body.header == header && body.scrambled == scrambled) return body;
    }
    if (scrambled && decoded_.empty()) {
        decoded_.resize(lines_.size());
        isDecoded_.resize(lines_.size());
    }
    Body body{header, scrambled, {}, 0};
    bool plainLineSkipped = false;
    for (std::size_t i = header + 1; i < lines_.size(); ++i) {
        std::string_view line = Raw(i);
        if (scrambled) {
            // The encryption-type line is stored plain; decoding it yields noise
            // that could even look like a section end or a key line.
            if (!plainLineSkipped &&
                line.substr(0, kEncryptionLinePrefix.size()) == kEncryptionLinePrefix) {
                plainLineSkipped = true;
                continue;
            }
            if (!isDecoded_[i]) {
                if (!DecodeText(line, true, true, &decoded_[i])) decoded_[i].clear();
                isDecoded_[i] = true;
            }
            line = decoded_[i];
        }
        if (!line.empty() && line[0] == '[') break;
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            if (!line.empty()) ++body.linesWithoutEquals;
            continue;
        }
        body.keys.emplace(line.substr(0, equals), Hit{i, body.linesWithoutEquals});
    }
    bodies_.push_back(std::move(body));
    return bodies_.back();
}

SettingsFile::KeyLine SettingsFile::FindKey(std::size_t header, std::string_view key,
                                            bool scrambled) {
    KeyLine result;
    if (header >= lines_.size()) return result;
    const Body& body = Index(header, scrambled);
    auto hit = body.keys.find(key);
    if (hit == body.keys.end()) {
        result.linesWithoutEquals = body.linesWithoutEquals;
        return result;
    }
    result.found = true;
    result.line = scrambled ? std::string_view(decoded_[hit->second.line]) : Raw(hit->second.line);
    result.linesWithoutEquals = hit->second.linesWithoutEquals;
    return result;
}
