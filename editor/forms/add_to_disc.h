// "Add to Disc...": a file that a link runs or opens, brought into the project
// folder (the disc's root) or a folder inside it, and named as the link stores
// it. Nothing is written outside the project, and no link in the project is
// followed to get there.
#pragma once

#include <string>

// The chosen folder as a name relative to the project folder: "" for the
// project folder itself, "docs\manuals" below it (with '\', as stored names
// are written). False, after its message, when the folder is not inside the
// project, is reached through a link in it, or has a name a disc cannot carry.
bool DiscFolderName(const std::string& projectFolder, const std::string& chosenFolder,
                    std::string* relativeFolder);

// Copies `source` into `relativeFolder` of the project (DiscFolderName's form)
// under its portable file name, and gives the name the link stores
// ("docs\setup.exe"). A file of that name already there is replaced only when
// the user answers Yes; a folder in its place is refused. The file itself
// already there is not copied. False after a message, or when the user said No.
bool AddToDisc(const std::string& source, const std::string& projectFolder,
               const std::string& relativeFolder, std::string* storedName);

// The chooser's title for the folder on the disc.
constexpr const char* DISC_FOLDER_TITLE =
    "Choose the folder on the disc: the project folder or a folder inside it";
constexpr const char* ANY_FILE_FILTER = "All Files|*";
