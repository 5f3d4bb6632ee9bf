#pragma once
// The boards' module firmware: woken by "x" on the serial line or greeted on a
// setup-port connection, then a numbered setup menu that takes the tool's
// answers.
//
// The menu is a sink, not a model of the module's settings. It knows only
// "at the main menu" and "inside a submenu":
// - an answer is text ended by CR, or a lone Y/N key (the first byte of an
//   answer), so a text answer that starts with Y or N is taken as a key
//   followed by a shorter text;
// - at the main menu the first CR-ended number is the choice: 0, 1, 5, 6 open
//   a submenu, 7 restores defaults, 8 leaves without saving, 9 saves; other
//   answers show the menu again;
// - inside a submenu every answer is echoed, and a bare CR returns to the main
//   menu. Submenus never end by themselves, so a firmware whose submenus close
//   after their last question (the wireless boards) would need its own
//   personality: the wireless boards (--kind wireless, wireless-encrypted)
//   have one, in which the server (0), channel (1) and Ethernet (5)
//   submenus close after their last answer, counted from the questions the
//   board's firmware asks there (a bare CR is an answer too), and the WLAN
//   (4, sim/wlan_menu.h) and security submenus are strict;
// - the encrypted board (--kind pellar6) is the exception: its security
//   submenu (6) asks its questions one by one, takes each answer strictly
//   (security_menu.h) and returns to the main menu after the last; a wrong
//   answer there makes the save (9) refuse to store the settings;
// - with the no-save-confirm fault the save stores without saying so;
// - the module waits for the CR that opens the menu as long as it takes;
// - on the setup port an "M" in place of that CR enters the monitor mode
//   (sim/monitor_mode.h) until its QU;
// - after saving (or leaving) the serial module restarts one second later
//   and listens for "x" again; a TCP connection is closed instead;
// - close-after:N kills the link on the Nth answer past setup entry, before
//   acting on it;
// - with --power-cycle-when-asked the board is power-cycled (a "power-cycle"
//   event, then the reset) by an "x" while it is off or asleep, and by the
//   first "x" after a quiet line once it has greeted: a new run that found
//   an earlier one's dialogue unfinished. That "x" is lost in the reset; the
//   next one wakes the module, as on a board the installer has just powered.

#include <QByteArray>
#include <QByteArrayList>
#include <optional>

#include "sim/device_options.h"
#include "sim/module_firmware.h"
#include "sim/monitor_mode.h"
#include "sim/security_menu.h"
#include "sim/wlan_menu.h"

namespace dorvane::sim {

class SetupMenu : public ModuleFirmware {
 public:
  SetupMenu(const DeviceOptions& options, LinkKind link);

  ModuleReply PowerOn() override;
  ModuleReply Connect() override;
  ModuleReply Receive(char byte) override;
  void LineWasQuiet() override;
  ModuleReply TimerExpired() override;

  // The greeting, always sent as one piece: the tool reads the prompt and the
  // version from a single received chunk on TCP.
  QByteArray Banner() const;

 private:
  enum class State {
    kOff, kListening, kAsleep, kGreeted, kMainMenu, kSubmenu, kSecurity, kWlan, kLeaving, kDead, kMonitor
  };

  ModuleReply Greet();
  ModuleReply PowerCycle();
  ModuleReply EnterSetup();
  ModuleReply CompleteAnswer(const QByteArray& text, bool singleKey);
  ModuleReply MainMenuChoice(const QByteArray& text);
  ModuleReply Save(const QByteArray& text);
  // A byte for the strict submenu under way; back at the main menu after
  // its last question.
  template <typename Menu>
  ModuleReply StrictAnswer(std::optional<Menu>& menu, char byte);
  bool Wireless() const;
  // The wireless firmware's answers in a submenu before it closes, or none
  // for a submenu that waits for a bare CR.
  std::optional<int> WirelessAnswerCount(int choice) const;
  // The wireless server menu asks one more question for the addresses
  // 0.0.0.0 and 0.0.1.0, known once their four fields are in.
  void CountServerAnswer(const QByteArray& text);
  ModuleReply Leave(const char* event, const QByteArray& farewell);
  ModuleReply Die();
  static ModuleReply HangUp();
  bool AnswerLimitReached() const;

  DeviceOptions m_options;
  LinkKind m_link;
  State m_state = State::kOff;
  QByteArray m_answer;
  int m_answers = 0;
  bool m_afterQuiet = false;
  std::optional<SecurityMenu> m_security;
  std::optional<WlanMenu> m_wlan;
  std::optional<int> m_submenuLeft;  // answers until a wireless submenu closes
  int m_submenuChoice = -1;
  QByteArrayList m_submenuAnswers;
  bool m_tainted = false;  // the strict security menu was answered wrongly
  MonitorMode m_monitor;
};

}  // namespace dorvane::sim
