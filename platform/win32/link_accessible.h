// The menu window's answer to screen readers (WM_GETOBJECT): an IAccessible
// whose children are the links the window's listener reports.
#pragma once

#include "platform/win32/win32_api.h"

// Not taken from MinGW's uuid library: its IID_IAccessible came out wrong.
inline constexpr GUID kIidAccessible = {
    0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};

namespace platform::win32 {

// Posted to the window by accDoDefaultAction: the link (wParam) runs once
// the screen reader's call has returned, so neither a program started nor a
// message shown holds the reader up.
constexpr UINT WM_RUN_LINK = WM_APP + 0x140;

// One window's accessible object: made at the first request, and cut off
// from its readers when the window goes, so that their late calls are
// refused by COM instead of reaching a window that is no more.
class AccessibleSlot {
  public:
    AccessibleSlot() = default;
    ~AccessibleSlot() { Disconnect(); }
    AccessibleSlot(const AccessibleSlot&) = delete;
    AccessibleSlot& operator=(const AccessibleSlot&) = delete;

    // The WM_GETOBJECT reply; 0 (the default handling) when not asked for the
    // client or when no object can be made.
    LRESULT Answer(HWND hwnd, WPARAM wParam, LPARAM lParam);
    void Disconnect();

  private:
    void* object_ = nullptr;  // the IAccessible, one reference ours
};

// The lit link changed: EVENT_OBJECT_FOCUS for that child.
void NotifyLinkFocus(HWND hwnd, int link);

}  // namespace platform::win32
