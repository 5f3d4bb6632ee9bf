#include <QJsonObject>
#include <QTextStream>

#include "base/localised_text.h"
#include "base/run_time_error.h"
#include "cli/subcommands.h"
#include "dialogue/dialogue_runner.h"
#include "monitor/monitor_exchange.h"

namespace dorvane::cli {

const char* const kMonitorSynopsis = "Query a board's monitor mode over TCP (--kind ethernet|wireless)";

namespace {

const char* const kUsage =
    "Usage: pellarctl monitor ADDRESS [--kind ethernet|wireless] [--format text|json] [--transcript FILE]\n";

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
  QString error;
  std::optional<CommandOptions> options =
      ParseCommandOptions(arguments, {"--kind", "--format", "--transcript"}, {}, error);
  std::optional<OutputFormat> format;
  if (options) format = FormatOption(*options, error);
  MonitorKind kind = MonitorKind::EthernetIP;
  if (options && format) {
    const QString kindName = options->values.value("--kind", "ethernet");
    if (kindName == "wireless") {
      kind = MonitorKind::Wireless;
    } else if (kindName != "ethernet") {
      error = QString("unknown kind \"%1\" (ethernet or wireless)").arg(kindName);
    }
    if (error.isEmpty() && options->positional.size() != 1) error = "one address expected";
  }
  if (!error.isEmpty()) {
    err << "pellarctl monitor: " << error << "\n" << kUsage;
    return kExitUsage;
  }

  try {
    const std::optional<std::string> address = MonitorAddress(options->positional.first().toStdString());
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
    runOptions.transcriptPath = options->values.value("--transcript");
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
    if (*format == OutputFormat::kJson) {
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
