#pragma once
// The QM270 Rev. B controllers' XPico module (serial only). After a reset
// an "x" wakes it with its banner ("XPICO", "Press Enter for Setup Mode",
// the software version); a few more "x" of the tool's wake-up cycle are
// ignored. Then:
// - "M" opens the record mode (sim/xpico_record_loader.h), whose "RS"
//   restarts the module a second later: it is woken by "x" again;
// - CR opens the setup menu. Its main menu takes a CR-ended 0, 1, 5 or 6
//   (the strict submenus of sim/xpico_submenus.h, back at the main menu
//   after their last question), 9 (save and exit: restarts a second later)
//   and a bare CR (shows the menu again) at any time; any other answer is
//   "unexpected".
// A wrong answer anywhere in the menu taints the session: the save then
// refuses to store the settings ("not-saved").
//
// Faults: no-xpico (a banner without "XPICO"), no-banner, no-save-confirm,
// close-after:N (the link dies on the Nth answer after record mode or setup
// entry); garbage and slow are the session's. With --power-cycle-when-asked
// the board is power-cycled as the setup menu's is (sim/setup_menu.h).

#include <QByteArray>
#include <optional>

#include "sim/device_options.h"
#include "sim/module_firmware.h"
#include "sim/xpico_record_loader.h"
#include "sim/xpico_submenus.h"

namespace dorvane::sim {

class XPicoSetupMenu : public ModuleFirmware {
 public:
  XPicoSetupMenu(const DeviceOptions& options, LinkKind link);

  ModuleReply PowerOn() override;
  // The module has no setup port: a connection gets nothing.
  ModuleReply Connect() override { return {}; }
  ModuleReply Receive(char byte) override;
  void LineWasQuiet() override { m_afterQuiet = true; }
  ModuleReply TimerExpired() override;

  QByteArray Banner() const;

 private:
  enum class State { kOff, kListening, kAsleep, kGreeted, kRecords, kMainMenu, kSubmenu, kRestarting, kDead };

  ModuleReply Greeted(char byte);
  ModuleReply Entered(State state, ModuleReply reply);
  ModuleReply MainMenu(char byte);
  ModuleReply Choice(const QByteArray& text);
  ModuleReply Submenu(char byte);
  ModuleReply Records(char byte);
  // An answer of the record mode or the menu is complete: the close-after
  // fault may end the link here.
  ModuleReply Counted(ModuleReply reply);
  ModuleReply Restart(ModuleReply reply);
  ModuleReply Save(const QByteArray& text);

  DeviceOptions m_options;
  LinkKind m_link;
  State m_state = State::kOff;
  bool m_afterQuiet = false;
  QByteArray m_answer;
  int m_answers = 0;
  bool m_tainted = false;
  XPicoRecordLoader m_loader;
  std::optional<XPicoSubmenu> m_submenu;
};

}  // namespace dorvane::sim
