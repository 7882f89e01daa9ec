#include "platform/platform.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

namespace platform {

namespace {
Platform g_current;
}

const Platform& Current() { return g_current; }

void Install(const Platform& platform) { g_current = platform; }

bool TraceWanted() { return g_current.services && g_current.services->WantsTrace(); }

void Trace(const char* format, ...) {
    if (!TraceWanted()) return;
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    int n = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string text;
    if (n > 0) {
        std::vector<char> buffer(size_t(n) + 1);
        std::vsnprintf(buffer.data(), buffer.size(), format, args);
        text.assign(buffer.data(), size_t(n));
    }
    va_end(args);
    g_current.services->Trace(text);
}

}  // namespace platform
