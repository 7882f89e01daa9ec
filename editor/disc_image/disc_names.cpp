#include "editor/disc_image/disc_names.h"

#include <algorithm>

#include "editor/disc_image/disc_contents.h"
#include "editor/windows_disc_name.h"
#include "platform/platform.h"

namespace {

// A message stays readable; the count says how much more there is.
constexpr std::size_t kListed = 40;

struct Folder {
    std::string path;      // real
    std::string stored;    // as a link would name it, '\' between levels
};

void Add(std::vector<std::string>* list, std::size_t* unlisted, std::string line) {
    if (list->size() < kListed) {
        list->push_back(std::move(line));
    } else {
        ++*unlisted;
    }
}

std::string Upper(std::string s) {
    for (char& c : s) c = c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
    return s;
}

// Names of one folder that Windows takes for one, each group on a line.
void AddClashes(std::vector<std::string> names, const std::string& stored, DiscNameFaults* out) {
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return Upper(a) < Upper(b) || (Upper(a) == Upper(b) && a < b);
    });
    const std::string prefix = stored.empty() ? "" : stored + "\\";
    for (std::size_t i = 0; i < names.size();) {
        std::size_t j = i + 1;
        while (j < names.size() && SameNameOnDisc(names[i], names[j])) ++j;
        if (j - i > 1) {
            std::string line;
            for (std::size_t k = i; k < j; ++k)
                line += (k == i ? "" : k + 1 == j ? " and " : ", ") + prefix + names[k];
            Add(&out->clashes, &out->clashesUnlisted, line);
        }
        i = j;
    }
}

std::string Listed(const char* heading, const std::vector<std::string>& lines, std::size_t more) {
    if (lines.empty()) return std::string();
    std::string text = heading;
    for (const std::string& line : lines) text += "\n" + line;
    if (more > 0) text += "\n... and " + std::to_string(more) + " more";
    return text;
}

}  // namespace

DiscNameFaults FindDiscNameFaults(const std::string& root, const std::vector<std::string>& leftOut) {
    platform::System& system = *platform::Current().system;
    DiscNameFaults faults;
    std::vector<Folder> folders{{root, ""}};
    std::vector<std::string> names;
    while (!folders.empty()) {
        const Folder folder = folders.back();
        folders.pop_back();
        if (!system.ListFolder(folder.path, &names)) continue;
        std::sort(names.begin(), names.end());
        std::vector<std::string> onDisc;
        for (const std::string& name : names) {
            const std::string path = folder.path + (IsFolderSeparator(folder.path.back()) ? "" : "/") + name;
            const platform::EntryKind kind = system.KindOf(path);
            if (kind == platform::EntryKind::Link || ClassifyDiscEntry(root, path) != DiscEntry::Kept ||
                std::find(leftOut.begin(), leftOut.end(), path) != leftOut.end())
                continue;
            onDisc.push_back(name);
            const bool isFolder = kind == platform::EntryKind::Folder;
            const std::string stored = folder.stored.empty() ? name : folder.stored + "\\" + name;
            // The folders above passed already: this name, or the path's length.
            const DiscNameRule rule = BrokenDiscPathRule(stored, isFolder);
            if (rule != DiscNameRule::None) {
                Add(&faults.renamed, &faults.renamedUnlisted,
                    stored + ": " + DiscNameRuleText(rule));
            } else if (isFolder) {
                folders.push_back({path, stored});
            }
        }
        AddClashes(std::move(onDisc), folder.stored, &faults);
    }
    return faults;
}

std::vector<std::string> SpellingsIn(const std::string& folder, const std::string& name) {
    std::vector<std::string> names, found;
    if (!platform::Current().system->ListFolder(folder, &names)) return found;
    std::sort(names.begin(), names.end());
    for (const std::string& entry : names)
        if (SameNameOnDisc(entry, name)) found.insert(entry == name ? found.begin() : found.end(), entry);
    return found;
}

std::string RenamedText(const DiscNameFaults& faults) {
    return Listed(RENAMED_NOTE, faults.renamed, faults.renamedUnlisted);
}

std::string CaseClashText(const DiscNameFaults& faults) {
    return Listed(CASE_CLASH_NOTE, faults.clashes, faults.clashesUnlisted);
}
