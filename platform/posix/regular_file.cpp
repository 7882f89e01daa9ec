#include "platform/posix/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>

#include "platform/replacement_file.h"

namespace platform::posix {

namespace {

std::FILE* Adopt(int fd, const char* mode) {
    std::FILE* file = ::fdopen(fd, mode);
    if (!file) ::close(fd);
    return file;
}

}  // namespace

std::FILE* OpenRegularFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return nullptr;
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return nullptr;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    return Adopt(fd, "rb");
}

std::FILE* CreateReplacementFile(const std::string& target, std::string* path) {
    return CreateReplacementAt(AT_FDCWD, target, path);
}

std::FILE* CreateReplacementAt(int folder, const std::string& target, std::string* path) {
    path->clear();
    // A link in the target's place is replaced, not written: what it leads to
    // lends neither its permission nor its bits.
    struct stat st;
    const bool exists =
        ::fstatat(folder, target.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 && !S_ISLNK(st.st_mode);
    // root passes this check for any file; an ordinary user is stopped here
    // rather than by the rename, which only needs the folder to be writable.
    if (exists && ::faccessat(folder, target.c_str(), W_OK, AT_EACCESS) != 0) return nullptr;
    const mode_t mode = exists ? (st.st_mode & 0777) : 0666;

    static unsigned counter = 0;
    struct timespec now {};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    unsigned long seed = (unsigned long)now.tv_nsec ^ ((unsigned long)::getpid() << 16);
    for (int attempt = 0; attempt < 100; ++attempt) {
        seed = seed * 6364136223846793005ul + 1442695040888963407ul + ++counter;
        const std::string candidate = TemporaryNameFor(target, std::uint32_t(seed >> 24));
        const int fd =
            ::openat(folder, candidate.c_str(),
                     O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY, mode);
        if (fd < 0) {
            if (errno == EEXIST) continue;
            return nullptr;
        }
        // The umask applies at creation; the target's own bits are what it keeps.
        if (exists) ::fchmod(fd, mode);
        std::FILE* file = Adopt(fd, "wb");
        if (!file) {
            ::unlinkat(folder, candidate.c_str(), 0);
            return nullptr;
        }
        *path = candidate;
        return file;
    }
    return nullptr;
}

}  // namespace platform::posix
