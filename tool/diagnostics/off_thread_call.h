#pragma once
// Blocking system calls (ICMP waits, name lookups) made without freezing the
// caller's event loop.

#include <functional>

namespace dorvane {

// Runs the call on a worker thread while the calling thread's event loop
// keeps running (timers, repaints, clicks on what is still enabled), and
// returns when it has finished. An exception the call throws is rethrown
// here, so the caller's trap reports it.
void RunOffThread(const std::function<void()>& call);

}  // namespace dorvane
