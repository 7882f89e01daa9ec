// Draws every conformance scene through the Win32 backend and writes one raw
// dump per scene into the folder given as the first argument.
#include <cstdio>
#include <string>

#include "../scenes.h"
#include "platform/win32/backend.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: velomar_conformance_dump OUTDIR\n");
        return 2;
    }
    platform::win32::Backend backend;
    backend.Install();
    int failures = 0;
    for (const scenes::Scene& scene : scenes::All()) {
        platform::raster::Surface picture;
        auto bitmap = scenes::Render(*backend.Get().graphics, scene);
        if (!bitmap ||
            !platform::win32::ReadPixels(*bitmap, &picture.width, &picture.height,
                                         &picture.pixels) ||
            !scenes::WriteDump(std::string(argv[1]) + "/" + scene.name + ".raw", picture)) {
            std::fprintf(stderr, "%s: failed\n", scene.name.c_str());
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
