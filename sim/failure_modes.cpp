#include "sim/failure_modes.h"

#include <cmath>

namespace dorvane::sim {

bool AddFailureMode(const QString& mode, FailureModes& modes, QString& whyNot) {
  const QString name = mode.section(':', 0, 0);
  const QString value = mode.section(':', 1);
  const bool hasValue = mode.contains(':');
  if (name == "no-banner" && !hasValue) {
    modes.noBanner = true;
    return true;
  }
  if (name == "refuse-setup-port" && !hasValue) {
    modes.refuseSetupPort = true;
    return true;
  }
  if (name == "garbage" && !hasValue) {
    modes.garbage = true;
    return true;
  }
  if (name == "close-after") {
    bool ok = false;
    const int count = value.toInt(&ok);
    if (!ok || count < 0) {
      whyNot = QString("close-after needs a count of answers (0 or more), not \"%1\"").arg(value);
      return false;
    }
    modes.closeAfter = count;
    return true;
  }
  if (name == "split-banner") {
    bool ok = false;
    const int count = value.toInt(&ok);
    if (!ok || count < 1) {
      whyNot = QString("split-banner needs the length of the first segment (1 or more), not \"%1\"").arg(value);
      return false;
    }
    modes.splitBanner = count;
    return true;
  }
  if (name == "slow") {
    bool ok = false;
    const double seconds = value.toDouble(&ok);
    if (!ok || !std::isfinite(seconds) || seconds < 0.0) {
      whyNot = QString("slow needs a delay in seconds (0 or more), not \"%1\"").arg(value);
      return false;
    }
    modes.slow = seconds;
    return true;
  }
  whyNot = QString("unknown failure mode \"%1\" (no-banner, refuse-setup-port, close-after:N, garbage, slow:SECONDS, "
                       "split-banner:N)")
               .arg(mode);
  return false;
}

}  // namespace dorvane::sim
