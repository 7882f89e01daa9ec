// The disc's autorun.inf: the runtime's lines, and with AutoPlay on the disc's
// title as Explorer's label and the project's own icon.
#pragma once

#include <cstddef>
#include <string>

struct LaunchSettings;

// Explorer shows a drive's name in one short line: the longest volume name
// Windows keeps is 32 characters.
constexpr std::size_t kAutorunLabelMax = 32;

// AUTORUN_INF_TEXT when AutoPlay is off. On: icon= names AutoPlayIcon (the
// runtime when none), and label= the title. Text in UTF-8 beyond ASCII makes
// the file UTF-16 with its mark, which Windows reads whatever its code page;
// any other text is kept as the project holds it (the ANSI code page).
std::string AutorunText(const LaunchSettings& settings);

// The title as one INF value: each control character a space, runs of spaces
// one, none at either end, at most kAutorunLabelMax characters (a UTF-8
// sequence is one).
std::string AutorunLabel(const std::string& title);
