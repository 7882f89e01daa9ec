#include "editor/output_target.h"

#include <vector>

#include "editor/disc_image/disc_contents.h"
#include "editor/windows_disc_name.h"
#include "platform/platform.h"

namespace {

// What stands at `path` once a final link is followed; a link that leads
// nowhere is only a name, which the write replaces.
platform::EntryKind KindBehind(const std::string& path) {
    platform::System& system = *platform::Current().system;
    const platform::EntryKind kind = system.KindOf(path);
    if (kind != platform::EntryKind::Link) return kind;
    const std::string target = system.ResolvedPath(path);
    return target.empty() ? platform::EntryKind::Missing : system.KindOf(target);
}

}  // namespace

std::string OutputRefusal(const std::string& folder, const std::string& output,
                          const std::string& what,
                          const std::function<bool(const std::string&)>& isEarlierOutput) {
    platform::System& system = *platform::Current().system;
    const platform::EntryKind kind = KindBehind(output);
    if (kind == platform::EntryKind::Folder || kind == platform::EntryKind::Other) {
        return what + " cannot be written to\n" + output + "\n" +
               (kind == platform::EntryKind::Folder
                    ? "It is a folder, not a file."
                    : "It is a device, a pipe or a socket, not a file.") +
               "\n\nPlease choose another name.";
    }

    std::size_t leafStart = output.size();
    while (leafStart > 0 && !IsFolderSeparator(output[leafStart - 1])) --leafStart;
    const std::string parent = leafStart == 0 ? "." : output.substr(0, leafStart);
    const std::string leaf = output.substr(leafStart);
    const std::string root = system.ResolvedPath(folder);
    const std::string realParent = system.ResolvedPath(parent);
    if (root.empty() || !IsInsideFolder(realParent, root)) return "";

    // A second spelling of a project file would reach the disc beside it.
    std::vector<std::string> names;
    if (!system.ListFolder(realParent, &names)) return "";
    for (const std::string& name : names) {
        if (!SameNameOnDisc(name, leaf)) continue;
        if (name == leaf && isEarlierOutput && isEarlierOutput(output)) continue;
        const std::string shown =
            name == leaf ? output : output + "\n(the project holds " + name + ")";
        return what + " cannot replace a file of the project:\n" + shown +
               "\n\nPlease choose another name.";
    }
    return "";
}
