#include "editor/disc_image/disc_contents.h"

#include <algorithm>

#include "platform/platform.h"
#include "platform/replacement_file.h"

namespace {

std::string LeafOf(const std::string& path) {
    std::size_t start = path.size();
    while (start > 0 && !IsFolderSeparator(path[start - 1])) --start;
    return path.substr(start);
}

}  // namespace

bool IsFolderSeparator(char c) {
    return c == '/' || c == platform::Current().system->PathSeparator();
}

bool IsInsideFolder(const std::string& path, const std::string& root) {
    if (path.empty() || root.empty()) return false;
    if (path == root) return true;
    return path.size() > root.size() && path.compare(0, root.size(), root) == 0 &&
           (IsFolderSeparator(root.back()) || IsFolderSeparator(path[root.size()]));
}

DiscEntry ClassifyDiscEntry(const std::string& root, const std::string& path) {
    platform::System& system = *platform::Current().system;
    switch (system.KindOf(path)) {
        case platform::EntryKind::Link:
            return IsInsideFolder(system.ResolvedPath(path), root) ? DiscEntry::Kept
                                                                   : DiscEntry::LinkOutside;
        case platform::EntryKind::File:
            return platform::IsTemporaryName(LeafOf(path)) ? DiscEntry::Temporary : DiscEntry::Kept;
        case platform::EntryKind::Folder:
        case platform::EntryKind::Missing:  // gone while we looked: nothing to leave out
            return DiscEntry::Kept;
        case platform::EntryKind::Other:
            break;
    }
    return DiscEntry::NotAFile;
}

void ForEachDiscEntry(const std::string& root, const DiscEntryVisit& visit) {
    platform::System& system = *platform::Current().system;
    std::vector<std::string> folders{root}, names;
    while (!folders.empty()) {
        const std::string folder = folders.back();
        folders.pop_back();
        if (!system.ListFolder(folder, &names)) continue;
        for (const std::string& name : names) {
            const std::string path = folder + (folder.back() == '/' ? "" : "/") + name;
            const DiscEntry entry = ClassifyDiscEntry(root, path);
            const platform::EntryKind kind =
                entry == DiscEntry::Kept ? system.KindOf(path) : platform::EntryKind::Other;
            if (visit(folder, name, path, entry, kind) && kind == platform::EntryKind::Folder)
                folders.push_back(path);
        }
    }
}

std::vector<std::string> ExcludedPaths(const std::string& root) {
    std::vector<std::string> excluded;
    ForEachDiscEntry(root, [&](const std::string&, const std::string&, const std::string& path,
                               DiscEntry entry, platform::EntryKind) {
        if (entry != DiscEntry::Kept) excluded.push_back(path);
        return true;
    });
    return excluded;
}

std::string LeftOffLines(const std::string& root, const std::vector<std::string>& excluded,
                         std::size_t most) {
    std::vector<std::string> sorted = excluded;  // in one order whatever the folder's
    std::sort(sorted.begin(), sorted.end());
    std::string text;
    for (std::size_t i = 0; i < sorted.size() && i < most; ++i) {
        const std::string& path = sorted[i];
        std::size_t from = root.size();
        while (from < path.size() && IsFolderSeparator(path[from])) ++from;
        const char* why = "not a regular file";
        switch (ClassifyDiscEntry(root, path)) {
            case DiscEntry::Temporary:
                why = "a temporary file a stopped run left behind";
                break;
            case DiscEntry::LinkOutside:
                why = "a link that leads out of the project folder or nowhere";
                break;
            case DiscEntry::Kept:
                why = "changed while the image was written";
                break;
            case DiscEntry::NotAFile:
                break;
        }
        text += "\n" + path.substr(from) + ": " + why;
    }
    if (excluded.size() > most)
        text += "\n... and " + std::to_string(excluded.size() - most) + " more";
    return text;
}
