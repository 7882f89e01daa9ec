#include "editor/new_project_path.h"

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
    Name = name;
    if (LocationEdited) return;
    // The last separator, even a final one: after the name was cleared the
    // location is "parent/", and the next name must go below that parent
    // rather than replace it.
    const std::size_t cut = Location.rfind(Separator);
    if (cut == std::string::npos) return;
    Location = Location.substr(0, cut + 1) + Name;
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

std::string DefaultProjectsFolder(const std::string& documentsFolder, char separator) {
    return WithSeparator(documentsFolder, separator) + "Velomar Projects";
}
