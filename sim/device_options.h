#pragma once
// Everything the command line decides about the simulated module.

#include <QByteArray>
#include <QString>
#include <optional>

#include "sim/failure_modes.h"

namespace dorvane::sim {

// Which firmware the module runs. Only the boards' numbered setup menu exists
// so far; the controllers' command line and record loader would join here.
enum class ModuleKind { kBoardSetupMenu };

// The two greetings the tool tells apart.
enum class BannerStyle { kNew, kOld };

struct DeviceOptions {
  bool pty = false;
  QString ptyLink;  // symlink to the pty slave; empty for none

  QString tcpAddress;  // empty: no TCP listeners
  quint16 setupPort = 9999;
  quint16 assignPort = 1;

  QString udpAddress;  // empty: no discovery responder
  quint16 udpPort = 30718;

  ModuleKind kind = ModuleKind::kBoardSetupMenu;
  BannerStyle banner = BannerStyle::kNew;
  QString firmware = "V6.10.0";
  QByteArray mac = QByteArray::fromHex("00204A123456");
  QByteArray productCode = "X1";
  int modules = 1;

  double resetAfter = 0.0;           // module seconds from start to the board's reset
  std::optional<double> wakeWindow;  // module seconds the module listens for "x"; 0 = until the banner

  QString logPath;  // empty: no log; "-": standard error
  FailureModes fail;
  double timeScale = 1.0;

  // Real milliseconds for a span in module seconds.
  int RealMilliseconds(double moduleSeconds) const;
  // Real milliseconds of the wake-up window; 0 when it stays open until the
  // module has greeted.
  int WakeWindowMilliseconds() const;
  // The MAC as the banner writes it (00204A123456).
  QByteArray MacText() const;
};

}  // namespace dorvane::sim
