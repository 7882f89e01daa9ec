#include "platform/posix/posix_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/posix/folder_below.h"
#include "platform/posix/regular_file.h"

namespace platform {

namespace {

bool Exists(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0;
}

bool EqualIgnoringCase(const std::string& a, const char* b) {
    std::size_t i = 0;
    for (; i < a.size() && b[i]; ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]);
        unsigned char y = static_cast<unsigned char>(b[i]);
        if (x >= 'A' && x <= 'Z') x = x - 'A' + 'a';
        if (y >= 'A' && y <= 'Z') y = y - 'A' + 'a';
        if (x != y) return false;
    }
    return i == a.size() && b[i] == '\0';
}

// The entry of `dir` whose name equals `name` without regard to ASCII case; the
// first in byte order when several do, so the choice does not depend on the
// order the file system lists them in.
bool FindIgnoringCase(const std::string& dir, const std::string& name, std::string* found) {
    DIR* d = ::opendir(dir.empty() ? "." : dir.c_str());
    if (!d) return false;
    std::vector<std::string> matches;
    while (const dirent* e = ::readdir(d)) {
        if (EqualIgnoringCase(name, e->d_name)) matches.emplace_back(e->d_name);
    }
    ::closedir(d);
    if (matches.empty()) return false;
    *found = *std::min_element(matches.begin(), matches.end());
    return true;
}

bool SyncPath(const std::string& path, int flags) {
    int fd = ::open(path.c_str(), flags);
    if (fd < 0) return false;
    bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

std::string FolderOf(const std::string& path) {
    std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

bool PosixSystem::GetCurrentDir(std::string* dir) {
    std::vector<char> buffer(256);
    for (;;) {
        if (::getcwd(buffer.data(), buffer.size())) {
            *dir = buffer.data();
            return true;
        }
        if (errno != ERANGE || buffer.size() > (1u << 20)) return false;
        buffer.resize(buffer.size() * 2);
    }
}

std::string PosixSystem::RealPath(const std::string& folder, const std::string& name) {
    if (folder.empty() && Exists(name)) return name;
    std::string mapped = name;
    std::replace(mapped.begin(), mapped.end(), '\\', '/');
    if (mapped.empty() || Exists(folder + mapped)) return folder + mapped;

    // Resolve the name component by component; once a folder is missing, the
    // rest is kept as given. The folder itself is never reinterpreted.
    std::string result = folder;
    std::size_t start = 0;
    if (folder.empty() && mapped[0] == '/') {
        result = "/";
        start = 1;
    }
    bool resolving = true;
    while (start <= mapped.size()) {
        std::size_t end = mapped.find('/', start);
        if (end == std::string::npos) end = mapped.size();
        std::string component = mapped.substr(start, end - start);
        if (resolving && !component.empty() && component != "." && component != ".." &&
            !Exists(result + component)) {
            std::string found;
            if (FindIgnoringCase(result, component, &found)) {
                component = found;
            } else {
                resolving = false;
            }
        }
        result += component;
        if (end < mapped.size()) result += '/';
        start = end + 1;
    }
    return result;
}

bool PosixSystem::FileExists(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool PosixSystem::CreateFolder(const std::string& path) {
    if (::mkdir(path.c_str(), 0777) == 0) return true;
    struct stat st;
    return errno == EEXIST && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

EntryKind PosixSystem::KindOf(const std::string& path) {
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0) return EntryKind::Missing;
    if (S_ISLNK(st.st_mode)) return EntryKind::Link;
    if (S_ISREG(st.st_mode)) return EntryKind::File;
    return S_ISDIR(st.st_mode) ? EntryKind::Folder : EntryKind::Other;
}

bool PosixSystem::ListFolder(const std::string& folder, std::vector<std::string>* names) {
    names->clear();
    const int fd = ::open(folder.empty() ? "." : folder.c_str(),
                          O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return false;
    DIR* d = ::fdopendir(fd);
    if (!d) {
        ::close(fd);
        return false;
    }
    while (const dirent* e = ::readdir(d)) {
        const std::string name = e->d_name;
        if (name != "." && name != "..") names->push_back(name);
    }
    ::closedir(d);
    return true;
}

bool PosixSystem::RemoveFile(const std::string& path) { return ::unlink(path.c_str()) == 0; }

bool PosixSystem::SameFile(const std::string& a, const std::string& b) {
    struct stat x, y;
    return ::stat(a.c_str(), &x) == 0 && ::stat(b.c_str(), &y) == 0 && x.st_dev == y.st_dev &&
           x.st_ino == y.st_ino;
}

std::string PosixSystem::ResolvedPath(const std::string& path) {
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (!resolved) return "";
    std::string result = resolved;
    std::free(resolved);
    return result;
}

bool PosixSystem::GetFileStamp(const std::string& path, FileStamp* stamp) {
    struct stat st;
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    stamp->size = std::uint64_t(st.st_size);
    stamp->modified = std::int64_t(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    return true;
}

bool PosixSystem::ReplaceFile(const std::string& from, const std::string& to) {
    if (!SyncPath(from, O_RDONLY)) return false;
    if (std::rename(from.c_str(), to.c_str()) != 0) return false;
    SyncPath(FolderOf(to), O_RDONLY | O_DIRECTORY);  // best effort: the rename is done
    return true;
}

std::FILE* PosixSystem::OpenRegularFile(const std::string& path) {
    return posix::OpenRegularFile(path);
}

std::FILE* PosixSystem::CreateReplacement(const std::string& target, std::string* path) {
    return posix::CreateReplacementFile(target, path);
}

std::unique_ptr<FolderBelow> PosixSystem::OpenFolderBelow(const std::string& root,
                                                          const std::vector<std::string>& steps) {
    return posix::OpenFolderBelow(root, steps);
}

LockResult PosixSystem::LockFolder(const std::string& folder, int waitMs,
                                   std::unique_ptr<FolderLock>* lock) {
    return posix::LockFolder(folder, waitMs, lock);
}

}  // namespace platform
