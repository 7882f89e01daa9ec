// The platform layer as the engine sees it: one set of backends, chosen by the
// program (or test) that installs it before any engine object is made.
#pragma once

#include "platform/graphics.h"
#include "platform/services.h"
#include "platform/system.h"
#include "platform/window.h"

namespace platform {

struct Platform {
    Graphics* graphics = nullptr;
    WindowSystem* windows = nullptr;
    Services* services = nullptr;
    System* system = nullptr;
};

// The installed platform. Installing replaces the previous one (tests install
// a fresh headless platform per case); the caller keeps the objects alive.
const Platform& Current();
void Install(const Platform& platform);

// Whether the installed services read traces; cheap enough to ask per line.
bool TraceWanted();

// The trace hook, printf-style. Formats nothing when no one reads traces.
void Trace(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// Memory ran out: says so through the message box, or on stderr when even
// that needs more memory than there is. The program then ends.
void ReportOutOfMemory();
extern const char* const kOutOfMemoryMessage;

}  // namespace platform
