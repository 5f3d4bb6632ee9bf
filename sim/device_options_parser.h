#pragma once
// The command line of pellar-devsim. The option names are a contract: the
// tool's tests and demo start the simulator with them.

#include <QString>
#include <QStringList>

#include "sim/device_options.h"

namespace dorvane::sim {

struct ParsedOptions {
  enum class Outcome { kRun, kShowHelp, kInvalid };
  Outcome outcome = Outcome::kInvalid;
  DeviceOptions options;
  QString text;  // the help text, or why the command line was refused
};

// Parses the arguments (the program name first). The time scale falls back
// to DORVANE_TIME_SCALE, the variable that scales the tool's own waits.
ParsedOptions ParseDeviceOptions(const QStringList& arguments);

}  // namespace dorvane::sim
