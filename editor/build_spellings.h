// The build's own files on a disc that Windows reads without regard to case:
// autorun.inf, Velomar.exe and AppSetup.dat each have one spelling in the
// project folder, or Windows may start another program or read other settings.
#pragma once

#include <string>

// Removes every other spelling of autorun.inf and Velomar.exe (files or links;
// the build writes the one System::RealPath names) and says which in *note.
// False, after a message and with nothing removed, when AppSetup.dat has more
// than one spelling (which are the user's settings is not ours to decide) or
// another spelling is not a file we may replace.
bool KeepOneSpelling(const std::string& folder, std::string* note);
