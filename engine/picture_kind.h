// Only BMP pictures load; a PNG or JPEG logo must say so, not just fail.
#pragma once

#include <string>

// "" when the file at `path` begins as a BMP does, or cannot be opened (a
// missing file fails for its own reason). Otherwise the line that says so,
// naming `name`: "res\logo.png is not a BMP picture (it is a PNG): only BMP
// pictures work."
std::string NotBmpLine(const std::string& path, const std::string& name);
