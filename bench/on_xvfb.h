// The benchmarks that run on a private Xvfb inside a wx event loop
// (on_xvfb_main.cpp holds their main).
#pragma once

// Runs what the toolkit has queued: events from X, then posted calls.
void DispatchPending();
