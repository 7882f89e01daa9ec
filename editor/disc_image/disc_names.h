// The names of a folder as a disc made of it would show them to Windows:
// entries it would carry under another name (or not show at all), and names
// that differ only in letter case, which Windows takes for one.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

struct DiscNameFaults {
    std::vector<std::string> renamed;  // "docs\caf\xe9.txt: " + the rule it breaks
    std::vector<std::string> clashes;  // "docs\Readme.txt and docs\README.TXT"
    std::size_t renamedUnlisted = 0;   // past the limit of the lists
    std::size_t clashesUnlisted = 0;
};

// Every entry under `root` (a resolved path) that goes onto a disc (see
// ClassifyDiscEntry; links are not entered and Windows does not see them),
// but not `leftOut` (full paths). A folder that breaks a rule is named, its
// content not.
DiscNameFaults FindDiscNameFaults(const std::string& root,
                                  const std::vector<std::string>& leftOut = {});

// The names in `folder` that Windows takes for `name` (letter case aside):
// `name` itself first when it is there.
std::vector<std::string> SpellingsIn(const std::string& folder, const std::string& name);

// The list under its heading, "" when empty.
std::string RenamedText(const DiscNameFaults& faults);
std::string CaseClashText(const DiscNameFaults& faults);

constexpr const char* RENAMED_NOTE =
    "These would be on the disc under another name, or Windows would not see them:";
constexpr const char* CASE_CLASH_NOTE =
    "These names differ only in letter case, and Windows takes each group for one name; a "
    "disc image is made only once all but one of each are renamed or removed:";
