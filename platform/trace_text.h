// The text of a trace call. Kept apart from the registry so a build whose
// services never read traces (the Windows runtime) can leave out the printf family.
#pragma once

#include <cstdarg>
#include <string>

namespace platform {

std::string FormatTrace(const char* format, va_list args);

}  // namespace platform
