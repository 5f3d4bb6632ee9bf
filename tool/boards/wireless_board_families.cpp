// The wireless boards' families: their entries in the list of families and
// their commands, pellarctl program wireless and wireless-encrypted,
// over a COM port only, with the same script, checks and texts as their
// windows. An option the chosen topology or suite does not offer is refused
// with the ones it does offer, as the window's disabled fields would.

#include <iostream>

#include "boards/pellar_run_messages.h"
#include "boards/pellar_wireless_encrypted_window.h"
#include "boards/pellar_wireless_window.h"
#include "boards/wireless_setup_script.h"
#include "cli/program_options.h"
#include "cli/run_console.h"
#include "cli/subcommands.h"
#include "dialogue/dialogue_steps.h"
#include "families/board_family.h"

namespace dorvane::cli {

namespace {

const char* const kWirelessUsage =
    "Usage: pellarctl program wireless --ip ADDRESS [--mask MASK] [--gateway ADDRESS] --via comN | serial:PATH\n"
    "    [--baud 1200|2400|9600|19200|38400|57600|115200] [--ethernet 0..4]\n"
    "    [--topology infrastructure|adhoc] --ssid NAME [--channel 1..11]\n"
    "    [--security none|wep|wpa|wpa2] [--auth open|shared]\n"
    "    [--encryption wep64|wep128|tkip|tkip+wep|ccmp|ccmp+tkip|ccmp+wep]\n"
    "    [--change-key no|hex|passphrase] [--wlan-key TEXT | --wlan-key-file FILE|-]\n"
    "    [--tx-key 1..4] [--tx-rate-mode fixed|auto] [--tx-rate 1|2|5.5|11|18|24|36|54]\n"
    "    [--server-only] [--transcript FILE] [--show-keys] [--yes]\n"
    "\n"
    "  wireless: the defaults are the window's: infrastructure, security none,\n"
    "  auto fallback at 11 Mbps, TX key 1, no key change. --channel and an adhoc\n"
    "  network go together; adhoc offers the suites none and wep only. --auth and\n"
    "  --tx-key belong to wep. A hexadecimal key has 10 (wep64), 26 (wep128) or\n"
    "  64 (wpa, wpa2) digits; a passphrase has at most 63 characters, and under 20\n"
    "  earns a warning.\n";

const char* const kWirelessEncryptedUsage =
    "Usage: pellarctl program wireless-encrypted (the options of wireless, with --baud\n"
    "    9600|19200|38400|57600|115200)\n"
    "    --key-bits 128|192|256 (--key HEX | --key-file FILE|-) [--reverse-port N [--static-port]]\n"
    "\n"
    "  wireless-encrypted: the data key has 32, 48 or 64 hexadecimal digits for\n"
    "  128, 192 or 256 bits; --key-file reads it from a file, or - from standard\n"
    "  input, so it appears in no process list. --reverse-port N (0..65535): the\n"
    "  board listens on port N; --static-port makes its local port N too.\n";

const QStringList kTopologies = {"infrastructure", "adhoc"};
const QStringList kSuites = {"none", "wep", "wpa", "wpa2"};
const QStringList kKeyChanges = {"hex", "passphrase", "no"};
const QStringList kRates = {"1", "2", "5.5", "11", "18", "24", "36", "54"};

// The --encryption names of each suite's list, in its order.
QStringList EncryptionNames(Suite suite) {
  switch (suite) {
    case Suite::WEP: return {"wep64", "wep128"};
    case Suite::WPA: return {"tkip", "tkip+wep"};
    case Suite::WPA2: return {"ccmp", "ccmp+tkip", "ccmp+wep", "tkip", "tkip+wep"};
    case Suite::None: break;
  }
  return {};
}

void AddWirelessOptions(CommandParser& parser) {
  AddServerOptions(parser);
  parser.addOptions({
      {"via", "COM entry or device of the board.", "LINK"},
      {"topology", "infrastructure or adhoc.", "TOPOLOGY", "infrastructure"},
      {"ssid", "Network name.", "NAME"},
      {"channel", "Adhoc channel, 1..11.", "N"},
      {"security", "none, wep, wpa or wpa2.", "SUITE", "none"},
      {"auth", "WEP authentication: open or shared.", "AUTH"},
      {"encryption", "Encryption of the suite's list.", "NAME"},
      {"change-key", "no, hex or passphrase.", "TYPE", "no"},
      {"wlan-key", "Wireless key (shown in the process list).", "TEXT"},
      {"wlan-key-file", "Wireless key from a file, or - for standard input.", "FILE"},
      {"tx-key", "WEP TX key index, 1..4.", "N"},
      {"tx-rate-mode", "fixed or auto.", "MODE", "auto"},
      {"tx-rate", "TX data rate in Mbps.", "RATE", "11"},
      {"server-only", "Program the server address settings only."},
      {"transcript", "Write the run's transcript as JSON lines.", "FILE"},
      {"show-keys", "Do not mask keys in the transcript."},
      {"yes", "Answer the run's questions yes."},
  });
}

// An option that is not for the chosen topology or suite.
int NotOffered(const CommandParser& parser, const QString& option, const QString& chosen, const QString& offered) {
  return parser.Refuse(option + " is not offered with " + chosen + "; it offers " + offered);
}

// The wireless key from --wlan-key or --wlan-key-file, as typed.
std::optional<std::string> ReadWirelessKey(const CommandParser& parser, QString& why) {
  if (parser.isSet("wlan-key") && parser.isSet("wlan-key-file")) {
    why = "give the wireless key with --wlan-key or --wlan-key-file, not both";
    return std::nullopt;
  }
  if (parser.isSet("wlan-key")) return parser.value("wlan-key").toStdString();
  if (!parser.isSet("wlan-key-file")) return std::string();
  std::optional<QByteArray> line = ReadFirstLine(parser.value("wlan-key-file"), "the wireless key", why);
  if (!line) return std::nullopt;
  return line->toStdString();
}

// The WLAN options into `in`; nothing, or the exit code of a refusal.
std::optional<int> ReadWlanOptions(const CommandParser& parser, WirelessInputs& in) {
  if (!parser.isSet("ssid")) return parser.Refuse("--ssid is required");
  in.wlan.networkName = parser.value("ssid").toStdString();
  const QString topology = parser.value("topology");
  if (!kTopologies.contains(topology)) return parser.Refuse("--topology takes infrastructure or adhoc");
  in.wlan.topology = static_cast<Topology>(kTopologies.indexOf(topology));
  if (parser.isSet("channel")) {
    if (in.wlan.topology != Topology::Adhoc) return NotOffered(parser, "--channel", "infrastructure", "no channel");
    bool ok = false;
    int channel = parser.value("channel").toInt(&ok);
    if (!ok || channel < 1 || channel > 11) return parser.Refuse("--channel takes 1 to 11");
    in.wlan.channelText = std::to_string(channel);
  }

  const QString suite = parser.value("security");
  if (!kSuites.contains(suite)) return parser.Refuse("--security takes none, wep, wpa or wpa2");
  in.wlan.suite = static_cast<Suite>(kSuites.indexOf(suite));
  if (!SuiteOffered(in.wlan.topology, in.wlan.suite)) {
    return NotOffered(parser, "--security " + suite, topology, "--security none or wep");
  }
  const bool wep = in.wlan.suite == Suite::WEP;
  if (parser.isSet("auth")) {
    if (!wep) return NotOffered(parser, "--auth", "--security " + suite, "no authentication choice");
    if (parser.value("auth") != "open" && parser.value("auth") != "shared") {
      return parser.Refuse("--auth takes open or shared");
    }
    in.wlan.authenticationIndex = parser.value("auth") == "shared" ? 1 : 0;
  }
  if (parser.isSet("tx-key")) {
    if (!wep) return NotOffered(parser, "--tx-key", "--security " + suite, "no TX key index");
    bool ok = false;
    int index = parser.value("tx-key").toInt(&ok);
    if (!ok || index < 1 || index > 4) return parser.Refuse("--tx-key takes 1 to 4");
    in.wlan.txKeyIndexText = std::to_string(index);
  }
  const QStringList encryptions = EncryptionNames(in.wlan.suite);
  if (parser.isSet("encryption")) {
    const int index = static_cast<int>(encryptions.indexOf(parser.value("encryption")));
    if (index < 0) {
      return NotOffered(parser, "--encryption " + parser.value("encryption"), "--security " + suite,
                        encryptions.isEmpty() ? QString("no encryption") : "--encryption " + encryptions.join(", "));
    }
    in.wlan.encryptionIndex = index;
  }

  const QString change = parser.value("change-key");
  if (!kKeyChanges.contains(change)) return parser.Refuse("--change-key takes no, hex or passphrase");
  const bool keyGiven = parser.isSet("wlan-key") || parser.isSet("wlan-key-file");
  if (in.wlan.suite == Suite::None) {
    if (change != "no" || keyGiven) return NotOffered(parser, "a wireless key", "--security none", "no key");
    return std::nullopt;
  }
  in.wlan.keyChange = static_cast<KeyChange>(kKeyChanges.indexOf(change));
  if (in.wlan.keyChange == KeyChange::No) {
    if (keyGiven) return NotOffered(parser, "a wireless key", "--change-key no", "no key");
    return std::nullopt;
  }
  QString why;
  std::optional<std::string> key = ReadWirelessKey(parser, why);
  if (!key) return parser.Refuse(why);
  if (in.wlan.keyChange == KeyChange::Hexadecimal && key->find_first_not_of("0123456789ABCDEF") != std::string::npos) {
    return parser.Refuse("a hexadecimal key takes the digits 0-9 and the capitals A-F only");
  }
  WirelessKeyCheck check = CheckEncryptionKey(in.wlan.suite, in.wlan.encryptionIndex, in.wlan.keyChange, *key);
  if (check.message && !check.usable) return Refused(*check.message);
  // The short-passphrase warning: the run goes on, as in the window.
  if (check.message) std::cerr << check.message->title << ": " << check.message->text << "\n";
  in.wlan.key = check.key;
  return std::nullopt;
}

std::optional<int> ReadTxRateOptions(const CommandParser& parser, WirelessInputs& in) {
  const QString mode = parser.value("tx-rate-mode");
  if (mode != "fixed" && mode != "auto") return parser.Refuse("--tx-rate-mode takes fixed or auto");
  in.wlan.txRateModeIndex = mode == "fixed" ? 0 : 1;
  const int rate = static_cast<int>(kRates.indexOf(parser.value("tx-rate")));
  if (rate < 0) return parser.Refuse("--tx-rate takes one of " + kRates.join(", "));
  in.wlan.txRateIndex = rate;
  return std::nullopt;
}

// Everything both commands take, into `in`; nothing, or the exit code of a
// refusal.
std::optional<int> ReadWirelessOptions(const CommandParser& parser, const char* lowestBaud, WirelessInputs& in) {
  ServerChoice server;
  if (std::optional<int> refused = ReadServerOptions(parser, lowestBaud, server)) return refused;
  in.server = server.server;
  in.baudText = server.baudText;
  in.ethernetIndex = server.ethernetIndex;

  if (!parser.isSet("via")) return parser.Refuse("--via is required");
  const QString via = parser.value("via");
  if (!via.startsWith("com", Qt::CaseInsensitive) && !via.startsWith("serial:")) {
    return parser.Refuse("the wireless boards are programmed over a COM port only: --via comN or serial:PATH");
  }
  QString why;
  std::optional<LinkChoice> link = ParseLinkOption(via, false, why);
  if (!link) return parser.Refuse(why);
  in.link = *link;
  in.defaultOnly = parser.isSet("server-only");

  if (std::optional<int> refused = ReadWlanOptions(parser, in)) return refused;
  return ReadTxRateOptions(parser, in);
}

RunReport WirelessReport() {
  return {kPellarRunLabel, [](const RunOutcome& o) { return PellarEndMessage(o, false); }};
}

int ProgramWireless(const QStringList& arguments) {
  CommandParser parser("pellarctl program wireless", kWirelessUsage);
  AddWirelessOptions(parser);
  if (std::optional<int> ended = parser.Read(arguments)) return *ended;
  WirelessInputs in;
  if (std::optional<int> refused = ReadWirelessOptions(parser, kBaudRates.front(), in)) return *refused;
  return RunProgramScript(
      parser, [in](Dialogue& d) { return RunPellarWireless(d, in); }, WirelessReport());
}

int ProgramWirelessEncrypted(const QStringList& arguments) {
  CommandParser parser("pellarctl program wireless-encrypted", kWirelessEncryptedUsage);
  AddWirelessOptions(parser);
  AddKeyOptions(parser);
  AddReverseOptions(parser);
  if (std::optional<int> ended = parser.Read(arguments)) return *ended;
  WirelessEncryptedInputs in;
  if (std::optional<int> refused = ReadWirelessOptions(parser, "9600", in)) return *refused;
  if (std::optional<int> refused = ReadReverseOptions(parser, kHighestReversePort, in.reverse)) return *refused;
  int refused = 0;
  std::optional<DataKey> key = ReadDataKey(parser, refused);
  if (!key) return refused;
  in.dataKey = *key;

  if (in.reverse.saved && !ConfirmReverseOnConsole(parser)) return kExitCancelled;
  return RunProgramScript(
      parser, [in](Dialogue& d) { return RunPellarWirelessEncrypted(d, in); }, WirelessReport());
}

}  // namespace

const BoardCommand kWirelessCommand{"wireless", kWirelessUsage, ProgramWireless,
                                    "Wireless PELLAR board over a COM port"};
const BoardCommand kWirelessEncryptedCommand{"wireless-encrypted", kWirelessEncryptedUsage, ProgramWirelessEncrypted,
                                             "Wireless PELLAR board, with its data key and reverse network"};

}  // namespace dorvane::cli

namespace dorvane {

extern const BoardFamily kWirelessFamily;
extern const BoardFamily kWirelessEncryptedFamily;

const BoardFamily kWirelessFamily{BoardFamily::Opener::SelectionHidden,   "cmdProgram_2",
                                  "Program PELLAR Wireless boards",       "Program PELLAR Selection Click",
                                  OpenFamilyWindow<PellarWirelessWindow>, cli::kWirelessCommand};
const BoardFamily kWirelessEncryptedFamily{BoardFamily::Opener::SelectionHidden,
                                           "cmdProgram_3",
                                           "Program PELLAR Encrypted Wireless boards",
                                           "Program PELLAR Selection Click",
                                           OpenFamilyWindow<PellarWirelessEncryptedWindow>,
                                           cli::kWirelessEncryptedCommand};

}  // namespace dorvane
