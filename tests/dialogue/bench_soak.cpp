// Benchmark: one DialogueRunner through 200 consecutive runs against the
// simulator at a small time scale, a mix that repeats every five runs: a
// PELLAR2 over a pty, a PELLAR2 and a PELLAR6 over TCP, a serial wake-up
// cancelled with ESC, and a TCP run whose link drops. Prints the memory,
// open descriptors and threads after runs 10 and 200, and every run whose
// outcome differed from the expected. Targets: RSS growth under 2 MB, no
// growth in descriptors or threads, every outcome as expected.

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QSignalSpy>
#include <QTimer>
#include <cstdio>

#include "boards/pellar_setup_script.h"
#include "dialogue/dialogue_runner.h"
#include "platform/application_log.h"
#include "fake_arp_table.h"
#include "process_figures.h"
#include "sim_process.h"

using namespace dorvane;

namespace {

constexpr double kScale = 0.01;
constexpr int kRuns = 200;
constexpr int kEarly = 10;
const QString kScaleText = QString::number(kScale);

Pellar2Inputs Pellar2Over(const LinkChoice& link) {
  Pellar2Inputs in;
  in.server.address = "192.168.001.010";
  in.link = link;
  return in;
}

// The PELLAR6 network run's disclaimer entries stay in the bench.
class QuietLog : public platform::ApplicationLog {
 public:
  platform::CommandOutcome WriteInformation(const std::string&) override { return {true, "bench"}; }
};

void Settle(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

LinkChoice Serial(const QString& pty) { return {1, pty.toStdString(), {}}; }
LinkChoice Tcp(const char* address) { return {kFirstServicePort, {}, address}; }

}  // namespace

int main(int argc, char* argv[]) {
  qputenv("DORVANE_TIME_SCALE", QByteArray::number(kScale));
  QCoreApplication app(argc, argv);
  if (!QFile::exists(testing::SimProcess::BinaryPath())) {
    std::printf("SKIP: pellar-devsim is not built\n");
    return 0;
  }
  // A board over a pty that answers every wake-up, one over a pty that
  // never does (the run the installer cancels), a PELLAR2 and a PELLAR6 on
  // TCP, and a TCP module that drops the link after its greeting.
  testing::SimProcess serialBoard, deafBoard, tcpBoard, tcpEncrypted, droppingBoard;
  struct Start {
    testing::SimProcess& sim;
    QStringList arguments;
  };
  for (const Start& start : {Start{serialBoard, {"--pty", "--power-cycle-when-asked"}},
                             Start{deafBoard, {"--pty", "--fail", "no-banner"}},
                             Start{tcpBoard, {"--tcp", "127.0.0.81", "--assign-port", "0"}},
                             Start{tcpEncrypted, {"--tcp", "127.0.0.82", "--assign-port", "0", "--kind", "pellar6"}},
                             Start{droppingBoard, {"--tcp", "127.0.0.83", "--assign-port", "0", "--fail",
                                                   "close-after:40"}}}) {
    if (!start.sim.Start(start.arguments + QStringList{"--time-scale", kScaleText})) {
      std::printf("FAIL: %s\n", qPrintable(start.sim.Error()));
      return 1;
    }
  }

  struct Kind {
    const char* name;
    DialogueRunner::Script script;
    RunOutcome::Kind expected;
    bool escape;
  };
  Pellar6Inputs encrypted;
  static_cast<Pellar2Inputs&>(encrypted) = Pellar2Over(Tcp("127.0.0.82"));
  encrypted.dataKey = {KeySize::Bits128, "00112233445566778899AABBCCDDEEFF"};
  const std::vector<Kind> mix = {
      {"PELLAR2 serial", [in = Pellar2Over(Serial(serialBoard.PtyPath()))](Dialogue& d) { return RunPellar2(d, in); },
       RunOutcome::Kind::Completed, false},
      {"PELLAR2 TCP", [in = Pellar2Over(Tcp("127.0.0.81"))](Dialogue& d) { return RunPellar2(d, in); },
       RunOutcome::Kind::Completed, false},
      {"PELLAR6 TCP", [encrypted](Dialogue& d) { return RunPellar6(d, encrypted); }, RunOutcome::Kind::Completed,
       false},
      {"serial cancelled with ESC",
       [in = Pellar2Over(Serial(deafBoard.PtyPath()))](Dialogue& d) { return RunPellar2(d, in); },
       RunOutcome::Kind::Cancelled, true},
      {"TCP link dropped", [in = Pellar2Over(Tcp("127.0.0.83"))](Dialogue& d) { return RunPellar2(d, in); },
       RunOutcome::Kind::CommunicationFailure, false},
  };

  DialogueRunner runner;
  DialogueRunner::Options options;
  options.arp = std::make_shared<testing::FakeArpTable>();
  options.applicationLog = std::make_shared<QuietLog>();
  // The installer accepts the PELLAR6 network run's disclaimer.
  QObject::connect(&runner, &DialogueRunner::QuestionAsked, &runner,
                   [&runner] { runner.AnswerQuestion(Question::Answer::Yes); });
  QStringList unexpected;
  testing::ProcessFigures early, late;
  for (int run = 1; run <= kRuns; ++run) {
    const Kind& kind = mix[(run - 1) % mix.size()];
    QSignalSpy finished(&runner, &DialogueRunner::Finished);
    if (!runner.Start(kind.script, options)) {
      std::printf("FAIL: run %d could not start\n", run);
      return 1;
    }
    if (kind.escape) QTimer::singleShot(300, &runner, [&runner] { runner.PressEscape(); });
    if (!finished.wait(120000)) {
      std::printf("FAIL: run %d (%s) did not end\n", run, kind.name);
      return 1;
    }
    auto outcome = finished.first().first().value<RunOutcome>();
    if (outcome.kind != kind.expected) {
      unexpected << QString("run %1 (%2): kind %3, expected %4: %5")
                        .arg(run)
                        .arg(kind.name)
                        .arg(static_cast<int>(outcome.kind))
                        .arg(static_cast<int>(kind.expected))
                        .arg(QString::fromStdString(outcome.description));
    }
    // Let the runner's thread and the link's last events go before measuring.
    Settle(50);
    if (run == kEarly) early = testing::ProcessFigures::Now();
    if (run == kRuns) late = testing::ProcessFigures::Now();
  }

  bool met = testing::ReportSoak("run", kEarly, early, kRuns, late);
  std::printf("outcomes not as expected: %lld\n", static_cast<long long>(unexpected.size()));
  for (const QString& line : unexpected) std::printf("  %s\n", qPrintable(line));
  met = met && unexpected.isEmpty();
  std::printf("%s\n", met ? "targets met" : "targets missed");
  return met ? 0 : 1;
}
