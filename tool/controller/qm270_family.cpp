// The QM270 family: its entry in the list of families and its command,
// pellarctl program qm270, which programs the XPort AR module over a COM
// port with the same script, runner and texts as frmQM270.

#include <iostream>

#include "base/localised_text.h"
#include "cli/program_options.h"
#include "cli/run_console.h"
#include "cli/subcommands.h"
#include "controller/qm270_run_messages.h"
#include "controller/qm270_script.h"
#include "controller/qm270_window.h"
#include "dialogue/dialogue_steps.h"
#include "families/board_family.h"

namespace dorvane::cli {

namespace {

constexpr int kXPortHighestReversePort = 9999;

const char* const kQM270Usage =
    "Usage: pellarctl program qm270 --ip ADDRESS [--mask 255.255.255.0] [--gateway ADDRESS] --via comN | serial:PATH\n"
    "    [--baud 57600|115200] [--ip-only]\n"
    "    [--reverse-port N [--static-port] --key-bits 128|192|256 (--key HEX | --key-file FILE|-)]\n"
    "    [--transcript FILE] [--show-keys] [--yes]\n"
    "\n"
    "  qm270: the XPort AR module is programmed over a serial cable only. The run\n"
    "  asks the installer to set the jumpers and power-cycle the controller and\n"
    "  waits for Enter (--yes goes on at once); Ctrl+C during the boot catch\n"
    "  cancels. --reverse-port N (0..9999): the controller connects out to port N;\n"
    "  --static-port makes its local port N too. A reverse run sets the data key\n"
    "  (32, 48 or 64 hexadecimal digits), unless it is --ip-only. A module whose\n"
    "  \"show\" returns no product information ends the run with exit 3.\n";

// The reverse settings and their data key into `in`; nothing, or the exit
// code of a refusal.
std::optional<int> ReadReverseAndKeyOptions(const CommandParser& parser, QM270Inputs& in) {
  ReverseNetwork reverse;
  if (std::optional<int> refused =
          ReadReverseOptions(parser, kXPortHighestReversePort, reverse, ReversePortRefusal::Range)) {
    return refused;
  }
  const bool keyGiven = parser.isSet("key-bits") || parser.isSet("key") || parser.isSet("key-file");
  if (!reverse.saved) {
    if (keyGiven) return parser.Refuse("the data key is part of the reverse settings: give --reverse-port");
    return std::nullopt;
  }
  in.reverse = reverse;
  // The IP-only run sends no key and needs none.
  if (in.ipOnly && !keyGiven) return std::nullopt;
  // A module set to AES with an empty or short key can never connect back.
  int refused = 0;
  std::optional<DataKey> key = ReadDataKey(parser, refused);
  if (!key) return refused;
  in.dataKey = *key;
  return std::nullopt;
}

// The options into `in`; nothing, or the exit code of a refusal.
std::optional<int> ReadOptions(const CommandParser& parser, QM270Inputs& in) {
  if (std::optional<int> refused = ReadDeviceAddressOptions(parser, in.server.address, in.server.gateway)) {
    return refused;
  }

  // The list's masks, written with or without leading zeros; the module
  // gets the list's text.
  int mask = SubnetMaskIndex(parser.value("mask").toStdString());
  if (mask < 0) return parser.Refuse("the mask " + parser.value("mask") + " is not in the subnet list");
  in.server.subnetIndex = mask;

  LinkChoice link;
  if (std::optional<int> refused = ReadComPortOption(parser, "QM270", link)) return refused;
  in.link = link;

  QString baud = parser.value("baud");
  if (baud != kQM270BaudRates[0] && baud != kQM270BaudRates[1]) {
    return parser.Refuse("--baud takes 57600 or 115200");
  }
  in.baudText = baud.toStdString();
  in.ipOnly = parser.isSet("ip-only");
  return ReadReverseAndKeyOptions(parser, in);
}

int ProgramQM270(const QStringList& arguments) {
  CommandParser parser("pellarctl program qm270", kQM270Usage);
  parser.addOptions({
      {"ip", "Address to assign.", "ADDRESS"},
      {"mask", "Subnet mask from the list.", "MASK", kQM270SubnetMasks[0]},
      {"gateway", "Default gateway.", "ADDRESS"},
      {"via", "COM entry or serial device of the module.", "LINK"},
      {"baud", "Rate between the module and the controller board.", "RATE", kQM270DefaultBaudRate},
      {"ip-only", "Program the IP address, subnet and gateway only."},
      {"reverse-port", "Reverse network: the port the controller connects to.", "N"},
      {"static-port", "Reverse network: the local port matches the reverse port."},
      {"transcript", "Write the run's transcript as JSON lines.", "FILE"},
      {"show-keys", "Do not mask keys in the transcript."},
      {"yes", "Answer the run's questions yes and go on without waiting for Enter."},
  });
  AddKeyOptions(parser);
  if (std::optional<int> ended = parser.Read(arguments)) return *ended;
  QM270Inputs in;
  if (std::optional<int> refused = ReadOptions(parser, in)) return *refused;

  if (in.reverse.saved && !ConfirmReverseOnConsole(parser, "QM270")) return kExitCancelled;
  return RunProgramScript(parser, [in](Dialogue& d) { return RunQM270(d, in); }, {kQM270RunLabel, QM270EndMessage});
}

}  // namespace

const BoardCommand kQM270Command{"qm270", kQM270Usage, ProgramQM270,
                                 "QM270 controller's XPort AR module over a COM port"};

}  // namespace dorvane::cli

namespace dorvane {

extern const BoardFamily kQM270Family;

const BoardFamily kQM270Family{BoardFamily::Opener::MainWindow, "cmdProgramQM270",
                               "Program QM270 Device",          "Program QM270 Device Click",
                               OpenFamilyWindow<QM270Window>,   cli::kQM270Command};

}  // namespace dorvane
