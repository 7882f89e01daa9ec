// Runs on one project (the editor's save, build, image and imports, and each
// of velomarforge-cli's writing commands) exclude each other's writes, so no
// run ever meets another's half-written temporary file. Held for a scope;
// nested locks on the same folder in one process share the first one.
#pragma once

#include <memory>
#include <string>

namespace platform {
class FolderLock;
}

// How long a run waits for another before it gives up.
constexpr int PROJECT_LOCK_WAIT_MS = 30000;

class ProjectLock {
  public:
    // Takes the lock of `folder`. A folder that cannot hold a lock (read-only,
    // missing) is left to the writes to report; a busy one, after the wait,
    // and a lock name taken by something else are shown to the user.
    explicit ProjectLock(const std::string& folder, int waitMs = PROJECT_LOCK_WAIT_MS);
    ~ProjectLock();
    ProjectLock(const ProjectLock&) = delete;
    ProjectLock& operator=(const ProjectLock&) = delete;

    // False after its message: the caller writes nothing.
    bool Held() const { return held_; }

  private:
    std::string key_;
    bool held_ = false;
};

constexpr const char* PROJECT_BUSY_MESSAGE =
    "Another program is still writing to this project; please try again when it has finished:\n";
constexpr const char* PROJECT_LOCK_BLOCKED_MESSAGE =
    "The project cannot be locked for writing: this is not a file of ours. Please remove it:\n";
