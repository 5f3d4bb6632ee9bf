// The module's monitor mode in pellar-devsim: entered by "M" on the setup
// port, the four query commands, the refused and slow answers, and QU.

#include <QtTest>

#include "firmware_steps.h"
#include "sim/setup_menu.h"

using namespace dorvane::sim;
using namespace dorvane::sim::testing;

namespace {

DeviceOptions MonitorOptions(const QStringList& failModes = {}) {
  DeviceOptions options = Options(failModes);
  options.tcpAddress = "127.0.14.40";
  return options;
}

}  // namespace

class TestDevsimMonitor : public QObject {
  Q_OBJECT

 private slots:
  void entersOnM() {
    SetupMenu menu(MonitorOptions(), LinkKind::kTcp);
    Run(menu, {"connect"});
    const Transcript t = Run(menu, {">M"});
    QVERIFY(t.output.contains("NodeSet"));
    QVERIFY(t.output.endsWith("0>"));
    QCOMPARE(t.events, QStringList{"monitor"});
  }

  // Over the serial line "M" is no way in.
  void notOnTheSerialLine() {
    SetupMenu menu(MonitorOptions(), LinkKind::kSerial);
    Run(menu, {"power", ">x"});
    const Transcript t = Run(menu, {">M"});
    QVERIFY(t.output.isEmpty());
    QVERIFY(t.events.isEmpty());
  }

  void answers_data() {
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<QList<QByteArray>>("lines");
    QTest::newRow("NC") << QByteArray("NC")
                        << QList<QByteArray>{"IP addr 127.0.14.40, no DHCP\r\n", "Network mask 255.255.255.0\r\n",
                                             "Gateway 127.0.14.1\r\n", "MAC address 00204A123456\r\n"};
    QTest::newRow("TT") << QByteArray("TT") << QList<QByteArray>{"Local 127.0.14.40:9999 ESTABLISHED"};
    QTest::newRow("SA") << QByteArray("SA") << QList<QByteArray>{"DORVANE-SITE ch 6"};
    QTest::newRow("NS") << QByteArray("NS") << QList<QByteArray>{"SSID: DORVANE-SITE\r\n"};
    QTest::newRow("lower case, LF after CR") << QByteArray("nc\r\n") << QList<QByteArray>{"Gateway 127.0.14.1"};
  }
  void answers() {
    QFETCH(QByteArray, command);
    QFETCH(QList<QByteArray>, lines);
    SetupMenu menu(MonitorOptions(), LinkKind::kTcp);
    Run(menu, {"connect", ">M"});
    const QByteArray sent = command.contains('\r') ? command : command + "\r";
    const Transcript t = Run(menu, {">" + QString::fromLatin1(sent)});
    for (const QByteArray& line : lines) QVERIFY2(t.output.contains(line), t.output.constData());
    QVERIFY(t.output.endsWith("0>"));
    QVERIFY(!t.hangUp);
  }

  void refusedCommands_data() {
    QTest::addColumn<QStringList>("fail");
    QTest::addColumn<QByteArray>("command");
    QTest::newRow("reject:NC") << QStringList{"reject:NC"} << QByteArray("NC");
    QTest::newRow("two rejected") << QStringList{"reject:SA", "reject:NS"} << QByteArray("NS");
    QTest::newRow("unknown command") << QStringList{} << QByteArray("XY");
  }
  void refusedCommands() {
    QFETCH(QStringList, fail);
    QFETCH(QByteArray, command);
    SetupMenu menu(MonitorOptions(fail), LinkKind::kTcp);
    Run(menu, {"connect", ">M"});
    QVERIFY(Run(menu, {">" + QString::fromLatin1(command) + "\r"}).output.endsWith("9>"));
    QVERIFY(Run(menu, {">TT\r"}).output.endsWith("0>"));
  }

  // Held back for the module seconds (scaled), then sent whole; an answer
  // asked for meanwhile goes with it.
  void slowAnswers() {
    SetupMenu menu(MonitorOptions({"slow-monitor:3"}), LinkKind::kTcp);
    Run(menu, {"connect", ">M"});
    const Transcript asked = Run(menu, {">NC\r"});
    QVERIFY(asked.output.isEmpty());
    QCOMPARE(asked.timerMs, 150);
    const Transcript also = Run(menu, {">TT\r"});
    QVERIFY(also.output.isEmpty());
    QCOMPARE(also.timerMs, -1);
    const Transcript due = Run(menu, {"timer"});
    QVERIFY(due.output.indexOf("Gateway") < due.output.indexOf("TCP connection table"));
    QCOMPARE(due.output.count("0>"), 2);
  }

  // QU leaves monitor mode; the connection stays and the module is back at
  // its greeting, where a CR opens the setup menu and an M the monitor again.
  void quitLeavesTheConnectionOpen_data() {
    QTest::addColumn<QString>("next");
    QTest::addColumn<QString>("event");
    QTest::newRow("setup menu") << ">\r"
                                << "setup";
    QTest::newRow("monitor again") << ">M"
                                   << "monitor";
  }
  void quitLeavesTheConnectionOpen() {
    QFETCH(QString, next);
    QFETCH(QString, event);
    SetupMenu menu(MonitorOptions(), LinkKind::kTcp);
    Run(menu, {"connect", ">M"});
    const Transcript quit = Run(menu, {">QU\r"});
    QVERIFY(quit.output.contains("Leaving monitor mode"));
    QCOMPARE(quit.events, QStringList{"monitor-quit"});
    QVERIFY(!quit.hangUp);
    const Transcript after = Run(menu, {next});
    QCOMPARE(after.events, QStringList{event});
  }
};

QTEST_GUILESS_MAIN(TestDevsimMonitor)
#include "tst_devsim_monitor.moc"
