// Small value rules shared by the settings reader and writer.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Leading white space, an optional sign, then digits up to the first other
// character; no digits reads as 0. A value beyond the 32-bit range saturates at
// INT32_MIN / INT32_MAX (as the Windows C runtime's atoi does) instead of
// overflowing.
std::int32_t ParseLenientInt(std::string_view text);

// The folder with the platform's separator added, unless it already ends in
// '/' or that separator.
std::string FolderWithSeparator(const std::string& folder);

// The path of AppSetup.dat in a project folder, through the platform's mapping
// of stored names to real paths. Adds a separator when the folder lacks one.
std::string SettingsFilePath(const std::string& projectFolder);
