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

// Shared memory reaches only a server on this machine.
bool LocalServer(Display* dpy) {
    const char* name = DisplayString(dpy);
    return name && (name[0] == ':' || std::strncmp(name, "unix:", 5) == 0);
}

}  // namespace

XShmPresenter::~XShmPresenter() {
    if (gc_) XFreeGC(display_, static_cast<GC>(gc_));
}

bool XShmPresenter::Open() {
    if (opened_) return display_ != nullptr;
    opened_ = true;
    const wxDisplayInfo info = wxGetDisplayInfo();
    auto* dpy = static_cast<Display*>(info.dpy);
    if (info.type == wxDisplayX11 && dpy && GdkCalls().ok() && LocalServer(dpy) &&
        XShmQueryExtension(dpy))
        display_ = dpy;
    return display_ != nullptr;
}

void* XShmPresenter::Allocate(std::size_t bytes) {
    if (!Open() || bytes == 0) return raster::AllocatePixels(bytes);
    const int id = shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
    if (id < 0) return raster::AllocatePixels(bytes);
    void* memory = shmat(id, nullptr, 0);
    // Marked for removal at once: it goes when both sides detach, even after a crash.
    shmctl(id, IPC_RMID, nullptr);
    if (memory == reinterpret_cast<void*>(-1)) return raster::AllocatePixels(bytes);
    XShmSegmentInfo segment{0, id, static_cast<char*>(memory), True};
    const Gdk& gdk = GdkCalls();
    gdk.trapPush();
    const bool attached = XShmAttach(display_, &segment);
    XSync(display_, False);
    if (gdk.trapPop() != 0 || !attached) {
        shmdt(memory);
        return raster::AllocatePixels(bytes);
    }
    segments_.push_back(Segment{id, segment.shmseg, memory});
    return memory;
}

void XShmPresenter::Free(void* memory, std::size_t bytes) noexcept {
    const Segment* found = Find(memory);
    if (!found) return raster::FreePixels(memory, bytes);
    // Queued after every put from it, so the server has read them first.
    XShmSegmentInfo segment{found->shmseg, found->id, static_cast<char*>(memory), True};
    XShmDetach(display_, &segment);
    shmdt(memory);
    segments_.erase(segments_.begin() + (found - segments_.data()));
}

const XShmPresenter::Segment* XShmPresenter::Find(const void* memory) const {
    for (const Segment& s : segments_)
        if (s.memory == memory) return &s;
    return nullptr;
}

bool XShmPresenter::Start(wxWindow& window) {
    const Gdk& gdk = GdkCalls();
    if (!window.GTKGetDrawingWindow()) return false;
    const Window xid = gdk.windowXid(window.GTKGetDrawingWindow());
    XWindowAttributes attributes;
    if (!xid || !XGetWindowAttributes(display_, xid, &attributes) || attributes.depth != 24 ||
        !attributes.visual || attributes.visual->red_mask != 0xFF0000 ||
        attributes.visual->green_mask != 0xFF00 || attributes.visual->blue_mask != 0xFF)
        return false;
    drawable_ = xid;
    visual_ = attributes.visual;
    gc_ = XCreateGC(display_, xid, 0, nullptr);
    return true;
}

bool XShmPresenter::Present(wxWindow& window, const raster::Surface& surface, const Rect& area) {
    const Segment* found = Find(surface.pixels.data());
    if (unusable_ || !found) return false;
    if (!drawable_ && !Start(window)) {
        unusable_ = true;
        return false;
    }
    XShmSegmentInfo segment{found->shmseg, found->id, static_cast<char*>(found->memory), True};
    XImage* image = XShmCreateImage(display_, static_cast<Visual*>(visual_), 24, ZPixmap,
                                    static_cast<char*>(found->memory), &segment,
                                    unsigned(surface.width), unsigned(surface.height));
    if (!image) return false;
    const bool fits =
        image->bits_per_pixel == 32 &&
        std::size_t(image->bytes_per_line) == std::size_t(surface.width) * sizeof(raster::Pixel);
    if (fits) {
        putSerial_ = NextRequest(display_);
        // The completion event that comes back moves Xlib's last processed
        // request past the put: the main loop reads it while it waits for the
        // next step, so Settle needs no round trip of its own.
        XShmPutImage(display_, drawable_, static_cast<GC>(gc_), image, area.left, area.top,
                     area.left, area.top, unsigned(area.Width()), unsigned(area.Height()), True);
        pending_ = true;
    } else {
        unusable_ = true;
    }
    image->data = nullptr;  // the segment is not Xlib's to free
    XDestroyImage(image);
    return fits;
}

bool XShmPresenter::PutTaken() const {
    return long(XLastKnownRequestProcessed(display_) - putSerial_) >= 0;
}

void XShmPresenter::Flush() {
    if (pending_) XFlush(display_);
}

void XShmPresenter::Settle() {
    if (!pending_) return;
    pending_ = false;
    // Any reply or event since the put tells that the server is past it. What
    // has arrived but is not read yet is read without waiting (XCheckIfEvent
    // does so even with events queued, where XEventsQueued would not read; the
    // predicate takes none); only when nothing has come is a round trip needed.
    if (!PutTaken()) {
        XEvent event;
        XCheckIfEvent(
            display_, &event, [](Display*, XEvent*, XPointer) -> Bool { return False; }, nullptr);
    }
    if (!PutTaken()) XSync(display_, False);
}

}  // namespace platform::wx
