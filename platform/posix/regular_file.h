// Opening files that come from a disc or a project folder someone sent: nothing
// here blocks on a pipe or follows a link planted where a new file goes.
#pragma once

#include <cstdio>
#include <string>

namespace platform::posix {

// Opens a regular file for binary reading. Null for anything else (a pipe, a
// device, a folder), decided without blocking: a FIFO is opened non-blocking
// and refused.
std::FILE* OpenRegularFile(const std::string& path);

// Creates a new file beside `target` for writing, under a fresh name that no
// entry has (created exclusively, so a link or folder there is never followed or
// reused), with the permission bits of `target` when it exists. Null, with
// nothing created, when `target` exists and the user may not modify it, or no
// file can be made. *path receives the new file's name.
std::FILE* CreateReplacementFile(const std::string& target, std::string* path);

// The same, with `target` and *path relative to the open folder `folder`
// (or AT_FDCWD).
std::FILE* CreateReplacementAt(int folder, const std::string& target, std::string* path);

}  // namespace platform::posix
