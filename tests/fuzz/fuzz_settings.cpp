// AppSetup.dat from a hostile disc: any bytes go through LoadSettings. A file
// that loads is written back, and the written file must load again and write
// back to the same bytes (the writer's output is the canonical form).
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "../support/project_sandbox.h"

namespace {

// Lives until exit, which removes its folder.
sandbox::ProjectSandbox& Sandbox() {
    static sandbox::ProjectSandbox sandbox;
    return sandbox;
}

// Loads the folder's file and writes it back; returns the bytes written.
bool LoadAndSave(std::string* written) {
    auto project = Sandbox().NewProject();
    if (!project->LoadSettings()) return false;
    if (!project->SaveSettings()) std::abort();
    *written = Sandbox().SettingsBytes();
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    if (Sandbox().folder.Path().empty()) std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    sandbox::ProjectSandbox& s = Sandbox();
    s.services.messages.clear();  // recorded over millions of runs they would pile up
    s.services.traces.clear();
    sandbox::WriteBytes(s.SettingsPath(), std::string(reinterpret_cast<const char*>(data), size));
    std::string first, second;
    if (!LoadAndSave(&first)) return 0;
    if (!LoadAndSave(&second)) std::abort();  // our own output must load
    if (first != second) std::abort();
    return 0;
}
