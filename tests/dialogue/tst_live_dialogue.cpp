// The production runner against pellar-devsim: a real serial link over a
// pty and real TCP on loopback, with every wait scaled down.

#include <QtTest>
#include <QSignalSpy>

#include "dialogue/dialogue_runner.h"
#include "dialogue/dialogue_steps.h"
#include "dialogue/run_values.h"
#include "fake_arp_table.h"
#include "sim_process.h"

using namespace dorvane;
using dorvane::testing::FakeArpTable;
using dorvane::testing::SimProcess;

namespace {

RunOutcome Completed() { return {}; }

}  // namespace

class TestLiveDialogue : public QObject {
  Q_OBJECT

  RunOutcome Run(DialogueRunner::Script script, DialogueRunner* runner = nullptr,
                 const std::function<void(DialogueRunner&)>& whileRunning = {}) {
    DialogueRunner own;
    DialogueRunner& r = runner ? *runner : own;
    QSignalSpy finished(&r, &DialogueRunner::Finished);
    DialogueRunner::Options options;
    options.arp = std::make_shared<FakeArpTable>();
    options.transcriptPath = QDir::temp().filePath("pellar-live-dialogue.jsonl");
    if (!r.Start(std::move(script), options)) return {RunOutcome::Kind::RunTimeError, -1, "not started"};
    if (whileRunning) whileRunning(r);
    if (!finished.wait(60000)) return {RunOutcome::Kind::RunTimeError, -2, "no end"};
    return finished.first().first().value<RunOutcome>();
  }

 private slots:
  void initTestCase() {
    if (!QFile::exists(SimProcess::BinaryPath())) QSKIP("pellar-devsim is not built");
    qputenv("DORVANE_TIME_SCALE", "0.05");
  }
  void init() { SharedRunValues().Reset(); }

  void wakeUpOverAPty() {
    SimProcess sim;
    QVERIFY2(sim.Start({"--pty", "--reset-after", "2", "--firmware", "V6.7.0", "--time-scale", "0.05"}),
             qPrintable(sim.Error()));
    qputenv("DORVANE_COM3", sim.PtyPath().toLocal8Bit());
    bool prompt = false;
    RunOutcome outcome = Run([&prompt](Dialogue& d) {
      d.ClearPromptSeen();
      d.OpenSerialLink(3);
      if (AwaitSetupPrompt(d, true) == WakeOutcome::Cancelled) return RunOutcome::Ended(RunOutcome::Kind::Cancelled);
      prompt = d.PromptSeen();
      SendAnswer(d, "\r", 5);
      d.CloseLink();
      return Completed();
    });
    QCOMPARE(int(outcome.kind), int(RunOutcome::Kind::Completed));
    QVERIFY(prompt);
    QVERIFY(SharedRunValues().NewSetupPrompt);
    QVERIFY(SharedRunValues().AtLeastV6_7() && !SharedRunValues().AtLeastV6_8());
    QByteArray received = sim.Received();
    QVERIFY2(received.startsWith("xxx"), received.constData());
    QVERIFY(received.endsWith("\r"));
  }

  void escapeCancelsTheWakeUpLoop() {
    SimProcess sim;
    QVERIFY2(sim.Start({"--pty", "--fail", "no-banner", "--time-scale", "0.05"}), qPrintable(sim.Error()));
    qputenv("DORVANE_COM4", sim.PtyPath().toLocal8Bit());
    DialogueRunner runner;
    RunOutcome outcome = Run(
        [](Dialogue& d) {
          d.OpenSerialLink(4);
          if (AwaitSetupPrompt(d, false) == WakeOutcome::Cancelled) return RunOutcome::Ended(RunOutcome::Kind::Cancelled);
          return Completed();
        },
        &runner, [](DialogueRunner& r) { QTimer::singleShot(200, &r, [&r] { r.PressEscape(); }); });
    QCOMPARE(int(outcome.kind), int(RunOutcome::Kind::Cancelled));
    // ESC is looked at once per cycle: whole cycles of three only.
    QByteArray received = sim.Received();
    QVERIFY(!received.isEmpty());
    QCOMPARE(received.size() % 3, 0);
  }

  void unopenablePortIsARunTimeError() {
    qputenv("DORVANE_COM5", "/nonexistent/tty");
    RunOutcome outcome = Run([](Dialogue& d) {
      d.OpenSerialLink(5);
      return Completed();
    });
    QCOMPARE(int(outcome.kind), int(RunOutcome::Kind::RunTimeError));
    QCOMPARE(outcome.errorNumber, 8002);
  }

  // address, failure mode, answers sent after the setup entry, outcome.
  void networkRun_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<QStringList>("failure");
    QTest::addColumn<int>("outcome");
    QTest::newRow("saved") << "127.0.0.41" << QStringList() << int(RunOutcome::Kind::Completed);
    QTest::newRow("setup port refused") << "127.0.0.42" << QStringList{"--fail", "refuse-setup-port"}
                                        << int(RunOutcome::Kind::CommunicationFailure);
    QTest::newRow("module drops out before the save") << "127.0.0.43" << QStringList{"--fail", "close-after:3"}
                                                      << int(RunOutcome::Kind::CommunicationFailure);
  }
  void networkRun() {
    QFETCH(QString, address);
    QFETCH(QStringList, failure);
    SimProcess sim;
    QVERIFY2(sim.Start(QStringList{"--tcp", address, "--assign-port", "0", "--time-scale", "0.05"} + failure),
             qPrintable(sim.Error()));
    bool stoppedEarly = false;
    RunOutcome outcome = Run([address, &stoppedEarly](Dialogue& d) {
      d.Values().StopWaiting = false;
      if (!ConnectSetupPort(d, address.toStdString())) return RunOutcome::Ended(RunOutcome::Kind::CommunicationFailure);
      for (const char* answer : {"0\r", "192\r", "168\r", "1\r", "10\r", "\r"}) SendAnswer(d, answer, 1);
      d.Send("9\r");
      d.WaitSeconds(15);
      stoppedEarly = d.Values().StopWaiting;
      d.CloseLink();
      return Completed();
    });
    QTEST(int(outcome.kind), "outcome");
    if (outcome.kind == RunOutcome::Kind::Completed) {
      QVERIFY(stoppedEarly);
      QCOMPARE(sim.Received(), QByteArray("\r0\r192\r168\r1\r10\r\r9\r"));
    }
  }
};

QTEST_GUILESS_MAIN(TestLiveDialogue)
#include "tst_live_dialogue.moc"
