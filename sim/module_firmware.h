#pragma once
// The firmware behind one link of the module. A personality (ModuleKind)
// decides how the module greets, wakes and answers; the transports only move
// bytes and the session runs the timers, so a new personality is one class.

#include <memory>

#include "sim/device_options.h"
#include "sim/link_kind.h"
#include "sim/module_reply.h"

namespace dorvane::sim {

class ModuleFirmware {
 public:
  virtual ~ModuleFirmware() = default;

  // The board was reset or powered up (serial link).
  virtual ModuleReply PowerOn() = 0;
  // A client reached the setup port (TCP link).
  virtual ModuleReply Connect() = 0;
  // One received byte.
  virtual ModuleReply Receive(char byte) = 0;
  // The timer asked for by an earlier reply ran out.
  virtual ModuleReply TimerExpired() = 0;
};

std::unique_ptr<ModuleFirmware> MakeFirmware(const DeviceOptions& options, LinkKind link);

}  // namespace dorvane::sim
