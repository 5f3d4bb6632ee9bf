#pragma once
// Faults the simulated module can be told to show, so the tool's handling of a
// misbehaving board can be exercised.

#include <QString>
#include <optional>

namespace dorvane::sim {

struct FailureModes {
  bool noBanner = false;          // never greets: no wake-up banner, no greeting on connect
  bool refuseSetupPort = false;   // nothing listens on the setup port
  std::optional<int> closeAfter;  // the link dies after this many answers past setup entry
  bool garbage = false;           // noise bytes between the lines the module sends
  double slow = 0.0;              // module seconds added before every reply
  int splitBanner = 0;            // TCP: the greeting goes out in two segments, cut after this many bytes
};

// Adds one "--fail" value ("no-banner", "close-after:3", "slow:0.5", ...).
// False with a reason when the value names no mode or carries a bad number.
bool AddFailureMode(const QString& mode, FailureModes& modes, QString& whyNot);

}  // namespace dorvane::sim
