// The window the user is working in: the innermost open dialog of ours, else
// the frame. Message boxes and the system's dialogs are owned by it, because
// closing one re-enables its owner: owned by the frame, a message under a
// dialog would hand the tree, the menus and Exit back to the user while the
// dialog still holds its item.
#pragma once

#include "editor/win32/windows_api.h"

namespace platform {
class Window;
}

namespace modal_owner {

// The frame's platform window (null once it goes); it owns what shows while
// no dialog is open.
void SetFrame(platform::Window* frame);

// A dialog from its first message to its last. The platform's message box
// follows: its owner is the main window, which these make the dialog.
void DialogOpened(HWND dialog);
void DialogClosed(HWND dialog);

// The owner for a message or a system dialog shown now.
HWND Current();
bool DialogOpen();

}  // namespace modal_owner
