// pellarctl program pellar2 as a black box against pellar-devsim. As root
// both run inside a namespace of the test's own, so the run's ARP clear never
// touches the machine's table.

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTemporaryFile>
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

// The wireless script after the CR into the menu, as the wireless answer
// table has it for a 6.10 module (192.168.1.10, mask 255.255.255.0): the
// given channel answers (port, mode, remote port), WLAN answers after "4"
// and security answers after "6".
QByteArray WirelessAnswers(const QByteArray& port13, const QByteArray& mode14, const QByteArray& port19,
                           const QByteArray& wlan, const QByteArray& security) {
  return QByteArray("0\r") + "1\r" + "192\r168\r001\r010\r" + "Y" + "000\r000\r000\r000\r" + "8\r" + "N" + "N" +
         "1\r" + "57600\r" + "4C\r" + "00\r" + port13 + "\r" + mode14 + "\r" + "Y" + "N" + "N" +
         "000\r000\r000\r000\r" + port19 + "\r" + "00\r80\r01\r15\r00\r00\r00\r" + "4\r" + wlan + "5\r" +
         "\r\r\r\r\r\r\r\r" + "0\r" + "6\r" + "YNNYY" + "Y" + security + "9\r";
}

const QByteArray kWpaKey = kKey256;
const QByteArray kWep64Key = "0A1B2C3D4E";

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
    ProcessResult r = Run({"--ip", "192.168.1.10", "--via", "serial:" + link}, InterruptAfter(500));
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
    QStringList events = sim.Events(true);
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

  // With the key redirected into standard input, the installer at the
  // terminal still answers the questions (the reverse settings, then the
  // network disclaimer): `script` gives the run a terminal of its own,
  // where the test types the answers.
  void reverseQuestionWithTheKeyOnStandardInput_data() {
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("yes to both") << QByteArray("y\ny\n") << 0;
    QTest::newRow("no") << QByteArray("n\n") << 4;
  }
  void reverseQuestionWithTheKeyOnStandardInput() {
    REQUIRE_SIM();
    const QString script = QStandardPaths::findExecutable("script");
    if (script.isEmpty()) QSKIP("the script command (util-linux) is not installed");
    QFETCH(QByteArray, answer);
    SimProcess sim;
    StartSim(sim, {"--kind", "pellar6", "--tcp", "127.0.0.56", "--assign-port", "0"});
    QTemporaryFile keyFile;
    QVERIFY(keyFile.open());
    keyFile.write(kKey128 + "\n");
    keyFile.close();
    const QString command = PellarctlPath() +
                            " program pellar6 --ip 192.168.1.10 --via net:127.0.0.56 --key-bits 128 --key-file -"
                            " --reverse-port 10001 < " +
                            keyFile.fileName();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DORVANE_TIME_SCALE", kScale);
    environment.insert("LANG", "en_US.UTF-8");
    const QStringList launched = Prefix() + QStringList{script, "-qec", command, "/dev/null"};
    ProcessResult r = RunProgram(launched.first(), launched.mid(1), environment, 120000,
                                 [answer](QProcess& process) { process.write(answer); });
    QFETCH(int, exitCode);
    QVERIFY2(r.exitCode == exitCode, qPrintable(r.OutText() + r.ErrText()));
    QVERIFY2(r.OutText().contains("[y/N]"), qPrintable(r.OutText()));
    if (exitCode == 0) {
      QVERIFY2(sim.Events().contains("saved"), qPrintable(sim.Events(true).join(",")));
    } else {
      QVERIFY(sim.Received().isEmpty());
    }
  }

  // A key file others may read is said once, with the fix; the run goes on
  // (here to a port that does not exist).
  void keyFileOthersMayReadIsWarnedOf_data() {
    QTest::addColumn<QString>("board");
    QTest::addColumn<QString>("option");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("warned");
    QTest::newRow("data key, 0644") << "pellar6" << "--key-file" << 0644 << true;
    QTest::newRow("data key, 0660") << "pellar6" << "--key-file" << 0660 << true;
    QTest::newRow("data key, 0604") << "pellar6" << "--key-file" << 0604 << true;
    QTest::newRow("data key, 0600") << "pellar6" << "--key-file" << 0600 << false;
    QTest::newRow("data key, 0400") << "pellar6" << "--key-file" << 0400 << false;
    QTest::newRow("wireless key, 0644") << "wireless" << "--wlan-key-file" << 0644 << true;
  }
  void keyFileOthersMayReadIsWarnedOf() {
    QFETCH(QString, board);
    QFETCH(QString, option);
    QFETCH(int, mode);
    QFETCH(bool, warned);
    QTemporaryDir folder;
    const QString path = folder.filePath("site key.txt");
    QFile key(path);
    QVERIFY(key.open(QIODevice::WriteOnly));
    key.write(kKey128 + "\n");
    key.close();
    QVERIFY(QProcess::execute("chmod", {QString::number(mode, 8), path}) == 0);
    QStringList arguments{"--ip", "10.1.1.5", "--via", "serial:" + folder.filePath("no-such-port")};
    if (board == "pellar6") arguments << QStringList{"--key-bits", "128", option, path};
    if (board == "wireless") {
      arguments << QStringList{"--ssid", "office", "--security", "wpa2", "--encryption", "ccmp", "--change-key",
                               "passphrase", option, path};
    }
    ProcessResult r = Run(arguments, {}, qPrintable(board));
    QCOMPARE(r.exitCode == 2, false);
    const QString warning = QString("Warning: the %1 file %2 can be read or changed by other users (permissions 0%3); "
                                    "\"chmod 600 %2\" keeps it to you.")
                                .arg(board == "pellar6" ? "key" : "wireless key", path)
                                .arg(mode, 0, 8);
    QCOMPARE(r.ErrText().count(warning), warned ? 1 : 0);
    QVERIFY2(warned || !r.ErrText().contains("other users"), qPrintable(r.ErrText()));
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

  // Both wireless boards end to end over a pty: the simulator takes the
  // WLAN and security answers strictly and logs them; the transcript masks
  // every key.
  void wirelessEndToEnd_data() {
    QTest::addColumn<QString>("board");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QByteArray>("stdinKey");
    QTest::addColumn<QByteArray>("answers");
    QTest::addColumn<QStringList>("wantedEvents");
    QTest::addColumn<QList<QByteArray>>("secrets");
    QTest::newRow("wireless, infrastructure WPA2 CCMP, key from standard input")
        << "wireless"
        << QStringList{"--security", "wpa2", "--encryption", "ccmp", "--change-key", "hex", "--wlan-key-file", "-"}
        << kWpaKey
        << WirelessAnswers("3001", "C0", "0", "0\roffice\r3\r" + QByteArray("NY0\r") + kWpaKey + "0\r" + "1\r3\rN\r",
                           "YNY")
        << QStringList{"wlan security 3", "wlan key 32 pairs", "saved"} << QList<QByteArray>{kWpaKey};
    QTest::newRow("wireless-encrypted, adhoc WEP 64, 256-bit data key, reverse static port")
        << "wireless-encrypted"
        << QStringList{"--topology", "adhoc",   "--channel",     "6",       "--security",    "wep",
                       "--change-key", "hex",   "--wlan-key",    kWep64Key, "--key-bits",    "256",
                       "--key-file", "-",       "--reverse-port", "10001",  "--static-port"}
        << kKey256
        << WirelessAnswers("10001", "06", "10001", "1\roffice\r6\r1\r" + QByteArray("0\r1\rNY0\r") + kWep64Key + "1\r" +
                                                     "1\r3\r",
                           "YY256\rY" + kKey256 + "NY")
        << QStringList{"wlan channel 6", "wlan key 5 pairs", "encryption 256", "key 32 pairs", "saved"}
        << QList<QByteArray>{kKey256, kWep64Key};
  }
  void wirelessEndToEnd() {
    REQUIRE_SIM();
    QFETCH(QString, board);
    QFETCH(QStringList, options);
    QFETCH(QByteArray, stdinKey);
    SimProcess sim;
    QString link = QDir::temp().filePath(QString("pellar-cli-wl-%1").arg(QCoreApplication::applicationPid()));
    QString transcript = QDir::temp().filePath(QString("pellar-cli-wl-%1.jsonl").arg(QCoreApplication::applicationPid()));
    StartSim(sim, {"--kind", board, "--pty", link, "--reset-after", "1"});
    ProcessResult r = Run(QStringList{"--ip", "192.168.1.10", "--via", "serial:" + link, "--ssid", "office",
                                      "--transcript", transcript, "--yes"} +
                              options,
                          [stdinKey](QProcess& process) {
                            process.write(stdinKey + "\n");
                            process.closeWriteChannel();
                          },
                          qPrintable(board));
    QVERIFY2(r.exitCode == 0, qPrintable(r.OutText() + r.ErrText()));
    QVERIFY(r.OutText().contains("You must now connect your serial cable from your computers port 1"));
    // pellarctl may be gone before the simulator has read its last answers.
    QTRY_VERIFY_WITH_TIMEOUT(sim.Events().contains("saved"), 10000);
    QByteArray received = sim.Received();
    received = received.mid(received.lastIndexOf('x') + 1);
    QVERIFY(received.startsWith('\r'));
    QTEST(received.mid(1), "answers");
    QStringList events = sim.Events(true);
    QVERIFY2(!events.join(",").contains("unexpected"), qPrintable(events.join(",")));
    QFETCH(QStringList, wantedEvents);
    for (const QString& event : wantedEvents) QVERIFY2(events.contains(event), qPrintable(event));

    QFile file(transcript);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QByteArray lines = file.readAll();
    QVERIFY(lines.contains("\"dir\":\"send\",\"text\":\"**\""));
    QFETCH(QList<QByteArray>, secrets);
    for (const QByteArray& secret : secrets) {
      for (qsizetype at = 0; at + 2 <= secret.size(); at += 2) {
        QVERIFY2(!lines.contains("\"text\":\"" + secret.mid(at, 2) + "\""), secret.mid(at, 2).constData());
      }
    }
    file.remove();
  }

  // What the chosen topology or suite does not offer is refused with what
  // it does offer; keys are checked as in the window.
  void wirelessRefusedInput_data() {
    QTest::addColumn<QString>("board");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    const QStringList base{"--ip", "10.1.1.5", "--via", "com1", "--ssid", "office"};
    const QStringList data{"--key-bits", "128", "--key", QString(kKey128)};
    QTest::newRow("WPA with adhoc") << "wireless" << base + QStringList{"--topology", "adhoc", "--security", "wpa"}
                                    << 2 << "--security wpa is not offered with adhoc; it offers --security none or wep";
    QTest::newRow("auth with WPA") << "wireless" << base + QStringList{"--security", "wpa", "--auth", "shared"} << 2
                                   << "--auth is not offered with --security wpa";
    QTest::newRow("channel with infrastructure") << "wireless" << base + QStringList{"--channel", "3"} << 2
                                                 << "--channel is not offered with infrastructure";
    QTest::newRow("encryption not in the list")
        << "wireless" << base + QStringList{"--security", "wpa", "--encryption", "ccmp"} << 2
        << "--encryption ccmp is not offered with --security wpa; it offers --encryption tkip, tkip+wep";
    QTest::newRow("short hexadecimal key")
        << "wireless"
        << base + QStringList{"--security", "wep", "--encryption", "wep128", "--change-key", "hex", "--wlan-key",
                              "0123456789ABCDEF012345678"}
        << 2 << "Invalid Wireless Encryption Key: Encryption Key must be 26 characters long";
    QTest::newRow("lower-case hexadecimal key")
        << "wireless" << base + QStringList{"--security", "wep", "--change-key", "hex", "--wlan-key", "0a1b2c3d4e"}
        << 2 << "capitals A-F";
    QTest::newRow("short passphrase warns and goes on")
        << "wireless"
        << QStringList{"--ip", "10.1.1.5", "--via", "serial:/nonexistent/tty", "--ssid", "office", "--security",
                       "wep", "--change-key", "passphrase", "--wlan-key", "ten chars!"}
        << 1 << "Wireless Encryption Key: It is strongly recommended to use a passphrase of 20 characters or more";
    QTest::newRow("no network link") << "wireless" << QStringList{"--ip", "10.1.1.5", "--via", "net:10.0.100.254",
                                                                   "--ssid", "office"}
                                     << 2 << "over a COM port only";
    QTest::newRow("1200 baud on the encrypted board")
        << "wireless-encrypted" << base + data + QStringList{"--baud", "1200"} << 2
        << "--baud takes one of 9600, 19200, 38400, 57600, 115200";
    QTest::newRow("no data key") << "wireless-encrypted" << base + QStringList{"--key-bits", "128"} << 2
                                 << "--key HEX or --key-file";
    QTest::newRow("short data key") << "wireless-encrypted"
                                    << base + QStringList{"--key-bits", "256", "--key", QString(kKey128)} << 2
                                    << "Invalid Data Encryption Key: Encryption Key must be 64 characters long";
    QTest::newRow("letters as the reverse port")
        << "wireless-encrypted" << base + data + QStringList{"--reverse-port", "abc"} << 2
        << "Reverse Network Port Number: Invalid Port Number";
  }
  void wirelessRefusedInput() {
    QFETCH(QString, board);
    QFETCH(QStringList, arguments);
    ProcessResult r = Run(arguments, {}, qPrintable(board));
    QTEST(r.exitCode, "exitCode");
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
