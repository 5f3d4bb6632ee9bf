// pellarctl program qm270: a QM270 controller's XPort AR module over a COM
// port, with the same script, runner and texts as frmQM270.

#include <QCommandLineParser>
#include <iostream>

#include "base/localised_text.h"
#include "cli/program_options.h"
#include "cli/run_console.h"
#include "cli/subcommands.h"
#include "controller/qm270_run_messages.h"
#include "controller/qm270_script.h"
#include "dialogue/dialogue_steps.h"

namespace dorvane::cli {

namespace {

constexpr int kHighestReversePort = 9999;

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

std::optional<int> ReadReverseOptions(const QCommandLineParser& parser, QM270Inputs& in) {
  const bool keyGiven = parser.isSet("key-bits") || parser.isSet("key") || parser.isSet("key-file");
  if (!parser.isSet("reverse-port")) {
    if (parser.isSet("static-port")) return UsageError("--static-port needs --reverse-port", kQM270Usage);
    if (keyGiven) return UsageError("the data key is part of the reverse settings: give --reverse-port", kQM270Usage);
    return std::nullopt;
  }
  // The reverse frames' one rule, with the XPort AR's highest port.
  ReversePortCheck check = CheckReversePort(parser.value("reverse-port").toStdString(), kHighestReversePort);
  if (!check.ok) return UsageError("--reverse-port takes 0 to 9999", kQM270Usage);
  in.reverse.saved = true;
  in.reverse.portText = check.port;
  in.reverse.staticLocalPort = parser.isSet("static-port");
  // The IP-only run sends no key and needs none.
  if (in.ipOnly && !keyGiven) return std::nullopt;
  // A module set to AES with an empty or short key can never connect back.
  int refused = 0;
  std::optional<DataKey> key = ReadDataKey(parser, kQM270Usage, refused);
  if (!key) return refused;
  in.dataKey = *key;
  return std::nullopt;
}

// The options into `in`; nothing, or the exit code of a refusal.
std::optional<int> ReadOptions(const QCommandLineParser& parser, QM270Inputs& in) {
  if (std::optional<int> refused =
          ReadDeviceAddressOptions(parser, kQM270Usage, in.server.address, in.server.gateway)) {
    return refused;
  }

  // The list's masks, written with or without leading zeros; the module
  // gets the list's text.
  int mask = SubnetMaskIndex(parser.value("mask").toStdString());
  if (mask < 0) return UsageError("the mask " + parser.value("mask") + " is not in the subnet list", kQM270Usage);
  in.server.subnetIndex = mask;

  LinkChoice link;
  if (std::optional<int> refused = ReadComPortOption(parser, kQM270Usage, "QM270", link)) return refused;
  in.link = link;

  QString baud = parser.value("baud");
  if (baud != kQM270BaudRates[0] && baud != kQM270BaudRates[1]) {
    return UsageError("--baud takes 57600 or 115200", kQM270Usage);
  }
  in.baudText = baud.toStdString();
  in.ipOnly = parser.isSet("ip-only");
  return ReadReverseOptions(parser, in);
}

int ProgramQM270(const QStringList& arguments) {
  QCommandLineParser parser;
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
  if (!parser.parse(QStringList{"pellarctl program qm270"} + arguments)) {
    return UsageError(parser.errorText(), kQM270Usage);
  }
  QM270Inputs in;
  if (std::optional<int> refused = ReadOptions(parser, in)) return *refused;

  if (in.reverse.saved && !ConfirmReverseOnConsole(parser, "QM270")) return kExitCancelled;
  return RunProgramScript(parser, [in](Dialogue& d) { return RunQM270(d, in); }, {kQM270RunLabel, QM270EndMessage});
}

}  // namespace

const BoardCommand kQM270Command{"qm270", kQM270Usage, ProgramQM270};

}  // namespace dorvane::cli
