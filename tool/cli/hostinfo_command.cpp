#include <QJsonArray>
#include <QJsonObject>
#include <QTextStream>

#include "base/run_time_error.h"
#include "cli/cli_application.h"
#include "cli/subcommands.h"
#include "diagnostics/host_fact_sources.h"
#include "platform/system.h"

namespace dorvane::cli {

const char* const kHostInfoSynopsis =
    "Host name and adapter addresses; --test adds the system test (--drive PATH, --format text|json)";

namespace {

const char* const kUsage = "Usage: pellarctl hostinfo [--test] [--drive PATH] [--format text|json]\n";

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
  QString error;
  std::optional<CommandOptions> options = ParseCommandOptions(arguments, {"--format", "--drive"}, {"--test"}, error);
  std::optional<OutputFormat> format;
  if (options) format = FormatOption(*options, error);
  if (options && format && !options->positional.isEmpty()) error = "no arguments expected";
  if (!error.isEmpty()) {
    err << "pellarctl hostinfo: " << error << "\n" << kUsage;
    return kExitUsage;
  }
  const char* label = "Get Current IP & Host Name";
  try {
    CurrentIPFacts current = GetCurrentIP();
    std::vector<TestValue> tests;
    if (options->flags.contains("--test")) {
      label = "Test System Click";
      std::string drive =
          options->values.value("--drive", QString::fromStdString(platform::SystemDrive())).toStdString();
      SystemTestFacts facts = TestSystem(drive, WindowSystemScreen());
      if (facts.dhcpFailure) {
        err << QString::fromStdString(
                   ErrorReportText("DHCP Function", facts.dhcpFailure->Number(), facts.dhcpFailure->Description()))
            << "\n";
      }
      tests = TestValues(facts, drive);
    }
    if (*format == OutputFormat::kJson) {
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
