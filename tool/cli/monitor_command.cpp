#include <QJsonObject>
#include <QTextStream>

#include "base/localised_text.h"
#include "base/run_time_error.h"
#include "cli/command_parser.h"
#include "cli/subcommands.h"
#include "dialogue/dialogue_runner.h"
#include "monitor/monitor_exchange.h"

namespace dorvane::cli {

const char* const kMonitorSynopsis = "Query a board's monitor mode over TCP (--kind ethernet|wireless)";

namespace {

const char* const kUsage =
    "Usage: pellarctl monitor ADDRESS [--kind ethernet|wireless] [--format text|json] [--transcript FILE]\n";

const char* const kDetails =
    "Runs monitor mode with the board at ADDRESS over TCP, as PELLAR Monitor Mode\n"
    "does, and prints each query command's answer; the stage texts go to\n"
    "standard error. Nothing on the board is changed.\n"
    "\n"
    "Options:\n"
    "  --kind KIND        ethernet (default): TT and NC; wireless: SA, NS and TT.\n"
    "  --format FORMAT    text (default): each command and its answer; json: an\n"
    "                     object per command with \"ok\", \"complete\" and \"text\".\n"
    "  --transcript FILE  Write the exchange's transcript as JSON lines.\n"
    "  -h, --help         Show this help and exit.\n"
    "\n"
    "Exit codes: 0 the exchange ran, 1 run-time error, 2 bad input, 3 no connection.\n";

// The box's line breaks as the terminal writes them.
QString AnswerText(const MonitorAnswer& answer) { return QString::fromStdString(answer.text).replace("\r\n", "\n"); }

void PrintText(QTextStream& out, const MonitorResult& result) {
  for (const MonitorAnswer& answer : result.answers) {
    QString text = AnswerText(answer);
    out << QString::fromStdString(answer.command) << ":\n" << text;
    if (!text.endsWith('\n')) out << "\n";
  }
}

QJsonObject Json(const MonitorResult& result) {
  QJsonObject object;
  for (const MonitorAnswer& answer : result.answers) {
    object.insert(QString::fromStdString(answer.command),
                  QJsonObject{{"ok", answer.ok}, {"complete", answer.complete}, {"text", AnswerText(answer)}});
  }
  return object;
}

}  // namespace

int RunMonitorCommand(const QStringList& arguments) {
  QTextStream out(stdout);
  QTextStream err(stderr);
  CommandParser parser("pellarctl monitor", kUsage, kDetails);
  parser.addOptions(
      {{"kind", "Board kind.", "KIND", "ethernet"}, FormatOption(false), {"transcript", "Transcript file.", "FILE"}});
  if (std::optional<int> ended = parser.Read(arguments)) return *ended;
  OutputFormat format = OutputFormat::kText;
  if (std::optional<int> refused = ReadFormatOption(parser, false, format)) return *refused;
  MonitorKind kind = MonitorKind::EthernetIP;
  const QString kindName = parser.value("kind");
  if (kindName == "wireless") {
    kind = MonitorKind::Wireless;
  } else if (kindName != "ethernet") {
    return parser.Refuse(QString("unknown kind \"%1\" (ethernet or wireless)").arg(kindName));
  }
  if (parser.positionalArguments().size() != 1) return parser.Refuse("one address expected");

  try {
    const std::optional<std::string> address = MonitorAddress(parser.positionalArguments().first().toStdString());
    if (!address) {
      err << QString::fromStdString(LoadText(1045)) << "\n";
      return kExitUsage;
    }
    DialogueRunner runner;
    // What the window's lblInfo shows goes to standard error, so standard
    // output holds the answers alone (and stays valid JSON).
    QObject::connect(&runner, &DialogueRunner::StatusChanged, [&err](const QString& text) {
      if (!text.isEmpty()) err << text << "\n" << Qt::flush;
    });
    RunOutcome outcome;
    QObject::connect(&runner, &DialogueRunner::Finished, [&outcome](const RunOutcome& o) { outcome = o; });
    auto result = std::make_shared<MonitorResult>();
    DialogueRunner::Options runOptions;
    runOptions.transcriptPath = parser.value("transcript");
    const int languageOffset = LanguageOffset.load();
    runOptions.languageOffset = languageOffset;
    runner.Start(
        [address = *address, kind, languageOffset, result](Dialogue& dialogue) {
          return RunMonitorExchange(dialogue, address, kind, languageOffset, *result);
        },
        runOptions);
    runner.WaitForEnd();

    switch (outcome.kind) {
      case RunOutcome::Kind::Completed: break;
      case RunOutcome::Kind::RunTimeError:
        err << QString::fromStdString(ErrorReportText("Monitor Mode", outcome.errorNumber, outcome.description))
            << "\n";
        return kExitRunTimeError;
      default:
        err << "Communication Failure: Failed to communicate with Pellar device\n";
        if (!outcome.description.empty()) err << "(" << QString::fromStdString(outcome.description) << ")\n";
        return kExitCommunication;
    }
    if (format == OutputFormat::kJson) {
      PrintJson(out, Json(*result));
    } else {
      PrintText(out, *result);
    }
    return kExitSuccess;
  } catch (const RunTimeError& failure) {
    err << QString::fromStdString(ErrorReportText("Monitor Mode", failure.Number(), failure.Description())) << "\n";
    return kExitRunTimeError;
  }
}

}  // namespace dorvane::cli
