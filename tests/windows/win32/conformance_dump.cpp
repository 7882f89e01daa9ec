// Draws every conformance scene through the Win32 backend and writes one raw
// dump per scene into the folder given as the first argument.
#include <cstdio>

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
        std::vector<std::uint32_t> pixels;
        auto bitmap = scenes::Render(*backend.Get().graphics, scene);
        const bool read = bitmap && platform::win32::ReadPixels(*bitmap, &picture.width,
                                                                &picture.height, &pixels);
        picture.pixels.assign(pixels.begin(), pixels.end());
        if (!read ||
            !scenes::WriteDump(std::string(argv[1]) + "/" + scene.name + ".raw", picture)) {
            std::fprintf(stderr, "%s: failed\n", scene.name.c_str());
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
