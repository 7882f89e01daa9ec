#include "editor/show_folder.h"

#include "platform/platform.h"

bool ShowFolder(const std::string& folder) {
    platform::Services& shell = *platform::Current().services;
    if (shell.ShellExecuteFile(nullptr, "open", folder, nullptr)) return true;
    shell.ShowMessage(FolderNotOpenedMessage(folder), platform::MessageButtons::Ok);
    return false;
}

std::string FolderNotOpenedMessage(const std::string& folder) {
    return "No file manager could open the folder:\n\n" + folder +
           "\n\nOpen it yourself to see or copy its files.";
}
