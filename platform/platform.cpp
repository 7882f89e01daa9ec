#include "platform/platform.h"

#include <cstdarg>

#include "platform/trace_text.h"

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
    std::string text = FormatTrace(format, args);
    va_end(args);
    g_current.services->Trace(text);
}

}  // namespace platform
