#include "editor/forms/resource_import.h"

#include <cstdio>
#include <memory>
#include <vector>

#include "editor/disc_image/disc_names.h"
#include "editor/windows_disc_name.h"
#include "editor/project_lock.h"
#include "engine/picture_kind.h"
#include "engine/settings_values.h"
#include "platform/folder_below.h"
#include "platform/platform.h"
#include "platform/replacement_file.h"

namespace {

void Show(const std::string& text) {
    platform::Current().services->ShowMessage(text, platform::MessageButtons::Ok);
}

platform::System& System() { return *platform::Current().system; }

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// A regular file only: a folder, a pipe or a device is no file to copy.
File OpenSource(const std::string& source) {
    if (source.empty()) return nullptr;
    return File(System().OpenRegularFile(source));
}

// Copying a file onto itself is no work; a link in the destination's place is
// replaced by a real copy, whatever it leads to.
bool CopyOpened(std::FILE* in, const std::string& source, const std::string& destination) {
    if (System().KindOf(destination) != platform::EntryKind::Link &&
        (source == destination || System().SameFile(source, destination)))
        return true;
    bool readFailed = false;
    if (platform::CopyToFile(in, destination, &readFailed)) return true;
    Show(readFailed ? "Failed to open the specified file:\n" + source
                    : "Failed to create the file in the project directory!");
    return false;
}

// A file in res keeps its name on a Windows disc, or is refused saying why.
bool FitsResFolder(const std::string& name) {
    DiscNameRule rule = BrokenDiscNameRule(name, false);  // a '\' in a POSIX name too
    if (rule == DiscNameRule::None) rule = BrokenDiscPathRule("res\\" + name);
    if (rule == DiscNameRule::None) return true;
    Show(DiscNameRefusal(name, rule));
    return false;
}

bool CopyOpenedInto(std::FILE* in, const std::string& source, platform::FolderBelow& folder,
                    const std::string& leaf) {
    if (folder.KindOf(leaf) != platform::EntryKind::Link && folder.SameFile(leaf, source))
        return true;
    bool readFailed = false;
    if (platform::CopyToFile(in, folder, leaf, &readFailed)) return true;
    Show(readFailed ? "Failed to open the specified file:\n" + source
                    : "Failed to create the file in the project directory!");
    return false;
}

// What follows the last '\' or '/': the name a path gives whichever system wrote it.
std::string LastComponent(const std::string& path) {
    const std::size_t cut = path.find_last_of("\\/");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

}  // namespace

bool CopyFileToPath(const std::string& source, const std::string& destination) {
    File in = OpenSource(source);
    if (!in) {
        Show("Failed to open the specified file:\n" + source);
        return false;
    }
    return CopyOpened(in.get(), source, destination);
}

bool CopyFileInto(const std::string& source, platform::FolderBelow& folder,
                  const std::string& leaf) {
    File in = OpenSource(source);
    if (!in) {
        Show("Failed to open the specified file:\n" + source);
        return false;
    }
    return CopyOpenedInto(in.get(), source, folder, leaf);
}

bool CopyFileToFolder(const std::string& source, const std::string& projectFolder,
                      const std::string& folderName, std::string* copiedName) {
    File in = OpenSource(source);
    if (!in) {
        Show("Failed to open the specified file:\n" + source);
        return false;
    }
    const char separator = platform::Current().system->PathSeparator();
    const std::size_t cut = source.rfind(separator);
    if (cut == std::string::npos) {
        Show("Failed to obtain file name!");
        return false;
    }
    std::string name = source.substr(cut + 1);
    if (name.empty()) {
        Show("Failed to obtain file name!");
        return false;
    }
    if (!FitsResFolder(name)) return false;
    std::unique_ptr<platform::FolderBelow> folder =
        System().OpenFolderBelow(projectFolder, {folderName});
    const std::string path = FolderWithSeparator(projectFolder) + folderName;
    if (!folder) {
        Show(System().KindOf(path) == platform::EntryKind::Link
                 ? "The project's \"" + folderName +
                       "\" folder is a link: nothing is copied through it.\n" + path
                 : "Failed to create the file in the project directory!");
        return false;
    }
    // Windows sees one file for LOGO.BMP and logo.bmp: the one there is replaced.
    const std::vector<std::string> spellings = SpellingsIn(path + System().PathSeparator(), name);
    if (!spellings.empty()) name = spellings.front();
    if (!CopyOpenedInto(in.get(), source, *folder, name)) return false;
    if (copiedName) *copiedName = name;
    return true;
}

bool IsResourceName(const std::string& text) {
    if (text.size() < 4 || text[3] != '\\') return false;
    for (int i = 0; i < 3; ++i) {
        if ((text[i] | 0x20) != "res"[i]) return false;
    }
    return true;
}

bool ImportResource(const std::string& pathText, const std::string& projectFolder,
                    std::string* resourceName) {
    // Only the name itself: no sub-folders are ever made inside res. A copy is
    // stored under the name it was given.
    std::string name = LastComponent(pathText);
    if (!IsResourceName(pathText)) {
        const ProjectLock lock(projectFolder);
        if (!lock.Held()) return false;
        // The folder as it is spelled on disk: "RES" in a Windows-made project.
        const std::string res =
            LastComponent(System().RealPath(FolderWithSeparator(projectFolder), "res"));
        if (!CopyFileToFolder(pathText, projectFolder, res, &name)) return false;
    }
    if (name.empty() || !FitsResFolder(name)) return false;
    *resourceName = "res\\" + name;
    return true;
}

std::string ProjectFilePath(const std::string& projectFolder, const std::string& storedName) {
    return platform::Current().system->RealPath(FolderWithSeparator(projectFolder), storedName);
}

std::string FieldFilePath(const std::string& projectFolder, const std::string& pathText) {
    return IsResourceName(pathText) ? ProjectFilePath(projectFolder, pathText) : pathText;
}

bool RefusedAsNotBmp(const std::string& projectFolder, const std::string& pathText) {
    const std::string why = NotBmpLine(FieldFilePath(projectFolder, pathText), pathText);
    if (why.empty()) return false;
    platform::Current().services->ShowMessage(why + "\nPlease select another.",
                                              platform::MessageButtons::Ok);
    return true;
}
