#pragma once
// The one clock every wait of the tool passes through. DORVANE_TIME_SCALE (a
// factor, default 1) scales every real wait, for demos and end-to-end tests.

#include <functional>

namespace dorvane {

// The factor from DORVANE_TIME_SCALE; 1 when unset or not a positive number.
double TimeScale();

// The system timer: seconds since local midnight, below one second resolution.
double SecondsSinceMidnight();

// Waits the given seconds (scaled) while the thread's event loop keeps
// running, on a timer. Cannot be cancelled. The clock is injectable so the
// midnight rule can be exercised.
void Pause(double seconds, const std::function<double()>& clock = SecondsSinceMidnight);

// One timer wait of the given real seconds inside a local event loop.
void WaitOnTimer(double realSeconds);

}  // namespace dorvane
