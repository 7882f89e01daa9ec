// Running wx inside a test program: a private Xvfb, wx started on it, and an
// event loop the tests pump while they wait for something to happen.
#pragma once

#include <functional>
#include <string>

namespace gui_test {

// The display the test program's wx runs on (":N").
const std::string& TestDisplay();

// Handles wx events until done() holds; false when timeoutMs passed first.
bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 5000);
// Handles wx events for the given time.
void PumpFor(int milliseconds);

}  // namespace gui_test
