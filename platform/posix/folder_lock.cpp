#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

#include "platform/posix/folder_below.h"

namespace platform::posix {

namespace {

constexpr auto kPoll = std::chrono::milliseconds(20);

bool SameEntry(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// The lock file is removed while still held: one who opened it before waits on
// a file no longer there and opens afresh (see Acquire).
class FlockLock : public FolderLock {
  public:
    FlockLock(int folder, int fd) : folder_(folder), fd_(fd) {}
    ~FlockLock() override {
        struct stat mine, there;
        if (::fstat(fd_, &mine) == 0 &&
            ::fstatat(folder_, PROJECT_LOCK_NAME, &there, AT_SYMLINK_NOFOLLOW) == 0 &&
            SameEntry(mine, there))
            ::unlinkat(folder_, PROJECT_LOCK_NAME, 0);
        ::close(fd_);
        ::close(folder_);
    }

  private:
    int folder_, fd_;
};

// The lock file, made when missing; in a folder we may not write, an existing
// one is still locked through a read-only descriptor.
int OpenLockFile(int folder) {
    constexpr int kFlags = O_CLOEXEC | O_NOCTTY | O_NOFOLLOW | O_NONBLOCK;
    int fd = ::openat(folder, PROJECT_LOCK_NAME, O_RDWR | O_CREAT | kFlags, 0644);
    if (fd < 0 && (errno == EACCES || errno == EROFS || errno == EPERM))
        fd = ::openat(folder, PROJECT_LOCK_NAME, O_RDONLY | kFlags);
    return fd;
}

}  // namespace

LockResult LockFolder(const std::string& folder, int waitMs, std::unique_ptr<FolderLock>* lock) {
    const int dir =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0) return LockResult::Unavailable;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    for (;;) {
        struct stat there;
        // Checked before the open: a device there is never opened.
        if (::fstatat(dir, PROJECT_LOCK_NAME, &there, AT_SYMLINK_NOFOLLOW) == 0 &&
            !S_ISREG(there.st_mode))
            break;
        const int fd = OpenLockFile(dir);
        if (fd < 0) {
            const int error = errno;
            ::close(dir);
            return error == ELOOP ? LockResult::NotAFile : LockResult::Unavailable;
        }
        struct stat mine;
        if (::fstat(fd, &mine) != 0 || !S_ISREG(mine.st_mode)) {
            ::close(fd);
            break;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            if (::fstatat(dir, PROJECT_LOCK_NAME, &there, AT_SYMLINK_NOFOLLOW) == 0 &&
                SameEntry(mine, there)) {
                *lock = std::make_unique<FlockLock>(dir, fd);
                return LockResult::Locked;
            }
            ::close(fd);  // its holder removed it as it let go: open the next one
            continue;
        }
        ::close(fd);
        if (std::chrono::steady_clock::now() >= deadline) {
            ::close(dir);
            return LockResult::Busy;
        }
        struct timespec pause {
            0, long(std::chrono::nanoseconds(kPoll).count())
        };
        ::nanosleep(&pause, nullptr);
    }
    ::close(dir);
    return LockResult::NotAFile;
}

}  // namespace platform::posix
