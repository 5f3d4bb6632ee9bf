#include "cli/program_options.h"

#include <QFile>
#include <QRegularExpression>
#include <iostream>

#include "base/ip_address.h"
#include "base/localised_text.h"
#include "base/run_time_error.h"
#include "cli/run_console.h"
#include "cli/subcommands.h"
#include "dialogue/dialogue_steps.h"
#include "platform/serial_ports.h"
#include "platform/system.h"

namespace dorvane::cli {

int Refused(const Message& message) {
  std::cerr << message.title << ": " << message.text << "\n";
  return kExitUsage;
}

std::optional<int> ReadDeviceAddressOptions(const CommandParser& parser, std::string& address, std::string& gateway) {
  if (!parser.positionalArguments().isEmpty()) {
    return parser.Refuse("unexpected \"" + parser.positionalArguments()[0] + "\"");
  }
  if (!parser.isSet("ip")) return parser.Refuse("--ip is required");
  if (!parser.isSet("via")) return parser.Refuse("--via is required");
  FieldCheck fields = CheckAddressFields(parser.value("ip").toStdString(), parser.value("gateway").toStdString());
  if (!fields.ok) return Refused(fields.message);
  address = fields.address;
  gateway = fields.gateway;
  return std::nullopt;
}

std::optional<LinkChoice> ParseLinkOption(const QString& via, bool arpOffered, QString& why) {
  LinkChoice link;
  if (via == "arp" && arpOffered) {
    link.port = kPortViaArp;
    return link;
  }
  if (via.startsWith("com", Qt::CaseInsensitive)) {
    bool ok = false;
    int n = via.mid(3).toInt(&ok);
    if (!ok || n < 1 || n > 16) {
      why = "COM entries run from com1 to com16";
      return std::nullopt;
    }
    link.port = n;
    return link;
  }
  if (via.startsWith("serial:")) {
    QString path = via.mid(7);
    if (path.isEmpty()) {
      why = "serial: needs a device path";
      return std::nullopt;
    }
    // COM entry 1, opening this device instead of the one the entry maps to.
    link.serialDevice = path.toStdString();
    return link;
  }
  if (via.startsWith("net:")) {
    QString address = via.mid(4);
    for (std::size_t i = 0; i < kServiceAddresses.size(); ++i) {
      if (address == kServiceAddresses[i]) {
        link.port = kFirstServicePort + static_cast<int>(i);
        return link;
      }
    }
    std::optional<std::string> normalized = ValidateIPAddress(address.toStdString());
    if (!normalized) {
      why = "net: needs an IP address, not \"" + address + "\"";
      return std::nullopt;
    }
    link.port = kFirstServicePort;
    link.networkTarget = IPAddressWithoutLeadingZeros(*normalized);
    return link;
  }
  why = "unknown --via \"" + via + "\"" + (arpOffered ? "" : " (this board takes no address by ARP)");
  return std::nullopt;
}

std::optional<int> ReadComPortOption(const CommandParser& parser, const char* device, LinkChoice& link) {
  QString why;
  std::optional<LinkChoice> choice = ParseLinkOption(parser.value("via"), false, why);
  if (choice && choice->port > platform::kComPortCount) {
    why = QString("the %1 is programmed over a COM port only (comN or serial:PATH)").arg(device);
  }
  if (!choice || choice->port > platform::kComPortCount) return parser.Refuse(why);
  link = *choice;
  return std::nullopt;
}

void AddServerOptions(CommandParser& parser, const char* defaultBaud) {
  parser.addOptions({
      {"ip", "Address to assign.", "ADDRESS"},
      {"mask", "Subnet mask from the list.", "MASK", "255.255.255.000"},
      {"gateway", "Default gateway.", "ADDRESS"},
      {"baud", "Serial rate of the board's channel.", "RATE", defaultBaud},
      {"ethernet", "Ethernet connection type, list index 0..4.", "N", "0"},
  });
}

std::optional<int> ReadServerOptions(const CommandParser& parser, const char* lowestBaud, ServerChoice& server) {
  if (std::optional<int> refused = ReadDeviceAddressOptions(parser, server.server.address, server.server.gateway)) {
    return refused;
  }

  server.server.subnetIndex = SubnetMaskIndex(parser.value("mask").toStdString());
  if (server.server.subnetIndex < 0) {
    return parser.Refuse("the mask " + parser.value("mask") + " is not in the subnet list");
  }
  QStringList rates;
  bool listed = false;
  for (const char* rate : kBaudRates) {
    listed = listed || std::string_view(rate) == lowestBaud;
    if (listed) rates << rate;
  }
  if (!rates.contains(parser.value("baud"))) return parser.Refuse("--baud takes one of " + rates.join(", "));
  server.baudText = parser.value("baud").toStdString();
  bool ok = false;
  server.ethernetIndex = parser.value("ethernet").toInt(&ok);
  if (!ok || server.ethernetIndex < 0 || server.ethernetIndex > 4) return parser.Refuse("--ethernet takes 0 to 4");
  return std::nullopt;
}

std::optional<KeySize> ParseKeyBits(const QString& bits) {
  if (bits == "128") return KeySize::Bits128;
  if (bits == "192") return KeySize::Bits192;
  if (bits == "256") return KeySize::Bits256;
  return std::nullopt;
}

std::optional<QByteArray> ReadFirstLine(const QString& path, const char* what, QString& why) {
  QFile file(path);
  bool opened = path == "-" ? file.open(stdin, QIODevice::ReadOnly) : file.open(QIODevice::ReadOnly);
  if (!opened) {
    why = QString("cannot read %1 from ").arg(what) + (path == "-" ? QString("standard input") : path) + ": " +
          file.errorString();
    return std::nullopt;
  }
  // A key is a secret: a file others may read earns the warning ssh gives
  // for its keys, and the run goes on.
  if (path != "-") {
    if (std::optional<unsigned> mode = platform::PermissionsOpenToOthers(path.toStdString())) {
      std::cerr << QString("Warning: %1 file %2 can be read or changed by other users (permissions %3); "
                           "\"chmod 600 %2\" keeps it to you.\n")
                       .arg(what, path,
                            QString::number(*mode, 8).rightJustified(4, '0'))
                       .toStdString();
    }
  }
  QByteArray line = file.readLine(256);
  while (line.endsWith('\n') || line.endsWith('\r')) line.chop(1);
  if (path == "-") NoteStandardInputTaken();
  return line;
}

void AddKeyOptions(CommandParser& parser) {
  parser.addOptions({
      {"key-bits", "Data key size: 128, 192 or 256.", "BITS"},
      {"key", "Data key, hexadecimal (shown in the process list).", "HEX"},
      {"key-file", "Data key from a file, or - for standard input.", "FILE"},
  });
}

std::optional<std::string> ReadKeyOption(const CommandParser& parser, QString& why) {
  if (parser.isSet("key") == parser.isSet("key-file")) {
    why = "give the key with --key HEX or --key-file FILE|-";
    return std::nullopt;
  }
  QByteArray key;
  if (parser.isSet("key")) {
    key = parser.value("key").toLatin1();
  } else {
    std::optional<QByteArray> line = ReadFirstLine(parser.value("key-file"), "the key", why);
    if (!line) return std::nullopt;
    key = *line;
  }
  key = key.trimmed().toUpper();
  if (!QRegularExpression("^[0-9A-F]*$").match(QString::fromLatin1(key)).hasMatch()) {
    why = "the key takes the hexadecimal digits 0-9 and A-F only";
    return std::nullopt;
  }
  return key.toStdString();
}

std::optional<DataKey> ReadDataKey(const CommandParser& parser, int& refused, const char* bitsWhenUnset) {
  const bool unset = !parser.isSet("key-bits") && bitsWhenUnset;
  std::optional<KeySize> size = ParseKeyBits(unset ? QString(bitsWhenUnset) : parser.value("key-bits"));
  if (!size) {
    refused = parser.Refuse("--key-bits takes 128, 192 or 256");
    return std::nullopt;
  }
  QString why;
  std::optional<std::string> key = ReadKeyOption(parser, why);
  if (!key) {
    refused = parser.Refuse(why);
    return std::nullopt;
  }
  // An empty or short key would leave the board encrypting with a key
  // nobody typed.
  if (std::optional<Message> wrong = CheckKeyLength(*key, *size)) {
    refused = Refused(*wrong);
    return std::nullopt;
  }
  return DataKey{*size, *key};
}

void AddReverseOptions(CommandParser& parser) {
  parser.addOptions({
      {"reverse-port", "Reverse network: the port the board listens on.", "N"},
      {"static-port", "Reverse network: the local port matches the reverse port."},
  });
}

std::optional<int> ReadReverseOptions(const CommandParser& parser, int highestPort, ReverseNetwork& reverse,
                                      ReversePortRefusal refusal) {
  if (!parser.isSet("reverse-port")) {
    if (parser.isSet("static-port")) return parser.Refuse("--static-port needs --reverse-port");
    return std::nullopt;
  }
  ReversePortCheck check = CheckReversePort(parser.value("reverse-port").toStdString(), highestPort);
  if (!check.ok && refusal == ReversePortRefusal::Range) {
    return parser.Refuse(QString("--reverse-port takes 0 to %1").arg(highestPort));
  }
  if (!check.ok) return Refused(check.message);
  reverse.saved = true;
  reverse.portText = check.port;
  reverse.staticLocalPort = parser.isSet("static-port");
  return std::nullopt;
}

bool ConfirmReverseOnConsole(const CommandParser& parser, const std::string& device) {
  Question question = ReverseNetworkQuestion(device);
  if (AskOnConsole(QString::fromStdString(question.title), QString::fromStdString(question.text), question.buttons,
                   parser.isSet("yes")) == Question::Answer::Yes) {
    return true;
  }
  std::cerr << question.title << ": not confirmed; nothing was sent to the device.\n";
  return false;
}

namespace {

int ReportOutcome(const RunOutcome& outcome, const RunReport& report) {
  using Kind = RunOutcome::Kind;
  if (outcome.kind == Kind::RunTimeError) {
    std::cerr << ErrorReportText(report.errorLabel, outcome.errorNumber,
                                 RunErrorDescription(outcome.errorNumber, outcome.description, SystemLocaleID))
              << "\n";
    return kExitRunTimeError;
  }
  if (outcome.kind == Kind::Declined) {
    std::cerr << report.declined << "\n";
    return kExitCancelled;
  }
  Message message = report.endMessage(outcome);
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

}  // namespace

int RunProgramScript(const CommandParser& parser, DialogueRunner::Script script, const RunReport& report) {
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
  return ReportOutcome(outcome, report);
}

}  // namespace dorvane::cli
