#include "platform/wx/x_shm_present.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <dlfcn.h>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <wx/utils.h>

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

// Shared memory reaches only a server on this machine.
bool LocalServer(Display* dpy) {
    const char* name = DisplayString(dpy);
    return name && (name[0] == ':' || std::strncmp(name, "unix:", 5) == 0);
}

}  // namespace

XShmPresenter::~XShmPresenter() { Stop(); }

bool XShmPresenter::Start(wxWindow& window, const raster::Surface& surface) {
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

    auto* segment = new XShmSegmentInfo{};
    image_ = XShmCreateImage(dpy, attributes.visual, 24, ZPixmap, nullptr, segment,
                             unsigned(surface.width), unsigned(surface.height));
    if (!image_ || image_->bits_per_pixel != 32 ||
        image_->bytes_per_line != surface.width * int(sizeof(raster::Pixel))) {
        if (image_) XDestroyImage(image_);
        image_ = nullptr;
        delete segment;
        return false;
    }
    image_->obdata = reinterpret_cast<char*>(segment);
    display_ = dpy;
    segment_ = shmget(IPC_PRIVATE, std::size_t(image_->bytes_per_line) * surface.height,
                      IPC_CREAT | 0600);
    if (segment_ < 0) return false;
    shared_ = shmat(segment_, nullptr, 0);
    // Marked for removal at once: it goes when both sides detach, even after a crash.
    shmctl(segment_, IPC_RMID, nullptr);
    if (shared_ == reinterpret_cast<void*>(-1)) {
        shared_ = nullptr;
        return false;
    }
    segment->shmid = segment_;
    segment->shmaddr = image_->data = static_cast<char*>(shared_);
    segment->readOnly = True;
    gdk.trapPush();
    const bool attached = XShmAttach(dpy, segment);
    XSync(dpy, False);
    if (gdk.trapPop() != 0 || !attached) {
        segment->shmid = -1;  // nothing for Stop to detach on the server
        return false;
    }
    drawable_ = xid;
    gc_ = XCreateGC(dpy, xid, 0, nullptr);
    return true;
}

void XShmPresenter::Stop() {
    if (image_) {
        auto* segment = reinterpret_cast<XShmSegmentInfo*>(image_->obdata);
        if (segment && segment->shmid >= 0 && drawable_) XShmDetach(display_, segment);
        if (gc_) XFreeGC(display_, static_cast<GC>(gc_));
        image_->data = nullptr;  // the segment is not Xlib's to free
        image_->obdata = nullptr;
        XDestroyImage(image_);
        delete segment;
    }
    if (shared_) shmdt(shared_);
    image_ = nullptr;
    shared_ = nullptr;
    segment_ = -1;
    gc_ = nullptr;
    drawable_ = 0;
}

bool XShmPresenter::Present(wxWindow& window, const raster::Surface& surface, const Rect& area) {
    if (unusable_) return false;
    if (image_ && (image_->width != surface.width || image_->height != surface.height)) Stop();
    if (!drawable_ && !Start(window, surface)) {
        Stop();
        unusable_ = true;
        return false;
    }
    const std::size_t rowBytes = std::size_t(area.Width()) * sizeof(raster::Pixel);
    for (int y = area.top; y < area.bottom; ++y) {
        const std::size_t at = std::size_t(y) * std::size_t(surface.width) + std::size_t(area.left);
        std::memcpy(reinterpret_cast<raster::Pixel*>(image_->data) + at, surface.pixels.data() + at,
                    rowBytes);
    }
    XShmPutImage(display_, drawable_, static_cast<GC>(gc_), image_, area.left, area.top,
                 area.left, area.top, unsigned(area.Width()), unsigned(area.Height()), False);
    // The server has read the segment before the next present writes it.
    XSync(display_, False);
    return true;
}

}  // namespace platform::wx
