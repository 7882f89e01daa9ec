// The closing message of Make Disc Image.
#pragma once

#include <cstdint>
#include <string>

// "1.4 MB (1,474,560 bytes)"; units of 1024, one decimal; plain bytes below 1 KB.
std::string ReadableSize(std::uintmax_t bytes);

// "Disc image written", the image's path and size, and the offer to show it
// in the file manager (a Yes/No question).
std::string DiscImageWrittenQuestion(const std::string& path, std::uintmax_t bytes);
