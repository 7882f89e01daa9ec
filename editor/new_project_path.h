// The rules of the New Project dialog, without the dialog: the location field
// either follows the name (its last component is the name) or, once the user
// typed a location, is the parent folder of the project.
#pragma once

#include <string>

// The user guide's topic of the dialog's Help button.
constexpr const char* NEW_PROJECT_HELP_TOPIC = "_Creating_a_New";

struct NewProjectPath {
    std::string Name;
    std::string Location;
    bool LocationEdited = false;
    char Separator = '/';

    // Name "Project1", location defaultParent/Project1, following mode.
    void Open(const std::string& defaultParent);
    // In following mode the name takes the place of the old name at the end of
    // the location, whatever the names hold: the result is parent + name.
    void NameChanged(const std::string& name);
    // The user typed into the location field: parent mode.
    void LocationTyped(const std::string& location);
    // A folder chosen in the browser: location folder/name, following mode.
    void Browsed(const std::string& folder);

    // The folder to create.
    std::string ProjectFolder() const;

    // OK pressed: a name is one folder's name. False after NAME_HAS_SEPARATOR
    // when it holds a '/' or '\\' (a path typed into the wrong field).
    bool CheckName() const;
};

constexpr const char* NAME_HAS_SEPARATOR =
    "The project name may not contain \"/\" or \"\\\".\n\nType only the name of the project's "
    "folder here; the folder it goes in belongs in Project Location.";

// defaultParent of the dialog: "Velomar Projects" in the user's documents folder.
std::string DefaultProjectsFolder(const std::string& documentsFolder, char separator);
