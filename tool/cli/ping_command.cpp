#include <QJsonObject>
#include <QTextStream>

#include "base/ip_address.h"
#include "base/localised_text.h"
#include "base/run_time_error.h"
#include "cli/command_parser.h"
#include "cli/subcommands.h"
#include "diagnostics/ping_runner.h"

namespace dorvane::cli {

const char* const kPingSynopsis = "Ping ADDRESS once, as Start Ping does (--format text|json)";

namespace {

const char* const kUsage = "Usage: pellarctl ping ADDRESS [--format text|json]\n";

const char* const kDetails =
    "Pings ADDRESS once, as the main window's Start Ping does, and prints what\n"
    "the window's boxes show.\n"
    "\n"
    "Options:\n"
    "  --format FORMAT  text (default): one \"label: value\" line per box; json: one\n"
    "                   object.\n"
    "  -h, --help       Show this help and exit.\n"
    "\n"
    "Exit codes: 0 the address answered, 1 run-time error, 2 bad input, 3 no answer.\n";

void PrintText(QTextStream& out, const std::string& address, const PingValues& values) {
  out << LabelLine(1018, address) << "\n"
      << LabelLine(1019, values.hostName) << "\n"
      << LabelLine(1020, values.status.text) << "\n"
      << LabelLine(1021, values.roundTrip) << "\n"
      << LabelLine(1022, values.dataBytes) << "\n"
      << LabelLine(1023, values.echoData) << "\n"
      << LabelLine(1024, values.mac) << "\n";
}

QJsonObject Json(const std::string& address, const PingReport& report, const PingValues& values) {
  QJsonObject object{
      {"address", QString::fromStdString(address)},
      {"hostName", PlainValue(values.hostName)},
      {"status", report.socketsStarted ? QJsonValue(report.echo.status) : QJsonValue()},
      {"statusText", PlainValue(values.status.text)},
      {"roundTripMs", report.socketsStarted ? QJsonValue(static_cast<qint64>(report.echo.roundTripMs)) : QJsonValue()},
      {"dataBytes", report.socketsStarted ? QJsonValue(static_cast<qint64>(report.echo.data.size())) : QJsonValue()},
      {"echoData", PlainValue(values.echoData)},
      {"macAddress", PlainValue(values.mac)},
  };
  return object;
}

}  // namespace

int RunPingCommand(const QStringList& arguments) {
  QTextStream out(stdout);
  QTextStream err(stderr);
  CommandParser parser("pellarctl ping", kUsage, kDetails);
  parser.addOption(FormatOption(false));
  if (std::optional<int> ended = parser.Read(arguments)) return *ended;
  OutputFormat format = OutputFormat::kText;
  if (std::optional<int> refused = ReadFormatOption(parser, false, format)) return *refused;
  const QStringList positional = parser.positionalArguments();
  if (positional.size() != 1) return parser.Refuse("one address expected");
  try {
    std::string text = positional.first().toStdString();
    if (positional.first().trimmed().isEmpty() || !ValidateIPAddress(text)) {
      err << QString::fromStdString(LoadText(1045)) << "\n";
      return kExitUsage;
    }
    const std::string address = IPAddressWithoutLeadingZeros(text);
    PingReport report = RunPing(address);
    PingValues values = PingLabelValues(report);
    if (!report.socketsStarted) err << "Windows Sockets for 32 bit Windows not successfully responding.\n";
    if (report.socketCleanupFailed) err << "Windows Sockets Error In Cleanup.\n";
    if (format == OutputFormat::kJson) {
      PrintJson(out, Json(address, report, values));
    } else {
      PrintText(out, address, values);
    }
    return PingSucceeded(report) ? kExitSuccess : kExitCommunication;
  } catch (const RunTimeError& failure) {
    err << QString::fromStdString(ErrorReportText("Ping Click", failure.Number(), failure.Description())) << "\n";
    return kExitRunTimeError;
  }
}

}  // namespace dorvane::cli
