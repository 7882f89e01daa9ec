// Running wx inside a test program: a private X server, wx started on it, and
// an event loop the tests pump while they wait for something to happen.
#pragma once

#include <wx/testing.h>

#include <functional>

#include "x_display.h"

namespace gui_test {

xtest::XDisplay& Screen();

// Handles wx events until done() holds; false when timeoutMs passed first.
bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 5000);
void PumpFor(int milliseconds);

// A dialog expectation that acts on the dialog, then returns its answer.
template <class T>
class Act : public wxExpectModalBase<T, Act<T>> {
  public:
    explicit Act(std::function<int(T*)> act) : act_(std::move(act)) {}

  protected:
    int OnInvoked(T* dialog) const override { return act_(dialog); }

  private:
    std::function<int(T*)> act_;
};

}  // namespace gui_test
