#include "core_runs.h"

#include <array>
#include <cstdio>
#include <iomanip>
#include <sstream>
#include <string_view>

#include "base/ip_address.h"
#include "base/localised_text.h"
#include "base/run_time_error.h"
#include "base/timing_settings.h"
#include "boards/pellar_setup_script.h"
#include "diagnostics/host_fact_texts.h"
#include "diagnostics/ping_report.h"
#include "dialogue/dialogue_steps.h"
#include "dialogue/recording_dialogue.h"
#include "discovery/discovery_codec.h"
#include "platform/icmp_codec.h"
#include "platform/operating_system_text.h"
#include "recorded_module.h"

namespace dorvane::testing {

namespace {

// Control bytes and anything beyond ASCII as \xNN, so a line shows every byte.
std::string Shown(std::string_view bytes) {
  std::string shown;
  for (unsigned char c : bytes) {
    if (c >= 0x20 && c < 0x7f && c != '\\') {
      shown += static_cast<char>(c);
    } else {
      char escape[5];
      std::snprintf(escape, sizeof escape, "\\x%02X", c);
      shown += escape;
    }
  }
  return shown;
}

// Fixed notation: the C runtimes of the two systems agree on it.
std::string Seconds(double value) {
  std::ostringstream text;
  text << std::fixed << std::setprecision(3) << value;
  return text.str();
}

void StringTableLines(std::vector<std::string>& lines) {
  for (int offset : {0, 4000, 8000}) {
    for (int id = kFirstTextId; id <= kLastTextId; ++id) {
      lines.push_back("text " + std::to_string(id + offset) + " " + Shown(LoadText(id, offset)));
    }
  }
}

void AddressAndMaskLines(std::vector<std::string>& lines) {
  for (const char* text :
       {"192.168.1.10", "010.000.100.254", "1.2.3", "256.1.1.1", " 10.0.0.1", "0.0.0.0", "1..2.3", "192.168.001.010"}) {
    std::optional<std::string> normalized = ValidateIPAddress(text);
    lines.push_back(std::string("address '") + text + "' " + (normalized ? *normalized : "rejected") + " " +
                    IPAddressWithoutLeadingZeros(text));
  }
  for (int index = 0; index < 17; ++index) {
    RunValues values;
    SubnetHostBits(values, index);
    lines.push_back("mask " + std::to_string(index) + " " + values.HostBitsText() + " " + HostBitsForIndex(index));
  }
}

void TimingLines(std::vector<std::string>& lines) {
  for (const char* text : {"0.5", "0,5", "2", " 1 ", "1.2.3", "", "x"}) {
    std::string line = std::string("seconds '") + text + "' ";
    try {
      line += Seconds(ParseStoredSeconds(text));
    } catch (const RunTimeError& error) {
      line += "error " + std::to_string(error.Number());
    }
    lines.push_back(line);
  }
}

void DiagnosticLines(std::vector<std::string>& lines) {
  for (std::int32_t code : {0, 11001, 11003, 11010, 11013, 11050, 11032, 1, -1}) {
    lines.push_back("ip status " + std::to_string(code) + " " + Shown(GetIPStatusText(code)));
  }
  lines.push_back("echo request " + Shown(platform::EchoRequest(0x1234, 7, "192.168.1.10")));
  lines.push_back("discovery query " + Shown(DiscoveryQuery()));
  for (auto [major, minor, build] : {std::array{5, 1, 2600}, std::array{6, 1, 7601}, std::array{10, 0, 19045},
                                     std::array{10, 0, 22631}, std::array{4, 0, 1381}}) {
    std::optional<std::string> name = platform::WindowsName(major, minor, build);
    lines.push_back("windows " + std::to_string(major) + "." + std::to_string(minor) + "." + std::to_string(build) +
                    " " + (name ? *name : "unknown") + " / " +
                    platform::WindowsVersionText(major, minor, "Service Pack 1"));
  }
  for (std::uint64_t bytes : {std::uint64_t{0}, std::uint64_t{1610612736}, std::uint64_t{4398046511104}}) {
    lines.push_back("free " + std::to_string(bytes) + " " + FreeSpaceText(bytes));
  }
}

void RunLines(std::vector<std::string>& lines, const std::string& name, const RecordingDialogue& dialogue,
              const RunOutcome& outcome) {
  for (const RecordingDialogue::Record& record : dialogue.Records()) {
    lines.push_back(name + " " + Seconds(record.time) + " " + std::to_string(static_cast<int>(record.kind)) + " " +
                    Shown(record.text) + " " + Seconds(record.seconds));
  }
  lines.push_back(name + " outcome " + std::to_string(static_cast<int>(outcome.kind)) + " " +
                  std::to_string(outcome.errorNumber) + " " + Shown(outcome.description));
}

Pellar2Inputs Pellar2(int port) {
  Pellar2Inputs in;
  in.link.port = port;
  in.server.address = "192.168.001.010";
  in.server.gateway = "192.168.001.001";
  in.server.subnetIndex = 3;
  in.remoteAddress = "010.020.030.040";
  in.remotePortText = "10001";
  return in;
}

void ScriptLines(std::vector<std::string>& lines) {
  {
    RecordingDialogue dialogue;
    NetworkModule(dialogue);
    RunLines(lines, "pellar2-network", dialogue, RunPellar2(dialogue, Pellar2(17)));
  }
  {
    RecordingDialogue dialogue;
    // A module on a serial line that wakes up while the installer resets it.
    dialogue.onSend = WakeUpAnswer(ModuleBanner("V6.10.0.", false)).Hook();
    dialogue.SetTiming(
        [](std::string_view name) -> std::optional<std::string> {
          if (name == kProgramWaitName) return "0,25";
          return std::nullopt;
        },
        0);
    RunLines(lines, "pellar2-serial", dialogue, RunPellar2(dialogue, Pellar2(3)));
  }
  {
    RecordingDialogue dialogue;
    NetworkModule(dialogue);
    Pellar6Inputs in;
    static_cast<Pellar2Inputs&>(in) = Pellar2(18);
    in.dataKey = {KeySize::Bits128, "0123456789ABCDEF0123456789ABCDEF"};
    RunLines(lines, "pellar6-network", dialogue, RunPellar6(dialogue, in));
  }
}

}  // namespace

std::vector<std::string> CoreRunLines() {
  std::vector<std::string> lines;
  StringTableLines(lines);
  AddressAndMaskLines(lines);
  TimingLines(lines);
  DiagnosticLines(lines);
  ScriptLines(lines);
  return lines;
}

}  // namespace dorvane::testing
