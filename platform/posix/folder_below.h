// FolderBelow and FolderLock on POSIX: folders held open by descriptor, every
// name taken relative to one, links refused with O_NOFOLLOW.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/folder_below.h"

namespace platform::posix {

std::unique_ptr<FolderBelow> OpenFolderBelow(const std::string& root,
                                             const std::vector<std::string>& steps);

LockResult LockFolder(const std::string& folder, int waitMs, std::unique_ptr<FolderLock>* lock);

}  // namespace platform::posix
