#include "boards/pellar_setup_script.h"

#include "base/ip_address.h"
#include "base/localised_text.h"
#include "base/text_trim.h"
#include "dialogue/dialogue_steps.h"
#include "dialogue/run_values.h"
#include "programming/module_banners.h"

namespace dorvane {

namespace {

constexpr const char* kCR = "\r";

// The PELLAR2 script; given the PELLAR6 inputs (enc), the PELLAR6 one.
class PellarSetupScript {
 public:
  PellarSetupScript(Dialogue& d, const Pellar2Inputs& in, const Pellar6Inputs* enc)
      : d(d), in(in), enc(enc), v(d.Values()) {}

  RunOutcome Run() {
    network = IsNetworkPort(in.link.port);
    if (enc) {
      // Entry 0 is the PELLAR6 list's empty entry, never a link.
      if (in.link.port == kPortViaArp) return RunOutcome::Rejected(InputField::Port, "no programming port chosen");
      if (!in.defaultOnly && !KeyFits())
        return RunOutcome::Rejected(InputField::EncryptionKey, "the key has the wrong length");
    }
    v.ProgressDivisor = enc ? kPellar6ProgressDivisor : kPellar2ProgressDivisor;
    v.ProgressActive = false;
    SubnetHostBits(v, in.server.subnetIndex);
    ClearArpCache(d);
    if (enc && network && !AcceptDisclaimer()) {
      v.ProgressDivisor = 0;
      return RunOutcome::Ended(RunOutcome::Kind::Declined);
    }
    RunOutcome entry = network ? EnterByNetwork() : EnterBySerial();
    if (entry.kind != RunOutcome::Kind::Completed) return entry;
    Script();
    return network ? EndNetwork() : EndSerial();
  }

 private:
  bool KeyFits() const { return enc->dataKey.key.size() == static_cast<std::size_t>(KeyLength(enc->dataKey.size)); }

  // The keys go over the network in plain text: the installer must say so
  // first, and each acceptance leaves a record in the system's log.
  bool AcceptDisclaimer() {
    Question disclaimer{kDisclaimerTitle, kDisclaimerText, Question::Icon::Exclamation,
                         Question::Buttons::YesNoDefaultNo};
    if (d.Ask(disclaimer) != Question::Answer::Yes) return false;
    d.WriteApplicationLog(kDisclaimerLogText);
    return true;
  }

  bool Reverse() const { return enc && enc->reverse.saved; }

  RunOutcome EnterByNetwork() {
    v.StopWaiting = false;
    d.Progress({ProgressKind::Show});
    std::string target;
    if (in.link.port == kPortViaArp) {
      for (int i = 0; i < 6; ++i) {
        if (TrimBlanks(in.macBoxes[static_cast<std::size_t>(i)]).empty()) {
          return RunOutcome::Rejected(InputField::MacBox, "MAC address box " + std::to_string(i + 1) + " is empty", i);
        }
      }
      target = IPAddressWithoutLeadingZeros(in.server.address);
      if (!AssignAddressByArp(d, target, MacTextFromBoxes(in.macBoxes))) {
        return RunOutcome::Ended(RunOutcome::Kind::ArpFailure);
      }
    } else if (!in.link.networkTarget.empty()) {
      target = in.link.networkTarget;
    } else {
      target = kServiceAddresses[static_cast<std::size_t>(in.link.port - kFirstServicePort)];
    }
    if (!ConnectSetupPort(d, target)) return RunOutcome::Ended(RunOutcome::Kind::CommunicationFailure);
    pause = d.AnswerPause(LinkKind::Network);
    d.Status("Device Server Settings");
    v.ProgressActive = true;
    return {};
  }

  RunOutcome EnterBySerial() {
    d.ClearPromptSeen();
    d.UseSerialBannerRule(BoardBannerRule);
    d.OpenSerialLink(in.link.port, in.link.serialDevice);
    // The PELLAR6 wake-up leaves the receive threshold alone.
    if (AwaitSetupPrompt(d, !enc && !in.defaultOnly, XPicoBannerHeard) == WakeOutcome::Cancelled) {
      return RunOutcome::Ended(RunOutcome::Kind::Cancelled);
    }
    d.Send(kCR);
    d.WaitSeconds(5);
    pause = d.AnswerPause(LinkKind::Serial);
    v.ProgressActive = true;
    d.Status("Server Configuration");
    d.ClearTranscript();
    return {};
  }

  void Answer(const std::string& answer) { SendAnswer(d, answer, pause); }
  void AnswerCR(const std::string& text) { Answer(text + kCR); }
  void BackToMenu() {
    d.Send(kCR);
    d.WaitSeconds(5);
  }

  void Script() {
    AnswerCR("0");                                          // 1
    d.Status("IP Settings");
    for (int f = 0; f < 4; ++f) AnswerCR(AddressField(in.server.address, f));  // 2-5
    d.Status("IP Gateway");
    Answer("Y");                                                               // 6
    for (int f = 0; f < 4; ++f) AnswerCR(AddressField(in.server.gateway, f));  // 7-10
    d.Status("Network Settings");
    AnswerCR(v.HostBitsText());                             // 11
    if (in.defaultOnly) v.RaiseAllFirmwareFlags();
    if (v.AtLeastV6_6()) Answer("N");                                                                   // 12
    Answer("N");                                                                                        // 13
    if (in.server.address == "000.000.000.000" || in.server.address == "000.000.001.000") Answer("N");  // 14
    if (v.AtLeastV6_8()) Answer("N");                                                                   // 15
    if (network) d.Status("Device Server Port Settings");
    if (enc && !network) d.Status("Channel 1 Configuration");
    BackToMenu();                                           // 16
    if (!in.defaultOnly) {
      ChannelSettings();
      EthernetSettings();
      SecuritySettings();
    }
    BackToMenu();                                           // 57
    d.Send("9\r");                                          // 58
    d.Progress({ProgressKind::Full});
  }

  void ChannelSettings() {
    if (!network && !enc) d.Status("Channel 1 Configuration");
    AnswerCR("1");                                          // 17
    d.Status("Baud Rate");
    AnswerCR(in.vraLinkSaved ? "38400" : in.baudText);     // 18
    AnswerCR("4C");                                         // 19
    d.Status("Flow Control");
    AnswerCR("00");                                         // 20
    d.Status("Port Number");
    if (!in.vraLinkSaved && Reverse()) {                    // 21
      AnswerCR(enc->reverse.staticLocalPort ? enc->reverse.portText : "0");
    } else {
      AnswerCR("3001");
    }
    d.Status("Connection Mode");
    AnswerCR(in.vraLinkSaved ? "C5" : Reverse() ? "06" : "C0");  // 22
    if (network || v.NewSetupPrompt) d.Status("Send Modem Mode");
    if (v.NewSetupPrompt) Answer("Y");                      // 23
    if (v.NewSetupPrompt && v.AtLeastV6_5()) {
      d.Status("Show IP addr after 'RING'");
      Answer("N");                                          // 24
    }
    if (v.NewSetupPrompt) {
      d.Status("Auto increment source port");
      Answer("N");                                          // 25
    }
    d.Status("General Port Settings");
    for (int f = 0; f < 4; ++f) AnswerCR(in.vraLinkSaved ? AddressField(in.remoteAddress, f) : "000");  // 26-29
    AnswerCR(in.vraLinkSaved ? in.remotePortText : Reverse() ? enc->reverse.portText : "0");            // 30
    for (const char* answer : {"00", "80", "01", "15", "00", "00", "00"}) AnswerCR(answer);             // 31-37
    BackToMenu();                                                                                       // 38
  }

  void EthernetSettings() {
    if (v.NewSetupPrompt) {
      if (!network) d.ClearTranscript();
      d.Status("Ethernet Configuration");
      AnswerCR("5");                                        // 39
      for (int i = 0; i < 4; ++i) Answer(kCR);              // 40-43
      if (v.AtLeastV6_8()) {                                // 44
        for (int i = 0; i < 4; ++i) Answer(kCR);
        AnswerCR("512");
        Answer(kCR);
      } else {
        Answer(kCR);
        Answer(kCR);
        if (v.AtLeastV6_5()) Answer(kCR);
        Answer(kCR);
        Answer(kCR);
      }
      AnswerCR(in.ethernetIndex == 0 ? "0" : std::to_string(in.ethernetIndex + 1));  // 45
    }
    BackToMenu();                                           // 46
  }

  void SecuritySettings() {
    // The serial transcript starts afresh for each security answer.
    auto next = [this](const std::string& answer) {
      if (!network) d.ClearTranscript();
      Answer(answer);
    };
    if (!network) d.ClearTranscript();
    d.Status("Security Options ");
    Answer(std::string("6") + kCR);                         // 47
    next("Y");                                              // 48
    next("N");                                              // 49
    next("N");                                              // 50
    if (in.disable77FE) {                                   // 51
      next("Y");
    } else if (v.AtLeastV6_10()) {
      next("N");
      Answer(kCR);
    } else {
      next("N");
    }
    next("Y");                                              // 52
    if (v.NewSetupPrompt) next("Y");                        // 53
    next("Y");                                              // 54
    if (enc) EncryptionSettings();
    next("N");                                              // 55
    next("Y");                                              // 56
  }

  void EncryptionSettings() {
    d.Status("Security Options Encryption");
    Answer("Y");                               // E1
    AnswerCR(KeyBitsText(enc->dataKey.size));  // E2
    Answer("Y");                               // E3
    d.Status("Security Options Encryption Key");
    for (std::size_t at = 0; at < enc->dataKey.key.size(); at += 2) {  // E4
      if (!network) d.ClearTranscript();
      SendAnswer(d, enc->dataKey.key.substr(at, 2), pause, Secrecy::Secret);
    }
  }

  RunOutcome EndNetwork() {
    d.Status("Saving Settings");
    d.WaitSeconds(15);
    // A module that never confirmed the save may have kept its old settings
    // or half of the new ones: that is no configured board.
    const bool stored = v.ParametersStored;
    if (stored) d.Status("Device Reboot");
    if (enc) {
      v.ProgressActive = false;
      v.StopWaiting = true;
    }
    if (d.TcpConnected()) d.CloseLink();
    v.ProgressDivisor = 0;
    if (!stored) return RunOutcome::Ended(RunOutcome::Kind::SaveUnconfirmed);
    return {};
  }

  RunOutcome EndSerial() {
    v.ProgressActive = false;
    v.StopWaiting = true;
    d.CloseLink();
    v.ProgressDivisor = 0;
    return {};
  }

  Dialogue& d;
  const Pellar2Inputs& in;
  const Pellar6Inputs* enc;
  RunValues& v;
  bool network = false;
  double pause = 0;
};

}  // namespace


const char* const kDisclaimerText =
    "By programming your Encrypted PELLAR Device over the network, you are aware that the Encryption Keys are sent in "
    "plain text over the network connection.  Please ensure that you have a secure connection to your Encrypted "
    "PELLAR device and/or a direct network connection to the Encrypted PELLAR.\r\n\r\nDo you wish to continue?";
const char* const kDisclaimerLogText =
    "User Accepted Dorvane Disclaimer PELLAR6 Programming via Network Connection ";

std::string PortListText(int portIndex) {
  if (portIndex == kPortViaArp) return LoadText(1125) + " via ARP request";
  if (portIndex < kFirstServicePort) return LoadText(1126) + " " + std::to_string(portIndex);
  if (portIndex >= kPortListSize) return {};
  return LoadText(1125) + " via " + kServiceAddresses[static_cast<std::size_t>(portIndex - kFirstServicePort)];
}

std::string Pellar6PortListText(int portIndex) { return portIndex == 0 ? std::string() : PortListText(portIndex); }

int PortIndexForHostAddress(const std::string& hostAddress) {
  int index = 1;
  if (TrimBlanks(hostAddress).empty()) return index;
  // Three separate tests, each on the address's first characters.
  if (hostAddress.substr(0, 11) == "192.168.100") index = kFirstServicePort;
  if (hostAddress.substr(0, 8) == "10.0.100") index = kFirstServicePort + 1;
  if (hostAddress.substr(0, 11) == "169.254.100") index = kFirstServicePort + 2;
  return index;
}

RunOutcome RunPellar2(Dialogue& dialogue, const Pellar2Inputs& in) {
  return PellarSetupScript(dialogue, in, nullptr).Run();
}

RunOutcome RunPellar6(Dialogue& dialogue, const Pellar6Inputs& in) { return PellarSetupScript(dialogue, in, &in).Run(); }

}  // namespace dorvane
