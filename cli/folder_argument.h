// Folder and file arguments: an empty name is a usage error, never the current
// or the root folder.
#pragma once

#include <CLI/CLI.hpp>
#include <string>

// A check that says "<argument> is empty" for an empty value.
inline CLI::Validator NonEmpty(const std::string& argument, const std::string& shape,
                               const std::string& description) {
    return CLI::Validator(
        [argument](std::string& value) {
            return value.empty() ? argument + " is empty" : std::string();
        },
        shape, description);
}

inline const CLI::Validator NonEmptyFolder = NonEmpty("DIR", "NONEMPTY", "non-empty folder");
