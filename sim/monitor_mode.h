#pragma once
// The module's monitor mode on its setup port: after the greeting, "M"
// enters it instead of the CR that opens the setup menu.
//
// - Entering it the module greets with a "NodeSet" line and the prompt "0>".
// - Commands are letters ended by CR (LF is ignored): TT (TCP connection
//   table), NC (network connection: the module's address, mask and
//   gateway), SA (scan) and NS (network status) answer a few lines and
//   "0>"; any other command, and one named by reject:CMD, answers "9>".
// - QU leaves: the module says so and is back where the greeting left it;
//   the connection stays until the tool closes it.
// - slow-monitor:SECONDS holds every answer back that long; answers held
//   at the same time go out together when the first one is due.

#include <QByteArray>

#include "sim/device_options.h"
#include "sim/module_firmware.h"

namespace dorvane::sim {

class MonitorMode {
 public:
  explicit MonitorMode(const DeviceOptions& options);

  ModuleReply Enter();
  ModuleReply Receive(char byte);
  // The held-back answers go out.
  ModuleReply TimerExpired();
  // QU was the last command.
  bool Left() const { return m_left; }

  // The answer to one command, prompt included.
  QByteArray Answer(const QByteArray& command) const;

 private:
  ModuleReply Command(const QByteArray& command);

  DeviceOptions m_options;
  QByteArray m_line;
  QByteArray m_held;
  bool m_left = false;
};

}  // namespace dorvane::sim
