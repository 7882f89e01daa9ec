// The one date every time stamp of a disc image carries, so that the same
// project folder always gives the same image, byte for byte.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The latest date the image's time stamps can hold: the end of 2155, as the
// year of a directory record is one byte past 1900.
constexpr std::int64_t kLatestImageDate = 5869583999;

// A project with no file of its own: 1980-01-01, the earliest FAT date.
constexpr std::int64_t kNoFileDate = 315532800;

// SOURCE_DATE_EPOCH, when set: "" when it is a whole number of seconds from 1
// to kLatestImageDate (stored in *seconds), else the message that refuses it
// (empty or 0 too: xorriso, which reads it as well, fails on an empty one, and
// stamps files with the clock when told 0). *seconds is -1 when the variable is not set.
std::string ReadSourceDateEpoch(std::int64_t* seconds);

// The newest last write, in whole seconds, of the regular files under `root`
// (a resolved path) that go onto the disc, but not `leftOut` (full paths), nor
// AppSetup.dat, autorun.inf and Velomar.exe at the top: saving and building
// rewrite those every time. kNoFileDate when no other file is there.
std::int64_t NewestFileDate(const std::string& root, const std::vector<std::string>& leftOut);
