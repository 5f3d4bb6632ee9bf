#pragma once
// The deadline arithmetic of Pause, on the seconds-since-midnight timer: a
// wait that runs across midnight must end on time, not at once and not a day
// later.

namespace dorvane {

inline constexpr double kSecondsPerDay = 86400.0;

class MidnightDeadline {
 public:
  MidnightDeadline(double startSinceMidnight, double seconds) : m_end(startSinceMidnight + seconds) {}
  // Seconds still to wait at the given timer reading; 0 when the wait is over.
  double Remaining(double nowSinceMidnight);

 private:
  double m_end;
};

}  // namespace dorvane
