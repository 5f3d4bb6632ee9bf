#include "cli/subcommands.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <iostream>

#include "base/ip_address.h"
#include "base/localised_text.h"
#include "base/run_time_error.h"
#include "boards/pellar_run_messages.h"
#include "boards/pellar_setup_script.h"
#include "cli/run_console.h"
#include "dialogue/dialogue_runner.h"
#include "dialogue/dialogue_steps.h"

namespace dorvane::cli {

namespace {

const char* kUsage =
    "Usage: pellarctl program pellar2 --ip ADDRESS [--mask 255.255.255.000] [--gateway ADDRESS]\n"
    "    --via comN | serial:PATH | arp | net:192.168.100.254 | net:10.0.100.254 | net:169.254.100.254 | "
    "net:ADDRESS\n"
    "    [--mac 00-20-4A-12-34-56] (required with --via arp)\n"
    "    [--baud 57600] [--ethernet 0..4] [--no-77fe] [--server-only]\n"
    "    [--vra-ip ADDRESS --vra-port N] [--transcript FILE] [--show-keys] [--yes]\n"
    "\n"
    "       pellarctl program pellar6 --ip ADDRESS [--mask MASK] [--gateway ADDRESS]\n"
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
    "  makes its local port N too, otherwise it is dynamic.\n"
    "\n"
    "Exit codes: 0 configured, 1 run-time error, 2 bad options or input,\n"
    "  3 communication failure (also a network save the board did not confirm),\n"
    "  4 cancelled or declined.\n";

int UsageError(const QString& why) {
  std::cerr << "pellarctl program: " << why.toStdString() << "\n\n" << kUsage;
  return kExitUsage;
}

// The window's message, as the installer would read it in its box.
int Refused(const Message& message) {
  std::cerr << message.title << ": " << message.text << "\n";
  return kExitUsage;
}

bool ParsePort(const QString& via, bool arpOffered, Pellar2Inputs& in, QString& why) {
  if (via == "arp" && arpOffered) {
    in.portIndex = kPortViaArp;
    return true;
  }
  if (via.startsWith("com", Qt::CaseInsensitive)) {
    bool ok = false;
    int n = via.mid(3).toInt(&ok);
    if (!ok || n < 1 || n > 16) {
      why = "COM entries run from com1 to com16";
      return false;
    }
    in.portIndex = n;
    return true;
  }
  if (via.startsWith("serial:")) {
    QString path = via.mid(7);
    if (path.isEmpty()) {
      why = "serial: needs a device path";
      return false;
    }
    // COM entry 1, opening this device instead of the one the entry maps to.
    in.portIndex = 1;
    in.serialDevice = path.toStdString();
    return true;
  }
  if (via.startsWith("net:")) {
    QString address = via.mid(4);
    for (std::size_t i = 0; i < kServiceAddresses.size(); ++i) {
      if (address == kServiceAddresses[i]) {
        in.portIndex = kFirstServicePort + static_cast<int>(i);
        return true;
      }
    }
    std::optional<std::string> normalized = ValidateIPAddress(address.toStdString());
    if (!normalized) {
      why = "net: needs an IP address, not \"" + address + "\"";
      return false;
    }
    in.portIndex = kFirstServicePort;
    in.networkTarget = IPAddressWithoutLeadingZeros(*normalized);
    return true;
  }
  why = "unknown --via \"" + via + "\"" + (arpOffered ? "" : " (this board takes no address by ARP)");
  return false;
}

bool ParseMac(const QString& mac, Pellar2Inputs& in) {
  QStringList parts = mac.split(QRegularExpression("[-:]"));
  if (parts.size() != 6) return false;
  for (int i = 0; i < 6; ++i) in.macBoxes[static_cast<std::size_t>(i)] = parts[i].toStdString();
  return true;
}

using EndMessageOf = Message (*)(const RunOutcome&, bool network);

int ReportOutcome(const RunOutcome& outcome, bool network, EndMessageOf endMessage) {
  using Kind = RunOutcome::Kind;
  if (outcome.kind == Kind::RunTimeError) {
    std::cerr << ErrorReportText(kPellar2RunLabel, outcome.errorNumber,
                                 RunErrorDescription(outcome.errorNumber, outcome.description, SystemLocaleID))
              << "\n";
    return kExitRunTimeError;
  }
  if (outcome.kind == Kind::Declined) {
    std::cerr << kDisclaimerTitle << ": not accepted; nothing was sent to the device.\n";
    return kExitCancelled;
  }
  Message message = endMessage(outcome, network);
  bool success = outcome.kind == Kind::Completed;
  (success ? std::cout : std::cerr) << message.title << ": " << message.text << "\n";
  if (!outcome.description.empty() && outcome.kind == Kind::CommunicationFailure) {
    std::cerr << "(" << outcome.description << ")\n";
  }
  switch (outcome.kind) {
    case Kind::Completed: return kExitSuccess;
    case Kind::Cancelled: return kExitCancelled;
    case Kind::InputRejected: return kExitUsage;
    default: return kExitCommunication;
  }
}

// The options both wired boards take.
void AddCommonOptions(QCommandLineParser& parser, const char* baudDefault) {
  parser.addOptions({
      {"ip", "Address to assign.", "ADDRESS"},
      {"mask", "Subnet mask from the list.", "MASK", "255.255.255.000"},
      {"gateway", "Default gateway.", "ADDRESS"},
      {"via", "Link to the board.", "LINK"},
      {"baud", "Serial rate of the board's channel.", "RATE", baudDefault},
      {"ethernet", "Ethernet connection type, list index 0..4.", "N", "0"},
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
std::optional<int> ReadCommonOptions(const QCommandLineParser& parser, const char* lowestBaud, bool arpOffered,
                                     Pellar2Inputs& in) {
  if (!parser.positionalArguments().isEmpty()) return UsageError("unexpected \"" + parser.positionalArguments()[0] + "\"");
  if (!parser.isSet("ip")) return UsageError("--ip is required");
  if (!parser.isSet("via")) return UsageError("--via is required");

  FieldCheck fields = CheckAddressFields(parser.value("ip").toStdString(), parser.value("gateway").toStdString());
  if (!fields.ok) return Refused(fields.message);
  in.deviceAddress = fields.address;
  in.gateway = fields.gateway;

  in.subnetIndex = SubnetMaskIndex(parser.value("mask").toStdString());
  if (in.subnetIndex < 0) return UsageError("the mask " + parser.value("mask") + " is not in the subnet list");

  QString why;
  if (!ParsePort(parser.value("via"), arpOffered, in, why)) return UsageError(why);

  QStringList rates;
  bool listed = false;
  for (const char* rate : kBaudRates) {
    listed = listed || std::string_view(rate) == lowestBaud;
    if (listed) rates << rate;
  }
  if (!rates.contains(parser.value("baud"))) return UsageError("--baud takes one of " + rates.join(", "));
  in.baudText = parser.value("baud").toStdString();
  bool ok = false;
  in.ethernetIndex = parser.value("ethernet").toInt(&ok);
  if (!ok || in.ethernetIndex < 0 || in.ethernetIndex > 4) return UsageError("--ethernet takes 0 to 4");
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

int RunScript(const QCommandLineParser& parser, DialogueRunner::Script script, bool network, EndMessageOf endMessage) {
  DialogueRunner runner;
  RunConsole console(runner, parser.isSet("yes"));
  RunOutcome outcome;
  QObject::connect(&runner, &DialogueRunner::Finished, [&outcome](const RunOutcome& o) { outcome = o; });
  DialogueRunner::Options options;
  options.transcriptPath = parser.value("transcript");
  options.showSecrets = parser.isSet("show-keys");
  options.languageOffset = LanguageOffset.load();
  runner.Start(std::move(script), options);
  runner.WaitForEnd();
  console.Finish();
  return ReportOutcome(outcome, network, endMessage);
}

int ProgramPellar2(const QStringList& arguments) {
  QCommandLineParser parser;
  AddCommonOptions(parser, kDefaultBaudRate);
  parser.addOption({"mac", "MAC address (with --via arp).", "MAC"});
  if (!parser.parse(QStringList{"pellarctl program pellar2"} + arguments)) return UsageError(parser.errorText());

  Pellar2Inputs in;
  if (std::optional<int> refused = ReadCommonOptions(parser, kBaudRates.front(), true, in)) return *refused;
  if (in.portIndex == kPortViaArp) {
    if (!parser.isSet("mac")) return UsageError("--via arp needs --mac");
    if (!ParseMac(parser.value("mac"), in)) return UsageError("a MAC address has six parts: 00-20-4A-12-34-56");
  }
  return RunScript(
      parser, [in](Dialogue& d) { return RunPellar2(d, in); }, IsNetworkPort(in.portIndex), Pellar2EndMessage);
}

// The key from --key or --key-file (a file, or "-" for standard input),
// trimmed; nothing with the reason when it cannot be read.
std::optional<std::string> ReadKey(const QCommandLineParser& parser, QString& why) {
  if (parser.isSet("key") == parser.isSet("key-file")) {
    why = "give the key with --key HEX or --key-file FILE|-";
    return std::nullopt;
  }
  QByteArray key;
  if (parser.isSet("key")) {
    key = parser.value("key").toLatin1();
  } else {
    QString path = parser.value("key-file");
    QFile file(path);
    bool opened = path == "-" ? file.open(stdin, QIODevice::ReadOnly) : file.open(QIODevice::ReadOnly);
    if (!opened) {
      why = "cannot read the key from " + (path == "-" ? QString("standard input") : path) + ": " + file.errorString();
      return std::nullopt;
    }
    key = file.readLine(256);
  }
  key = key.trimmed().toUpper();
  if (!QRegularExpression("^[0-9A-F]*$").match(QString::fromLatin1(key)).hasMatch()) {
    why = "the key takes the hexadecimal digits 0-9 and A-F only";
    return std::nullopt;
  }
  return key.toStdString();
}

int ProgramPellar6(const QStringList& arguments) {
  QCommandLineParser parser;
  AddCommonOptions(parser, kDefaultBaudRate);
  parser.addOptions({
      {"reverse-port", "Reverse network: the port the board listens on.", "N"},
      {"static-port", "Reverse network: the local port matches the reverse port."},
      {"key-bits", "Data key size: 128, 192 or 256.", "BITS"},
      {"key", "Data key, hexadecimal (shown in the process list).", "HEX"},
      {"key-file", "Data key from a file, or - for standard input.", "FILE"},
  });
  if (!parser.parse(QStringList{"pellarctl program pellar6"} + arguments)) return UsageError(parser.errorText());

  Pellar6Inputs in;
  if (std::optional<int> refused = ReadCommonOptions(parser, "9600", false, in)) return *refused;

  if (parser.isSet("reverse-port")) {
    if (in.vraLinkSaved) return UsageError("--vra-ip/--vra-port and --reverse-port exclude each other");
    QString port = parser.value("reverse-port");
    if (!QRegularExpression("^[0-9]{1,5}$").match(port).hasMatch()) {
      return Refused({"Reverse Network Port Number", LoadText(1072), Question::Icon::Information});
    }
    ReversePortCheck check = CheckReversePort(port.toStdString(), 65535);
    if (!check.ok) return Refused(check.message);
    in.reverseNetworkSaved = true;
    in.reversePortText = check.port;
    in.staticLocalPort = parser.isSet("static-port");
  } else if (parser.isSet("static-port")) {
    return UsageError("--static-port needs --reverse-port");
  }

  const bool keyGiven = parser.isSet("key-bits") || parser.isSet("key") || parser.isSet("key-file");
  if (!in.defaultOnly || keyGiven) {
    const QString bits = parser.value("key-bits");
    if (bits == "128") {
      in.keySize = KeySize::Bits128;
    } else if (bits == "192") {
      in.keySize = KeySize::Bits192;
    } else if (bits == "256") {
      in.keySize = KeySize::Bits256;
    } else {
      return UsageError("--key-bits takes 128, 192 or 256");
    }
    QString why;
    std::optional<std::string> key = ReadKey(parser, why);
    if (!key) return UsageError(why);
    // An empty or short key would leave the board encrypting with a key
    // nobody typed.
    if (std::optional<Message> wrong = CheckKeyLength(*key, in.keySize)) return Refused(*wrong);
    in.key = *key;
  }

  if (in.reverseNetworkSaved &&
      AskOnConsole("Reverse Network Settings",
                   "This PELLAR will be programmed as Reverse Network Settings\r\n\r\nDo you wish to continue?",
                   Question::Buttons::YesNoDefaultNo, parser.isSet("yes")) != Question::Answer::Yes) {
    std::cerr << "Reverse Network Settings: not confirmed; nothing was sent to the device.\n";
    return kExitCancelled;
  }
  return RunScript(
      parser, [in](Dialogue& d) { return RunPellar6(d, in); }, IsNetworkPort(in.portIndex), Pellar6EndMessage);
}

}  // namespace

int RunProgramCommand(const QStringList& arguments) {
  if (arguments.isEmpty() || arguments.first() == "--help" || arguments.first() == "-h") {
    std::cout << kUsage;
    return arguments.isEmpty() ? kExitUsage : kExitSuccess;
  }
  if (arguments.first() == "pellar2") return ProgramPellar2(arguments.mid(1));
  if (arguments.first() == "pellar6") return ProgramPellar6(arguments.mid(1));
  return UsageError("unknown board \"" + arguments.first() + "\"");
}

}  // namespace dorvane::cli
