#include "dialogue/dialogue_steps.h"

#include <utility>

#include "base/ip_address.h"
#include "dialogue/run_values.h"

namespace dorvane {

WakeOutcome AwaitSetupPrompt(Dialogue& dialogue, bool raiseReceiveThreshold, OtherModuleRule otherModule) {
  return AwaitWakeUp(dialogue, {"x", kWakeUpStatus, [&dialogue] { return dialogue.PromptSeen(); },
                                raiseReceiveThreshold, true, std::move(otherModule)});
}

namespace {

void NoteOtherModule(Dialogue& dialogue, const OtherModuleRule& otherModule) {
  RunValues& values = dialogue.Values();
  if (!otherModule || values.OtherModuleNoted || !otherModule(dialogue.Transcript())) return;
  values.OtherModuleNoted = true;
  dialogue.Notice(dialogue.RunText(kOtherModuleTextId));
}

}  // namespace

WakeOutcome AwaitWakeUp(Dialogue& dialogue, const WakeUp& wakeUp) {
  dialogue.Progress({ProgressKind::Show});
  const std::string& status = wakeUp.status;
  dialogue.Status(status);
  bool trailingBlank = false;
  while (!wakeUp.answered()) {
    // A high threshold keeps the receive handler from scanning the transcript
    // after every echoed character while the keystrokes go out.
    if (wakeUp.raiseReceiveThreshold) dialogue.SetReceiveThreshold(100);
    for (int i = 0; i < 3; ++i) {
      dialogue.Send(wakeUp.keystroke);
      dialogue.WaitSeconds(dialogue.KeystrokePause());
    }
    trailingBlank = !trailingBlank || !wakeUp.statusAlternates;
    dialogue.Status(trailingBlank ? status + " " : status);
    dialogue.Yield();
    if (wakeUp.raiseReceiveThreshold) dialogue.SetReceiveThreshold(1);
    NoteOtherModule(dialogue, wakeUp.otherModule);
    if (dialogue.EscapePressed()) return WakeOutcome::Cancelled;
  }
  return WakeOutcome::PromptSeen;
}

void ClearArpCache(Dialogue& dialogue) {
  dialogue.Status("Clearing ARP Address");
  dialogue.Yield();
  platform::CommandOutcome outcome = dialogue.ClearArpTable();
  dialogue.Status(outcome.ok ? "Clearing ARP Address Completed" : "Clearing ARP Address Failed");
  dialogue.Yield();
}

bool AssignAddressByArp(Dialogue& dialogue, const std::string& address, const std::string& mac) {
  dialogue.Status("ARP Device IP Address");
  dialogue.Yield();
  return dialogue.AssignArpAddress(address, mac).ok;
}

std::string MacTextFromBoxes(const std::array<std::string, 6>& boxes) {
  std::string mac;
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    std::string_view box = boxes[i];
    while (!box.empty() && box.front() == ' ') box.remove_prefix(1);
    while (!box.empty() && box.back() == ' ') box.remove_suffix(1);
    if (i > 0) mac += '-';
    mac += box;
  }
  return mac;
}

bool TcpConnectedAfterRereads(Dialogue& dialogue) {
  bool connected = dialogue.TcpConnected();
  for (int i = 0; i < kConnectedStateRereads && !connected; ++i) connected = dialogue.TcpConnected();
  return connected;
}

bool ConnectSetupPort(Dialogue& dialogue, const std::string& address) {
  dialogue.Status("Device Server Connection 1");
  dialogue.Yield();
  dialogue.CloseLink();
  dialogue.ConnectTcp(address, kAssignAddressPort);
  dialogue.WaitSeconds(5);

  dialogue.Status("Device Server Connection 2");
  dialogue.Yield();
  dialogue.CloseLink();
  dialogue.ConnectTcp(address, kSetupPort);
  dialogue.WaitSeconds(3);

  if (!TcpConnectedAfterRereads(dialogue)) return false;

  // Read here so a stored value that is not a number fails the run before
  // the first answer.
  dialogue.AnswerPause(LinkKind::Network);
  dialogue.Send("\r");
  dialogue.WaitSeconds(5);
  return true;
}

void SendAnswer(Dialogue& dialogue, std::string_view answer, double pause, Secrecy secrecy) {
  dialogue.Send(answer, secrecy);
  dialogue.WaitSeconds(pause);
}

std::string HostBitsForIndex(int index) {
  static constexpr std::array<int, 17> kHostBits = {8, 16, 24, 23, 11, 10, 9, 7, 6, 5, 4, 3, 2, 12, 13, 14, 15};
  if (index < 0 || index >= static_cast<int>(kHostBits.size())) return "0";
  return std::to_string(kHostBits[static_cast<std::size_t>(index)]);
}

void SubnetHostBits(RunValues& values, int index) { values.SetHostBitsText(HostBitsForIndex(index)); }

int SubnetMaskIndex(const std::string& mask) {
  std::optional<std::string> normalized = ValidateIPAddress(mask);
  if (!normalized) return -1;
  for (std::size_t i = 0; i < kSubnetMasks.size(); ++i) {
    if (*normalized == kSubnetMasks[i]) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace dorvane
