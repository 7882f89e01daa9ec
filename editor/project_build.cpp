#include "editor/project_build.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "editor/autorun_text.h"
#include "editor/build_spellings.h"
#include "editor/companion_files.h"
#include "editor/forms/resource_import.h"
#include "editor/disc_image/disc_contents.h"
#include "editor/disc_image/disc_names.h"
#include "editor/windows_disc_name.h"
#include "editor/project_lock.h"
#include "engine/installer_wnd.h"
#include "engine/picture_kind.h"
#include "engine/settings_values.h"
#include "platform/platform.h"
#include "platform/replacement_file.h"

namespace {

constexpr const char* kAutorunName = "autorun.inf";

platform::System& System() { return *platform::Current().system; }

char Lower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

bool Names(const std::string& stored, const std::string& fileName) {
    return WindowsNormalName(stored) == WindowsNormalName("res\\" + fileName);
}

void AddLinkNames(const LaunchSettings& s, std::vector<std::string>* names) {
    const int links = std::clamp<std::int32_t>(s.NumberOfHotSpots, 0, MAX_HOTSPOTS);
    for (int i = 0; i < links; ++i) {
        const std::string& command = TextOf(s.HotSpotCommand[i]);
        if (command == "RUN" || command == "OPEN")
            names->push_back(TextOf(s.HotSpotCommandDataA[i]));
    }
}

std::vector<std::string> ResourceNames(const LaunchSettings& s) {
    std::vector<std::string> names{TextOf(s.BackGroundBitmapName)};
    const int logos = std::clamp<std::int32_t>(s.NumberOfLogosToDraw, 0, MAX_LOGOS);
    for (int i = 0; i < logos; ++i) names.push_back(TextOf(s.LogoBitmapName[i]));
    names.push_back(TextOf(s.StartupWaveFile));
    names.push_back(TextOf(s.HotSpotWaveFile));
    names.push_back(TextOf(s.AutoPlayIcon));  // kept while AutoPlay is off too: nothing lost
    return names;
}

// A killed build or save leaves its temporary file beside the target; only
// regular files of our own names for our own targets go.
void RemoveOurLeftovers(const std::string& folder) {
    std::vector<std::string> names;
    if (!System().ListFolder(folder, &names)) return;
    for (const std::string& name : names) {
        for (const char* target : {kAutorunName, RUNTIME_NAME, "AppSetup.dat"}) {
            if (platform::IsTemporaryNameOf(name, target) &&
                System().KindOf(folder + name) == platform::EntryKind::File)
                System().RemoveFile(folder + name);
        }
    }
}

// Used names and the real paths they resolve to (POSIX follows links there).
struct UsedFiles {
    std::vector<std::string> names, paths;
};

UsedFiles Resolved(const std::vector<std::string>& names, const std::string& folder) {
    UsedFiles used{names, {}};
    for (const std::string& name : names)
        if (!name.empty()) used.paths.push_back(System().RealPath(folder, name));
    return used;
}

// Either runtime opens a file in res for some used name: Windows by the name's
// normal form, POSIX through the real path the name resolves to.
bool Uses(const UsedFiles& used, const std::string& fileName, const std::string& path) {
    for (const std::string& name : used.names)
        if (Names(name, fileName)) return true;
    for (const std::string& usedPath : used.paths)
        if (System().SameFile(usedPath, path)) return true;
    return false;
}

void CleanRes(const std::string& res, const LaunchSettings& settings, const std::string& folder,
              BuildReport* report) {
    std::vector<std::string> names;
    if (!System().ListFolder(res, &names)) return;
    std::sort(names.begin(), names.end());
    std::vector<std::string> links;
    AddLinkNames(settings, &links);
    const UsedFiles resources = Resolved(ResourceNames(settings), folder);
    const UsedFiles linked = Resolved(links, folder);
    for (const std::string& name : names) {
        const std::string path = res + "/" + name;
        if (System().KindOf(path) != platform::EntryKind::File) continue;
        if (Uses(resources, name, path)) continue;
        if (Uses(linked, name, path)) {
            report->keptForLinks.push_back("res\\" + name);
        } else if (System().RemoveFile(path)) {  // one that will not go stays
            report->removed.push_back("res\\" + name);
        }
    }
}

// True when some component of `path` below `folder` is a link.
bool ThroughLink(const std::string& folder, const std::string& path) {
    for (std::size_t at = folder.size(); at <= path.size(); ++at) {
        if (at < path.size() && !IsFolderSeparator(path[at])) continue;
        if (at > folder.size() && System().KindOf(path.substr(0, at)) == platform::EntryKind::Link)
            return true;
    }
    return false;
}

// "res\logo.bmp: it leads out of the project folder or nowhere" for each used
// name whose file exists but would be left off the disc, or reached through a
// link there (Windows reads no links on a disc).
std::string OffDiscLines(const LaunchSettings& settings, const std::string& folder) {
    const std::string root = System().ResolvedPath(folder);
    std::vector<std::string> lines;
    for (const std::string& name : UsedNames(settings)) {
        if (name.empty()) continue;
        const std::string path = System().RealPath(folder, name);
        if (System().KindOf(path) == platform::EntryKind::Missing) continue;
        const std::string resolved = System().ResolvedPath(path);
        std::string why;
        const DiscNameRule rule = BrokenDiscPathRule(
            WindowsNormalName(name), System().KindOf(path) == platform::EntryKind::Folder);
        if (rule != DiscNameRule::None) {
            why = "on the disc it has another name: " + DiscNameRuleText(rule);
        } else if (!IsInsideFolder(resolved, root)) {
            why = "it leads out of the project folder or nowhere";
        } else {
            switch (ClassifyDiscEntry(root, path)) {
                case DiscEntry::Kept:
                    if (ThroughLink(folder, path))
                        why = "reached through a link, which Windows does not see on a disc";
                    break;
                case DiscEntry::Temporary:
                    why = "a temporary file's name";
                    break;
                case DiscEntry::LinkOutside:
                    why = "a link that leads out of the project folder or nowhere";
                    break;
                case DiscEntry::NotAFile:
                    why = "not a regular file";
                    break;
            }
        }
        const std::string line = name + ": " + why;
        if (!why.empty() && std::find(lines.begin(), lines.end(), line) == lines.end())
            lines.push_back(line);
    }
    std::string text;
    for (const std::string& line : lines) text += "\n" + line;
    return text;
}

// "res\title.bmp: logo 1" for each picture or sound the menu needs and cannot
// find, into *missing; NotBmpLine for each picture that is there but no BMP,
// into *notBmp. Without its background or a logo the runtime does not start.
void CheckMenuFiles(const LaunchSettings& s, const std::string& folder, std::string* missing,
                    std::string* notBmp) {
    struct Needed {
        std::string name, what;
        bool picture;
    };
    std::vector<Needed> needed;
    const std::string background = TextOf(s.BackGroundBitmapName);
    if (background.compare(0, 2, "@@") != 0) needed.push_back({background, "the background", true});
    const int logos = std::clamp<std::int32_t>(s.NumberOfLogosToDraw, 0, MAX_LOGOS);
    for (int i = 0; i < logos; ++i)
        needed.push_back({TextOf(s.LogoBitmapName[i]), "logo " + std::to_string(i + 1), true});
    needed.push_back({TextOf(s.StartupWaveFile), "the startup sound", false});
    needed.push_back({TextOf(s.HotSpotWaveFile), "the hover sound", false});
    for (const Needed& n : needed) {
        // As Windows finds it on the disc: ".", ".." and trailing dots aside.
        const std::string windowsName = WindowsNormalName(n.name);
        if (windowsName.empty()) continue;  // none named
        const std::string path = System().RealPath(folder, windowsName);
        const platform::EntryKind kind = System().KindOf(path);
        if (kind == platform::EntryKind::Missing || kind == platform::EntryKind::Folder) {
            *missing += "\n" + n.name + ": " + n.what;
        } else if (n.picture) {
            const std::string why = NotBmpLine(path, n.name);
            if (!why.empty() && notBmp->find(why) == std::string::npos)
                *notBmp += (notBmp->empty() ? "" : "\n") + why;
        }
    }
}

void AddNote(std::string* notes, const std::string& note) {
    if (!note.empty()) *notes += (notes->empty() ? "" : "\n\n") + note;
}

void Show(const std::string& text) {
    platform::Current().services->ShowMessage(text, platform::MessageButtons::Ok);
}

}  // namespace

std::string WindowsNormalName(const std::string& name) {
    std::vector<std::string> parts;
    std::string part;
    auto endPart = [&] {
        while (!part.empty() && part != "." && part != ".." &&
               (part.back() == '.' || part.back() == ' '))
            part.pop_back();
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        part.clear();
    };
    for (char c : name) {
        if (c == '\\' || c == '/') {
            endPart();
        } else {
            part += Lower(c);
        }
    }
    endPart();
    std::string out;
    for (const std::string& p : parts) out += (out.empty() ? "" : "\\") + p;
    return out;
}

std::vector<std::string> UsedNames(const LaunchSettings& s) {
    std::vector<std::string> names = ResourceNames(s);
    AddLinkNames(s, &names);
    return names;
}

std::string BuildReportLines(const BuildReport& report, std::size_t most) {
    std::vector<std::string> lines;
    for (const std::string& name : report.removed) lines.push_back("Removed " + name);
    for (const std::string& name : report.keptForLinks)
        lines.push_back("Kept " + name + ": a link uses it");
    std::string text;
    for (std::size_t i = 0; i < lines.size() && i < most; ++i) text += lines[i] + "\n";
    if (lines.size() > most) text += "and " + std::to_string(lines.size() - most) + " more\n";
    return text;
}

std::string BuildCountLine(const BuildReport& report) {
    const std::size_t removed = report.removed.size(), kept = report.keptForLinks.size();
    return "Removed " + std::to_string(removed) + (removed == 1 ? " file" : " files") +
           " from res; kept " + std::to_string(kept) + " only because a link uses " +
           (kept == 1 ? "it." : "them.");
}

BuildResult BuildProject(const CInstallerWnd* project, const std::string& runtimePath,
                         BuildReport* report) {
    if (!project) return BuildResult::NoProject;
    BuildReport unused;
    if (!report) report = &unused;
    *report = {};
    const std::string folder = FolderWithSeparator(project->ProjectFolder);
    // Held to the end: a temporary file beside a target is then a killed run's.
    const ProjectLock lock(folder);
    if (!lock.Held()) return BuildResult::Failed;
    RemoveOurLeftovers(folder);
    std::string spellingNote;
    if (!KeepOneSpelling(folder, &spellingNote)) return BuildResult::Failed;

    // An AUTORUN.INF or VELOMAR.EXE from a Windows-made project is replaced,
    // not joined by a second file that differs only in case; a link there is
    // replaced too, never written through.
    if (!platform::WriteWholeFile(System().RealPath(folder, kAutorunName),
                                  AutorunText(*project->Settings))) {
        Show("Failed to create the Autorun.inf file!");
        return BuildResult::Failed;
    }
    if (!CopyFileToPath(runtimePath, System().RealPath(folder, RUNTIME_NAME))) {
        Show("Failed to copy the runtime to the project directory!");
        return BuildResult::Failed;
    }

    const std::string res = System().RealPath(folder, "res");
    const platform::EntryKind resKind = System().KindOf(res);
    const bool resIsLink = resKind == platform::EntryKind::Link &&
                           System().KindOf(res + "/") == platform::EntryKind::Folder;
    if (resKind != platform::EntryKind::Folder && !resIsLink) {
        Show("Unexpected error! Can't locate the RES folder!");
        return BuildResult::Failed;
    }
    const LaunchSettings& settings = *project->Settings;
    if (!resIsLink) CleanRes(res, settings, folder, report);

    std::string notes = spellingNote;
    if (resIsLink) AddNote(&notes, RES_LINK_NOTE);
    std::string missing, notBmp;
    CheckMenuFiles(settings, folder, &missing, &notBmp);
    if (!missing.empty()) AddNote(&notes, MISSING_NOTE + missing);
    AddNote(&notes, notBmp);
    const std::string offDisc = OffDiscLines(settings, folder);
    if (!offDisc.empty()) AddNote(&notes, OFF_DISC_NOTE + offDisc);
    const std::string root = System().ResolvedPath(folder);
    if (!root.empty()) {
        const DiscNameFaults faults = FindDiscNameFaults(root);
        AddNote(&notes, RenamedText(faults));
        AddNote(&notes, CaseClashText(faults));
    }
    if (!notes.empty()) Show(notes);
    return BuildResult::Built;
}
