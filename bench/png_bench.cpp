// The picture `velomarforge-cli render` writes: the sample's finished menu,
// 638 x 438, encoded as PNG at libpng's default setting and at its fast one
// (what WritePng uses), and WritePng itself with the file write.
#include <benchmark/benchmark.h>
#include <png.h>
#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <vector>

#include "engine/installer_wnd.h"
#include "platform/headless/headless_platform.h"
#include "platform/headless/png_writer.h"

namespace {

platform::raster::Surface SampleMenu() {
    platform::HeadlessPlatform host;
    CInstallerWnd wnd(VELOMAR_SOURCE_DIR "/examples/sample/");
    platform::raster::Surface client;
    if (!wnd.Create(0, platform::ws::Popup | platform::ws::Visible | platform::ws::Border, nullptr))
        return client;
    wnd.StartShow();
    for (int i = 0; i < 200 && host.windows.StepTimers() != 0; ++i) {
    }
    return host.windows.ClientSurface(wnd.Wnd.get());
}

void BM_EncodeMenuPng(benchmark::State& state) {
    const platform::raster::Surface menu = SampleMenu();
    if (menu.pixels.empty()) return state.SkipWithError("the sample did not render");
    std::vector<std::uint8_t> rgb;
    for (platform::raster::Pixel p : menu.pixels)
        rgb.insert(rgb.end(), {std::uint8_t(p >> 16), std::uint8_t(p >> 8), std::uint8_t(p)});
    std::vector<std::uint8_t> out(rgb.size() * 2 + 4096);
    png_alloc_size_t size = 0;
    for (auto _ : state) {
        png_image image{};
        image.version = PNG_IMAGE_VERSION;
        image.width = png_uint_32(menu.width);
        image.height = png_uint_32(menu.height);
        image.format = PNG_FORMAT_RGB;
        image.flags = state.range(0) ? PNG_IMAGE_FLAG_FAST : 0;
        size = out.size();
        if (!png_image_write_to_memory(&image, out.data(), &size, 0, rgb.data(), 0, nullptr))
            return state.SkipWithError(image.message);
    }
    state.counters["bytes"] = double(size);
    state.SetLabel(state.range(0) ? "fast" : "default");
}
BENCHMARK(BM_EncodeMenuPng)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_WritePngOfMenu(benchmark::State& state) {
    const platform::raster::Surface menu = SampleMenu();
    const std::string path =
        (std::filesystem::temp_directory_path() / "velomar-bench-menu.png").string();
    for (auto _ : state) {
        if (!platform::WritePng(menu, platform::Rect{0, 0, menu.width, menu.height}, path))
            return state.SkipWithError("WritePng failed");
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_WritePngOfMenu)->Unit(benchmark::kMillisecond);

}  // namespace
