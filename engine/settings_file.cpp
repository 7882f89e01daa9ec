#include "engine/settings_file.h"

#include <cstdio>
#include <memory>

#include "engine/settings_keys.h"
#include "engine/text_codec.h"
#include "platform/platform.h"

namespace {

// The encryption line, stored plain even in a scrambled file.
bool IsEncryptionLine(std::string_view line) {
    const std::string_view key = settings_keys::Encryption.name;
    return line.size() > key.size() && line.substr(0, key.size()) == key && line[key.size()] == '=';
}

std::uint32_t Hash(std::string_view key) {
    std::uint32_t h = 2166136261u;  // FNV-1a
    for (char c : key) h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
    return h;
}

}  // namespace

bool SettingsFile::Open(const std::string& path) {
    content_.clear();
    lines_.clear();
    foundText_.clear();
    foundAt_ = kNoLine;
    decoded_.clear();
    decodedAt_.clear();
    body_ = Body();
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
    if (foundAt_ != kNoLine && foundText_ == text) return foundAt_;
    foundText_ = text;
    foundAt_ = kNoLine;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (Raw(i) == text) {
            foundAt_ = i;
            break;
        }
    }
    return foundAt_;
}

std::string_view SettingsFile::Decoded(std::size_t i) {
    if (decodedAt_.empty()) {
        decodedAt_.assign(lines_.size(), Span(kNoLine, 0));
        decoded_.reserve(content_.size());  // so views into it stay put
    }
    if (decodedAt_[i].first == kNoLine) {
        // A line too short to decode reads as empty.
        if (!DecodeText(Raw(i), true, true, &scratch_)) scratch_.clear();
        decodedAt_[i] = Span(decoded_.size(), scratch_.size());
        decoded_ += scratch_;
    }
    return Line(i, true);
}

void SettingsFile::Index(std::size_t header, bool scrambled) {
    if (body_.header == header && body_.scrambled == scrambled) return;
    body_.header = header;
    body_.scrambled = scrambled;
    body_.hits.clear();
    body_.linesWithoutEquals = 0;
    bool plainLineSkipped = false;
    for (std::size_t i = header + 1; i < lines_.size(); ++i) {
        std::string_view line = Raw(i);
        if (scrambled) {
            // The encryption-type line is stored plain; decoding it yields noise
            // that could even look like a section end or a key line.
            if (!plainLineSkipped && IsEncryptionLine(line)) {
                plainLineSkipped = true;
                continue;
            }
            line = Decoded(i);
        }
        if (!line.empty() && line[0] == '[') break;
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            if (!line.empty()) ++body_.linesWithoutEquals;
            continue;
        }
        body_.hits.push_back(Hit{i, equals, body_.linesWithoutEquals});
    }
    // Twice as many slots as keys keeps probe runs short; later duplicates of a
    // key find its first line in place and are dropped.
    std::size_t slots = 16;
    while (slots < 2 * body_.hits.size()) slots *= 2;
    body_.table.assign(slots, 0);
    std::size_t kept = 0;
    for (std::size_t h = 0; h < body_.hits.size(); ++h) {
        const Hit hit = body_.hits[h];
        body_.hits[kept] = hit;
        if (!Probe(Line(hit.line, scrambled).substr(0, hit.keyLength), kept + 1)) ++kept;
    }
    body_.hits.resize(kept);
}

const SettingsFile::Hit* SettingsFile::Probe(std::string_view key, std::size_t add) {
    Body& body = body_;
    const std::size_t mask = body.table.size() - 1;
    for (std::size_t slot = Hash(key) & mask;; slot = (slot + 1) & mask) {
        const std::uint32_t entry = body.table[slot];
        if (entry == 0) {
            if (add) body.table[slot] = std::uint32_t(add);
            return nullptr;
        }
        const Hit& hit = body.hits[entry - 1];
        if (Line(hit.line, body.scrambled).substr(0, hit.keyLength) == key) return &hit;
    }
}

SettingsFile::KeyLine SettingsFile::FindKey(std::size_t header, std::string_view key,
                                            bool scrambled) {
    KeyLine result;
    if (header >= lines_.size()) return result;
    Index(header, scrambled);
    const Hit* hit = Probe(key);
    if (!hit) {
        result.linesWithoutEquals = body_.linesWithoutEquals;
        return result;
    }
    result.found = true;
    result.line = Line(hit->line, scrambled);
    result.linesWithoutEquals = hit->linesWithoutEquals;
    return result;
}
