#include "controller/qm270_script.h"

#include <initializer_list>

#include "base/text_trim.h"
#include "dialogue/dialogue_steps.h"
#include "dialogue/run_values.h"
#include "programming/module_banners.h"

namespace dorvane {

namespace {

constexpr const char* kCR = "\r";
constexpr const char* kAllZero = "000.000.000.000";
// Fewer characters after "show" cannot hold a product block.
constexpr std::size_t kShortestShowAnswer = 7;

class QM270Script {
 public:
  QM270Script(Dialogue& d, const QM270Inputs& in) : d(d), in(in), v(d.Values()) {}

  RunOutcome Run() {
    if (in.reverse.saved && !in.ipOnly && CheckKeyLength(in.dataKey.key, in.dataKey.size)) {
      return RunOutcome::Rejected(InputField::EncryptionKey, "the key has the wrong length");
    }
    v.ProgressActive = false;
    v.ProgressDivisor = kQM270ProgressDivisor;
    d.Ask(PowerCycleInstruction(in.link.port));
    d.ClearPromptSeen();
    d.OpenSerialLink(in.link.port, in.link.serialDevice);
    // The module's only sign of life at boot is a "!" of its own.
    WakeUp bootCatch{"!", "Waiting for QM270 Reset or Power Cycle",
                     [this] { return d.Transcript().find('!') != std::string::npos; },
                     false,
                     false,
                     SetupPromptHeard};
    if (AwaitWakeUp(d, bootCatch) == WakeOutcome::Cancelled) {
      d.ClearEscape();
      d.CloseLink();
      return RunOutcome::Ended(RunOutcome::Kind::Cancelled);
    }
    d.Send("xyz");
    d.WaitSeconds(5);
    d.Status("Server Configuration");
    d.Yield();
    v.ProgressActive = true;
    pause = d.AnswerPause(LinkKind::Serial);
    if (!ProductCheck()) {
      d.ClearEscape();
      d.CloseLink();
      return {RunOutcome::Kind::CommunicationFailure, 0, kMissingProductInfo};
    }
    Script();
    d.Progress({ProgressKind::Full});
    v.ProgressActive = false;
    v.StopWaiting = true;
    d.CloseLink();
    v.ProgressDivisor = 0;
    return {};
  }

 private:
  bool ProductCheck() {
    d.ClearTranscript();
    d.Send(std::string("show") + kCR);
    d.WaitSeconds(2);
    const std::string received = d.Transcript();
    if (received.size() < kShortestShowAnswer) return false;
    const std::string lines = ProductInfoLines(received);
    d.ShowChipVersion(lines);
    return !lines.empty();
  }

  void Line(const std::string& text) { SendAnswer(d, text + kCR, pause); }
  void Lines(std::initializer_list<const char*> texts) {
    for (const char* text : texts) Line(text);
  }
  void Stage(const char* text) {
    d.Status(text);
    d.Yield();
  }
  // The key goes as typed; only its digits are masked in transcripts.
  void KeyLine(const char* command) {
    d.Send(command);
    SendAnswer(d, in.dataKey.key + kCR, pause, Secrecy::Secret);
  }

  void Script() {
    const bool reverse = in.reverse.saved;
    const bool zero = in.server.address == kAllZero;
    d.ClearTranscript();
    Stage("Configuration Processing Stage 1");
    Lines({"enable", "conf", "cli", "telnet", "port 9999", "write", "exit", "ssh", "state disable", "write", "exit",
           "exit", "http", "state disable", "write", "exit", "if eth0", "bootp disable"});  // 1-18
    if (!reverse || !zero) {
      Line("dhcp disable");  // 19
      Line("ip address " + in.server.address + " " +
           kQM270SubnetMasks.at(static_cast<std::size_t>(in.server.subnetIndex)));  // 20
    }
    if (reverse && !zero) Line("default gateway " + in.server.gateway);  // 21
    if (reverse && zero) Line("dhcp enable");                            // 22
    Lines({"write", "exit"});                                            // 23-24
    if (in.ipOnly) {
      Lines({"exit", "exit", "reload"});  // 88-90
      return;
    }
    Stage("Configuration Processing Stage 2");                 // 25
    Lines({"ftp", "state disable", "write", "exit", "exit"});  // 26-30
    if (reverse) {
      Lines({"cpm", "create DORVANE", "set CP5 as output", "add CP5 to DORVANE 0", "write", "exit"});  // 31-36
    }
    Stage("Configuration Processing Stage 3");  // 37
    Line("line 2");                             // 38
    Line("baud rate " + in.baudText);           // 39
    Lines({"stop bits 1", "data bits 8", "flow control none", "parity none", "protocol tunnel", "state enable", "write",
           "exit", "tunnel 1", "accept", "accept mode disable", "write", "exit", "exit"});                   // 40-53
    Stage("Configuration Processing Stage 4");                                                               // 54
    Line("tunnel 2");                                                                                        // 55
    if (reverse) Lines({"serial", "dtr asserted while connected", "default buffer size", "write", "exit"});  // 56-60
    Lines({"packing", "packing mode timeout", "threshold 512", "timeout 52", "write", "exit", "connect"});   // 61-67
    if (reverse) {
      Line("connect mode modem emulation");                                                           // 68
      Line(in.reverse.staticLocalPort ? "local port " + in.reverse.portText : "default local port");  // 69
      Lines({"write", "host"});                                                                       // 70-71
      Line("port " + in.reverse.portText);                                                            // 72
      Line("protocol tcp aes");                                                                       // 73
      KeyLine("aes encrypt key ");                                                                    // 74
      KeyLine("aes decrypt key ");                                                                    // 75
      Lines({"protocol tcp aes", "write", "exit", "cp output", "connection value 1", "disconnection value 0",
             "group DORVANE"});  // 76-82
      Lines({"write", "exit", "exit", "modem", "incoming connection disabled", "echo commands disable",
             "echo pluses disable", "error unknown commands disable", "response type text", "verbose response disable",
             "write", "exit"});                                                                              // 83
      Lines({"disconnect", "flush serial disable", "modem control disable", "timeout 0", "write", "exit"});  // 84
      Lines({"accept", "accept mode disable"});                                                              // 85
    } else {
      Lines({"connect mode disable", "write", "exit", "accept", "local port 3001", "protocol tcp",
             "accept mode always"});  // 68a
    }
    Lines({"write", "exit", "write", "exit", "reload"});  // 86-90
  }

  Dialogue& d;
  const QM270Inputs& in;
  RunValues& v;
  double pause = 0;
};

}  // namespace

Question PowerCycleInstruction(int comPort) {
  return {"Program QM270 Device via Serial Connection",
          "You must now connect your serial cable from your computers port # " + std::to_string(comPort) +
              " to the QM270 Device.\r\n\r\n"
              "Ensure that the QM270\u2019s system configuration jumpers J2.10 and J2.11 are on. Then Power Cycle the "
              "QM270 Device.\r\n\r\n"
              "Once you have completed this then press the OK button to continue.",
          Question::Icon::Information, Question::Buttons::Ok};
}

std::string ProductInfoLines(const std::string& received) {
  std::string lines;
  std::size_t start = 0;
  for (;;) {
    std::size_t end = received.find("\r\n", start);
    std::string_view piece = std::string_view(received).substr(start, end == std::string::npos ? end : end - start);
    if (piece.find("FW Version / Date   :") != std::string_view::npos ||
        piece.find("Product Type        :") != std::string_view::npos) {
      lines += std::string(TrimBlanks(piece)) + "\r\n";
    }
    if (end == std::string::npos) break;
    start = end + 2;
  }
  return lines;
}

RunOutcome RunQM270(Dialogue& dialogue, const QM270Inputs& in) { return QM270Script(dialogue, in).Run(); }

}  // namespace dorvane
