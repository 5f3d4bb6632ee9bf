// The boards `make run` gives a newcomer, one per family: each started with
// the very options of scripts/run-demo.sh (it prints them with
// --board-options) beside its kind, left alone until a fixed reset and
// wake-up window would long have passed, then programmed twice with
// pellarctl. Each run must find its board answering, because the board is
// power-cycled whenever the tool's wake-up (or boot catch) finds it deaf.
// As root pellarctl runs in a namespace of the test's own, so the run's
// ARP clear never touches the machine's table.

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

  void answersEveryRunHoweverLate_data() {
    QTest::addColumn<QString>("simKind");
    QTest::addColumn<QStringList>("program");  // pellarctl program KIND and the settings besides the address
    QTest::addColumn<QString>("stored");       // the board's event when it takes the settings
    QTest::addColumn<int>("powerCycles");      // over the two runs
    const QString key = KeyFile();
    QTest::newRow("PELLAR2") << "pellar2" << QStringList{"pellar2"} << "saved" << 2;
    QTest::newRow("PELLAR6") << "pellar6" << QStringList{"pellar6", "--key-bits", "128", "--key-file", key} << "saved"
                             << 2;
    QTest::newRow("wireless") << "wireless" << QStringList{"wireless", "--ssid", "demo"} << "saved" << 2;
    QTest::newRow("encrypted wireless")
        << "wireless-encrypted"
        << QStringList{"wireless-encrypted", "--ssid", "demo", "--key-bits", "128", "--key-file", key} << "saved" << 2;
    // The XPort AR waits for its boot catch as long as it takes and is
    // booting again after each run's reload: no power cycle is needed.
    QTest::newRow("QM270") << "xport-ar" << QStringList{"qm270", "--yes"} << "reload" << 0;
    QTest::newRow("QM270 Rev. B") << "xpico" << QStringList{"qm270b", "--yes"} << "saved" << 2;
  }
  void answersEveryRunHoweverLate() {
    QFETCH(QString, simKind);
    QFETCH(QStringList, program);
    QFETCH(QString, stored);
    QFETCH(int, powerCycles);
    const QString script = QDir(qEnvironmentVariable("PELLAR_SOURCE_DIR")).filePath("scripts/run-demo.sh");
    const ProcessResult printed = RunProgram("bash", {script, "--board-options"});
    QVERIFY2(printed.started && printed.exitCode == 0, printed.err.constData());
    const QStringList boardOptions = printed.OutText().split('\n', Qt::SkipEmptyParts);
    QVERIFY(!boardOptions.isEmpty());

    SimProcess sim;
    const QString link = QDir::temp().filePath(
        QString("pellar-demo-board-%1-%2").arg(QCoreApplication::applicationPid()).arg(simKind));
    QVERIFY2(sim.Start(QStringList{"--pty", link, "--kind", simKind} + boardOptions +
                       QStringList{"--time-scale", QString::number(kScale)}),
             qPrintable(sim.Error()));

    PellarctlRun run;
    run.timeScale = QString::number(kScale);
    if (m_namespace) run.launcher = m_namespace->Launcher();
    for (int i = 1; i <= 2; ++i) {
      QTest::qWait(kNewcomerDelayMs);
      const ProcessResult result = RunPellarctl(QStringList{"program"} + program +
                                                    QStringList{"--ip", "192.168.1.10", "--gateway", "192.168.1.1",
                                                                "--via", "serial:" + link},
                                                run);
      QVERIFY2(result.exitCode == 0,
               qPrintable(QString("run %1: %2%3").arg(i).arg(result.OutText(), result.ErrText())));
    }
    const QStringList events = sim.Events();
    QCOMPARE(events.count("power-cycle"), powerCycles);
    QCOMPARE(events.count(stored), 2);
    QCOMPARE(events.count("unexpected"), 0);
  }

 private:
  // A 128-bit data key for the boards that need one, as the demo writes it.
  QString KeyFile() {
    const QString path = m_folder.filePath("data.key");
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write("0123456789ABCDEF0123456789ABCDEF\n");
    return path;
  }

  QTemporaryDir m_folder;
};

QTEST_GUILESS_MAIN(TestDemoBoard)
#include "tst_demo_board.moc"
