// The check of a project's AutoPlay icon: Windows shows a broken or huge .ico
// as no icon at all, long after the disc was burnt, so it is refused at once.
#pragma once

#include <cstddef>
#include <string>

// Far above a full set of sizes up to 256 pixels.
constexpr std::size_t kMaxIconBytes = 1u << 20;

// "" when the file at `path` is an icon file: the header of an icon, at least
// one image, every image's bytes inside the file, at most kMaxIconBytes.
// Otherwise the message that says what is wrong.
std::string IconFileFault(const std::string& path);
