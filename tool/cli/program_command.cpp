#include "cli/subcommands.h"

#include <QCommandLineParser>
#include <QCoreApplication>
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
    "    [--vra-ip ADDRESS --vra-port N] [--transcript FILE] [--show-keys] [--yes]\n";

int UsageError(const QString& why) {
  std::cerr << "pellarctl program: " << why.toStdString() << "\n\n" << kUsage;
  return kExitUsage;
}

// The window's message, as the installer would read it in its box.
int Refused(const Message& message) {
  std::cerr << message.title << ": " << message.text << "\n";
  return kExitUsage;
}

bool ParsePort(const QString& via, Pellar2Inputs& in, QString& why) {
  if (via == "arp") {
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
  why = "unknown --via \"" + via + "\"";
  return false;
}

bool ParseMac(const QString& mac, Pellar2Inputs& in) {
  QStringList parts = mac.split(QRegularExpression("[-:]"));
  if (parts.size() != 6) return false;
  for (int i = 0; i < 6; ++i) in.macBoxes[static_cast<std::size_t>(i)] = parts[i].toStdString();
  return true;
}

int ReportOutcome(const RunOutcome& outcome, bool network) {
  if (outcome.kind == RunOutcome::Kind::RunTimeError) {
    std::cerr << ErrorReportText(kPellar2RunLabel, outcome.errorNumber,
                                 RunErrorDescription(outcome.errorNumber, outcome.description, SystemLocaleID))
              << "\n";
    return kExitRunTimeError;
  }
  Message message = Pellar2EndMessage(outcome, network);
  bool success = outcome.kind == RunOutcome::Kind::Completed;
  (success ? std::cout : std::cerr) << message.title << ": " << message.text << "\n";
  if (!outcome.description.empty() && outcome.kind == RunOutcome::Kind::CommunicationFailure) {
    std::cerr << "(" << outcome.description << ")\n";
  }
  switch (outcome.kind) {
    case RunOutcome::Kind::Completed: return kExitSuccess;
    case RunOutcome::Kind::Cancelled: return kExitCancelled;
    case RunOutcome::Kind::InputRejected: return kExitUsage;
    default: return kExitCommunication;
  }
}

int ProgramPellar2(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.addOptions({
      {"ip", "Address to assign.", "ADDRESS"},
      {"mask", "Subnet mask from the list.", "MASK", "255.255.255.000"},
      {"gateway", "Default gateway.", "ADDRESS"},
      {"via", "Link to the board.", "LINK"},
      {"mac", "MAC address (with --via arp).", "MAC"},
      {"baud", "Serial rate of the board's channel.", "RATE", "57600"},
      {"ethernet", "Ethernet connection type, list index 0..4.", "N", "0"},
      {"no-77fe", "Leave discovery port 77FE enabled."},
      {"server-only", "Program the server address settings only."},
      {"vra-ip", "VRA-Link remote address.", "ADDRESS"},
      {"vra-port", "VRA-Link remote port.", "N"},
      {"transcript", "Write the run's transcript as JSON lines.", "FILE"},
      {"show-keys", "Do not mask keys in the transcript."},
      {"yes", "Answer the run's questions yes."},
  });
  if (!parser.parse(QStringList{"pellarctl program pellar2"} + arguments)) return UsageError(parser.errorText());
  if (!parser.positionalArguments().isEmpty()) return UsageError("unexpected \"" + parser.positionalArguments()[0] + "\"");
  if (!parser.isSet("ip")) return UsageError("--ip is required");
  if (!parser.isSet("via")) return UsageError("--via is required");

  Pellar2Inputs in;
  FieldCheck fields = CheckAddressFields(parser.value("ip").toStdString(), parser.value("gateway").toStdString());
  if (!fields.ok) return Refused(fields.message);
  in.deviceAddress = fields.address;
  in.gateway = fields.gateway;

  in.subnetIndex = SubnetMaskIndex(parser.value("mask").toStdString());
  if (in.subnetIndex < 0) return UsageError("the mask " + parser.value("mask") + " is not in the subnet list");

  QString why;
  if (!ParsePort(parser.value("via"), in, why)) return UsageError(why);
  if (in.portIndex == kPortViaArp) {
    if (!parser.isSet("mac")) return UsageError("--via arp needs --mac");
    if (!ParseMac(parser.value("mac"), in)) return UsageError("a MAC address has six parts: 00-20-4A-12-34-56");
  }

  QStringList rates;
  for (const char* rate : kBaudRates) rates << rate;
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

  DialogueRunner runner;
  RunConsole console(runner, parser.isSet("yes"));
  RunOutcome outcome;
  QObject::connect(&runner, &DialogueRunner::Finished, [&outcome](const RunOutcome& o) { outcome = o; });
  DialogueRunner::Options options;
  options.transcriptPath = parser.value("transcript");
  options.showSecrets = parser.isSet("show-keys");
  options.languageOffset = LanguageOffset.load();
  runner.Start([in](Dialogue& d) { return RunPellar2(d, in); }, options);
  runner.WaitForEnd();
  console.Finish();
  return ReportOutcome(outcome, IsNetworkPort(in.portIndex));
}

}  // namespace

int RunProgramCommand(const QStringList& arguments) {
  if (arguments.isEmpty() || arguments.first() == "--help" || arguments.first() == "-h") {
    std::cout << kUsage;
    return arguments.isEmpty() ? kExitUsage : kExitSuccess;
  }
  if (arguments.first() != "pellar2") return UsageError("unknown board \"" + arguments.first() + "\"");
  return ProgramPellar2(arguments.mid(1));
}

}  // namespace dorvane::cli
