// The wired boards' families: their entries in the list of families and
// their commands, pellarctl program pellar2 and pellar6, with the same
// script, runner and texts as their windows.

#include <QRegularExpression>
#include <iostream>

#include "base/localised_text.h"
#include "boards/pellar2_window.h"
#include "boards/pellar_encrypted_window.h"
#include "boards/pellar_run_messages.h"
#include "boards/pellar_setup_script.h"
#include "cli/program_options.h"
#include "cli/run_console.h"
#include "cli/subcommands.h"
#include "dialogue/dialogue_steps.h"
#include "families/board_family.h"

namespace dorvane::cli {

namespace {

const char* const kPellar2Usage =
    "Usage: pellarctl program pellar2 --ip ADDRESS [--mask 255.255.255.000] [--gateway ADDRESS]\n"
    "    --via comN | serial:PATH | arp | net:192.168.100.254 | net:10.0.100.254 | net:169.254.100.254 | "
    "net:ADDRESS\n"
    "    [--mac 00-20-4A-12-34-56] (required with --via arp)\n"
    "    [--baud 57600] [--ethernet 0..4] [--no-77fe] [--server-only]\n"
    "    [--vra-ip ADDRESS --vra-port N] [--transcript FILE] [--show-keys] [--yes]\n";

const char* const kPellar6Usage =
    "Usage: pellarctl program pellar6 --ip ADDRESS [--mask MASK] [--gateway ADDRESS]\n"
    "    --via comN | serial:PATH | net:192.168.100.254 | net:10.0.100.254 | net:169.254.100.254 | net:ADDRESS\n"
    "    [--baud 9600|19200|38400|57600|115200] [--ethernet 0..4] [--no-77fe] [--server-only]\n"
    "    [--vra-ip ADDRESS --vra-port N | --reverse-port N [--static-port]]\n"
    "    --key-bits 128|192|256 (--key HEX | --key-file FILE|-)\n"
    "    [--transcript FILE] [--show-keys] [--yes]\n"
    "\n"
    "  pellar6: the data key has 32, 48 or 64 hexadecimal digits for 128, 192 or\n"
    "  256 bits. --key puts it on the command line, where the process list shows\n"
    "  it to every user of the computer; --key-file FILE reads it from a file and\n"
    "  --key-file - from standard input, so it appears in no process list.\n"
    "  Over the network the keys travel in plain text: the run asks for the\n"
    "  disclaimer first (--yes accepts it, as it answers the other questions;\n"
    "  without a terminal to answer it is refused and nothing is sent).\n"
    "  --reverse-port N: the board listens on port N (0..65535); --static-port\n"
    "  makes its local port N too, otherwise it is dynamic.\n";

std::optional<int> ApplyLink(const CommandParser& parser, bool arpOffered, Pellar2Inputs& in) {
  QString why;
  std::optional<LinkChoice> link = ParseLinkOption(parser.value("via"), arpOffered, why);
  if (!link) return parser.Refuse(why);
  in.link = *link;
  return std::nullopt;
}

bool ParseMac(const QString& mac, Pellar2Inputs& in) {
  QStringList parts = mac.split(QRegularExpression("[-:]"));
  if (parts.size() != 6) return false;
  for (int i = 0; i < 6; ++i) in.macBoxes[static_cast<std::size_t>(i)] = parts[i].toStdString();
  return true;
}

// The options both wired boards take.
void AddCommonOptions(CommandParser& parser) {
  AddServerOptions(parser);
  parser.addOptions({
      {"via", "Link to the board.", "LINK"},
      {"no-77fe", "Leave discovery port 77FE enabled."},
      {"server-only", "Program the server address settings only."},
      {"vra-ip", "VRA-Link remote address.", "ADDRESS"},
      {"vra-port", "VRA-Link remote port.", "N"},
      {"transcript", "Write the run's transcript as JSON lines.", "FILE"},
      {"show-keys", "Do not mask keys in the transcript."},
      {"yes", "Answer the run's questions yes."},
  });
}

// Reads the common options into `in`; nothing, or the exit code of a
// refusal. `lowestBaud` is the board's lowest channel rate.
std::optional<int> ReadCommonOptions(const CommandParser& parser, const char* lowestBaud, bool arpOffered,
                                     Pellar2Inputs& in) {
  ServerChoice server;
  if (std::optional<int> refused = ReadServerOptions(parser, lowestBaud, server)) return refused;
  in.server = server.server;
  in.baudText = server.baudText;
  in.ethernetIndex = server.ethernetIndex;

  if (std::optional<int> refused = ApplyLink(parser, arpOffered, in)) return refused;

  in.disable77FE = !parser.isSet("no-77fe");
  in.defaultOnly = parser.isSet("server-only");

  if (parser.isSet("vra-ip") || parser.isSet("vra-port")) {
    VraLinkCheck vra = CheckVraLink(parser.value("vra-ip").toStdString(), parser.value("vra-port").toStdString());
    if (!vra.ok) return Refused(vra.message);
    in.vraLinkSaved = true;
    in.remoteAddress = vra.remoteAddress;
    in.remotePortText = vra.remotePort;
  }
  return std::nullopt;
}

int ProgramPellar2(const QStringList& arguments) {
  CommandParser parser("pellarctl program pellar2", kPellar2Usage);
  AddCommonOptions(parser);
  parser.addOption({"mac", "MAC address (with --via arp).", "MAC"});
  if (std::optional<int> ended = parser.Read(arguments)) return *ended;
  Pellar2Inputs in;
  if (std::optional<int> refused = ReadCommonOptions(parser, kBaudRates.front(), true, in)) return *refused;
  if (in.link.port == kPortViaArp) {
    if (!parser.isSet("mac")) return parser.Refuse("--via arp needs --mac");
    if (!ParseMac(parser.value("mac"), in)) return parser.Refuse("a MAC address has six parts: 00-20-4A-12-34-56");
  }
  const bool network = IsNetworkPort(in.link.port);
  return RunProgramScript(parser, [in](Dialogue& d) { return RunPellar2(d, in); },
                          {kPellarRunLabel, [network](const RunOutcome& o) { return PellarEndMessage(o, network); }});
}

// The reverse-network options into `in`; nothing, or the exit code of a
// refusal.
std::optional<int> ReadPellar6Reverse(const CommandParser& parser, Pellar6Inputs& in) {
  if (parser.isSet("reverse-port") && in.vraLinkSaved) {
    return parser.Refuse("--vra-ip/--vra-port and --reverse-port exclude each other");
  }
  if (std::optional<int> refused = ReadReverseOptions(parser, kHighestReversePort, in.reverse)) return refused;
  return std::nullopt;
}

int ProgramPellar6(const QStringList& arguments) {
  CommandParser parser("pellarctl program pellar6", kPellar6Usage);
  AddCommonOptions(parser);
  AddKeyOptions(parser);
  AddReverseOptions(parser);
  if (std::optional<int> ended = parser.Read(arguments)) return *ended;
  Pellar6Inputs in;
  if (std::optional<int> refused = ReadCommonOptions(parser, "9600", false, in)) return *refused;
  if (std::optional<int> refused = ReadPellar6Reverse(parser, in)) return *refused;

  // The server-only run sends no key and needs none.
  const bool keyGiven = parser.isSet("key-bits") || parser.isSet("key") || parser.isSet("key-file");
  if (!in.defaultOnly || keyGiven) {
    int refused = 0;
    std::optional<DataKey> key = ReadDataKey(parser, refused);
    if (!key) return refused;
    in.dataKey = *key;
  }

  if (in.reverse.saved && !ConfirmReverseOnConsole(parser)) return kExitCancelled;
  const bool network = IsNetworkPort(in.link.port);
  RunReport report{kPellarRunLabel, [network](const RunOutcome& o) { return Pellar6EndMessage(o, network); },
                   std::string(kDisclaimerTitle) + ": not accepted; nothing was sent to the device."};
  return RunProgramScript(
      parser, [in](Dialogue& d) { return RunPellar6(d, in); }, report);
}

}  // namespace

const BoardCommand kPellar2Command{"pellar2", kPellar2Usage, ProgramPellar2,
                                   "PELLAR2 board over a COM port, the network or an address by ARP"};
const BoardCommand kPellar6Command{"pellar6", kPellar6Usage, ProgramPellar6,
                                   "PELLAR6 board, with its data key and reverse network"};

}  // namespace dorvane::cli

namespace dorvane {

extern const BoardFamily kPellar2Family;
extern const BoardFamily kPellar6Family;

const BoardFamily kPellar2Family{BoardFamily::Opener::Selection,     "cmdProgram_0",
                                 "Program PELLAR2 Family of Boards", "Program PELLAR Selection Click",
                                 OpenFamilyWindow<Pellar2Window>,    cli::kPellar2Command};
const BoardFamily kPellar6Family{BoardFamily::Opener::Selection,
                                 "cmdProgram_1",
                                 "Program PELLAR6B, PELLAR6 & PELLAR6P boards",
                                 "Program PELLAR Selection Click",
                                 OpenFamilyWindow<PellarEncryptedWindow>,
                                 cli::kPellar6Command};

}  // namespace dorvane
