// Prints where the X screen shows a picture, "LEFT TOP", so that a start-up can
// be timed at a place the program chooses itself; exit 1 when it shows nowhere.
// The pointer is parked in the screen's bottom right corner first: a link lit
// under it would be another picture.
//   velomar_locate_picture PICTURE.png
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <cstdio>
#include <vector>

#include "platform/headless/png_writer.h"

namespace {

struct Point {
    int x, y;
};

// Points of the picture spread over it; exact matches only. Pure black
// points are left out: a caller blacks out what another stack draws its own
// way (text).
std::vector<Point> SpreadOver(const platform::raster::Surface& picture) {
    std::vector<Point> points;
    for (int gy = 1; gy < 16; ++gy)
        for (int gx = 1; gx < 16; ++gx) {
            const Point p{picture.width * gx / 16, picture.height * gy / 16};
            if ((picture.At(p.x, p.y) & 0xFFFFFF) != 0) points.push_back(p);
        }
    return points;
}

}  // namespace

int main(int argc, char** argv) {
    Display* display = XOpenDisplay(nullptr);
    if (!display) return 1;
    const Window root = DefaultRootWindow(display);
    XWindowAttributes screen;
    XGetWindowAttributes(display, root, &screen);
    XTestFakeMotionEvent(display, -1, screen.width - 1, screen.height - 1, CurrentTime);
    XSync(display, False);
    platform::raster::Surface picture;
    if (argc != 2 || !platform::ReadPng(argv[1], &picture)) {
        std::fprintf(stderr, "usage: %s PICTURE.png\n", argv[0]);
        return 2;
    }
    XImage* image = XGetImage(display, root, 0, 0, unsigned(screen.width), unsigned(screen.height),
                              AllPlanes, ZPixmap);
    if (!image) return 1;
    const std::vector<Point> points = SpreadOver(picture);
    int found = 1;
    for (int top = 0; found && top + picture.height <= screen.height; ++top)
        for (int left = 0; left + picture.width <= screen.width; ++left) {
            bool all = true;
            for (const Point& p : points)
                if ((XGetPixel(image, left + p.x, top + p.y) & 0xFFFFFF) !=
                    (picture.At(p.x, p.y) & 0xFFFFFF)) {
                    all = false;
                    break;
                }
            if (all) {
                std::printf("%d %d\n", left, top);
                found = 0;
                break;
            }
        }
    XDestroyImage(image);
    XCloseDisplay(display);
    return found;
}
