// DIR arguments: an empty folder name is a usage error, never the current or
// the root folder.
#pragma once

#include <CLI/CLI.hpp>
#include <string>

inline const CLI::Validator NonEmptyFolder(
    [](std::string& folder) {
        return folder.empty() ? std::string("DIR is empty") : std::string();
    },
    "NONEMPTY", "non-empty folder");
