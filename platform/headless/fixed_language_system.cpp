#include "platform/headless/fixed_language_system.h"

namespace platform {

bool FixedLanguageSystem::GetSystemLanguageName(std::string* name) {
    // An empty name stands for a machine whose locale cannot be read.
    if (language_.empty()) return false;
    *name = language_;
    return true;
}

}  // namespace platform
