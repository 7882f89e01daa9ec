// Number fields of the property dialogs: what the user typed, checked before
// anything is stored.
#pragma once

#include <cstdint>
#include <string>

// Blanks around an optional sign and decimal digits, within the 32-bit range.
// Anything else (empty, "12px", "1e3", "99999999999") is no integer.
bool ParseIntegerField(const std::string& text, std::int32_t* value);

// Parses every field in order into its target; when one fails, shows the
// prompt "Please enter an integer." and leaves all targets alone.
struct IntegerField {
    const std::string& text;
    std::int32_t* target;
};
bool ReadIntegerFields(std::initializer_list<IntegerField> fields);
