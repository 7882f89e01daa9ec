// The files the menu opens from the project folder, and those it cannot find.
#pragma once

#include <string>

struct LaunchSettings;

// One line per picture or sound the settings name that is not in `folder`
// ("res\title.bmp (logo 1)"), after a line that says what follows; "" when
// every one is there. A background colour names no file. Then a line for
// each picture there that is not a BMP (NotBmpLine).
std::string MissingMenuFilesText(const LaunchSettings& settings, const std::string& folder);
