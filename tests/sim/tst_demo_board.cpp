// The board `make run` gives a newcomer: started with the very options of
// scripts/run-demo.sh (it prints them with --board-options), left alone
// until a fixed reset and wake-up window would long have passed, then
// programmed twice with pellarctl. Each run must find the board answering,
// because the board is power-cycled whenever the tool's wake-up finds it
// deaf. As root pellarctl runs in a namespace of the test's own, so the
// run's ARP clear never touches the machine's table.

#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>
#include <memory>

#include "net_namespace.h"
#include "sim_process.h"
#include "test_process.h"

using dorvane::testing::NetNamespace;
using dorvane::testing::SimProcess;

namespace {

constexpr double kScale = 0.05;
// Longer than any wake-up window the board opens by itself at this scale
// (5 module seconds, but never under 2 real seconds), and than the old demo's
// reset 8 seconds after start plus its window.
constexpr int kNewcomerDelayMs = 3000;

}  // namespace

class TestDemoBoard : public QObject {
  Q_OBJECT

  std::unique_ptr<NetNamespace> m_namespace;

 private slots:
  void initTestCase() {
    if (!QFile::exists(SimProcess::BinaryPath())) QSKIP("pellar-devsim is not built");
    if (NetNamespace::WhyUnavailable().isEmpty()) {
      m_namespace = std::make_unique<NetNamespace>("demo");
      QVERIFY2(m_namespace->Create(), qPrintable(m_namespace->Error()));
    }
  }

  void answersEveryRunHoweverLate() {
    const QString script = QDir(qEnvironmentVariable("PELLAR_SOURCE_DIR")).filePath("scripts/run-demo.sh");
    const ProcessResult printed = RunProgram("bash", {script, "--board-options"});
    QVERIFY2(printed.started && printed.exitCode == 0, printed.err.constData());
    const QStringList boardOptions = printed.OutText().split('\n', Qt::SkipEmptyParts);
    QVERIFY(!boardOptions.isEmpty());

    SimProcess sim;
    const QString link = QDir::temp().filePath(QString("pellar-demo-board-%1").arg(QCoreApplication::applicationPid()));
    QVERIFY2(
        sim.Start(QStringList{"--pty", link} + boardOptions + QStringList{"--time-scale", QString::number(kScale)}),
        qPrintable(sim.Error()));

    PellarctlRun run;
    run.timeScale = QString::number(kScale);
    if (m_namespace) run.launcher = m_namespace->Launcher();
    for (int i = 1; i <= 2; ++i) {
      QTest::qWait(kNewcomerDelayMs);
      const ProcessResult result = RunPellarctl(
          {"program", "pellar2", "--ip", "192.168.1.10", "--gateway", "192.168.1.1", "--via", "serial:" + link}, run);
      QVERIFY2(result.exitCode == 0,
               qPrintable(QString("run %1: %2%3").arg(i).arg(result.OutText(), result.ErrText())));
      QVERIFY(result.OutText().contains("Your PELLAR Device has been configured"));
    }
    // Both runs found the board asleep and had it power-cycled.
    const QStringList events = sim.Events();
    QCOMPARE(events.count("power-cycle"), 2);
    QCOMPARE(events.count("saved"), 2);
  }
};

QTEST_GUILESS_MAIN(TestDemoBoard)
#include "tst_demo_board.moc"
