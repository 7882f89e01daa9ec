// The runtime's hand cursor: a pointing hand, hot spot at the fingertip.
#pragma once

#include <wx/cursor.h>

#include <cstddef>

namespace platform::wx {

// The .cur picture built into the program; size 0 when the build had none.
extern const unsigned char kHandCursorData[];
extern const std::size_t kHandCursorSize;

// The built-in picture, or the toolkit's hand when it is missing or unreadable.
wxCursor LoadHandCursor();

// A cursor from the bytes of a .cur file; not Ok when they cannot be read.
wxCursor CursorFromCurFile(const unsigned char* data, std::size_t size);

}  // namespace platform::wx
