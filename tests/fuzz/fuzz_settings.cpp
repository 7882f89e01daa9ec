// AppSetup.dat from a hostile disc: any bytes go through LoadSettings. A file
// that loads is written back, and the written file must load again and write
// back to the same bytes (the writer's output is the canonical form).
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "engine/installer_wnd.h"
#include "platform/platform.h"
#include "platform/posix/posix_system.h"

namespace {

class SilentServices : public platform::Services {
  public:
    platform::MessageAnswer ShowMessage(const std::string&, platform::MessageButtons) override {
        return platform::MessageAnswer::No;
    }
    void Trace(const std::string&) override {}
    void PlaySoundFile(const std::string&) override {}
    void ShellExecuteFile(platform::Window*, const char*, const std::string&,
                          const char*) override {}
};

SilentServices g_services;
platform::PosixSystem g_system;
std::string g_folder;

std::string SettingsPath() { return g_folder + "AppSetup.dat"; }

void WriteFile(const std::uint8_t* data, std::size_t size) {
    std::FILE* f = std::fopen(SettingsPath().c_str(), "wb");
    if (!f) std::abort();
    if (size) std::fwrite(data, 1, size, f);
    std::fclose(f);
}

std::string ReadFile() {
    std::ifstream in(SettingsPath(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Loads the folder's file and writes it back; returns the bytes written.
bool LoadAndSave(std::string* written) {
    CInstallerWnd project(g_folder);
    if (!project.LoadSettings()) return false;
    if (!project.SaveSettings()) std::abort();
    *written = ReadFile();
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setenv("LC_ALL", "C", 1);  // the "[English]" section
    char pattern[] = "/tmp/fuzz_settings.XXXXXX";
    if (!mkdtemp(pattern)) std::abort();
    g_folder = std::string(pattern) + "/";
    std::atexit([] {
        std::error_code ec;
        std::filesystem::remove_all(g_folder, ec);
    });
    platform::Platform p;
    p.services = &g_services;
    p.system = &g_system;
    platform::Install(p);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    WriteFile(data, size);
    std::string first, second;
    if (!LoadAndSave(&first)) return 0;
    if (!LoadAndSave(&second)) std::abort();  // our own output must load
    if (first != second) std::abort();
    return 0;
}
