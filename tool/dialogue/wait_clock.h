#pragma once
// The one clock every wait of the tool passes through. DORVANE_TIME_SCALE (a
// factor, default 1) scales every real wait, for demos and end-to-end tests.

#include <functional>

namespace dorvane {

// The factor from DORVANE_TIME_SCALE; 1 when unset or not a positive number.
double TimeScale();

// Seconds on a monotonic clock from an arbitrary start. A wait must not read
// the time of day: a deadline taken on a timer that wraps at midnight can land
// a day away.
double MonotonicSeconds();

// The end of one pause on the monotonic clock.
class PauseDeadline {
 public:
  PauseDeadline(double start, double seconds) : m_end(start + seconds) {}
  // Seconds still to wait at the given reading; 0 when the pause is over.
  double Remaining(double now) const { return now < m_end ? m_end - now : 0.0; }

 private:
  double m_end;
};

// Waits the given seconds (scaled) while the thread's event loop keeps
// running, on a timer. Cannot be cancelled. The clock is injectable for tests.
void Pause(double seconds, const std::function<double()>& clock = MonotonicSeconds);

// One timer wait of the given real seconds inside a local event loop.
void WaitOnTimer(double realSeconds);

}  // namespace dorvane
