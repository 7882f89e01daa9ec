// A window's pixels in shared memory, shown on its X window from there: a
// present is the put alone, no copy of the pixels and nothing through the
// socket. Where shared memory cannot be had (a remote display, a server
// without it) the pixels are ordinary memory and the caller draws another way.
#pragma once

#include <wx/window.h>

#include <cstddef>
#include <vector>

#include "platform/raster/pixel_memory.h"
#include "platform/raster/surface.h"
#include "platform/types.h"

struct _XDisplay;

namespace platform::wx {

class XShmPresenter : public raster::PixelStore {
  public:
    XShmPresenter() = default;
    ~XShmPresenter();
    XShmPresenter(const XShmPresenter&) = delete;
    XShmPresenter& operator=(const XShmPresenter&) = delete;

    // A segment the server has attached, else AllocatePixels' memory.
    void* Allocate(std::size_t bytes) override;
    void Free(void* memory, std::size_t bytes) noexcept override;

    // Shows `area` (inside the surface) of a surface whose pixels came from
    // here. False when this cannot be done (other memory, not a 24-bit
    // TrueColor window): the caller draws another way.
    bool Present(wxWindow& window, const raster::Surface& surface, const Rect& area);
    // Sends what was put now, not with the toolkit's next requests.
    void Flush();
    // Before the surface is written again: the server has read what was put,
    // so it never shows a frame half drawn.
    void Settle();

  private:
    struct Segment {
        int id;
        unsigned long shmseg;  // the server's name for it
        void* memory;
    };
    bool Open();  // the display, if it can share memory with us
    bool Start(wxWindow& window);
    const Segment* Find(const void* memory) const;
    bool PutTaken() const;  // the server is known to have read the last put

    bool unusable_ = false;  // as a place to present
    bool opened_ = false;
    ::_XDisplay* display_ = nullptr;
    unsigned long drawable_ = 0;
    void* visual_ = nullptr;  // Xlib's Visual, which has no name to declare
    void* gc_ = nullptr;
    std::vector<Segment> segments_;
    bool pending_ = false;  // a put the server may not have read yet
    unsigned long putSerial_ = 0;
};

}  // namespace platform::wx
