// Where the editor finds the files it ships with (Velomar.exe, the user guide),
// and opening the guide at a topic.
#pragma once

#include <string>

constexpr const char* USER_GUIDE_NAME = "VelomarForge User Guide.htm";
constexpr const char* RUNTIME_NAME = "Velomar.exe";

// The folder of the running program when the companion files are beside it
// (a build), else ../share/velomar when that has them (an installation), else
// the program's folder. Ends in '/'.
std::string FindStartFolder(const std::string& programFolder);

// StartFolder + the guide's name.
std::string UserGuidePath(const std::string& startFolder);

// The guide as a file: URL, with "#topic" when a topic is given.
std::string UserGuideUrl(const std::string& startFolder, const std::string& topic);

// Opens the guide's address (at the topic) through the shell; when that fails,
// the document itself; when that fails too, says what to install.
void ShowHelp(const std::string& startFolder, const std::string& topic);

// The message when nothing could open the guide at `path`.
std::string HelpNotOpenedMessage(const std::string& path);
