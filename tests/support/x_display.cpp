#include "x_display.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xfixes.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <thread>

namespace xtest {

XDisplay::XDisplay(const std::vector<std::string>& serverArgs) {
    int fds[2];
    if (::pipe(fds) != 0) return;
    // -displayfd: the server picks a free display and writes its number to our pipe.
    std::vector<std::string> argv{"Xvfb",        "-displayfd", "1",   "-screen", "0",
                                  "1024x768x24", "-nolisten",  "tcp", "-noreset"};
    argv.insert(argv.end(), serverArgs.begin(), serverArgs.end());
    server_ = std::make_unique<Child>(Command{argv}, fds[1]);
    ::close(fds[1]);
    std::string number;
    pollfd p{fds[0], POLLIN, 0};
    char c;
    while (::poll(&p, 1, 20000) > 0 && ::read(fds[0], &c, 1) == 1 && c != '\n') number += c;
    ::close(fds[0]);
    if (number.empty()) return;
    name_ = ":" + number;
    display_ = XOpenDisplay(name_.c_str());
}

XDisplay::~XDisplay() {
    if (display_) XCloseDisplay(display_);
}

platform::raster::Surface XDisplay::Grab(const platform::Rect& area) {
    XImage* image = XGetImage(display_, DefaultRootWindow(display_), area.left, area.top,
                              unsigned(area.Width()), unsigned(area.Height()), AllPlanes, ZPixmap);
    if (!image) return {};
    platform::raster::Surface out(area.Width(), area.Height());
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < out.width; ++x) out.At(x, y) = XGetPixel(image, x, y) & 0xFFFFFF;
    XDestroyImage(image);
    return out;
}

platform::raster::Surface XDisplay::Settled(const platform::Rect& area, int intervalMs, int tries) {
    platform::raster::Surface last = Grab(area);
    for (int i = 0; i < tries; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(intervalMs));
        platform::raster::Surface now = Grab(area);
        if (now.pixels == last.pixels) return now;
        last = std::move(now);
    }
    return {};
}

void XDisplay::MovePointer(int x, int y) {
    XTestFakeMotionEvent(display_, DefaultScreen(display_), x, y, CurrentTime);
    XSync(display_, False);
}

void XDisplay::Click(unsigned button) {
    Button(button, true);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));  // held a moment, as by a hand
    Button(button, false);
}

void XDisplay::Button(unsigned button, bool down) {
    XTestFakeButtonEvent(display_, button, down ? True : False, CurrentTime);
    XSync(display_, False);
}

void XDisplay::PressKey(const char* keysymName) {
    KeyEvent(keysymName, true);
    KeyEvent(keysymName, false);
}

void XDisplay::KeyEvent(const char* keysymName, bool down) {
    const KeyCode code = XKeysymToKeycode(display_, XStringToKeysym(keysymName));
    XTestFakeKeyEvent(display_, code, down ? True : False, CurrentTime);
    XSync(display_, False);
}

std::vector<platform::Rect> XDisplay::FindWindows(const std::string& name) {
    // A window may go while the tree is walked; that error is no test's failure.
    XSync(display_, False);
    const auto previous = XSetErrorHandler([](::Display*, XErrorEvent*) { return 0; });
    std::vector<platform::Rect> found;
    const ::Window root = DefaultRootWindow(display_);
    std::function<void(::Window)> visit = [&](::Window w) {
        XWindowAttributes attrs;
        if (!XGetWindowAttributes(display_, w, &attrs)) return;
        char* wmName = nullptr;
        if (attrs.map_state == IsViewable && XFetchName(display_, w, &wmName) && wmName &&
            name == wmName) {
            int x = 0, y = 0;
            ::Window child;
            XTranslateCoordinates(display_, w, root, 0, 0, &x, &y, &child);
            found.push_back(platform::Rect{x, y, x + attrs.width, y + attrs.height});
        }
        if (wmName) XFree(wmName);
        ::Window r, parent, *children = nullptr;
        unsigned count = 0;
        if (!XQueryTree(display_, w, &r, &parent, &children, &count)) return;
        for (unsigned i = 0; i < count; ++i) visit(children[i]);
        if (children) XFree(children);
    };
    visit(root);
    XSync(display_, False);
    XSetErrorHandler(previous);
    return found;
}

bool XDisplay::WaitForWindow(const std::string& name, int timeoutMs) {
    for (int waited = 0; waited <= timeoutMs; waited += 50) {
        if (!FindWindows(name).empty()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

bool XDisplay::CursorHotSpot(platform::Point* hotspot) {
    XFixesCursorImage* image = XFixesGetCursorImage(display_);
    if (!image) return false;
    *hotspot = platform::Point{image->xhot, image->yhot};
    XFree(image);
    return true;
}

int CountColour(const platform::raster::Surface& s, const platform::Rect& area,
                platform::raster::Pixel colour) {
    int n = 0;
    for (int y = std::max(area.top, 0); y < std::min(area.bottom, s.height); ++y)
        for (int x = std::max(area.left, 0); x < std::min(area.right, s.width); ++x)
            n += s.At(x, y) == colour;
    return n;
}

Comparison Compare(const platform::raster::Surface& a, const platform::raster::Surface& b,
                   int tolerance, const std::vector<platform::Rect>& skip) {
    Comparison c;
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x) {
            const auto covers = [&](const platform::Rect& r) { return r.Contains({x, y}); };
            if (std::any_of(skip.begin(), skip.end(), covers)) continue;
            int most = 0;
            for (int shift : {0, 8, 16})
                most = std::max(most, std::abs(int((a.At(x, y) >> shift) & 0xFF) -
                                               int((b.At(x, y) >> shift) & 0xFF)));
            ++c.compared;
            c.differing += most > tolerance;
            c.worst = std::max(c.worst, most);
        }
    return c;
}

}  // namespace xtest
