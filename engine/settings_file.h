// The open AppSetup.dat as the reader sees it. The whole file is read and split
// into lines once at Open, so every lookup sees the same content even if the
// file changes underneath. Lines end in LF or CR LF; the terminator is not part
// of the line.
//
// A section's body is indexed on its first lookup (first line of each key, where
// it ends, how many lines were passed over on the way), so each later lookup costs
// one hash probe instead of a rescan: a file of a million junk lines loads as
// fast as a clean one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class SettingsFile {
  public:
    // A project file is a few kilobytes; anything this large is not one, and
    // refusing it keeps a hostile disc from exhausting memory.
    static constexpr std::size_t kMaxBytes = 4u << 20;

    static constexpr std::size_t kNoLine = static_cast<std::size_t>(-1);

    // False when the file cannot be opened or read, is not a regular file, or is
    // larger than kMaxBytes.
    bool Open(const std::string& path);

    // The index of the first line equal to `text`, or kNoLine.
    std::size_t FindLine(const std::string& text);

    struct KeyLine {
        bool found = false;
        std::string_view line;  // the key line as read (unscrambled when scrambled)
        // Lines without a '=' passed over before the key line, or before the end of
        // the section when the key is not there.
        std::size_t linesWithoutEquals = 0;
    };

    // Looks for `key` in the body of the section whose header is line `header`,
    // the way a top-down scan does: the first line whose text before its first
    // '=' is key wins; a line starting with '[' ends the section. Scrambled
    // bodies are unscrambled line by line (a line too short to decode reads as
    // empty), and the first line stored plain as "INIEncryptionType=..." is passed
    // over. The view stays valid until the next call.
    KeyLine FindKey(std::size_t header, std::string_view key, bool scrambled);

  private:
    struct Hit {
        std::size_t line;
        std::size_t keyLength;
        std::size_t linesWithoutEquals;
    };
    // The first line of each key in a section body, found through an open
    // addressing table (kept small: the Windows runtime links this too).
    struct Body {
        std::size_t header = kNoLine;
        bool scrambled = false;
        std::vector<Hit> hits;
        std::vector<std::uint32_t> table;    // index into hits + 1; 0 for an empty slot
        std::size_t linesWithoutEquals = 0;  // in the whole body
    };
    using Span = std::pair<std::size_t, std::size_t>;  // start and length

    std::string_view Raw(std::size_t i) const {
        return std::string_view(content_).substr(lines_[i].first, lines_[i].second);
    }
    std::string_view Line(std::size_t i, bool scrambled) const {
        return scrambled
                   ? std::string_view(decoded_).substr(decodedAt_[i].first, decodedAt_[i].second)
                   : Raw(i);
    }
    std::string_view Decoded(std::size_t i);
    // Makes body_ the index of that body. A load reads one section, first plain
    // (the encryption type) and then, for a scrambled file, unscrambled.
    void Index(std::size_t header, bool scrambled);
    // The hit for key, or null; with `add`, a missing key's slot is taken by hits[add - 1].
    const Hit* Probe(std::string_view key, std::size_t add = 0);

    std::string content_;
    std::vector<Span> lines_;
    std::string foundText_;  // FindLine's last question and answer
    std::size_t foundAt_ = kNoLine;
    std::string decoded_;          // unscrambled lines, each once; never longer than content_
    std::vector<Span> decodedAt_;  // start kNoLine: not decoded yet
    std::string scratch_;
    Body body_;
};
