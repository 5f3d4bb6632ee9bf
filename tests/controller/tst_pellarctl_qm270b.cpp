// pellarctl program qm270b as a black box against pellar-devsim --kind
// xpico over a pty: everything the module received, written out from the
// answer table, the restart between the record block and the menu, the
// masked key in the transcript, and the refusals before the run.

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

const QStringList kRecordBlock = {"M",
                                  "S7\\n\r",
                                  ":200000100500000000000000000000000000000000000000000000000000000000000000CB",
                                  ":200020100000000000000000000000000000000000000000000000000000000000000000B0",
                                  ":20004010000000000000000000000000000000000000000000000000000000000000000090",
                                  ":1E00601000000000000000000000000000000000000000000000000000000000000072",
                                  ":00000001FF",
                                  "\\n\r",
                                  "RS\r"};

// The menu's answers for 192.168.1.20 / 255.255.255.000, gateway
// 192.168.1.1, at 115200 with Ethernet position 1 and 77FE disabled, from
// a V6.10 module: reverse with the static port 3100 and a 128-bit key, or
// neither.
QStringList MenuAnswers(bool reverse) {
  QStringList a = {"\r",    "0\r", "192\r", "168\r", "001\r", "020\r", "Y",   "192\r",    "168\r", "001\r",
                   "001\r", "8\r", "N",     "N",     "N",     "\r",    "1\r", "115200\r", "4C\r",  "00\r"};
  a << (reverse ? "3100\r" : "3001\r") << (reverse ? "06\r" : "C0\r") << "Y"
    << "N"
    << "N";
  a << "000\r"
    << "000\r"
    << "000\r"
    << "000\r" << (reverse ? "3100\r" : "0\r");
  a << "00\r"
    << "80\r"
    << "01\r"
    << "15\r"
    << "00\r"
    << "00\r"
    << "00\r"
    << "\r";
  a << "5\r"
    << "45\r"
    << "600\r"
    << "0\r"
    << "N"
    << "80\r"
    << "1400\r"
    << "500\r"
    << "N"
    << "2\r"
    << "\r";
  a << "6\r"
    << "Y"
    << "N"
    << "N"
    << "Y"
    << "Y"
    << "Y"
    << "Y";
  if (reverse) {
    a << "Y"
      << "128\r"
      << "Y";
    for (int at = 0; at < kKey.size(); at += 2) a << kKey.mid(at, 2);
  } else {
    a << "N";
  }
  a << "N"
    << "Y"
    << "\r"
    << "9\r";
  return a;
}

// What the module received, without the boot catches' "x" (no answer holds
// one), as one text.
QString ReceivedWithoutWakeUps(const SimProcess& sim) { return QString::fromLatin1(sim.Received()).remove('x'); }

}  // namespace

class TestPellarctlQM270XPico : public PellarctlProgramTest {
  Q_OBJECT

 public:
  TestPellarctlQM270XPico() : PellarctlProgramTest("qm270b", "xpico") {}

 protected:
  void AddRefusals() override {
    const QStringList base = {"--ip", "192.168.1.20", "--via", "com1"};
    QTest::newRow("size chosen, key empty") << base + QStringList{"--key-bits", "128", "--key", ""}
                                            << "Invalid Data Encryption Key: Encryption Key must be 32 characters long";
    QTest::newRow("key of the wrong size")
        << base + QStringList{"--key-bits", "256", "--key", kKey} << "Encryption Key must be 64 characters long";
    QTest::newRow("reverse without encryption")
        << base + QStringList{"--reverse-port", "3100", "--key-bits", "none"} << "always encrypted";
    QTest::newRow("reverse without a key") << base + QStringList{"--reverse-port", "3100"} << "give the key";
    QTest::newRow("letters as reverse port") << base + QStringList{"--reverse-port", "abc", "--key", kKey}
                                             << "Reverse Network Port Number: Invalid Port Number";
    QTest::newRow("reverse port above 65535")
        << base + QStringList{"--reverse-port", "65536", "--key", kKey} << "Invalid Port Number";
    QTest::newRow("a key without a size") << base + QStringList{"--key", kKey} << "a key needs --key-bits";
    QTest::newRow("network link") << QStringList{"--ip", "192.168.1.20", "--via", "net:192.168.100.254"}
                                  << "COM port only";
    QTest::newRow("baud rate") << base + QStringList{"--baud", "9600"} << "--baud takes one of 57600, 115200";
    QTest::newRow("ethernet") << base + QStringList{"--ethernet", "5"} << "--ethernet takes 0 to 4";
  }

 private slots:
  void runs_data() {
    QTest::addColumn<bool>("reverse");
    QTest::newRow("local") << false;
    QTest::newRow("reverse, static port, 128-bit key") << true;
  }
  void runs() {
    REQUIRE_SIM();
    QFETCH(bool, reverse);
    SimProcess sim;
    StartSim(sim);
    QString transcript =
        QDir::temp().filePath(QString("pellar-qm270b-%1.jsonl").arg(QCoreApplication::applicationPid()));
    QStringList arguments = {"--ip",         "192.168.1.20",     "--gateway",  "192.168.1.1",
                             "--via",        "serial:" + m_link, "--ethernet", "1",
                             "--transcript", transcript};
    if (reverse)
      arguments << "--reverse-port"
                << "3100"
                << "--static-port"
                << "--key" << kKey << "--yes";
    ProcessResult r = Run(arguments);
    QCOMPARE(r.exitCode, 0);
    QVERIFY2(r.OutText().contains("Program QM270 Rev. B Device via Serial Connection: Your QM270 Device has been "
                                  "configured, please remove the serial connection from the QM270 Rev. B Device and "
                                  "press the reset button on the QM270 Rev. B Device"),
             qPrintable(r.OutText() + r.ErrText()));
    QVERIFY(r.OutText().contains("switches S1 10 and 11 are in the on position"));

    // pellarctl may be gone before the simulator has read its last answers.
    QTRY_VERIFY_WITH_TIMEOUT(sim.Events().contains("saved"), 10000);
    QStringList expected = (reverse ? kRecordBlock : QStringList()) + MenuAnswers(reverse);
    QCOMPARE(ReceivedWithoutWakeUps(sim), expected.join(QString()));
    QStringList events = sim.Events();
    QVERIFY2(events.filter("unexpected").isEmpty(), qPrintable(events.join("; ")));
    QCOMPARE(events.count("banner"), reverse ? 2 : 1);
    if (reverse) {
      // The block written, then the restart, before the second banner.
      qsizetype block = events.indexOf("record-block");
      QVERIFY2(block >= 0, qPrintable(events.join("; ")));
      QVERIFY(block < events.indexOf("restart"));
      QVERIFY(events.indexOf("restart") < events.lastIndexOf("banner"));
    }
    QVERIFY2(events.contains("saved"), qPrintable(events.join("; ")));

    QFile file(transcript);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QByteArray text = file.readAll();
    file.close();
    if (qEnvironmentVariableIsEmpty("KEEP_TRANSCRIPT")) QFile::remove(transcript);
    QVERIFY(!text.contains(kKey.left(8).toLatin1()));
    if (reverse) QCOMPARE(text.count("\"send\",\"text\":\"**\""), 16);
  }

  void interruptDuringTheBootCatchCancels() {
    REQUIRE_SIM();
    SimProcess sim;
    ExpectInterruptedWakeUp(sim, "no-xpico", 1500, "Cancel QM270 Rev. B Program: Cancelled QM270 Rev. B Programming");
    if (QTest::currentTestFailed()) return;
    // A banner without the module's name opens no menu.
    QVERIFY(ReceivedWithoutWakeUps(sim).isEmpty());
  }

  // A board's module on the cable: its banner is named once on standard
  // error, the catch goes on until Ctrl+C, and nothing else is sent.
  void aBoardOnTheCableIsNamedOnce() {
    REQUIRE_SIM();
    SimProcess sim;
    QVERIFY2(sim.Start({"--kind", "pellar2", "--pty", m_link, "--reset-after", "1", "--time-scale", kScale}),
             qPrintable(sim.Error()));
    ProcessResult r = Run({"--ip", "192.168.1.20", "--via", "serial:" + m_link, "--yes"}, InterruptAfter(2500));
    QCOMPARE(r.exitCode, 4);
    const QString notice = "The module that answered is not the kind programmed here: check the cable and the port.";
    QCOMPARE(r.ErrText().count(notice), 1);
    QVERIFY(sim.Events().contains("banner"));
    QVERIFY(ReceivedWithoutWakeUps(sim).isEmpty());
  }
};

QTEST_GUILESS_MAIN(TestPellarctlQM270XPico)
#include "tst_pellarctl_qm270b.moc"
