// Bringing a chosen file into the project: every picture and sound of a menu
// lives in the project's "res" folder and is stored as "res\" + its file name,
// because the whole project folder becomes the disc.
#pragma once

#include <string>

namespace platform {
class FolderBelow;
}

// Copies `source` into the folder `folderName` of the project (reached
// without going through a link: a link there is refused) under its own file
// name (the part after the last native separator), which *copiedName
// receives. A name that a Windows disc cannot carry under "res\" is refused
// with the rule it breaks. A file of that name in any letter case is replaced
// the safe way (platform::CopyToFile; its spelling is kept), made and renamed
// inside that folder, so a failure leaves the old file whole and no partial
// one. Copying a file onto itself succeeds without work. Each failure has been
// shown to the user when it returns false.
bool CopyFileToFolder(const std::string& source, const std::string& projectFolder,
                      const std::string& folderName, std::string* copiedName = nullptr);

// Copies `source` as `leaf` of `folder` the same way.
bool CopyFileInto(const std::string& source, platform::FolderBelow& folder,
                  const std::string& leaf);

// The same copy to a given destination path (the build names the runtime
// Velomar.exe whatever the source is called).
bool CopyFileToPath(const std::string& source, const std::string& destination);

// The resource name for a dialog's file field: a text that already begins with
// "res\" (any case) names a project file and is not copied; any other path is
// copied into the project's "res" folder first, under the project's lock.
// False after a failed copy (its message shown), for a name a Windows disc
// cannot carry (the rule shown), or when the text gives no file name; the
// calling dialog then shows its own message.
bool ImportResource(const std::string& pathText, const std::string& projectFolder,
                    std::string* resourceName);

// A picture field's file that is there but no BMP: says so, naming the file as
// the field does, and returns true. Only BMP pictures load in either runtime.
bool RefusedAsNotBmp(const std::string& projectFolder, const std::string& pathText);

// The path a dialog shows for a stored name: the project folder joined with it,
// mapped to the real file.
std::string ProjectFilePath(const std::string& projectFolder, const std::string& storedName);

// The file a dialog's field names: a "res\" name inside the project, any other
// text as it stands.
std::string FieldFilePath(const std::string& projectFolder, const std::string& pathText);

// True when the text begins with "res\" in any letter case.
bool IsResourceName(const std::string& text);

// Shown before every resource browse, so the user knows the file will be copied.
constexpr const char* RESOURCE_BROWSE_NOTE =
    "For a given project, resource files (bitmaps, WAV files, etc.) are stored in the 'res' "
    "folder, which will be located on the final CD-ROM image.\n\nIf you browse for a resource "
    "file to be used in this project, it will be copied from the specified location to the "
    "projects 'res' subfolder.";

// File dialog filters (wxWidgets form).
constexpr const char* BITMAP_FILE_FILTER = "Bitmap Files (*.bmp)|*.bmp";
constexpr const char* WAVE_FILE_FILTER = "Wav Files (*.wav)|*.wav";
