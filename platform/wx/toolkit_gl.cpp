#include "platform/wx/toolkit_gl.h"

#include <cstdlib>
#include <optional>
#include <string>

namespace platform::wx {
namespace {

constexpr const char* kVariable = "GDK_GL";

bool g_disabled = false;
std::optional<std::string> g_userValue;

}  // namespace

void DisableToolkitGl() {
    if (g_disabled) return;
    const char* user = std::getenv(kVariable);
    g_userValue = user ? std::optional<std::string>(user) : std::nullopt;
    g_disabled = ::setenv(kVariable, "disable", 1) == 0;
}

void RestoreToolkitGl() {
    if (!g_disabled) return;
    if (g_userValue)
        ::setenv(kVariable, g_userValue->c_str(), 1);
    else
        ::unsetenv(kVariable);
    g_disabled = false;
}

}  // namespace platform::wx
