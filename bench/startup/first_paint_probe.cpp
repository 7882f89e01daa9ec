// One fresh process for the first-paint bench: "paint DIR" creates the menu of
// the project in DIR on the headless host and paints it once, as the runtime
// starts; "read DIR" only reads the files that takes, as the yardstick.
#include <filesystem>
#include <fstream>
#include <string>

#include "engine/installer_wnd.h"
#include "platform/headless/headless_platform.h"

namespace {

// The whole file in one read into a buffer of its size, as the engine takes a
// picture in: the floor for getting the bytes.
std::size_t ReadAll(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary | std::ios::ate);
    const std::streamoff size = in.tellg();
    if (size <= 0) return 0;
    std::string bytes(std::size_t(size), '\0');
    in.seekg(0);
    in.read(bytes.data(), size);
    return std::size_t(in.gcount());
}

int ReadProjectFiles(const std::string& dir) {
    std::size_t bytes = ReadAll(dir + "AppSetup.dat");
    for (const auto& entry : std::filesystem::directory_iterator(dir + "res"))
        bytes += ReadAll(entry.path());
    return bytes > 0 ? 0 : 1;
}

int CreateAndPaint(const std::string& dir) {
    platform::HeadlessPlatform host;
    CInstallerWnd wnd(dir);
    if (!wnd.Create(0,
                    platform::ws::Popup | platform::ws::Visible | platform::ws::Border |
                        platform::ws::SysMenu,
                    nullptr))
        return 1;
    wnd.StartShow();
    host.windows.Pump();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    const std::string mode = argv[1];
    if (mode == "read") return ReadProjectFiles(argv[2]);
    if (mode == "paint") return CreateAndPaint(argv[2]);
    return 2;
}
