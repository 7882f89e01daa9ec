#include "editor/new_project_path.h"

#include "platform/platform.h"

namespace {

std::string WithSeparator(const std::string& folder, char separator) {
    if (!folder.empty() && folder.back() == separator) return folder;
    return folder + separator;
}

}  // namespace

void NewProjectPath::Open(const std::string& defaultParent) {
    Name = "Project1";
    Location = WithSeparator(defaultParent, Separator) + Name;
    LocationEdited = false;
}

void NewProjectPath::NameChanged(const std::string& name) {
    const std::string old = Name;
    Name = name;
    if (LocationEdited) return;
    // The parent is what precedes the old name; a name holding a separator
    // ("a/") must not make its own first part the parent of the next one.
    std::string parent = Location;
    if (parent.size() >= old.size() && parent.compare(parent.size() - old.size(), old.size(), old) == 0)
        parent.erase(parent.size() - old.size());
    else if (const std::size_t cut = parent.rfind(Separator); cut != std::string::npos)
        parent.erase(cut + 1);
    if (parent.empty() || parent.back() != Separator) return;
    Location = parent + Name;
}

void NewProjectPath::LocationTyped(const std::string& location) {
    Location = location;
    LocationEdited = true;
}

void NewProjectPath::Browsed(const std::string& folder) {
    Location = WithSeparator(folder, Separator) + Name;
    LocationEdited = false;
}

std::string NewProjectPath::ProjectFolder() const {
    if (!LocationEdited) return Location;
    return WithSeparator(Location, Separator) + Name;
}

bool NewProjectPath::CheckName() const {
    if (Name.find_first_of("/\\") == std::string::npos) return true;
    platform::Current().services->ShowMessage(NAME_HAS_SEPARATOR, platform::MessageButtons::Ok);
    return false;
}

std::string DefaultProjectsFolder(const std::string& documentsFolder, char separator) {
    return WithSeparator(documentsFolder, separator) + "Velomar Projects";
}
