// pellarctl program qm270 as a black box against pellar-devsim --kind
// xport-ar over a pty: the command lines the module logged, the masked key
// in the transcript, the refusals before the run and the failed product
// check.

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

#include "pellarctl_program_test.h"

using dorvane::testing::PellarctlProgramTest;
using dorvane::testing::SimProcess;

namespace {

const QString kKey = "00112233445566778899AABBCCDDEEFF";

// Rows 1 to 18 after "xyz" and "show", as every full run sends them.
const QStringList kFirstRows = {
    "xyz",     "show\r",          "enable\r", "conf\r",          "cli\r",     "telnet\r",       "port 9999\r",
    "write\r", "exit\r",          "ssh\r",    "state disable\r", "write\r",   "exit\r",         "exit\r",
    "http\r",  "state disable\r", "write\r",  "exit\r",          "if eth0\r", "bootp disable\r"};

// The rest of a local run of 192.168.1.20 / 255.255.255.0 at 115200,
// written out from the command-line table.
const QStringList kLocalLines = kFirstRows + QStringList{"dhcp disable\r",
                                                         "ip address 192.168.001.020 255.255.255.0\r",
                                                         "write\r",
                                                         "exit\r",
                                                         "ftp\r",
                                                         "state disable\r",
                                                         "write\r",
                                                         "exit\r",
                                                         "exit\r",
                                                         "line 2\r",
                                                         "baud rate 115200\r",
                                                         "stop bits 1\r",
                                                         "data bits 8\r",
                                                         "flow control none\r",
                                                         "parity none\r",
                                                         "protocol tunnel\r",
                                                         "state enable\r",
                                                         "write\r",
                                                         "exit\r",
                                                         "tunnel 1\r",
                                                         "accept\r",
                                                         "accept mode disable\r",
                                                         "write\r",
                                                         "exit\r",
                                                         "exit\r",
                                                         "tunnel 2\r",
                                                         "packing\r",
                                                         "packing mode timeout\r",
                                                         "threshold 512\r",
                                                         "timeout 52\r",
                                                         "write\r",
                                                         "exit\r",
                                                         "connect\r",
                                                         "connect mode disable\r",
                                                         "write\r",
                                                         "exit\r",
                                                         "accept\r",
                                                         "local port 3001\r",
                                                         "protocol tcp\r",
                                                         "accept mode always\r",
                                                         "write\r",
                                                         "exit\r",
                                                         "write\r",
                                                         "exit\r",
                                                         "reload\r"};

// The rest of a reverse run with a static local port 3100, a 128-bit key,
// gateway 192.168.1.1, at 57600.
QStringList ReverseLines() {
  return kFirstRows + QStringList{"dhcp disable\r",
                                  "ip address 192.168.001.020 255.255.0.0\r",
                                  "default gateway 192.168.001.001\r",
                                  "write\r",
                                  "exit\r",
                                  "ftp\r",
                                  "state disable\r",
                                  "write\r",
                                  "exit\r",
                                  "exit\r",
                                  "cpm\r",
                                  "create DORVANE\r",
                                  "set CP5 as output\r",
                                  "add CP5 to DORVANE 0\r",
                                  "write\r",
                                  "exit\r",
                                  "line 2\r",
                                  "baud rate 57600\r",
                                  "stop bits 1\r",
                                  "data bits 8\r",
                                  "flow control none\r",
                                  "parity none\r",
                                  "protocol tunnel\r",
                                  "state enable\r",
                                  "write\r",
                                  "exit\r",
                                  "tunnel 1\r",
                                  "accept\r",
                                  "accept mode disable\r",
                                  "write\r",
                                  "exit\r",
                                  "exit\r",
                                  "tunnel 2\r",
                                  "serial\r",
                                  "dtr asserted while connected\r",
                                  "default buffer size\r",
                                  "write\r",
                                  "exit\r",
                                  "packing\r",
                                  "packing mode timeout\r",
                                  "threshold 512\r",
                                  "timeout 52\r",
                                  "write\r",
                                  "exit\r",
                                  "connect\r",
                                  "connect mode modem emulation\r",
                                  "local port 3100\r",
                                  "write\r",
                                  "host\r",
                                  "port 3100\r",
                                  "protocol tcp aes\r",
                                  "aes encrypt key " + kKey + "\r",
                                  "aes decrypt key " + kKey + "\r",
                                  "protocol tcp aes\r",
                                  "write\r",
                                  "exit\r",
                                  "cp output\r",
                                  "connection value 1\r",
                                  "disconnection value 0\r",
                                  "group DORVANE\r",
                                  "write\r",
                                  "exit\r",
                                  "exit\r",
                                  "modem\r",
                                  "incoming connection disabled\r",
                                  "echo commands disable\r",
                                  "echo pluses disable\r",
                                  "error unknown commands disable\r",
                                  "response type text\r",
                                  "verbose response disable\r",
                                  "write\r",
                                  "exit\r",
                                  "disconnect\r",
                                  "flush serial disable\r",
                                  "modem control disable\r",
                                  "timeout 0\r",
                                  "write\r",
                                  "exit\r",
                                  "accept\r",
                                  "accept mode disable\r",
                                  "write\r",
                                  "exit\r",
                                  "write\r",
                                  "exit\r",
                                  "reload\r"};
}

// What the module received from "xyz" on, as lines ended by CR ("xyz" has
// none), however the pty cut it into reads.
QStringList LinesFromXyz(const SimProcess& sim) {
  QString received = QString::fromLatin1(sim.Received());
  qsizetype xyz = received.indexOf("xyz");
  if (xyz < 0) return {};
  QStringList lines{"xyz"};
  QString rest = received.mid(xyz + 3);
  for (qsizetype end = rest.indexOf('\r'); end >= 0; end = rest.indexOf('\r')) {
    lines << rest.left(end + 1);
    rest = rest.mid(end + 1);
  }
  if (!rest.isEmpty()) lines << rest;
  return lines;
}

}  // namespace

class TestPellarctlQM270 : public PellarctlProgramTest {
  Q_OBJECT

 public:
  TestPellarctlQM270() : PellarctlProgramTest("qm270", "xport-ar") {}

 protected:
  void AddRefusals() override {
    const QStringList base = {"--ip", "192.168.1.20", "--via", "com1"};
    QTest::newRow("reverse port above 9999")
        << base + QStringList{"--reverse-port", "10000"} << "--reverse-port takes 0 to 9999";
    QTest::newRow("reverse run without a key")
        << base + QStringList{"--reverse-port", "3100", "--key-bits", "128", "--key", ""}
        << "Invalid Data Encryption Key: Encryption Key must be 32 characters long";
    QTest::newRow("key of the wrong size")
        << base + QStringList{"--reverse-port", "3100", "--key-bits", "192", "--key", kKey}
        << "Encryption Key must be 48 characters long";
    QTest::newRow("mask not in the list") << base + QStringList{"--mask", "255.255.255.1"} << "not in the subnet list";
    QTest::newRow("network link") << QStringList{"--ip", "192.168.1.20", "--via", "net:192.168.100.254"}
                                  << "COM port only";
    QTest::newRow("baud rate") << base + QStringList{"--baud", "9600"} << "--baud takes 57600 or 115200";
  }

 private slots:
  void localRun() {
    REQUIRE_SIM();
    SimProcess sim;
    StartSim(sim);
    ProcessResult r = Run(
        {"--ip", "192.168.1.20", "--mask", "255.255.255.000", "--gateway", "192.168.1.1", "--via", "serial:" + m_link});
    QCOMPARE(r.exitCode, 0);
    QVERIFY2(r.OutText().contains("Program QM270 Device via Serial Connection: Your QM270 Device has been configured"),
             qPrintable(r.OutText() + r.ErrText()));
    QVERIFY(r.OutText().contains("Ensure that the QM270\u2019s system configuration jumpers J2.10 and J2.11 are on."));
    QVERIFY(r.OutText().contains("Configuration Processing Stage 4"));
    QCOMPARE(LinesFromXyz(sim), kLocalLines);
    QVERIFY2(sim.Events(true).filter("unexpected").isEmpty(), qPrintable(sim.Events(true).join("; ")));
  }

  void reverseRunMasksTheKey() {
    REQUIRE_SIM();
    SimProcess sim;
    StartSim(sim);
    QString transcript =
        QDir::temp().filePath(QString("pellar-qm270-%1.jsonl").arg(QCoreApplication::applicationPid()));
    ProcessResult r = Run({"--ip",           "192.168.1.20", "--mask",           "255.255.0.0", "--gateway",
                           "192.168.1.1",    "--via",        "serial:" + m_link, "--baud",      "57600",
                           "--reverse-port", "3100",         "--static-port",    "--key-bits",  "128",
                           "--key",          kKey,           "--transcript",     transcript,    "--yes"});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(LinesFromXyz(sim), ReverseLines());
    QVERIFY2(sim.Events(true).filter("unexpected").isEmpty(), qPrintable(sim.Events(true).join("; ")));
    QFile file(transcript);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QByteArray text = file.readAll();
    file.close();
    QFile::remove(transcript);
    QVERIFY(!text.contains(kKey.toLatin1()));
    QVERIFY(text.contains("\"aes encrypt key \""));
    QCOMPARE(text.count(QByteArray(32, '*') + "\\r"), 2);
  }

  void productCheckFailure_data() {
    QTest::addColumn<QString>("fault");
    QTest::newRow("short answer") << "short-show";
    QTest::newRow("no product lines") << "no-product-info";
  }
  void productCheckFailure() {
    REQUIRE_SIM();
    QFETCH(QString, fault);
    SimProcess sim;
    StartSim(sim, {"--fail", fault});
    ProcessResult r = Run({"--ip", "192.168.1.20", "--via", "serial:" + m_link});
    QCOMPARE(r.exitCode, 3);
    QVERIFY2(r.ErrText().contains(
                 "Cancel QM270 Program: Cancelled QM270 Programming, Missing or Invalid Product Information Returned"),
             qPrintable(r.OutText() + r.ErrText()));
    QCOMPARE(LinesFromXyz(sim), QStringList({"xyz", "show\r"}));
  }

  void interruptDuringTheBootCatchCancels() {
    REQUIRE_SIM();
    SimProcess sim;
    ExpectInterruptedWakeUp(sim, "no-banner", 500, "Cancel QM270 Program: Cancelled QM270 Programming");
  }
};

QTEST_GUILESS_MAIN(TestPellarctlQM270)
#include "tst_pellarctl_qm270.moc"
