// The menu from the keyboard: Tab and the arrows move the one highlight the
// pointer also moves, Enter and Space run the lit link as a click does, and
// Escape closes a top-level menu as a "QUIT" link does.
#include "engine/installer_wnd.h"
#include "engine/window_helpers.h"
#include "platform/platform.h"

using namespace window_detail;

void CInstallerWnd::OnKeyDown(unsigned virtualKey, unsigned flags) {
    if (!Wnd) return;
    if (Arranger) {
        Arranger->OnKeyDown(virtualKey, flags);
        return;
    }
    const bool repeat = (flags & platform::keyflag::Repeat) != 0;
    switch (virtualKey) {
        case platform::vk::Tab:
            StepHighlight((flags & platform::keyflag::Shift) ? -1 : 1);
            break;
        case platform::vk::Down:
        case platform::vk::Right:
            StepHighlight(1);
            break;
        case platform::vk::Up:
        case platform::vk::Left:
            StepHighlight(-1);
            break;
        // A held key repeats: it must not start the same program again and again.
        case platform::vk::Return:
        case platform::vk::Space:
            if (!repeat) RunHotSpot(HoverHotSpot);
            break;
        // In the editor's preview (a child window) Escape must not close the editor.
        case platform::vk::Escape:
            if (!repeat && TopLevel) platform::Current().windows->PostCloseToMainWindow();
            break;
        default:
            break;
    }
}

// Lights the next (direction 1) or previous (-1) link in file order, wrapping;
// from nothing lit, the first or the last.
void CInstallerWnd::StepHighlight(int direction) {
    const int count = int(HotSpotCount(*Settings));
    if (count == 0) return;
    const int prev = HoverHotSpot;
    int from = prev != 0 ? prev : LastHotSpot;
    if (from < 1 || from > count) from = 0;
    const int to =
        from == 0 ? (direction > 0 ? 1 : count) : (from - 1 + direction + count) % count + 1;

    platform::DC* dc = Wnd->GetDC();
    if (!dc) return;
    // The link under the pointer is no longer the lit one: a click there must not
    // run the link the key lit.
    if (HotSpotCaptured) {
        Wnd->ReleaseCapture();
        HotSpotCaptured = 0;
    }
    MoveHighlight(*dc, prev, to);
    Wnd->ReleaseDC(dc);
    HoverHotSpot = to;
    LastHotSpot = to;
    HotSpotByKey = 1;
    if (prev != to) Wnd->LinkFocused(to);
}
