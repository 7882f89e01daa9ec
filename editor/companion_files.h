// Where the editor finds the files it ships with (Velomar.exe, the user guide),
// and opening the guide at a topic.
#pragma once

#include <string>

constexpr const char* USER_GUIDE_NAME = "VelomarForge User Guide.htm";
constexpr const char* RUNTIME_NAME = "Velomar.exe";

// Linux: the folder of the running program when the companion files are beside it
// (a build), else ../share/velomar when that has them (an installation), else
// the program's folder. Ends in '/'.
std::string FindStartFolder(const std::string& programFolder);

// StartFolder + the guide's name (a separator added when StartFolder has none).
std::string UserGuidePath(const std::string& startFolder);

// The guide as a file: URL, with "#topic" when a topic is given.
std::string UserGuideUrl(const std::string& startFolder, const std::string& topic);

// The program of an association's open command: the text between its first
// character, which must be a double quote, and the double quote that closes
// it (a quoted "%1" later in the line is an argument, not part of the path);
// empty for a command that does not begin with one or has no second one.
std::string QuotedProgram(const std::string& command);

// An association's open command filled in for `document`, as the shell fills
// it: the program (QuotedProgram) and its parameters, the rest of the line
// with each %1 and %L replaced by the document, in quotes unless the command
// quotes it already, and %* dropped; a line with neither gets the quoted
// document appended. False when the command names no program.
bool FillOpenCommand(const std::string& command, const std::string& document,
                     std::string* program, std::string* parameters);

// Opens the guide's address (at the topic) through the shell; when that fails,
// OpenGuideDocument.
void ShowHelp(const std::string& startFolder, const std::string& topic);

// The guide document itself, without a topic; when nothing opens it, says
// what to install.
void OpenGuideDocument(const std::string& startFolder);

// The message when nothing could open the guide at `path`.
std::string HelpNotOpenedMessage(const std::string& path);
