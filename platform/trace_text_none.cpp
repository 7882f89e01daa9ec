#include "platform/trace_text.h"

namespace platform {

// The Windows runtime's services never read traces: no formatting code in Velomar.exe.
std::string FormatTrace(const char*, va_list) { return {}; }

}  // namespace platform
