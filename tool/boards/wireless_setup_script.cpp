#include "boards/wireless_setup_script.h"

#include <array>

#include "base/ip_address.h"
#include "base/localised_text.h"
#include "dialogue/dialogue_steps.h"
#include "dialogue/run_values.h"
#include "programming/module_banners.h"

namespace dorvane {

namespace {

std::string Position(int index) { return std::to_string(index); }

// The wireless script; given the encrypted inputs (enc), the encrypted one.
class WirelessSetupScript {
 public:
  WirelessSetupScript(Dialogue& d, const WirelessInputs& in, const WirelessEncryptedInputs* enc)
      : d(d), in(in), enc(enc), v(d.Values()) {}

  RunOutcome Run() {
    if (enc && enc->dataKey.key.size() != static_cast<std::size_t>(KeyLength(enc->dataKey.size))) {
      return RunOutcome::Rejected(InputField::EncryptionKey, "the data key has the wrong length");
    }
    // Waits move no bar here (ProgressActive stays off), only
    // WriteMSCommOutput's step does.
    v.ProgressActive = false;
    v.ProgressDivisor = kWirelessProgressDivisor;
    SubnetHostBits(v, in.server.subnetIndex);
    ClearArpCache(d);
    d.Ask(ConnectCableQuestion(in.link.port));
    d.ClearPromptSeen();
    d.UseSerialBannerRule(BoardBannerRule);
    d.OpenSerialLink(in.link.port, in.link.serialDevice);
    if (AwaitSetupPrompt(d, !in.defaultOnly, XPicoBannerHeard) == WakeOutcome::Cancelled) {
      return RunOutcome::Ended(RunOutcome::Kind::Cancelled);
    }
    d.Status("Server Configuration");
    d.Send("\r");
    d.WaitSeconds(5);
    if (in.defaultOnly) v.RaiseAllFirmwareFlags();
    d.ClearTranscript();
    d.Send("0\r");
    d.WaitSeconds(2);
    Script();
    v.StopWaiting = true;
    d.CloseLink();
    return {};
  }

 private:
  // WriteMSCommOutput: the answer, one hundredth of the bar, two seconds.
  void Write(const std::string& text, bool enter, bool clear = false, Secrecy secrecy = Secrecy::Plain) {
    if (clear) d.ClearTranscript();
    d.Send(enter ? text + "\r" : text, secrecy);
    d.Progress(OneProgressStep(v));
    d.WaitSeconds(2);
  }
  void Line(const std::string& text, bool clear = false) { Write(text, true, clear); }
  void Key(const char* text) { Write(text, false); }
  // A key in pairs of characters, each its own answer.
  void KeyPairs(const std::string& key, std::size_t pairs) {
    for (std::size_t at = 0; at < pairs * 2 && at < key.size(); at += 2) {
      Write(key.substr(at, 2), false, false, Secrecy::Secret);
    }
  }

  bool Reverse() const { return enc && enc->reverse.saved; }

  void Script() {
    Line("1");                                                          // 1
    d.Status("IP Settings");
    d.Yield();
    d.WaitSeconds(2);
    for (int f = 0; f < 4; ++f) Line(AddressField(in.server.address, f));  // 2
    d.Status("IP Gateway");
    Key("Y");                                                              // 3
    for (int f = 0; f < 4; ++f) Line(AddressField(in.server.gateway, f));  // 4
    d.Status("Network Settings");
    Line(v.HostBitsText());                                                                          // 5
    Key("N");                                                                                        // 6
    if (in.server.address == "000.000.000.000" || in.server.address == "000.000.001.000") Key("N");  // 7
    if (v.AtLeastV6_8()) Key("N");                                                                   // 8
    if (!in.defaultOnly) {
      ChannelSettings();
      WlanSettings();
      EthernetSettings();
      SecuritySettings();
    }
    d.Send("9\r");                                                      // 38
    d.Progress({ProgressKind::Full});
  }

  void ChannelSettings() {
    Line("1");                                                          // 9
    d.Status("Baud Rate");
    Line(in.baudText);                                                  // 10
    Line("4C");                                                         // 11
    d.Status("Flow Control");
    Line("00");                                                         // 12
    d.Status("Port Number");
    if (Reverse()) {                                                    // 13
      Line(enc->reverse.staticLocalPort ? enc->reverse.portText : "0");
    } else {
      Line("3001");
    }
    d.Status("Connection Mode");
    Line(Reverse() ? "06" : "C0");                                      // 14
    if (v.NewSetupPrompt) {
      d.Status("Send Modem Mode");
      Key("Y");                                                         // 15
    }
    if (v.NewSetupPrompt && v.AtLeastV6_5()) {
      d.Status("Show IP addr after 'RING'");
      Key("N");                                                         // 16
    }
    if (v.NewSetupPrompt) {
      d.Status("Auto increment source port");
      Key("N");                                                         // 17
    }
    d.Status("General Port Settings");
    for (int f = 0; f < 4; ++f) Line("000");                            // 18
    Line(Reverse() ? enc->reverse.portText : "0");                                 // 19
    for (const char* answer : {"00", "80", "01", "15", "00", "00"}) Line(answer);  // 20
    Line("00", true);
  }

  void WlanSettings() {
    d.Status("WLAN Settings");
    Line("4");                                                                            // 21
    Line(Position(static_cast<int>(in.wlan.topology)));                                   // 22
    Line(in.wlan.networkName);                                                            // 23
    if (in.wlan.topology == Topology::Adhoc) Line(in.wlan.channelText);                   // 24
    Line(Position(static_cast<int>(in.wlan.suite)));                                      // 25
    if (in.wlan.suite == Suite::WEP) WriteWEPSecurity();                                  // 26
    if (in.wlan.suite == Suite::WPA || in.wlan.suite == Suite::WPA2) WriteWPASecurity();  // 27
    Line(Position(in.wlan.txRateModeIndex));                                              // 28
    // The encrypted board's module keeps its transcript across these rows.
    Line(Position(in.wlan.txRateIndex), !enc);                          // 29
    if (in.wlan.topology == Topology::Infrastructure) Line("N", !enc);  // 30
  }

  void WriteKeyChange(std::size_t hexPairs) {
    switch (in.wlan.keyChange) {
      case KeyChange::Hexadecimal:
        Key("Y");
        Line("0");
        KeyPairs(in.wlan.key, hexPairs);
        break;
      case KeyChange::Passphrase:
        Key("Y");
        Line("1");
        Write(in.wlan.key, true, false, Secrecy::Secret);
        break;
      case KeyChange::No: Key("N"); break;
    }
  }

  void WriteWEPSecurity() {
    Line(Position(in.wlan.authenticationIndex));
    Line(Position(in.wlan.encryptionIndex + 1));
    Key("N");
    WriteKeyChange(static_cast<std::size_t>(HexKeyLength(Suite::WEP, in.wlan.encryptionIndex) / 2));
    Line(in.wlan.txKeyIndexText);
  }

  void WriteWPASecurity() {
    Key("N");
    WriteKeyChange(static_cast<std::size_t>(HexKeyLength(in.wlan.suite, in.wlan.encryptionIndex) / 2));
    Line(Position(in.wlan.encryptionIndex));
  }

  void EthernetSettings() {
    d.Status("Ethernet Configuration");
    Line("5");                                                          // 31
    for (int i = 0; i < 8; ++i) Line("");                               // 32
    Line(in.ethernetIndex == 0 ? "0" : std::to_string(in.ethernetIndex + 1));  // 33
  }

  void SecuritySettings() {
    d.Status("Security Options ");
    Line("6");                                                          // 34
    for (const char* answer : {"Y", "N", "N", "Y", "Y"}) Key(answer);   // 35
    if (v.NewSetupPrompt) Key("Y");                                     // 36
    if (!enc) {
      for (const char* answer : {"Y", "N", "Y"}) Key(answer);           // 37
      return;
    }
    Key("Y");                                                           // 37a
    d.Status("Security Options Data Encryption");
    Key("Y");                              // 37b
    Line(KeyBitsText(enc->dataKey.size));  // 37c
    Key("Y");                              // 37d
    d.Status("Security Options Data Encryption Key");
    KeyPairs(enc->dataKey.key, enc->dataKey.key.size() / 2);  // 37e
    Key("N");                                                 // 37f
    Key("Y");
  }

  Dialogue& d;
  const WirelessInputs& in;
  const WirelessEncryptedInputs* enc;
  RunValues& v;
};

}  // namespace

Question ConnectCableQuestion(int comPort) {
  return {LoadText(1043), LoadText(1041) + " " + std::to_string(comPort) + " " + LoadText(1042),
          Question::Icon::Information, Question::Buttons::Ok};
}

RunOutcome RunPellarWireless(Dialogue& dialogue, const WirelessInputs& in) {
  return WirelessSetupScript(dialogue, in, nullptr).Run();
}

RunOutcome RunPellarWirelessEncrypted(Dialogue& dialogue, const WirelessEncryptedInputs& in) {
  return WirelessSetupScript(dialogue, in, &in).Run();
}

}  // namespace dorvane
