// Splitting a parameter string the way a Windows program splits its command line,
// so a hotspot's parameters mean the same on both runtimes.
#pragma once

#include <string>
#include <vector>

namespace platform::wx {

// Whitespace separates arguments; double quotes group; 2n backslashes before a
// quote give n backslashes and the quote acts, 2n + 1 give n backslashes and a
// literal quote; "" inside quotes is a literal quote; other backslashes are literal.
std::vector<std::string> SplitCommandLine(const std::string& params);

}  // namespace platform::wx
