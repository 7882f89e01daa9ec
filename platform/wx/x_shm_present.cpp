#include "platform/wx/x_shm_present.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <dlfcn.h>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <wx/utils.h>

#include <algorithm>
#include <cstring>

namespace platform::wx {

namespace {

// GDK is loaded with the toolkit; looked up at run time so the build needs no
// GTK headers. Asking a window for its X id gives it a native window, which
// the X server then clips for us.
struct Gdk {
    unsigned long (*windowXid)(void*) = nullptr;
    void (*trapPush)() = nullptr;
    int (*trapPop)() = nullptr;
    Gdk() {
        windowXid = reinterpret_cast<unsigned long (*)(void*)>(
            dlsym(RTLD_DEFAULT, "gdk_x11_window_get_xid"));
        trapPush = reinterpret_cast<void (*)()>(dlsym(RTLD_DEFAULT, "gdk_error_trap_push"));
        trapPop = reinterpret_cast<int (*)()>(dlsym(RTLD_DEFAULT, "gdk_error_trap_pop"));
    }
    bool ok() const { return windowXid && trapPush && trapPop; }
};

const Gdk& GdkCalls() {
    static const Gdk gdk;
    return gdk;
}

constexpr std::size_t kBandBytes = 128 << 10;

// Shared memory reaches only a server on this machine.
bool LocalServer(Display* dpy) {
    const char* name = DisplayString(dpy);
    return name && (name[0] == ':' || std::strncmp(name, "unix:", 5) == 0);
}

}  // namespace

XShmPresenter::~XShmPresenter() { Stop(); }

bool XShmPresenter::Start(wxWindow& window) {
    const wxDisplayInfo info = wxGetDisplayInfo();
    auto* dpy = static_cast<Display*>(info.dpy);
    const Gdk& gdk = GdkCalls();
    if (info.type != wxDisplayX11 || !dpy || !gdk.ok() || !LocalServer(dpy) ||
        !XShmQueryExtension(dpy) || !window.GTKGetDrawingWindow())
        return false;
    const Window xid = gdk.windowXid(window.GTKGetDrawingWindow());
    XWindowAttributes attributes;
    if (!xid || !XGetWindowAttributes(dpy, xid, &attributes) || attributes.depth != 24 ||
        !attributes.visual || attributes.visual->red_mask != 0xFF0000 ||
        attributes.visual->green_mask != 0xFF00 || attributes.visual->blue_mask != 0xFF)
        return false;
    display_ = dpy;
    drawable_ = xid;
    visual_ = attributes.visual;
    gc_ = XCreateGC(dpy, xid, 0, nullptr);
    return true;
}

bool XShmPresenter::Reserve(std::size_t bytes) {
    if (bytes <= capacity_) return true;
    Release();
    constexpr std::size_t kGrain = 64 << 10;
    const std::size_t size = (bytes + kGrain - 1) / kGrain * kGrain;
    segment_ = shmget(IPC_PRIVATE, size, IPC_CREAT | 0600);
    if (segment_ < 0) return false;
    shared_ = shmat(segment_, nullptr, 0);
    // Marked for removal at once: it goes when both sides detach, even after a crash.
    shmctl(segment_, IPC_RMID, nullptr);
    if (shared_ == reinterpret_cast<void*>(-1)) {
        shared_ = nullptr;
        return false;
    }
    XShmSegmentInfo segment{0, segment_, static_cast<char*>(shared_), True};
    const Gdk& gdk = GdkCalls();
    gdk.trapPush();
    const bool attached = XShmAttach(display_, &segment);
    XSync(display_, False);
    attached_ = gdk.trapPop() == 0 && attached;
    if (!attached_) return false;
    shmseg_ = segment.shmseg;
    capacity_ = size;
    return true;
}

void XShmPresenter::Release() {
    if (attached_) {
        XShmSegmentInfo segment{shmseg_, segment_, static_cast<char*>(shared_), True};
        XShmDetach(display_, &segment);
    }
    if (shared_) shmdt(shared_);
    attached_ = false;
    shared_ = nullptr;
    segment_ = -1;
    capacity_ = 0;
}

void XShmPresenter::Stop() {
    Release();
    if (gc_) XFreeGC(display_, static_cast<GC>(gc_));
    gc_ = nullptr;
    drawable_ = 0;
}

bool XShmPresenter::Present(wxWindow& window, const raster::Surface& surface, const Rect& area) {
    if (unusable_) return false;
    const std::size_t rowBytes = std::size_t(area.Width()) * sizeof(raster::Pixel);
    // In bands of at most kBandBytes, each taken by the server before the next
    // is written: the segment stays one band, whatever the area.
    const int rows = int(std::min<std::size_t>(std::max<std::size_t>(1, kBandBytes / rowBytes),
                                               std::size_t(area.Height())));
    if ((!drawable_ && !Start(window)) || !Reserve(rowBytes * std::size_t(rows))) {
        Stop();
        unusable_ = true;
        return false;
    }
    for (int top = area.top; top < area.bottom; top += rows) {
        const int height = std::min(rows, area.bottom - top);
        if (!PutBand(surface, Rect{area.left, top, area.right, top + height})) {
            Stop();
            unusable_ = true;
            return false;
        }
    }
    return true;
}

bool XShmPresenter::PutBand(const raster::Surface& surface, const Rect& band) {
    const std::size_t rowBytes = std::size_t(band.Width()) * sizeof(raster::Pixel);
    XShmSegmentInfo segment{shmseg_, segment_, static_cast<char*>(shared_), True};
    XImage* image = XShmCreateImage(display_, static_cast<Visual*>(visual_), 24, ZPixmap,
                                    static_cast<char*>(shared_), &segment, unsigned(band.Width()),
                                    unsigned(band.Height()));
    if (!image) return false;
    const bool fits = image->bits_per_pixel == 32 && std::size_t(image->bytes_per_line) == rowBytes;
    if (fits) {
        auto* out = static_cast<char*>(shared_);
        for (int y = band.top; y < band.bottom; ++y, out += rowBytes)
            std::memcpy(out,
                        surface.pixels.data() + std::size_t(y) * std::size_t(surface.width) +
                            std::size_t(band.left),
                        rowBytes);
        XShmPutImage(display_, drawable_, static_cast<GC>(gc_), image, 0, 0, band.left, band.top,
                     unsigned(band.Width()), unsigned(band.Height()), False);
        // The server has read the segment before the next band writes it.
        XSync(display_, False);
    }
    image->data = nullptr;  // the segment is not Xlib's to free
    XDestroyImage(image);
    return fits;
}

}  // namespace platform::wx
