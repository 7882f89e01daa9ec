// The end of a wx program whose memory ran out: the toolkit hands the
// exception to the application object, which says so and lets the program end.
#pragma once

namespace platform::wx {

// Called while an exception is being handled: true when it was std::bad_alloc,
// which has then been reported (ReportOutOfMemory).
bool ReportIfOutOfMemory();

// Called first in main(). GLib ends the program when it cannot start a
// thread, the first thing to fail when address space is short. Under a limit
// on it the threads' reservations are made smaller; false (after saying so on
// stderr) when even then there is no room for the toolkit to start.
bool RoomToStart();

// True under a limit on address space, where a thread's reservations count.
bool AddressSpaceLimited();

// The status main() returns: 1 once memory ran out, else the toolkit's own.
int ExitStatus(int toolkitStatus);

}  // namespace platform::wx
