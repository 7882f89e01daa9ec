// COM on the program's one thread, for the few calls that need it: a screen
// reader's question, the shell, the folder browser. Joined at the first of
// them rather than at start, and held until the program ends: a reader's
// last call may still be on its way while a window goes.
#pragma once

namespace platform::win32 {

void JoinApartment();

}  // namespace platform::win32
