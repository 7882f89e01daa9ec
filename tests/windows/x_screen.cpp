#include "x_screen.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <unistd.h>

#include <functional>

namespace wintest {

namespace {

// Depth first over the window tree; stops when `visit` returns true.
bool Walk(Display* d, Window w, const std::function<bool(Window)>& visit) {
    if (visit(w)) return true;
    Window root = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(d, w, &root, &parent, &children, &count)) return false;
    bool found = false;
    for (unsigned i = 0; i < count && !found; ++i) found = Walk(d, children[i], visit);
    if (children) XFree(children);
    return found;
}

}  // namespace

XScreen::XScreen(const std::string& display) { display_ = XOpenDisplay(display.c_str()); }

XScreen::~XScreen() {
    if (display_) XCloseDisplay(display_);
}

bool XScreen::FindWindow(const std::string& name, platform::Rect* rect) {
    Display* d = display_;
    Window root = DefaultRootWindow(d);
    return Walk(d, root, [&](Window w) {
        char* title = nullptr;
        if (!XFetchName(d, w, &title) || !title) return false;
        bool match = name == title;
        XFree(title);
        XWindowAttributes attributes;
        if (!match || !XGetWindowAttributes(d, w, &attributes) ||
            attributes.map_state != IsViewable)
            return false;
        int x = 0, y = 0;
        Window child = 0;
        XTranslateCoordinates(d, w, root, 0, 0, &x, &y, &child);
        *rect = platform::Rect{x, y, x + attributes.width, y + attributes.height};
        return true;
    });
}

bool XScreen::WaitForWindow(const std::string& name, int timeoutMs, platform::Rect* rect) {
    for (int waited = 0; waited <= timeoutMs; waited += 50) {
        if (FindWindow(name, rect)) return true;
        usleep(50000);
    }
    return false;
}

bool XScreen::Grab(const platform::Rect& rect, scenes::Picture* picture) {
    XImage* image = XGetImage(display_, DefaultRootWindow(display_), rect.left, rect.top,
                              unsigned(rect.Width()), unsigned(rect.Height()), AllPlanes, ZPixmap);
    if (!image) return false;
    picture->width = rect.Width();
    picture->height = rect.Height();
    picture->pixels.resize(std::size_t(rect.Width()) * std::size_t(rect.Height()));
    for (int y = 0; y < rect.Height(); ++y)
        for (int x = 0; x < rect.Width(); ++x)
            picture->pixels[std::size_t(y) * std::size_t(rect.Width()) + std::size_t(x)] =
                std::uint32_t(XGetPixel(image, x, y)) & 0x00FFFFFF;
    XDestroyImage(image);
    return true;
}

void XScreen::MovePointer(int x, int y) {
    XTestFakeMotionEvent(display_, DefaultScreen(display_), x, y, CurrentTime);
    XSync(display_, False);
}

void XScreen::Click() {
    XTestFakeButtonEvent(display_, 1, True, CurrentTime);
    XSync(display_, False);
    usleep(50000);
    XTestFakeButtonEvent(display_, 1, False, CurrentTime);
    XSync(display_, False);
}

}  // namespace wintest
