// Text that is safe to print on a terminal.
#pragma once

#include <string>
#include <string_view>

// Control characters (C0 but line feed and tab, DEL, C1 in UTF-8) and bytes
// that are not part of valid UTF-8 become \xHH, so no escape sequence reaches
// the terminal; everything else, valid UTF-8 included, stays as it is.
std::string EscapeForTerminal(std::string_view text);
