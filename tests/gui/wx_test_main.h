// Running wx inside a test program: a private X server, wx started on it, and
// an event loop the tests pump while they wait for something to happen.
#pragma once

#include <functional>

#include "x_display.h"

namespace gui_test {

// The X server the test program's wx runs on.
xtest::XDisplay& Screen();

// Handles wx events until done() holds; false when timeoutMs passed first.
bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 5000);
void PumpFor(int milliseconds);

}  // namespace gui_test
