// The end of a wx program whose memory ran out: the toolkit hands the
// exception to the application object, which says so and lets the program end.
#pragma once

namespace platform::wx {

// Called while an exception is being handled: true when it was std::bad_alloc,
// which has then been reported (ReportOutOfMemory).
bool ReportIfOutOfMemory();

// The status main() returns: 1 once memory ran out, else the toolkit's own.
int ExitStatus(int toolkitStatus);

}  // namespace platform::wx
