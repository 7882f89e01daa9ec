// The open AppSetup.dat as the reader sees it: a sequence of lines that can be
// read one by one and rewound. Lines end in LF or CR LF; the terminator is not
// part of the line. The whole file is read once at Open, so every rewind sees
// the same content even if the file changes underneath.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class SettingsFile {
  public:
    // A project file is a few kilobytes; anything this large is not one, and
    // refusing it keeps a hostile disc from exhausting memory.
    static constexpr std::size_t kMaxBytes = 4u << 20;

    // False when the file cannot be opened or read, or is larger than kMaxBytes.
    bool Open(const std::string& path);

    void Rewind() {
        pos_ = 0;
        line_ = 0;
    }

    // The next line, or false at the end of the file.
    bool ReadLine(std::string_view* line);

    // The line ReadLine returned last, unscrambled (framing and reversal on); false,
    // with *out empty, when it is too short to decode. Each line is decoded once
    // per file: the reader rescans the file for every key, hundreds of times.
    bool DecodeLastLine(std::string_view raw, std::string* out);

  private:
    enum class Decoded : unsigned char { Unknown, Ok, Failed };

    std::string content_;
    std::size_t pos_ = 0;
    std::size_t line_ = 0;  // lines read since the last rewind
    std::vector<Decoded> decodedState_;
    std::vector<std::string> decoded_;
};
