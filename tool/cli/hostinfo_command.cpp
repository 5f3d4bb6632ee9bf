#include <QJsonArray>
#include <QJsonObject>
#include <QTextStream>

#include "base/run_time_error.h"
#include "cli/cli_application.h"
#include "cli/command_parser.h"
#include "cli/subcommands.h"
#include "diagnostics/host_fact_sources.h"
#include "platform/system.h"

namespace dorvane::cli {

const char* const kHostInfoSynopsis =
    "Host name and adapter addresses; --test adds the system test (--drive PATH, --format text|json)";

namespace {

const char* const kUsage = "Usage: pellarctl hostinfo [--test] [--drive PATH] [--format text|json]\n";

const char* const kDetails =
    "Prints the main window's host facts (Get Current IP & Host Name): the host\n"
    "name and the addresses of the first network adapters; --test adds the\n"
    "values of its system test.\n"
    "\n"
    "Options:\n"
    "  --test           Add the system test: administrator, DHCP, screen, operating\n"
    "                   system, drive and its free space.\n"
    "  --drive PATH     The drive the system test measures (default: the system's).\n"
    "  --format FORMAT  text (default): one \"label: value\" line per box; json: one\n"
    "                   object.\n"
    "  -h, --help       Show this help and exit.\n"
    "\n"
    "Exit codes: 0 success, 1 run-time error, 2 bad input.\n";

// One value of the system test: its label, its JSON key and what it shows.
struct TestValue {
  int labelTextId;
  const char* key;
  std::optional<LabelValue> value;
};

std::vector<TestValue> TestValues(const SystemTestFacts& facts, const std::string& drive) {
  return {
      {1006, "adminStatus", facts.os.admin},     {1007, "dhcpEnabled", facts.dhcp},
      {1008, "screenSettings", facts.screen},    {1009, "operatingSystem", facts.os.name},
      {1010, "systemVersion", facts.os.version}, {1011, "drive", LabelValue{drive}},
      {1012, "diskFreeSpace", facts.freeSpace},
  };
}

void PrintText(QTextStream& out, const CurrentIPFacts& current, const std::vector<TestValue>& tests) {
  out << LabelLine(1001, current.hostName) << "\n";
  for (std::size_t i = 0; i < kShownAdapters; ++i) {
    std::string address = i < current.adapterAddresses.size() ? current.adapterAddresses[i] : std::string();
    out << LabelLine(1092 + static_cast<int>(i), address) << "\n";
  }
  for (const TestValue& test : tests) out << LabelLine(test.labelTextId, test.value ? test.value->text : "") << "\n";
}

QJsonObject Json(const CurrentIPFacts& current, const std::vector<TestValue>& tests) {
  QJsonArray adapters;
  for (const std::string& address : current.adapterAddresses) adapters << QString::fromStdString(address);
  QJsonObject object{{"hostComputerName", PlainValue(current.hostName)}, {"networkAdapters", adapters}};
  if (tests.empty()) return object;
  QJsonArray warnings;
  for (const TestValue& test : tests) {
    object[test.key] = test.value ? QJsonValue(PlainValue(test.value->text)) : QJsonValue();
    if (test.value && test.value->colour == ValueColour::kLightRed) warnings << test.key;
  }
  object["warnings"] = warnings;
  return object;
}

}  // namespace

int RunHostInfoCommand(const QStringList& arguments) {
  QTextStream out(stdout);
  QTextStream err(stderr);
  CommandParser parser("pellarctl hostinfo", kUsage, kDetails);
  parser.addOptions({FormatOption(false), {"drive", "Drive of the system test.", "PATH"}, {"test", "System test."}});
  if (std::optional<int> ended = parser.Read(arguments)) return *ended;
  OutputFormat format = OutputFormat::kText;
  if (std::optional<int> refused = ReadFormatOption(parser, false, format)) return *refused;
  if (!parser.positionalArguments().isEmpty()) return parser.Refuse("no arguments expected");
  const char* label = "Get Current IP & Host Name";
  try {
    CurrentIPFacts current = GetCurrentIP();
    std::vector<TestValue> tests;
    if (parser.isSet("test")) {
      label = "Test System Click";
      std::string drive = parser.isSet("drive") ? parser.value("drive").toStdString() : platform::SystemDrive();
      SystemTestFacts facts = TestSystem(drive, WindowSystemScreen());
      if (facts.dhcpFailure) {
        err << QString::fromStdString(
                   ErrorReportText("DHCP Function", facts.dhcpFailure->Number(), facts.dhcpFailure->Description()))
            << "\n";
      }
      tests = TestValues(facts, drive);
    }
    if (format == OutputFormat::kJson) {
      PrintJson(out, Json(current, tests));
    } else {
      PrintText(out, current, tests);
    }
    return kExitSuccess;
  } catch (const RunTimeError& failure) {
    err << QString::fromStdString(ErrorReportText(label, failure.Number(), failure.Description())) << "\n";
    return kExitRunTimeError;
  }
}

}  // namespace dorvane::cli
