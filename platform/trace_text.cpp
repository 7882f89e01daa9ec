#include "platform/trace_text.h"

#include <cstdio>
#include <vector>

namespace platform {

std::string FormatTrace(const char* format, va_list args) {
    va_list copy;
    va_copy(copy, args);
    int n = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (n <= 0) return {};
    std::vector<char> buffer(size_t(n) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), format, args);
    return std::string(buffer.data(), size_t(n));
}

}  // namespace platform
