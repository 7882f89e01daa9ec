// Showing part of a window's surface on its X window through shared memory:
// one copy of the part, no cairo image and no pixels through the socket.
#pragma once

#include <wx/window.h>

#include "platform/raster/surface.h"
#include "platform/types.h"

struct _XDisplay;
struct _XImage;

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
    bool Start(wxWindow& window, const raster::Surface& surface);
    void Stop();

    bool unusable_ = false;
    ::_XDisplay* display_ = nullptr;
    unsigned long drawable_ = 0;
    void* gc_ = nullptr;
    ::_XImage* image_ = nullptr;
    int segment_ = -1;
    void* shared_ = nullptr;
};

}  // namespace platform::wx
