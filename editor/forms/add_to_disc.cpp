#include "editor/forms/add_to_disc.h"

#include <cstdio>
#include <memory>
#include <vector>

#include "editor/forms/resource_import.h"
#include "editor/disc_image/disc_names.h"
#include "editor/windows_disc_name.h"
#include "editor/project_lock.h"
#include "engine/settings_values.h"
#include "platform/folder_below.h"
#include "platform/platform.h"

namespace {

platform::System& System() { return *platform::Current().system; }

void Show(const std::string& text) {
    platform::Current().services->ShowMessage(text, platform::MessageButtons::Ok);
}

std::string WithoutTrailingSeparators(std::string path) {
    while (path.size() > 1 && (path.back() == '/' || path.back() == '\\')) path.pop_back();
    return path;
}

char Lower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

// Where folders are written with '\', letter case does not tell them apart.
bool SamePathText(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    const bool ignoreCase = System().PathSeparator() == '\\';
    for (std::size_t i = 0; i < a.size(); ++i)
        if (ignoreCase ? Lower(a[i]) != Lower(b[i]) : a[i] != b[i]) return false;
    return true;
}

std::vector<std::string> Components(const std::string& relative, const char* separators) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= relative.size()) {
        const std::size_t cut = relative.find_first_of(separators, start);
        const std::size_t end = cut == std::string::npos ? relative.size() : cut;
        if (end > start) parts.push_back(relative.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

// A name the disc carries as it is and Windows tells from every other name in
// its folder; else false after saying why.
bool FitsOnDisc(const std::string& folder, const std::string& name, bool isFolder) {
    const DiscNameRule rule = BrokenDiscNameRule(name, isFolder);
    if (rule != DiscNameRule::None) {
        Show(DiscNameRefusal(name, rule));
        return false;
    }
    for (const std::string& twin : SpellingsIn(folder, name)) {
        if (twin == name) continue;
        Show("The folder \"" + name + "\" has a twin \"" + twin + "\" beside it:\n" + folder +
             "\n\nWindows takes them for one folder, so a disc cannot carry both. Please rename "
             "or remove one of them.");
        return false;
    }
    return true;
}

// The project folder joined with each part, every step a real folder: a link
// in the project may lead anywhere, so it is never gone through.
bool RealFolderPath(const std::string& projectFolder, const std::vector<std::string>& parts,
                    std::string* folder) {
    const char separator = System().PathSeparator();
    std::string path = FolderWithSeparator(projectFolder);
    for (const std::string& part : parts) {
        if (!FitsOnDisc(path, part, true)) return false;
        path += part;
        if (System().KindOf(path) != platform::EntryKind::Folder) {
            Show("The folder is not a real folder of the project:\n" + path);
            return false;
        }
        path += separator;
    }
    *folder = path;
    return true;
}

std::string JoinStored(const std::vector<std::string>& parts) {
    std::string out;
    for (const std::string& part : parts) out += (out.empty() ? "" : "\\") + part;
    return out;
}

}  // namespace

bool DiscFolderName(const std::string& projectFolder, const std::string& chosenFolder,
                    std::string* relativeFolder) {
    const std::string root = WithoutTrailingSeparators(System().ResolvedPath(projectFolder));
    const std::string chosen = WithoutTrailingSeparators(System().ResolvedPath(chosenFolder));
    const std::string prefix = root + System().PathSeparator();
    const bool inside =
        !root.empty() && !chosen.empty() &&
        (SamePathText(chosen, root) ||
         (chosen.size() > prefix.size() && SamePathText(chosen.substr(0, prefix.size()), prefix)));
    if (!inside) {
        Show("Please choose the project folder or a folder inside it:\n" + projectFolder);
        return false;
    }
    const std::string rest = chosen.size() > root.size() ? chosen.substr(prefix.size()) : "";
    const std::string separator(1, System().PathSeparator());
    const std::vector<std::string> parts = Components(rest, separator.c_str());
    std::string folder;
    if (!RealFolderPath(projectFolder, parts, &folder)) return false;
    *relativeFolder = JoinStored(parts);
    return true;
}

bool AddToDisc(const std::string& source, const std::string& projectFolder,
               const std::string& relativeFolder, std::string* storedName) {
    const std::vector<std::string> parts = Components(relativeFolder, "\\");
    std::string folder;
    if (!RealFolderPath(projectFolder, parts, &folder)) return false;
    const std::size_t cut = source.rfind(System().PathSeparator());
    std::string name = cut == std::string::npos ? std::string() : source.substr(cut + 1);
    if (name.empty()) {
        Show("Failed to obtain file name!");
        return false;
    }
    DiscNameRule rule = BrokenDiscNameRule(name, false);
    if (rule == DiscNameRule::None) rule = BrokenDiscPathRule(JoinStored(parts) + "\\" + name);
    if (rule != DiscNameRule::None) {
        Show(DiscNameRefusal(name, rule));
        return false;
    }
    // The lock is live while other runs hold it: a copy over it would let two write at once.
    if (parts.empty() && SameNameOnDisc(name, platform::PROJECT_LOCK_NAME)) {
        Show("\"" + name + "\" is the name of the project's lock file. Please rename the file.");
        return false;
    }
    // Windows sees one file for SETUP.EXE and setup.exe: the one there is the clash.
    const std::vector<std::string> spellings = SpellingsIn(folder, name);
    if (!spellings.empty()) name = spellings.front();

    std::FILE* readable = System().OpenRegularFile(source);
    if (!readable) {
        Show("Failed to open the specified file:\n" + source);
        return false;
    }
    std::fclose(readable);

    // From here on the folder is held open and written by leaf name: one
    // swapped for a link since the check above is refused, never followed.
    const ProjectLock lock(projectFolder);
    if (!lock.Held()) return false;
    std::unique_ptr<platform::FolderBelow> below = System().OpenFolderBelow(projectFolder, parts);
    if (!below) {
        Show("The folder is not a real folder of the project:\n" + folder);
        return false;
    }
    const std::string destination = folder + name;
    const platform::EntryKind there = below->KindOf(name);
    const bool itself = there == platform::EntryKind::File && below->SameFile(name, source);
    if (there == platform::EntryKind::Folder || there == platform::EntryKind::Other) {
        Show("\"" + name + "\" is already there, and it is not a file:\n" + destination +
             "\n\nRename the file or choose another folder.");
        return false;
    }
    if (there != platform::EntryKind::Missing && !itself) {
        const auto answer = platform::Current().services->ShowMessage(
            "A file named \"" + name + "\" is already on the disc:\n" + destination +
                "\n\nReplace it?",
            platform::MessageButtons::YesNo);
        if (answer != platform::MessageAnswer::Yes) return false;
    }
    if (!itself && !CopyFileInto(source, *below, name)) return false;

    std::vector<std::string> stored = parts;
    stored.push_back(name);
    *storedName = JoinStored(stored);
    return true;
}
