#pragma once
// The QM270 controllers' XPort AR module: its boot is caught by a "!" on the
// serial line, "xyz" opens its command line, "show" prints its product
// block, and the command lines of the tool's script move it through its
// levels (enable, config, the sub-levels, exit back), each with its prompt.
//
// Like the strict security menu it takes only what the level it is in
// accepts: any other line is logged as "unexpected" (with the level) and
// changes nothing, so the tool's script is what is under test. The data
// key lines take exactly 32, 48 or 64 hexadecimal digits. "reload"
// restarts the module a second later, ready for the next boot catch.
//
// Faults: no-banner (the boot catch is never answered), short-show (a
// "show" answer of fewer than 7 characters), no-product-info (a "show"
// answer without the product lines).
//
// The module booting waits for its catch as long as it takes, so a run
// started late still finds it; a run left unfinished (cancelled, or cut
// off mid-way) leaves it past its boot, deaf to the next catch. With
// --power-cycle-when-asked the first "!" after a quiet line then
// power-cycles it (a "power-cycle" event, then the reset), as the
// installer does at the run's instruction; that "!" is lost in the reset.

#include <QByteArray>
#include <QList>

#include "sim/device_options.h"
#include "sim/module_firmware.h"

namespace dorvane::sim {

class XPortArCommandLine : public ModuleFirmware {
 public:
  XPortArCommandLine(const DeviceOptions& options, LinkKind link);

  ModuleReply PowerOn() override;
  ModuleReply Connect() override;
  ModuleReply Receive(char byte) override;
  void LineWasQuiet() override { m_afterQuiet = true; }
  ModuleReply TimerExpired() override;

  // The product block "show" prints.
  QByteArray ProductBlock() const;

 private:
  enum class State { kOff, kBooting, kCaught, kCommandLine, kRestarting };
  // A level of the command line; its index is its place in the level table.
  using Level = int;

  ModuleReply CommandLine(const QByteArray& line);
  QByteArray Prompt() const;

  DeviceOptions m_options;
  LinkKind m_link;
  State m_state = State::kOff;
  bool m_afterQuiet = false;
  QByteArray m_input;
  QList<Level> m_levels;  // the way in: the last is the level it is at
};

}  // namespace dorvane::sim
