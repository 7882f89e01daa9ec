#include "engine/settings_values.h"

#include <limits>

#include "platform/platform.h"

std::int32_t ParseLenientInt(std::string_view text) {
    std::size_t i = 0;
    auto isSpace = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    while (i < text.size() && isSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';

    // Accumulate in 64 bits and stop growing once past the 32-bit range.
    const std::int64_t limit = std::int64_t(std::numeric_limits<std::int32_t>::max()) + 1;
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > limit) value = limit;
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (value < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return std::int32_t(value);
}

std::string FolderWithSeparator(const std::string& folder) {
    // Only a real separator: on POSIX a folder's own name may end in '\\'.
    const char separator = platform::Current().system->PathSeparator();
    if (!folder.empty() && (folder.back() == '/' || folder.back() == separator)) return folder;
    return folder + separator;
}

std::string SettingsFilePath(const std::string& projectFolder) {
    return platform::Current().system->RealPath(FolderWithSeparator(projectFolder), "AppSetup.dat");
}
