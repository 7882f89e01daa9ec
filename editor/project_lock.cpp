#include "editor/project_lock.h"

#include <map>

#include "engine/settings_values.h"
#include "platform/platform.h"

namespace {

struct Holding {
    std::unique_ptr<platform::FolderLock> lock;  // null: the folder holds none
    int depth = 0;
};

// One per folder in this process: an image's own build must not wait for it.
std::map<std::string, Holding>& Holdings() {
    static std::map<std::string, Holding> held;
    return held;
}

}  // namespace

ProjectLock::ProjectLock(const std::string& folder, int waitMs)
    : key_(FolderWithSeparator(folder)) {
    Holding& holding = Holdings()[key_];
    if (holding.depth == 0) {
        const platform::LockResult result =
            platform::Current().system->LockFolder(key_, waitMs, &holding.lock);
        const std::string path = key_ + platform::PROJECT_LOCK_NAME;
        if (result == platform::LockResult::Busy || result == platform::LockResult::NotAFile) {
            Holdings().erase(key_);
            platform::Current().services->ShowMessage(
                (result == platform::LockResult::Busy ? PROJECT_BUSY_MESSAGE + key_
                                                      : PROJECT_LOCK_BLOCKED_MESSAGE + path),
                platform::MessageButtons::Ok);
            return;
        }
    }
    ++holding.depth;
    held_ = true;
}

ProjectLock::~ProjectLock() {
    if (!held_) return;
    auto at = Holdings().find(key_);
    if (at != Holdings().end() && --at->second.depth == 0) Holdings().erase(at);
}
