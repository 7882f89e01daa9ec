#include "platform/posix/folder_below.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/posix/regular_file.h"

namespace platform::posix {

namespace {

class DescriptorFolder : public FolderBelow {
  public:
    explicit DescriptorFolder(int fd) : fd_(fd) {}
    ~DescriptorFolder() override { ::close(fd_); }

    EntryKind KindOf(const std::string& leaf) override {
        struct stat st;
        if (::fstatat(fd_, leaf.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) return EntryKind::Missing;
        if (S_ISLNK(st.st_mode)) return EntryKind::Link;
        if (S_ISREG(st.st_mode)) return EntryKind::File;
        return S_ISDIR(st.st_mode) ? EntryKind::Folder : EntryKind::Other;
    }

    bool SameFile(const std::string& leaf, const std::string& path) override {
        struct stat x, y;
        return ::fstatat(fd_, leaf.c_str(), &x, 0) == 0 && ::stat(path.c_str(), &y) == 0 &&
               x.st_dev == y.st_dev && x.st_ino == y.st_ino;
    }

    std::FILE* CreateReplacement(const std::string& leaf, std::string* temporaryLeaf) override {
        if (!IsLeaf(leaf)) return nullptr;
        return CreateReplacementAt(fd_, leaf, temporaryLeaf);
    }

    // Synced, renamed within this folder, and the folder synced: durable as
    // the path-based ReplaceFile is.
    bool ReplaceFile(const std::string& fromLeaf, const std::string& toLeaf) override {
        if (!IsLeaf(fromLeaf) || !IsLeaf(toLeaf)) return false;
        const int file = ::openat(fd_, fromLeaf.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
        if (file < 0) return false;
        const bool synced = ::fsync(file) == 0;
        ::close(file);
        if (!synced || ::renameat(fd_, fromLeaf.c_str(), fd_, toLeaf.c_str()) != 0) return false;
        ::fsync(fd_);  // best effort: the rename is done
        return true;
    }

    bool RemoveFile(const std::string& leaf) override {
        return IsLeaf(leaf) && ::unlinkat(fd_, leaf.c_str(), 0) == 0;
    }

  private:
    static bool IsLeaf(const std::string& name) {
        return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos;
    }
    int fd_;
};

}  // namespace

std::unique_ptr<FolderBelow> OpenFolderBelow(const std::string& root,
                                             const std::vector<std::string>& steps) {
    constexpr int kFolder = O_RDONLY | O_DIRECTORY | O_CLOEXEC;
    // The project folder itself is the user's path, taken as it is.
    int fd = ::open(root.empty() ? "." : root.c_str(), kFolder);
    for (const std::string& step : steps) {
        if (fd < 0) break;
        const bool leaf =
            !step.empty() && step != "." && step != ".." && step.find('/') == std::string::npos;
        const int next = leaf ? ::openat(fd, step.c_str(), kFolder | O_NOFOLLOW) : -1;
        ::close(fd);
        fd = next;
    }
    if (fd < 0) return nullptr;
    return std::make_unique<DescriptorFolder>(fd);
}

}  // namespace platform::posix
