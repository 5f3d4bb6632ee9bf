#pragma once
// Everything the command line decides about the simulated module, and the
// command line itself. The option names are a contract: the tool's tests and
// demo start the simulator with them.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

#include "sim/personalities.h"

namespace dorvane::sim {

// Faults the simulated module can be told to show, so the tool's handling of a
// misbehaving board can be exercised.
struct FailureModes {
  bool noBanner = false;          // never greets: no wake-up banner, no greeting on connect
  bool refuseSetupPort = false;   // nothing listens on the setup port
  std::optional<int> closeAfter;  // the link dies after this many answers past setup entry
  bool garbage = false;           // noise bytes between the lines the module sends
  double slow = 0.0;              // module seconds added before every reply
  int splitBanner = 0;            // TCP: the greeting goes out in two segments, cut after this many bytes
  bool noSaveConfirm = false;     // saves without saying "Parameters stored"
  QStringList rejectCommands;     // monitor commands answered with "9>" (reject:NC)
  double slowMonitor = 0.0;       // module seconds before every monitor answer
  bool shortShow = false;         // XPort AR: "show" answered with fewer than 7 characters
  bool noProductInfo = false;     // XPort AR: "show" answered without the product lines
  bool noXPico = false;           // XPico: a banner without "XPICO"
};

// Adds one "--fail" value ("no-banner", "close-after:3", "slow:0.5", ...).
// False with a reason when the value names no mode or carries a bad number.
bool AddFailureMode(const QString& mode, FailureModes& modes, QString& whyNot);

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
  // The board is power-cycled whenever the tool's wake-up finds it deaf, as
  // the installer does when the tool asks for it (serial link).
  bool powerCycleWhenAsked = false;

  QString logPath;  // empty: no log; "-": standard error
  FailureModes fail;
  double timeScale = 1.0;

  // Real milliseconds for a span in module seconds.
  int RealMilliseconds(double moduleSeconds) const;
  // Real milliseconds of the wake-up window; 0 when it stays open until the
  // module has greeted.
  int WakeWindowMilliseconds() const;
  // Real milliseconds without input after which the next "x" is the start
  // of a new wake-up (with powerCycleWhenAsked).
  int QuietLineMilliseconds() const;
  // The MAC as the banner writes it (00204A123456).
  QByteArray MacText() const;
};

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
