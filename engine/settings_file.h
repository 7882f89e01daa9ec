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
#include <string>
#include <string_view>
#include <unordered_map>
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
    // over. The view stays valid while the file is open.
    KeyLine FindKey(std::size_t header, std::string_view key, bool scrambled);

  private:
    struct Hit {
        std::size_t line;
        std::size_t linesWithoutEquals;
    };
    struct Body {
        std::size_t header;
        bool scrambled;
        std::unordered_map<std::string_view, Hit> keys;
        std::size_t linesWithoutEquals;  // in the whole body
    };

    std::string_view Raw(std::size_t i) const {
        return std::string_view(content_).substr(lines_[i].first, lines_[i].second);
    }
    const Body& Index(std::size_t header, bool scrambled);

    std::string content_;
    std::vector<std::pair<std::size_t, std::size_t>> lines_;  // start and length of each line
    std::unordered_map<std::string, std::size_t> found_;      // FindLine's answers
    std::vector<std::string> decoded_;  // per line; sized once, so views into it stay valid
    std::vector<bool> isDecoded_;
    std::vector<Body> bodies_;  // at most a few: a section in plain and scrambled reading
};
