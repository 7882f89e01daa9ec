// FindStartFolder: where a Linux build or installation keeps the companion
// files. Not in the Windows build, whose StartFolder is the program's folder.
#include <filesystem>

#include "editor/companion_files.h"

namespace fs = std::filesystem;

namespace {

std::string WithSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

bool HasCompanions(const std::string& folder) {
    std::error_code ec;
    return fs::exists(folder + RUNTIME_NAME, ec) || fs::exists(folder + USER_GUIDE_NAME, ec);
}

}  // namespace

std::string FindStartFolder(const std::string& programFolder) {
    const std::string own = WithSlash(programFolder);
    if (HasCompanions(own)) return own;
    std::error_code ec;
    const fs::path shared = fs::weakly_canonical(fs::path(own) / ".." / "share" / "velomar", ec);
    if (!ec && HasCompanions(WithSlash(shared.string()))) return WithSlash(shared.string());
    return own;
}

