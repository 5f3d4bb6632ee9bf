#pragma once
// The module on the far side of the recording runner, as the script tests
// play it: the banner a setup menu greets with, the wake-up keystrokes it
// answers (RecordingDialogue::onSend), and its word that a network save was
// stored. Standard library only: the Windows check program plays it too.

#include <string>
#include <string_view>
#include <utility>

#include "dialogue/recording_dialogue.h"

namespace dorvane::testing {

// A setup menu's greeting, with the new or the old prompt; `heading` is a
// line of the module's own before it (an XPico's name).
inline std::string ModuleBanner(std::string_view version, bool newPrompt, std::string_view heading = {}) {
  return std::string(heading) + "MAC address 00204A123456\r\nSoftware version " + std::string(version) +
         " (260101)\r\n\r\n" + (newPrompt ? "Press Enter for Setup Mode" : "Press Enter to go into Setup Mode") +
         "\r\n";
}

// How a module on a serial line answers the keystrokes that wake it: as
// made, every "x" from 1.8 s on (out of reset), 0.05 s after the key.
class WakeUpAnswer {
 public:
  // answer: its banner, or whatever it echoes.
  explicit WakeUpAnswer(std::string answer) : m_answer(std::move(answer)) {}
  WakeUpAnswer& Key(std::string key) {
    m_key = std::move(key);
    return *this;
  }
  // Keys before this time go unanswered.
  WakeUpAnswer& ReadyAt(double seconds) {
    m_readyAt = seconds;
    return *this;
  }
  // From the key to the answer's arrival.
  WakeUpAnswer& Delay(double seconds) {
    m_delay = seconds;
    return *this;
  }
  // Quiet once the run has seen its prompt.
  WakeUpAnswer& OnlyBeforePrompt() {
    m_onlyBeforePrompt = true;
    return *this;
  }
  // One answer, until `restart` (if any) is sent and resets the module.
  WakeUpAnswer& Once(std::string restart = {}) {
    m_once = true;
    m_restart = std::move(restart);
    return *this;
  }

  // The module's RecordingDialogue::onSend.
  decltype(RecordingDialogue::onSend) Hook() const {
    return [wake = *this, answered = false](RecordingDialogue& module, std::string_view sent) mutable {
      if (!wake.m_restart.empty() && sent == wake.m_restart) answered = false;
      if (sent != wake.m_key || module.Now() < wake.m_readyAt) return;
      if ((wake.m_onlyBeforePrompt && module.PromptSeen()) || (wake.m_once && answered)) return;
      answered = true;
      module.ArriveSerial(module.Now() + wake.m_delay, wake.m_answer);
    };
  }

 private:
  std::string m_answer;
  std::string m_key = "x";
  double m_readyAt = 1.8;
  double m_delay = 0.05;
  bool m_onlyBeforePrompt = false;
  bool m_once = false;
  std::string m_restart;
};

// The module confirms the save over the network, as a healthy one does.
inline void ConfirmSave(RecordingDialogue& d) {
  d.onSend = [](RecordingDialogue& module, std::string_view sent) {
    if (sent == "9\r") module.ArriveNetwork(module.Now() + 0.5, "9\r\n\r\nParameters stored ...\r\n");
  };
}

// A module over the network: its banner once the connection stands, and
// its word that it stored the settings after the save command.
inline void NetworkModule(RecordingDialogue& d, const std::string& banner = ModuleBanner("V6.10.0.", true)) {
  d.ArriveNetwork(5.5, banner);
  ConfirmSave(d);
}

}  // namespace dorvane::testing
