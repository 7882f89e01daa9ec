#include "x_session.h"

#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xfixes.h>

#include <functional>

namespace gui_test {

XSession::XSession(const std::string& display) { display_ = XOpenDisplay(display.c_str()); }

XSession::~XSession() {
    if (display_) XCloseDisplay(display_);
}

platform::raster::Surface XSession::Grab(const platform::Rect& area) {
    platform::raster::Surface out(area.Width(), area.Height());
    XImage* image = XGetImage(display_, DefaultRootWindow(display_), area.left, area.top,
                              unsigned(area.Width()), unsigned(area.Height()), AllPlanes, ZPixmap);
    if (!image) return platform::raster::Surface();
    for (int y = 0; y < out.height; ++y) {
        for (int x = 0; x < out.width; ++x) {
            out.At(x, y) = platform::raster::Pixel(XGetPixel(image, x, y) & 0xFFFFFF);
        }
    }
    XDestroyImage(image);
    return out;
}

void XSession::MovePointer(int x, int y) {
    XTestFakeMotionEvent(display_, DefaultScreen(display_), x, y, CurrentTime);
    XSync(display_, False);
}

platform::Point XSession::PointerPosition() {
    ::Window root, child;
    int rx = 0, ry = 0, wx, wy;
    unsigned mask;
    XQueryPointer(display_, DefaultRootWindow(display_), &root, &child, &rx, &ry, &wx, &wy, &mask);
    return platform::Point{rx, ry};
}

void XSession::Click(unsigned button) {
    XTestFakeButtonEvent(display_, button, True, CurrentTime);
    XTestFakeButtonEvent(display_, button, False, CurrentTime);
    XSync(display_, False);
}

void XSession::PressKey(const char* keysymName) {
    KeyCode code = XKeysymToKeycode(display_, XStringToKeysym(keysymName));
    XTestFakeKeyEvent(display_, code, True, CurrentTime);
    XTestFakeKeyEvent(display_, code, False, CurrentTime);
    XSync(display_, False);
}

std::vector<::Window> XSession::FindWindows(const std::string& name) {
    std::vector<::Window> found;
    std::function<void(::Window)> visit = [&](::Window w) {
        XWindowAttributes attrs;
        if (!XGetWindowAttributes(display_, w, &attrs)) return;
        char* wmName = nullptr;
        if (attrs.map_state == IsViewable && XFetchName(display_, w, &wmName) && wmName) {
            if (name == wmName) found.push_back(w);
        }
        if (wmName) XFree(wmName);
        ::Window root, parent, *children = nullptr;
        unsigned count = 0;
        if (XQueryTree(display_, w, &root, &parent, &children, &count)) {
            for (unsigned i = 0; i < count; ++i) visit(children[i]);
            if (children) XFree(children);
        }
    };
    visit(DefaultRootWindow(display_));
    return found;
}

platform::Rect XSession::WindowRect(::Window window) {
    XWindowAttributes attrs;
    if (!XGetWindowAttributes(display_, window, &attrs)) return platform::Rect{};
    int x = 0, y = 0;
    ::Window child;
    XTranslateCoordinates(display_, window, DefaultRootWindow(display_), 0, 0, &x, &y, &child);
    return platform::Rect{x, y, x + attrs.width, y + attrs.height};
}

bool XSession::CursorImage(platform::raster::Surface* pixels, platform::Point* hotspot) {
    XFixesCursorImage* image = XFixesGetCursorImage(display_);
    if (!image) return false;
    *pixels = platform::raster::Surface(image->width, image->height);
    for (int i = 0; i < image->width * image->height; ++i) {
        // ARGB; keep the opaque pixels' colour and make transparent ones 0.
        unsigned long argb = image->pixels[i];
        pixels->pixels[std::size_t(i)] =
            (argb >> 24) >= 0x80 ? platform::raster::Pixel(argb & 0xFFFFFF) | 0x1000000u : 0;
    }
    *hotspot = platform::Point{image->xhot, image->yhot};
    XFree(image);
    return true;
}

}  // namespace gui_test
