#include "platform/raster/raster_graphics.h"

#include <pthread.h>
#include <sys/resource.h>

#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <new>
#include <system_error>

#include "platform/platform.h"
#include "platform/posix/regular_file.h"
#include "platform/raster/bmp_decoder.h"
#include "platform/raster/font_library.h"
#include "platform/raster/raster_bitmap.h"
#include "platform/raster/raster_dc.h"
#include "platform/raster/raster_font.h"

namespace platform::raster {

namespace {

std::unique_ptr<Bitmap> MakeBitmap(int width, int height, bool mono) {
    if (width < 0 || height < 0) return nullptr;
    if (width == 0 || height == 0) return MakeBitmap(1, 1, true);  // GDI's stock bitmap
    if (static_cast<long long>(width) * height > RasterGraphics::kMaxPixels) return nullptr;
    try {
        return RasterBitmap::Blank(width, height, mono);
    } catch (const std::bad_alloc&) {
        Trace("raster: no memory for a %d x %d bitmap\n", width, height);
        return nullptr;
    }
}

}  // namespace

namespace {

// A fork while the font library is half made would leave the child waiting
// for it forever, so a fork waits for its start first.
std::mutex fontStartMutex;
std::condition_variable fontStartDone;
bool fontStarting = false;

void WaitForFontStart() {
    std::unique_lock<std::mutex> hold(fontStartMutex);
    fontStartDone.wait(hold, [] { return !fontStarting; });
}

void FontStartEnded() {
    {
        std::lock_guard<std::mutex> hold(fontStartMutex);
        fontStarting = false;
    }
    fontStartDone.notify_all();
}

}  // namespace

// The first one starts the font library; without a thread it starts with the
// first font.
RasterGraphics::RasterGraphics() {
    static std::atomic<bool> started{false};
    if (started.exchange(true)) return;
    // Under a cap on memory, fontconfig's start must not race the pictures
    // for the last of it: its room is checked just before, with the first font.
    struct rlimit cap {};
    if (::getrlimit(RLIMIT_AS, &cap) == 0 && cap.rlim_cur != RLIM_INFINITY) return;
    {
        std::lock_guard<std::mutex> hold(fontStartMutex);
        fontStarting = true;
    }
    pthread_atfork(WaitForFontStart, nullptr, nullptr);
    // A start that fails here (no memory) is made again by the first font,
    // on a thread where the failure can be reported.
    try {
        fontStart_ = std::thread([] {
            try {
                FontLibrary::Instance();
            } catch (...) {
            }
            FontStartEnded();
        });
    } catch (...) {
        FontStartEnded();
    }
}

RasterGraphics::~RasterGraphics() {
    if (fontStart_.joinable()) fontStart_.join();
}

std::unique_ptr<DC> RasterGraphics::CreateCompatibleDC(DC* /*ref*/) {
    return std::make_unique<RasterDC>();
}

std::unique_ptr<Bitmap> RasterGraphics::CreateCompatibleBitmap(DC* ref, int width, int height) {
    auto* dc = dynamic_cast<RasterDC*>(ref);
    return MakeBitmap(width, height, dc && dc->monochrome());
}

std::unique_ptr<Bitmap> RasterGraphics::CreateMonochromeBitmap(int width, int height) {
    return MakeBitmap(width, height, true);
}

std::unique_ptr<Font> RasterGraphics::CreateFontFor(const FontRequest& request) {
    return CreateRasterFont(request);
}

std::unique_ptr<Bitmap> RasterGraphics::LoadBitmapFile(const std::string& path,
                                                       long long maxPixels) {
    if (maxPixels > kMaxPixels) maxPixels = kMaxPixels;
    if (maxPixels <= 0) return nullptr;
    // A pipe or a device as a picture would block the open or never end.
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(posix::OpenRegularFile(path),
                                                         &std::fclose);
    if (!file || std::fseek(file.get(), 0, SEEK_END) != 0) return nullptr;
    const long length = std::ftell(file.get());
    // Room for the largest picture we accept at 32 bits, plus headers.
    if (length <= 0 || length > kMaxPixels * 4 + (1 << 20)) return nullptr;
    std::rewind(file.get());
    try {
        Surface surface;
        if (!DecodeBmpFile(file.get(), std::size_t(length), &surface,
                           static_cast<std::uint64_t>(maxPixels)))
            return nullptr;
        return std::make_unique<RasterBitmap>(std::move(surface));
    } catch (const std::bad_alloc&) {
        Trace("raster: no memory to load %s\n", path.c_str());
        return nullptr;
    }
}

}  // namespace platform::raster
