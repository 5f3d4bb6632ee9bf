#include "controller/qm270_xpico_script.h"

#include <initializer_list>

#include "base/ip_address.h"
#include "controller/qm270_script.h"
#include "dialogue/dialogue_steps.h"
#include "dialogue/run_values.h"
#include "programming/module_banners.h"

namespace dorvane {

namespace {

constexpr const char* kCR = "\r";
constexpr const char* kBootStatus = "Waiting for QM270 Rev. B Reset or Power Cycle";

class XPicoScript {
 public:
  XPicoScript(Dialogue& d, const QM270XPicoInputs& in) : d(d), in(in), v(d.Values()) {}

  RunOutcome Run() {
    // Switching encryption on with a key nobody typed would leave a module
    // no host can talk to.
    if (in.dataKey && CheckKeyLength(in.dataKey->key, in.dataKey->size)) {
      return RunOutcome::Rejected(InputField::EncryptionKey, "the key has the wrong length");
    }
    v.ProgressActive = false;
    v.ProgressDivisor = kQM270ProgressDivisor;
    SubnetHostBits(v, in.server.subnetIndex);
    ClearArpCache(d);
    d.Ask(XPicoPowerCycleInstruction(in.link.port));
    d.ClearPromptSeen();
    d.UseSerialBannerRule(XPicoBannerRule);
    d.OpenSerialLink(in.link.port, in.link.serialDevice);
    if (!CatchBoot()) return Cancelled();
    if (in.reverse.saved) {
      WriteRecords();
      // The module restarts after "RS" and must be caught again.
      d.ClearPromptSeen();
      d.ClearTranscript();
      d.Yield();
      if (!CatchBoot()) return Cancelled();
    }
    EnterMenu();
    Script();
    d.Progress({ProgressKind::Full});
    v.ProgressActive = false;
    v.StopWaiting = true;
    d.CloseLink();
    v.ProgressDivisor = 0;
    return {};
  }

 private:
  bool CatchBoot() {
    WakeUp boot{"x", kBootStatus, [this] { return d.PromptSeen(); }, false, false, OtherThanXPicoHeard};
    return AwaitWakeUp(d, boot) == WakeOutcome::PromptSeen;
  }

  RunOutcome Cancelled() {
    d.ClearEscape();
    d.CloseLink();
    return RunOutcome::Ended(RunOutcome::Kind::Cancelled);
  }

  // Fixed waits while ProgressActive is still off: the bar does not move.
  void WriteRecords() {
    d.Send("M");
    d.WaitSeconds(5);
    // A backslash and the letter n, as the module's loader takes them.
    d.Send(std::string("S7\\n") + kCR);
    d.WaitSeconds(1);
    for (const char* line : kXPicoRecordLines) {
      d.Send(line);
      d.WaitSeconds(1);
    }
    d.Send(std::string("\\n") + kCR);
    d.WaitSeconds(1);
    d.Send(std::string("RS") + kCR);
    d.WaitSeconds(2);
  }

  void EnterMenu() {
    d.Send(kCR);
    d.WaitSeconds(5);
    Stage("Server Configuration");
    v.ProgressActive = true;
    d.ClearTranscript();
    d.Send(std::string("0") + kCR);
    Stage("IP Settings");
    pause = d.AnswerPause(LinkKind::Serial);
    d.WaitSeconds(pause);
  }

  void Answer(const std::string& answer, Secrecy secrecy = Secrecy::Plain) {
    // The security rows start each answer with an empty transcript.
    if (security) d.ClearTranscript();
    SendAnswer(d, answer, pause, secrecy);
  }
  void AnswerCR(const std::string& text) { Answer(text + kCR); }
  void AnswersCR(std::initializer_list<const char*> texts) {
    for (const char* text : texts) AnswerCR(text);
  }
  void Keys(std::initializer_list<const char*> keys) {
    for (const char* key : keys) Answer(key);
  }
  void BackToMenu() {
    d.Send(kCR);
    d.WaitSeconds(5);
  }
  void Stage(const char* text) {
    d.Status(text);
    d.Yield();
  }
  bool AtLeastV6_8() { return v.AtLeastV6_8() || v.AtLeastV6_9() || v.AtLeastV6_10(); }

  void Script() {
    for (int f = 0; f < 4; ++f) AnswerCR(AddressField(in.server.address, f));  // 1
    Stage("IP Gateway");
    Answer("Y");                                                               // 2
    for (int f = 0; f < 4; ++f) AnswerCR(AddressField(in.server.gateway, f));  // 3
    Stage("Network Settings");
    AnswerCR(v.HostBitsText());  // 4
    if (in.defaultOnly) {        // 5
      v.AtLeastV6_8() = true;
      v.AtLeastV6_9() = true;
      v.AtLeastV6_10() = true;
    }
    if (AtLeastV6_8()) Answer("N");                                                                     // 6
    Answer("N");                                                                                        // 7
    if (in.server.address == "000.000.001.000" || in.server.address == "000.000.000.000") Answer("N");  // 8
    if (AtLeastV6_8()) Answer("N");                                                                     // 9
    Stage("Channel 1 Configuration");
    BackToMenu();  // 10
    if (!in.defaultOnly) {
      ChannelSettings();
      EthernetSettings();
      SecuritySettings();
    }
    BackToMenu();                    // 42
    d.Send(std::string("9") + kCR);  // 43
  }

  void ChannelSettings() {
    const bool reverse = in.reverse.saved;
    AnswerCR("1");  // 11
    Stage("Baud Rate");
    AnswerCR(in.baudText);  // 12
    AnswerCR("4C");         // 13
    Stage("Flow Control");
    AnswerCR("00");  // 14
    Stage("Port Number");
    AnswerCR(!reverse ? "3001" : in.reverse.staticLocalPort ? in.reverse.portText : "0");  // 15
    Stage("Connection Mode");
    AnswerCR(reverse ? "06" : "C0");  // 16
    Stage("Send Modem Mode");
    Answer("Y");  // 17
    Stage("Show IP addr after 'RING'");
    Answer("N");  // 18
    Stage("Auto increment source port");
    Answer("N");  // 19
    Stage("General Port Settings");
    AnswersCR({"000", "000", "000", "000"});                // 20
    AnswerCR(reverse ? in.reverse.portText : "0");          // 21
    AnswersCR({"00", "80", "01", "15", "00", "00", "00"});  // 22
    BackToMenu();                                           // 23
  }

  void EthernetSettings() {
    Stage("Ethernet Configuration");
    AnswersCR({"5", "45", "600", "0"});  // 24
    Answer("N");                         // 25
    AnswersCR({"80", "1400", "500"});    // 26
    Answer("N");                         // 27
    // The list's first entry is the module's 0, the others their place + 1.
    AnswerCR(in.ethernetIndex == 0 ? "0" : std::to_string(in.ethernetIndex + 1));  // 28
    BackToMenu();                                                                  // 29
  }

  void SecuritySettings() {
    security = true;
    Stage("Security Options ");
    AnswerCR("6");                                         // 30
    Keys({"Y", "N", "N"});                                 // 31
    Answer(in.disable77FE ? "Y" : "N");                    // 32
    if (!in.disable77FE && v.AtLeastV6_10()) d.Send(kCR);  // 33: no wait
    Keys({"Y", "Y", "Y"});                                 // 34
    Stage("Security Options Encryption");
    if (!in.dataKey) {
      Answer("N");  // 35
    } else {
      Answer("Y");                              // 36
      AnswerCR(KeyBitsText(in.dataKey->size));  // 37
      Answer("Y");                              // 38
      Stage("Security Options Encryption Key");
      const std::size_t pairs = static_cast<std::size_t>(KeyLength(in.dataKey->size)) / 2;
      for (std::size_t pair = 0; pair < pairs; ++pair) {  // 39
        const std::string& key = in.dataKey->key;
        Answer(pair * 2 < key.size() ? key.substr(pair * 2, 2) : std::string(), Secrecy::Secret);
      }
    }
    Keys({"N", "Y"});  // 40-41
    security = false;
  }

  Dialogue& d;
  const QM270XPicoInputs& in;
  RunValues& v;
  double pause = 0;
  bool security = false;
};

}  // namespace

bool XPicoBannerRule(std::string_view transcript, RunValues& values) {
  if (transcript.find(kNewSetupPrompt) == std::string_view::npos) return false;
  if (transcript.find(kXPicoName) == std::string_view::npos) return false;
  RaiseVersionLadder(transcript, values, kV6_8);
  return true;
}

Question XPicoPowerCycleInstruction(int comPort) {
  return {"Program QM270 Rev. B Device via Serial Connection",
          "You must now connect your serial cable from your computers port # " + std::to_string(comPort) +
              " to the QM270 Rev. B Device.\r\n\r\n"
              "Ensure that the QM270 Rev. B system configuration switches S1 10 and 11 are in the on position. Then "
              "Power Cycle the QM270 Rev. B Device.\r\n\r\n"
              "Once you have completed this then press the OK button to continue.",
          Question::Icon::Information, Question::Buttons::Ok};
}

RunOutcome RunQM270XPico(Dialogue& dialogue, const QM270XPicoInputs& in) { return XPicoScript(dialogue, in).Run(); }

}  // namespace dorvane
