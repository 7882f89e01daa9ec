// A folder inside a project reached one step at a time from the project folder,
// never through a link, and then written by leaf name only: a folder swapped for
// a link after the walk cannot send a write anywhere else.
#pragma once

#include <cstdio>
#include <string>

#include "platform/system.h"

namespace platform {

class FolderBelow {
  public:
    virtual ~FolderBelow() = default;

    // The entry `leaf` of this folder itself (a link is a link).
    virtual EntryKind KindOf(const std::string& leaf) = 0;

    // True when `leaf` here and `path` are the same existing file.
    virtual bool SameFile(const std::string& leaf, const std::string& path) = 0;

    // As System::CreateReplacement, here: *temporaryLeaf receives the new
    // file's leaf name.
    virtual std::FILE* CreateReplacement(const std::string& leaf, std::string* temporaryLeaf) = 0;

    // As System::ReplaceFile, both names leaves of this folder.
    virtual bool ReplaceFile(const std::string& fromLeaf, const std::string& toLeaf) = 0;

    // Removes the file or link `leaf` of this folder.
    virtual bool RemoveFile(const std::string& leaf) = 0;
};

}  // namespace platform
