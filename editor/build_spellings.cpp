#include "editor/build_spellings.h"

#include <vector>

#include "editor/companion_files.h"
#include "editor/disc_image/disc_names.h"
#include "platform/platform.h"

namespace {

constexpr const char* kSettingsName = "AppSetup.dat";

platform::System& System() { return *platform::Current().system; }

void Show(const std::string& text) {
    platform::Current().services->ShowMessage(text, platform::MessageButtons::Ok);
}

std::string Leaf(const std::string& path) {
    const std::size_t cut = path.find_last_of("/\\");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string Joined(const std::vector<std::string>& names) {
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i)
        text += (i == 0 ? "" : i + 1 == names.size() ? " and " : ", ") + names[i];
    return text;
}

// The spellings of `name` in the folder other than the one the project uses.
std::vector<std::string> Others(const std::string& folder, const std::string& name) {
    const std::string used = Leaf(System().RealPath(folder, name));
    std::vector<std::string> others;
    for (const std::string& spelling : SpellingsIn(folder, name))
        if (spelling != used) others.push_back(spelling);
    return others;
}

}  // namespace

bool KeepOneSpelling(const std::string& folder, std::string* note) {
    const std::vector<std::string> settings = Others(folder, kSettingsName);
    if (!settings.empty()) {
        Show("The project folder holds more than one settings file: " +
             Leaf(System().RealPath(folder, kSettingsName)) + " (the project's) and " +
             Joined(settings) +
             ". Windows takes them for one name, so a disc can carry only one.\n\nPlease remove "
             "or rename the others, then build again.");
        return false;
    }
    std::vector<std::string> removable;
    for (const char* ours : {"autorun.inf", RUNTIME_NAME}) {
        for (const std::string& other : Others(folder, ours)) {
            const platform::EntryKind kind = System().KindOf(folder + other);
            if (kind != platform::EntryKind::File && kind != platform::EntryKind::Link) {
                Show("\"" + other + "\" in the project folder is not a file, and Windows takes it "
                     "for " + ours + ", which the build writes.\n\nPlease remove or rename it, then "
                     "build again.");
                return false;
            }
            removable.push_back(other);
        }
    }
    std::vector<std::string> removed;
    for (const std::string& other : removable)
        if (System().RemoveFile(folder + other)) removed.push_back(other);
    if (!removed.empty())
        *note = "Removed " + Joined(removed) +
                ": Windows takes them for autorun.inf or Velomar.exe, which the build writes, "
                "and a disc holds one of each.";
    return true;
}
