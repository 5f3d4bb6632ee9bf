// pellarctl program pellar2 as a black box against pellar-devsim. As root
// both run inside a namespace of the test's own, so the run's ARP clear never
// touches the machine's table.

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

#include "net_namespace.h"
#include "sim_process.h"
#include "test_process.h"

using dorvane::testing::NetNamespace;
using dorvane::testing::SimProcess;

namespace {

constexpr const char* kScale = "0.02";

// Everything a default serial run answers after the wake-up, written out
// from the answer table (6.10 module, 192.168.1.10, mask 255.255.255.0).
const QByteArray kSerialAnswers = QByteArray("\r") + "0\r" + "192\r168\r001\r010\r" + "Y" + "000\r000\r000\r000\r" +
                                  "8\r" + "N" + "N" + "N" + "\r" + "1\r" + "57600\r" + "4C\r" + "00\r" + "3001\r" +
                                  "C0\r" + "Y" + "N" + "N" + "000\r000\r000\r000\r" + "0\r" +
                                  "00\r80\r01\r15\r00\r00\r00\r" + "\r" + "5\r" + "\r\r\r\r" + "\r\r\r\r" + "512\r" +
                                  "\r" + "0\r" + "\r" + "6\r" + "YNNYYYYNY" + "\r" + "9\r";

// The PELLAR6 rows of a default run with a 6.10 module: the channel rows
// with the given port, connection mode and remote port, the security rows
// with the key size and the key in pairs after row 54.
QByteArray Pellar6Answers(const QByteArray& port21, const QByteArray& mode22, const QByteArray& port30,
                          const QByteArray& bits, const QByteArray& key) {
  return QByteArray("0\r") + "192\r168\r001\r010\r" + "Y" + "000\r000\r000\r000\r" + "8\r" + "N" + "N" + "N" + "\r" +
         "1\r" + "57600\r" + "4C\r" + "00\r" + port21 + "\r" + mode22 + "\r" + "Y" + "N" + "N" +
         "000\r000\r000\r000\r" + port30 + "\r" + "00\r80\r01\r15\r00\r00\r00\r" + "\r" + "5\r" + "\r\r\r\r" +
         "\r\r\r\r" + "512\r" + "\r" + "0\r" + "\r" + "6\r" + "YNNYYYY" + "Y" + bits + "\r" + "Y" + key + "NY" + "\r" +
         "9\r";
}

const QByteArray kKey128 = "00112233445566778899AABBCCDDEEFF";
const QByteArray kKey256 = kKey128 + "FFEEDDCCBBAA99887766554433221100";

// The simulator's events of a run, in order ("encryption 128", "saved").
QStringList Events(const SimProcess& sim) {
  QStringList events;
  for (const QByteArray& line : sim.LogLines()) {
    QJsonObject object = QJsonDocument::fromJson(line).object();
    if (!object.contains("event")) continue;
    QString event = object["event"].toString();
    if (object.contains("detail")) event += " " + object["detail"].toString();
    events << event;
  }
  return events;
}

#define REQUIRE_SIM() \
  if (!QFile::exists(SimProcess::BinaryPath())) QSKIP("pellar-devsim is not built")

}  // namespace

class TestPellarctlProgram : public QObject {
  Q_OBJECT

  std::unique_ptr<NetNamespace> m_namespace;

  QStringList Prefix() const { return m_namespace ? m_namespace->Launcher() : QStringList(); }

  ProcessResult Run(const QStringList& arguments, const WhileRunning& whileRunning = {}, const char* board = "pellar2") {
    PellarctlRun run;
    run.launcher = Prefix();
    run.timeScale = kScale;
    run.environment.insert("LANG", "en_US.UTF-8");
    run.environment.remove("LC_ALL");
    run.environment.remove("LC_MESSAGES");
    run.timeoutMs = 120000;
    run.whileRunning = whileRunning;
    return RunPellarctl(QStringList{"program", board} + arguments, run);
  }

  void StartSim(SimProcess& sim, const QStringList& arguments) {
    sim.SetLauncher(Prefix());
    QVERIFY2(sim.Start(arguments + QStringList{"--time-scale", kScale}), qPrintable(sim.Error()));
  }

 private slots:
  void initTestCase() {
    QString why = NetNamespace::WhyUnavailable();
    if (why.isEmpty()) {
      m_namespace = std::make_unique<NetNamespace>("cli");
      if (!m_namespace->Create()) QFAIL(qPrintable(m_namespace->Error()));
    } else {
      // Without root the run cannot change the ARP table either.
      qInfo("running without a namespace: %s", qPrintable(why));
    }
  }

  void serialRunProgramsTheBoard() {
    REQUIRE_SIM();
    SimProcess sim;
    QString link = QDir::temp().filePath(QString("pellar-cli-com-%1").arg(QCoreApplication::applicationPid()));
    StartSim(sim, {"--pty", link, "--reset-after", "1"});
    // The path is the device the run opens, whatever COM entry 1 maps to.
    qputenv("DORVANE_COM1", "/nonexistent/pellar-com1");
    ProcessResult r = Run({"--ip", "192.168.1.10", "--via", "serial:" + link});
    qunsetenv("DORVANE_COM1");
    QCOMPARE(r.exitCode, 0);
    QVERIFY2(
        r.OutText().contains("Program PELLAR Device via Serial Connection: Your PELLAR Device has been configured"),
        qPrintable(r.OutText() + r.ErrText()));
    QVERIFY(r.OutText().contains("Waiting for PELLAR Reset or Power Cycle"));
    QByteArray received = sim.Received();
    int firstAnswer = received.lastIndexOf('x') + 1;
    QVERIFY(firstAnswer > 0);
    QCOMPARE(received.mid(firstAnswer), kSerialAnswers);
  }

  void networkRun_data() {
    QTest::addColumn<QStringList>("simArguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    QTest::newRow("saved") << QStringList{} << 0
                           << "Program PELLAR2 device via Network Connection: Your PELLAR2 device has been configured.";
    QTest::newRow("refused") << QStringList{"--fail", "refuse-setup-port"} << 3
                             << "Communication Failure: Failed to communicate with Pellar Device";
    QTest::newRow("drops out") << QStringList{"--fail", "close-after:5"} << 3
                               << "Communication Failure: Failed to communicate with Pellar Device";
  }
  void networkRun() {
    REQUIRE_SIM();
    QFETCH(QStringList, simArguments);
    SimProcess sim;
    StartSim(sim, QStringList{"--tcp", "127.0.0.52", "--assign-port", "0"} + simArguments);
    ProcessResult r = Run({"--ip", "10.1.1.5", "--via", "net:127.0.0.52", "--server-only"});
    QTEST(r.exitCode, "exitCode");
    QFETCH(QString, message);
    QVERIFY2((r.OutText() + r.ErrText()).contains(message), qPrintable(r.OutText() + r.ErrText()));
  }

  void interruptDuringWakeUpCancels() {
    REQUIRE_SIM();
    SimProcess sim;
    QString link = QDir::temp().filePath(QString("pellar-cli-esc-%1").arg(QCoreApplication::applicationPid()));
    StartSim(sim, {"--pty", link, "--fail", "no-banner"});
    ProcessResult r = Run({"--ip", "192.168.1.10", "--via", "serial:" + link}, [](QProcess& process) {
      // "ip netns exec" replaces itself with pellarctl, so the signal reaches
      // pellarctl itself, and this run's only.
      QTimer::singleShot(500, &process, [&process] {
        QProcess::execute("kill", {"-INT", QString::number(process.processId())});
      });
    });
    QCOMPARE(r.exitCode, 4);
    QVERIFY2(r.ErrText().contains("Cancel Pellar Program: Cancelled Pellar Programming"),
             qPrintable(r.OutText() + r.ErrText()));
  }

  // The ARP path for real: the tool's namespace and a module's namespace
  // joined by a veth pair; the module is reachable only through the ARP
  // entry the run puts in place (a wrong MAC gets no connection).
  void arpPathAcrossAVethPair_data() {
    QTest::addColumn<QString>("mac");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("module's MAC") << "00-20-4A-12-34-56" << 0;
    QTest::newRow("another MAC") << "00-20-4A-99-99-99" << 3;
  }
  void arpPathAcrossAVethPair() {
    REQUIRE_SIM();
    if (!m_namespace) QSKIP("needs a network namespace of the test's own (root)");
    QFETCH(QString, mac);
    NetNamespace module("cli-module");
    QVERIFY2(module.Create(), qPrintable(module.Error()));
    QString tool = m_namespace->Name();
    QVERIFY2(m_namespace->Ip({"link", "add", "pv-tool", "type", "veth", "peer", "name", "pv-module", "netns",
                              module.Name()}),
             qPrintable(m_namespace->Error()));
    QVERIFY(m_namespace->Ip({"addr", "add", "10.232.0.1/24", "dev", "pv-tool"}));
    QVERIFY(m_namespace->Ip({"link", "set", "pv-tool", "up"}));
    QVERIFY(module.Ip({"link", "set", "pv-module", "address", "00:20:4a:12:34:56"}));
    QVERIFY(module.Ip({"addr", "add", "10.232.0.2/24", "dev", "pv-module"}));
    QVERIFY(module.Ip({"link", "set", "pv-module", "up"}));
    // The module learns nothing by ARP itself either: it answers only what
    // reaches its own MAC.
    QVERIFY(module.Ip({"neigh", "replace", "10.232.0.1", "lladdr", "00:20:4a:00:00:01", "dev", "pv-module", "nud",
                       "permanent"}));
    QVERIFY(m_namespace->Ip({"link", "set", "pv-tool", "address", "00:20:4a:00:00:01"}));

    SimProcess sim;
    sim.SetLauncher(module.Launcher());
    QVERIFY2(sim.Start({"--tcp", "10.232.0.2", "--assign-port", "0", "--time-scale", kScale}), qPrintable(sim.Error()));
    ProcessResult r = Run({"--ip", "10.232.0.2", "--via", "arp", "--mac", mac, "--server-only"});
    QTEST(r.exitCode, "exitCode");

    QProcess neigh;
    neigh.start("ip", {"-n", tool, "neigh", "show", "10.232.0.2"});
    QVERIFY(neigh.waitForFinished(10000));
    QString entry = QString::fromLocal8Bit(neigh.readAllStandardOutput());
    QVERIFY2(entry.contains(mac.toLower().replace('-', ':')) && entry.contains("PERMANENT"), qPrintable(entry));
    QVERIFY(m_namespace->Ip({"link", "del", "pv-tool"}));
  }

  // The encrypted board end to end: the simulator takes its security
  // answers strictly and logs them; the transcript masks every key pair.
  void pellar6EndToEnd_data() {
    QTest::addColumn<bool>("serial");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("answers");
    QTest::addColumn<QStringList>("keyEvents");
    QTest::newRow("serial, 256-bit key from standard input")
        << true << QStringList{"--key-bits", "256", "--key-file", "-"} << kKey256
        << Pellar6Answers("3001", "C0", "0", "256", kKey256) << QStringList{"encryption 256", "key 32 pairs"};
    QTest::newRow("TCP, reverse with the static port")
        << false << QStringList{"--key-bits", "128", "--key", kKey128, "--reverse-port", "10001", "--static-port"}
        << kKey128 << Pellar6Answers("10001", "06", "10001", "128", kKey128)
        << QStringList{"encryption 128", "key 16 pairs"};
  }
  void pellar6EndToEnd() {
    REQUIRE_SIM();
    QFETCH(bool, serial);
    QFETCH(QStringList, options);
    QFETCH(QByteArray, key);
    SimProcess sim;
    QString link = QDir::temp().filePath(QString("pellar-cli-p6-%1").arg(QCoreApplication::applicationPid()));
    QString transcript = QDir::temp().filePath(QString("pellar-cli-p6-%1.jsonl").arg(QCoreApplication::applicationPid()));
    if (serial) {
      StartSim(sim, {"--kind", "pellar6", "--pty", link, "--reset-after", "1"});
    } else {
      StartSim(sim, {"--kind", "pellar6", "--tcp", "127.0.0.54", "--assign-port", "0"});
    }
    QStringList arguments = QStringList{"--ip", "192.168.1.10", "--via", serial ? "serial:" + link : "net:127.0.0.54",
                                        "--transcript", transcript, "--yes"} +
                            options;
    ProcessResult r = Run(
        arguments,
        [key](QProcess& process) {
          process.write(key + "\n");
          process.closeWriteChannel();
        },
        "pellar6");
    QVERIFY2(r.exitCode == 0, qPrintable(r.OutText() + r.ErrText()));
    QByteArray received = sim.Received();
    // The CR that opens the menu, then the answers.
    if (serial) received = received.mid(received.lastIndexOf('x') + 1);
    QVERIFY(received.startsWith('\r'));
    received = received.mid(1);
    QTEST(received, "answers");
    QStringList events = Events(sim);
    QVERIFY2(!events.join(",").contains("unexpected"), qPrintable(events.join(",")));
    QFETCH(QStringList, keyEvents);
    for (const QString& event : keyEvents + QStringList{"saved"}) QVERIFY2(events.contains(event), qPrintable(event));

    QFile file(transcript);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QByteArray lines = file.readAll();
    QVERIFY(lines.contains("\"dir\":\"send\",\"text\":\"**\""));
    for (qsizetype at = 0; at < key.size(); at += 16) QVERIFY(!lines.contains(key.mid(at, 16)));
    QVERIFY(!lines.contains("\"text\":\"" + key.left(2) + "\""));
    file.remove();
  }

  // Over the network only "Parameters stored" makes a configured board, and
  // the keys go nowhere before the disclaimer is accepted.
  void pellar6NetworkEndings_data() {
    QTest::addColumn<QStringList>("simArguments");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    QTest::newRow("saved") << QStringList{} << true << 0
                           << "Program PELLAR6 device via Network Connection: Your PELLAR6 device has been configured.";
    QTest::newRow("save never confirmed") << QStringList{"--fail", "no-save-confirm"} << true << 3
                                          << "Communication Failure: The Pellar Device did not confirm";
    QTest::newRow("disclaimer without a terminal") << QStringList{} << false << 4
                                                   << "Programming Disclaimer: not accepted; nothing was sent";
  }
  void pellar6NetworkEndings() {
    REQUIRE_SIM();
    QFETCH(QStringList, simArguments);
    QFETCH(bool, yes);
    SimProcess sim;
    StartSim(sim, QStringList{"--kind", "pellar6", "--tcp", "127.0.0.55", "--assign-port", "0"} + simArguments);
    QStringList arguments{"--ip", "10.1.1.5", "--via", "net:127.0.0.55", "--key-bits", "128", "--key", kKey128};
    if (yes) arguments << "--yes";
    ProcessResult r = Run(arguments, {}, "pellar6");
    QTEST(r.exitCode, "exitCode");
    QFETCH(QString, message);
    QVERIFY2((r.OutText() + r.ErrText()).contains(message), qPrintable(r.OutText() + r.ErrText()));
    if (!yes) QVERIFY(sim.Received().isEmpty());
  }

  void pellar6RefusedInput_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    const QStringList base{"--ip", "10.1.1.5", "--via", "com1"};
    QTest::newRow("no key") << base + QStringList{"--key-bits", "128"} << "--key HEX or --key-file";
    QTest::newRow("empty key") << base + QStringList{"--key-bits", "128", "--key", ""}
                               << "Invalid Data Encryption Key: Encryption Key must be 32 characters long";
    QTest::newRow("short key for 192 bits") << base + QStringList{"--key-bits", "192", "--key", kKey128}
                                            << "Encryption Key must be 48 characters long";
    QTest::newRow("not hexadecimal") << base + QStringList{"--key-bits", "128", "--key", "XY" + kKey128.mid(2)}
                                     << "hexadecimal digits";
    QTest::newRow("no ARP path") << QStringList{"--ip", "10.1.1.5", "--via", "arp", "--key-bits", "128", "--key",
                                                kKey128}
                                 << "takes no address by ARP";
    QTest::newRow("reverse port above 65535")
        << base + QStringList{"--key-bits", "128", "--key", kKey128, "--reverse-port", "65536"}
        << "Reverse Network Port Number: Invalid Port Number";
    QTest::newRow("reverse port with letters")
        << base + QStringList{"--key-bits", "128", "--key", kKey128, "--reverse-port", "12ab"}
        << "Reverse Network Port Number: Invalid Port Number";
    QTest::newRow("VRA-Link and reverse")
        << base + QStringList{"--key-bits", "128", "--key", kKey128, "--reverse-port", "5", "--vra-ip", "10.1.1.9",
                              "--vra-port", "7"}
        << "exclude each other";
  }
  void pellar6RefusedInput() {
    QFETCH(QStringList, arguments);
    ProcessResult r = Run(arguments, {}, "pellar6");
    QCOMPARE(r.exitCode, 2);
    QFETCH(QString, message);
    QVERIFY2(r.ErrText().contains(message), qPrintable(r.ErrText()));
  }

  void refusedInput_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    QTest::newRow("bad address") << QStringList{"--ip", "300.1.1.1", "--via", "com1"} << 2
                                 << "Ping PELLAR Device: Invalid IP Address";
    QTest::newRow("empty address") << QStringList{"--ip", " ", "--via", "com1"} << 2
                                   << "Ping PELLAR Device: Missing IP Address";
    QTest::newRow("bad gateway") << QStringList{"--ip", "10.1.1.5", "--gateway", "10.1", "--via", "com1"} << 2
                                 << "Ping PELLAR Device: Invalid Gateway Address";
    QTest::newRow("mask not in the list") << QStringList{"--ip", "10.1.1.5", "--mask", "255.255.255.1", "--via",
                                                         "com1"}
                                          << 2 << "not in the subnet list";
    QTest::newRow("arp without mac") << QStringList{"--ip", "10.1.1.5", "--via", "arp"} << 2 << "needs --mac";
    QTest::newRow("port above 65535") << QStringList{"--ip", "10.1.1.5", "--via", "com1", "--vra-ip", "10.1.1.9",
                                                     "--vra-port", "65536"}
                                      << 2 << "VRA-Link Settings: Invalid Port Number";
    QTest::newRow("unopenable port") << QStringList{"--ip", "10.1.1.5", "--via", "serial:/nonexistent/tty"} << 1
                                     << "\tProcedure: Pellar Program\r\n\tError Number: 8002";
  }
  void refusedInput() {
    QFETCH(QStringList, arguments);
    ProcessResult r = Run(arguments);
    QTEST(r.exitCode, "exitCode");
    QFETCH(QString, message);
    QVERIFY2(r.ErrText().contains(message), qPrintable(r.ErrText()));
  }
};

QTEST_GUILESS_MAIN(TestPellarctlProgram)
#include "tst_pellarctl_program.moc"
