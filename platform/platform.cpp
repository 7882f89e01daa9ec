#include "platform/platform.h"

#include <cstdarg>
#include <cstdio>
#include <new>

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

const char* const kOutOfMemoryMessage =
    "There is not enough memory to go on. Close other programs and try again.\n";

void ReportOutOfMemory() {
#if defined(__cpp_exceptions)  // the Windows runtime is built without them
    try {
        if (g_current.services) {
            g_current.services->ShowMessage(kOutOfMemoryMessage, MessageButtons::Ok);
            return;
        }
    } catch (const std::bad_alloc&) {
    }
#endif
    std::fputs(kOutOfMemoryMessage, stderr);
}

}  // namespace platform
