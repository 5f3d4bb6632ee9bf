// pellarctl monitor as a black box against pellar-devsim over loopback TCP:
// both kinds, JSON, a refused command, a slow module, a refused connection
// and a bad address; every connection the run made is closed by the tool.

#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include "sim_process.h"
#include "test_process.h"

using dorvane::testing::SimProcess;

namespace {

constexpr const char* kScale = "0.05";

ProcessResult Monitor(const QStringList& arguments) {
  PellarctlRun run;
  run.timeScale = kScale;
  run.environment.insert("LANG", "en_US.UTF-8");
  run.environment.remove("LC_ALL");
  run.environment.remove("LC_MESSAGES");
  return RunPellarctl(QStringList{"monitor"} + arguments, run);
}

void StartSim(SimProcess& sim, const QString& address, const QStringList& more = {}) {
  QVERIFY2(sim.Start(QStringList{"--tcp", address, "--assign-port", "0", "--time-scale", kScale} + more),
           qPrintable(sim.Error()));
}

// The setup-port connections the module saw end, and who ended them.
QStringList Disconnects(const SimProcess& sim) {
  QStringList by;
  for (const QByteArray& line : sim.LogLines()) {
    QJsonObject entry = QJsonDocument::fromJson(line).object();
    if (entry["event"] == "disconnect" && entry["port"].toInt() == 9999) by << entry["by"].toString();
  }
  return by;
}

QJsonObject Entry(const QJsonObject& object, const char* command) { return object.value(command).toObject(); }

}  // namespace

class TestPellarctlMonitor : public QObject {
  Q_OBJECT

 private slots:
  void ethernetAsText() {
    REQUIRE_SIM();
    SimProcess sim;
    StartSim(sim, "127.0.14.31");
    ProcessResult r = Monitor({"127.000.014.031"});
    QCOMPARE(r.exitCode, 0);
    const QString out = r.OutText();
    const qsizetype tt = out.indexOf("TT:\n");
    const qsizetype nc = out.indexOf("NC:\n");
    QVERIFY2(tt == 0 && nc > tt, qPrintable(out));
    QVERIFY(out.mid(tt, nc - tt).contains("TCP connection table"));
    QVERIFY(out.mid(nc).contains("IP addr 127.0.14.31, no DHCP"));
    QVERIFY(out.mid(nc).contains("Network mask 255.255.255.0"));
    QVERIFY(out.mid(nc).contains("Gateway 127.0.14.1"));
    QVERIFY(!out.contains("0>"));
    QVERIFY(r.ErrText().contains("Connection successful"));
    QCOMPARE(sim.Received(), QByteArray("MTT\rNC\rQU\r"));
    QTRY_COMPARE(Disconnects(sim), QStringList{"peer"});
  }

  void wirelessAsJson() {
    REQUIRE_SIM();
    SimProcess sim;
    StartSim(sim, "127.0.14.32", {"--fail", "reject:NS"});
    ProcessResult r = Monitor({"127.0.14.32", "--kind", "wireless", "--format", "json"});
    QCOMPARE(r.exitCode, 0);
    QJsonParseError error;
    QJsonObject object = QJsonDocument::fromJson(r.out, &error).object();
    QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(r.OutText()));
    QCOMPARE(object.keys(), (QStringList{"NS", "SA", "TT"}));
    QVERIFY(Entry(object, "SA").value("ok").toBool());
    QVERIFY(Entry(object, "SA").value("text").toString().contains("DORVANE-SITE ch 6 -48 dBm WPA2"));
    QCOMPARE(Entry(object, "NS").value("ok").toBool(), false);
    QCOMPARE(Entry(object, "NS").value("text").toString(),
             QString("NS (Network Status) command did not produce the output"));
    QVERIFY(Entry(object, "TT").value("ok").toBool());
    QVERIFY(Entry(object, "TT").value("text").toString().contains("TCP connection table"));
    QCOMPARE(sim.Received(), QByteArray("MSA\rNS\rTT\rQU\r"));
  }

  void rejectedCommandIsShownAsFailed() {
    REQUIRE_SIM();
    SimProcess sim;
    StartSim(sim, "127.0.14.33", {"--fail", "reject:NC"});
    ProcessResult r = Monitor({"127.0.14.33"});
    QCOMPARE(r.exitCode, 0);
    QVERIFY2(r.OutText().contains("NC:\nNC (Network Connection) command did not produce the output\n"),
             qPrintable(r.OutText()));
    QVERIFY(r.OutText().contains("TCP connection table"));
  }

  // Answers three module seconds late: each still under its own command.
  void slowModule() {
    REQUIRE_SIM();
    SimProcess sim;
    StartSim(sim, "127.0.14.34", {"--fail", "slow-monitor:3"});
    ProcessResult r = Monitor(
        {"127.0.14.34", "--format", "json", "--transcript", QDir::temp().filePath("pellar-monitor-slow.jsonl")});
    QCOMPARE(r.exitCode, 0);
    QJsonObject object = QJsonDocument::fromJson(r.out).object();
    QVERIFY2(Entry(object, "TT").value("text").toString().contains("TCP connection table"), qPrintable(r.OutText()));
    QVERIFY(!Entry(object, "TT").value("text").toString().contains("IP addr"));
    QVERIFY(Entry(object, "NC").value("text").toString().contains("IP addr 127.0.14.34"));
    QVERIFY(Entry(object, "NC").value("complete").toBool());
    QFile transcript(QDir::temp().filePath("pellar-monitor-slow.jsonl"));
    QVERIFY(transcript.open(QIODevice::ReadOnly));
    QVERIFY(transcript.readAll().contains("TCP connection table"));
  }

  void refusedConnection() {
    REQUIRE_SIM();
    SimProcess sim;
    StartSim(sim, "127.0.14.35", {"--fail", "refuse-setup-port"});
    ProcessResult r = Monitor({"127.0.14.35"});
    QCOMPARE(r.exitCode, 3);
    QVERIFY2(r.ErrText().contains("Failed to communicate with Pellar device"), qPrintable(r.ErrText()));
    QVERIFY(r.OutText().isEmpty());
  }

  void refusedInput_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::newRow("bad address") << QStringList{"10.1.2.300"} << "Missing IP Address. Please enter a valid IP Address.";
    QTest::newRow("blank address") << QStringList{" "} << "Missing IP Address. Please enter a valid IP Address.";
    QTest::newRow("no address") << QStringList{} << "one address expected";
    QTest::newRow("unknown kind") << QStringList{"127.0.14.36", "--kind", "fibre"} << "unknown kind";
    QTest::newRow("unknown format") << QStringList{"127.0.14.36", "--format", "xml"}
                                    << "--format takes text or json, not \"xml\"";
  }
  void refusedInput() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    ProcessResult r = Monitor(arguments);
    QCOMPARE(r.exitCode, 2);
    QVERIFY2(r.ErrText().contains(message), qPrintable(r.ErrText()));
  }
};

QTEST_GUILESS_MAIN(TestPellarctlMonitor)
#include "tst_pellarctl_monitor.moc"
