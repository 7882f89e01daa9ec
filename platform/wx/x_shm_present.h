// Showing part of a window's surface on its X window through shared memory:
// one copy of the part, no cairo image and no pixels through the socket. The
// segment holds one band of the part: a small change costs a small segment,
// a whole frame no more than the band.
#pragma once

#include <wx/window.h>

#include <cstddef>

#include "platform/raster/surface.h"
#include "platform/types.h"

struct _XDisplay;

namespace platform::wx {

class XShmPresenter {
  public:
    XShmPresenter() = default;
    ~XShmPresenter();
    XShmPresenter(const XShmPresenter&) = delete;
    XShmPresenter& operator=(const XShmPresenter&) = delete;

    // `area` is inside the surface. False when this cannot be done (not a local
    // X server, not a 24-bit TrueColor window): the caller draws another way.
    bool Present(wxWindow& window, const raster::Surface& surface, const Rect& area);

  private:
    bool Start(wxWindow& window);
    // A segment of at least `bytes`, attached on the server.
    bool Reserve(std::size_t bytes);
    bool PutBand(const raster::Surface& surface, const Rect& band);
    void Release();  // the segment
    void Stop();     // everything

    bool unusable_ = false;
    ::_XDisplay* display_ = nullptr;
    unsigned long drawable_ = 0;
    void* visual_ = nullptr;  // Xlib's Visual, which has no name to declare
    void* gc_ = nullptr;
    int segment_ = -1;
    unsigned long shmseg_ = 0;  // the server's name for it
    void* shared_ = nullptr;
    std::size_t capacity_ = 0;
    bool attached_ = false;
};

}  // namespace platform::wx
