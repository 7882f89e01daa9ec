// Text that is safe to print on a terminal.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

// Control characters (C0 but line feed and tab, DEL, C1 in UTF-8) and bytes
// that are not part of valid UTF-8 become \xHH, so no escape sequence reaches
// the terminal; everything else, valid UTF-8 included, stays as it is.
std::string EscapeForTerminal(std::string_view text);

// True when `stream` (stdout, stderr) is a terminal, not a pipe or a file.
bool IsTerminal(std::FILE* stream);

// The text as `stream` should get it: escaped on a terminal, as it is elsewhere.
std::string ForStream(std::FILE* stream, std::string_view text);
