#include "sim/device_options.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace dorvane::sim {

namespace {

constexpr double kDefaultWakeWindowSeconds = 5.0;
// A tool is started only once "ready" is printed; at a strong time scale its
// start-up alone would outlast a scaled window, so the default window keeps
// this much real time.
constexpr int kDefaultWakeWindowFloorMs = 2000;

}  // namespace

int DeviceOptions::RealMilliseconds(double moduleSeconds) const {
  const double ms = std::round(moduleSeconds * timeScale * 1000.0);
  return static_cast<int>(std::clamp(ms, 0.0, static_cast<double>(INT_MAX)));
}

int DeviceOptions::WakeWindowMilliseconds() const {
  if (wakeWindow) return *wakeWindow > 0.0 ? std::max(RealMilliseconds(*wakeWindow), 1) : 0;
  return std::max(RealMilliseconds(kDefaultWakeWindowSeconds), kDefaultWakeWindowFloorMs);
}

QByteArray DeviceOptions::MacText() const { return mac.toHex().toUpper(); }

}  // namespace dorvane::sim
