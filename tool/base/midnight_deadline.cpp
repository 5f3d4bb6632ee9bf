#include "base/midnight_deadline.h"

namespace dorvane {

double MidnightDeadline::Remaining(double nowSinceMidnight) {
  // Once the timer has wrapped, the end that lay past midnight is moved
  // into the new day.
  if (nowSinceMidnight < 100.0 && m_end >= kSecondsPerDay) m_end -= kSecondsPerDay;
  double left = m_end - nowSinceMidnight;
  return left > 0.0 ? left : 0.0;
}

}  // namespace dorvane
