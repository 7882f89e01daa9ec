// What of a project folder goes onto a disc: the one rule that the disc image
// applies to every entry and the build applies to the files the menu uses.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/system.h"

enum class DiscEntry {
    Kept,         // a file, a folder, or a link that stays inside the folder
    Temporary,    // a killed run's temporary file (platform::IsTemporaryName)
    LinkOutside,  // a link that leads out of the folder or nowhere
    NotAFile,     // a pipe, a socket or a device
};

// What becomes of the entry at `path` (under `root`, the folder's resolved
// path; the entry's own link is not followed, the folders above it are).
DiscEntry ClassifyDiscEntry(const std::string& root, const std::string& path);

// True when `path` (resolved) is `root` or lies below it.
bool IsInsideFolder(const std::string& path, const std::string& root);

// '/' or the platform's own separator: Windows paths mix the two.
bool IsFolderSeparator(char c);

// What a walk of the disc's entries is told of each: the folder it is in, its
// name and full path, what becomes of it and, when Kept, what it is (Other
// otherwise). A Kept folder is entered when the visit returns true.
using DiscEntryVisit =
    std::function<bool(const std::string& folder, const std::string& name, const std::string& path,
                       DiscEntry entry, platform::EntryKind kind)>;

// Visits every entry under `root` (a resolved path); links are never entered.
void ForEachDiscEntry(const std::string& root, const DiscEntryVisit& visit);

// Every entry under `root` (a resolved path) that must not go on the disc:
// temporary files, links that lead out of the folder or nowhere, and entries
// that are neither file, folder nor link. Full paths; links are not entered.
std::vector<std::string> ExcludedPaths(const std::string& root);

// "docs/x: a link that leads out of the project folder or nowhere", a line for
// each of `excluded` (ExcludedPaths of `root`), at most `most` and then how
// many more.
std::string LeftOffLines(const std::string& root, const std::vector<std::string>& excluded,
                         std::size_t most);
