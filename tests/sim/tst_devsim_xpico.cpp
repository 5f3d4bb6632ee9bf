// The simulated XPico of the QM270 Rev. B: its banner, the record mode and
// its restart, and the setup menu's strict order with the questions the
// firmware version and the address bring.

#include <QtTest>

#include "firmware_steps.h"
#include "sim/xpico_setup_menu.h"

using namespace dorvane::sim;
using namespace dorvane::sim::testing;

namespace {

const QStringList kRecords = {":200000100500000000000000000000000000000000000000000000000000000000000000CB",
                              ":200020100000000000000000000000000000000000000000000000000000000000000000B0",
                              ":20004010000000000000000000000000000000000000000000000000000000000000000090",
                              ":1E00601000000000000000000000000000000000000000000000000000000000000072", ":00000001FF"};

const QString kKey = "00112233445566778899AABBCCDDEEFF00112233445566778899AABBCCDDEEFF";

DeviceOptions WithFirmware(const QString& firmware, const QStringList& failModes = {}) {
  DeviceOptions options = Options(failModes);
  options.kind = ModuleKind::kXPicoSetupMenu;
  options.firmware = firmware;
  return options;
}

// The record mode as a reverse run sends it, from "M" to "RS".
QStringList RecordSteps(const QStringList& records, const QString& command = R"(S7\n)") {
  QStringList steps{">M", ">" + command + "\r"};
  for (const QString& record : records) steps << ">" + record;
  return steps << R"(>\n)" + QString("\r") << ">RS\r";
}

// One menu run's answers; the conditional ones are sent as the row says, so
// a row can get them wrong.
struct MenuRun {
  QStringList address;
  bool v68Keys = true;      // the Telnet password and FQDN keys
  bool dhcpName = false;    // the extra key of the addresses 0.0.0.0 and 0.0.1.0
  QString port77fe = "Y";   // "Disable Port 77FE"
  bool readOnlyCr = false;  // the bare CR of 6.10's read-only question
  int keyBits = 0;          // 0: no encryption
  bool serverOnly = false;

  QStringList Steps() const {
    QStringList s{"power", ">xxx", ">xx", ">\r", ">0\r"};
    for (const QString& field : address) s << ">" + field + "\r";
    s << ">Y"
      << ">192\r"
      << ">168\r"
      << ">001\r"
      << ">001\r"
      << ">8\r";
    if (v68Keys) s << ">N";
    s << ">N";
    if (dhcpName) s << ">N";
    if (v68Keys) s << ">N";
    s << ">\r";
    if (serverOnly)
      return s << ">\r"
               << ">9\r";
    s << ">1\r"
      << ">115200\r"
      << ">4C\r"
      << ">00\r"
      << ">10001\r"
      << ">C0\r"
      << ">Y"
      << ">N"
      << ">N";
    s << ">000\r"
      << ">000\r"
      << ">000\r"
      << ">000\r"
      << ">0\r";
    for (const char* value : {"00", "80", "01", "15", "00", "00", "00"}) s << ">" + QString(value) + "\r";
    s << ">\r"
      << ">5\r"
      << ">45\r"
      << ">600\r"
      << ">0\r"
      << ">N"
      << ">80\r"
      << ">1400\r"
      << ">500\r"
      << ">N"
      << ">2\r"
      << ">\r";
    s << ">6\r"
      << ">Y"
      << ">N"
      << ">N"
      << ">" + port77fe;
    if (readOnlyCr) s << ">\r";
    s << ">Y"
      << ">Y"
      << ">Y";
    if (keyBits == 0) {
      s << ">N";
    } else {
      s << ">Y"
        << ">" + QString::number(keyBits) + "\r"
        << ">Y";
      for (int i = 0; i < keyBits / 8; ++i) s << ">" + kKey.mid(2 * i, 2);
    }
    return s << ">N"
             << ">Y"
             << ">\r"
             << ">9\r";
  }
};

}  // namespace

Q_DECLARE_METATYPE(MenuRun)

namespace {

const QStringList kDevice = {"192", "168", "001", "010"};

}  // namespace

class TestDevsimXPico : public QObject {
  Q_OBJECT

 private slots:
  void banner_data() {
    QTest::addColumn<QString>("firmware");
    QTest::addColumn<QStringList>("failModes");
    QTest::addColumn<bool>("xpico");
    QTest::newRow("default") << "V6.10.0" << QStringList() << true;
    QTest::newRow("older firmware") << "V6.7.2" << QStringList() << true;
    QTest::newRow("no-xpico") << "V6.10.0" << QStringList{"no-xpico"} << false;
  }
  void banner() {
    QFETCH(QString, firmware);
    QFETCH(QStringList, failModes);
    QFETCH(bool, xpico);
    XPicoSetupMenu module(WithFirmware(firmware, failModes), LinkKind::kSerial);
    QCOMPARE(Run(module, {">x"}).output, QByteArray());  // not before a reset
    Transcript t = Run(module, {"power", ">x"});
    QCOMPARE(t.events, QStringList({"reset", "banner"}));
    QCOMPARE(t.output.contains("XPICO"), xpico);
    QVERIFY(t.output.contains("Press Enter for Setup Mode"));
    QVERIFY(t.output.contains("Software version " + firmware.toLatin1() + ". (260101)"));
    // The rest of the tool's wake-up cycle changes nothing.
    Transcript more = Run(module, {">xx"});
    QCOMPARE(more.output, QByteArray());
    QVERIFY(more.events.isEmpty());
  }

  void noBannerStaysSilent() {
    XPicoSetupMenu module(WithFirmware("V6.10.0", {"no-banner"}), LinkKind::kSerial);
    Transcript t = Run(module, {"power", ">xxxxxx", ">\r"});
    QCOMPARE(t.output, QByteArray());
    QCOMPARE(t.events, QStringList({"reset"}));
  }

  void recordMode_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("wanted");  // part of an event that must be logged
    QTest::addColumn<bool>("written");
    QTest::addColumn<bool>("restarts");
    QTest::newRow("the tool's block") << RecordSteps(kRecords) << "record-block:126 bytes at 0000: 05 then 125 x 00"
                                      << true << true;
    QStringList badSecond = kRecords;
    badSecond[1].replace(badSecond[1].size() - 2, 2, "B1");
    QTest::newRow("a bad checksum") << RecordSteps(badSecond)
                                    << "record-checksum:record 2 at 0020 has checksum B1, wants B0" << false << true;
    QTest::newRow("the bad checksum keeps the block")
        << RecordSteps(badSecond) << "record-not-written:checksum of record 2" << false << true;
    QStringList withLineEnds;
    for (const QString& record : kRecords) withLineEnds << record + "\r\n";
    QTest::newRow("records ended by CR LF")
        << RecordSteps(withLineEnds) << "unexpected:record wants \":\" to start a record, got \"\r\"" << false << false;
    QTest::newRow("a line feed for the backslash n")
        << RecordSteps(kRecords, "S7\n") << "unexpected:record-command wants S7\\n and CR" << false << false;
  }
  void recordMode() {
    QFETCH(QStringList, steps);
    QFETCH(QString, wanted);
    QFETCH(bool, written);
    QFETCH(bool, restarts);
    XPicoSetupMenu module(WithFirmware("V6.10.0"), LinkKind::kSerial);
    Transcript t = Run(module, QStringList{"power", ">xxx"} + steps);
    QVERIFY2(!t.events.filter(wanted).isEmpty(), qPrintable(t.events.join('\n')));
    QCOMPARE(t.events.contains("record-mode"), true);
    QCOMPARE(!t.events.filter("record-block:").isEmpty(), written);
    QCOMPARE(t.events.contains("restart"), restarts);
  }

  // The restart needs a second wake-up, which greets as the first did; the
  // setup menu follows.
  void restartNeedsANewWakeUp() {
    XPicoSetupMenu module(WithFirmware("V6.10.0"), LinkKind::kSerial);
    Transcript records = Run(module, QStringList{"power", ">xxx"} + RecordSteps(kRecords));
    QCOMPARE(records.events.last(), QString("restart"));
    QVERIFY(records.timerMs > 0);
    QCOMPARE(Run(module, {">x", ">\r"}).output, QByteArray());  // still restarting
    QCOMPARE(Run(module, {"timer"}).events, QStringList({"reset"}));
    Transcript again = Run(module, {">xxx", ">\r"});
    QCOMPARE(again.events, QStringList({"banner", "setup"}));
    QVERIFY(again.output.contains("XPICO"));
    QVERIFY(again.output.endsWith("Your choice ? "));
  }

  void menuRuns_data() {
    QTest::addColumn<QString>("firmware");
    QTest::addColumn<MenuRun>("run");
    QTest::addColumn<QString>("unexpected");  // the first unexpected event's start; empty: saved
    MenuRun plain{kDevice};
    QTest::newRow("no encryption") << "V6.10.0" << plain << QString();
    MenuRun aes128 = plain;
    aes128.keyBits = 128;
    QTest::newRow("128-bit key") << "V6.10.0" << aes128 << QString();
    MenuRun aes256 = plain;
    aes256.keyBits = 256;
    QTest::newRow("256-bit key") << "V6.10.0" << aes256 << QString();
    MenuRun keep77fe = plain;
    keep77fe.port77fe = "N";
    keep77fe.readOnlyCr = true;
    QTest::newRow("6.10 keeps 77FE: its bare CR") << "V6.10.0" << keep77fe << QString();
    MenuRun keep77feOld = plain;
    keep77feOld.port77fe = "N";
    QTest::newRow("6.9 keeps 77FE: no question") << "V6.9.0" << keep77feOld << QString();
    MenuRun v67 = plain;
    v67.v68Keys = false;
    QTest::newRow("6.7: no Telnet password, no FQDN") << "V6.7.0" << v67 << QString();
    MenuRun unset = plain;
    unset.address = QStringList{"000", "000", "001", "000"};
    unset.dhcpName = true;
    QTest::newRow("0.0.1.0: the DHCP name") << "V6.10.0" << unset << QString();
    unset.address = QStringList{"000", "000", "000", "000"};
    QTest::newRow("0.0.0.0: the DHCP name") << "V6.10.0" << unset << QString();
    MenuRun serverOnly = plain;
    serverOnly.serverOnly = true;
    QTest::newRow("server only") << "V6.10.0" << serverOnly << QString();

    QTest::newRow("6.9 given the bare CR") << "V6.9.0" << keep77fe << "unexpected:tftp wants";
    QTest::newRow("6.10 without the bare CR") << "V6.10.0" << keep77feOld << "unexpected:port-77fe-read-only wants";
    MenuRun noDhcpName = unset;
    noDhcpName.dhcpName = false;
    QTest::newRow("0.0.0.0 without the DHCP name") << "V6.10.0" << noDhcpName << "unexpected:dhcp-fqdn wants";
    QTest::newRow("the 6.8 keys for 6.7") << "V6.7.0" << plain << "unexpected:main-menu wants";
  }
  void menuRuns() {
    QFETCH(QString, firmware);
    QFETCH(MenuRun, run);
    QFETCH(QString, unexpected);
    XPicoSetupMenu module(WithFirmware(firmware), LinkKind::kSerial);
    Transcript t = Run(module, run.Steps());
    const QStringList wrong = t.events.filter("unexpected:");
    if (!unexpected.isEmpty()) {
      QVERIFY2(!wrong.isEmpty() && wrong.first().startsWith(unexpected), qPrintable(t.events.join('\n')));
      QVERIFY(!t.events.contains("saved"));
      return;
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join('\n')));
    QCOMPARE(t.events.last(), QString("saved"));
    QVERIFY(t.timerMs > 0);  // restarts after the save
    QVERIFY(t.events.contains("address:" + run.address.join('.')));
    QVERIFY(t.events.contains("gateway:192.168.001.001"));
    QVERIFY(t.events.contains("host-bits:8"));
    if (run.serverOnly) {
      QVERIFY(t.events.filter("local-port:").isEmpty());
      return;
    }
    for (const char* event : {"baud:115200", "local-port:10001", "connect-mode:C0", "remote-port:0", "ethernet:2"})
      QVERIFY2(t.events.contains(event), event);
    QVERIFY(t.events.contains("port-77fe:" + run.port77fe));
    if (run.keyBits == 0) {
      QVERIFY(t.events.contains("encryption:none"));
    } else {
      QVERIFY(t.events.contains(QString("encryption:%1").arg(run.keyBits)));
      QVERIFY(t.events.contains(QString("key:%1 pairs").arg(run.keyBits / 8)));
    }
    QVERIFY(!t.events.join(' ').contains(kKey.left(8)));
  }

  // A wrong answer is asked again, and the run goes on, but the settings
  // are not stored.
  void wrongAnswerTaints_data() {
    QTest::addColumn<QString>("after");  // the first step it follows
    QTest::addColumn<QString>("wrong");
    QTest::addColumn<QString>("event");
    QTest::newRow("baud 9600") << ">1\r"
                               << ">9600\r"
                               << "unexpected:baud wants 57600|115200, got \"9600\"";
    QTest::newRow("port 65536") << ">00\r"
                                << ">65536\r"
                                << "unexpected:local-port wants a port, 0 to 65535, got \"65536\"";
    QTest::newRow("a field of two digits") << ">0\r"
                                           << ">19\r"
                                           << "unexpected:address-1 wants three digits";
    QTest::newRow("the gateway key as a line") << ">010\r"
                                               << ">\n"
                                               << "unexpected:set-gateway wants Y or N";
    QTest::newRow("N where Y is wanted") << ">C0\r"
                                         << ">N"
                                         << "unexpected:modem-pluses wants Y, got \"N\"";
    QTest::newRow("main menu 7") << ">\r"
                                 << ">7\r"
                                 << "unexpected:main-menu wants 0|1|5|6|9 or a bare CR, got \"7\"";
  }
  void wrongAnswerTaints() {
    QFETCH(QString, after);
    QFETCH(QString, wrong);
    QFETCH(QString, event);
    XPicoSetupMenu module(WithFirmware("V6.10.0"), LinkKind::kSerial);
    QStringList steps = MenuRun{kDevice}.Steps();
    steps.insert(steps.indexOf(after) + 1, wrong);
    Transcript t = Run(module, steps);
    const QStringList wrongEvents = t.events.filter("unexpected:");
    QCOMPARE(wrongEvents.size(), 1);
    QVERIFY2(wrongEvents.first().startsWith(event), qPrintable(wrongEvents.first()));
    QCOMPARE(t.events.last(), QString("not-saved"));
  }

  void closeAfterDropsTheLink() {
    XPicoSetupMenu module(WithFirmware("V6.10.0", {"close-after:3"}), LinkKind::kSerial);
    Transcript t = Run(module, {"power", ">x", ">\r", ">0\r", ">192\r", ">168\r", ">001\r"});
    QCOMPARE(t.events.last(), QString("dropped"));
    QVERIFY(t.hangUp);
    QCOMPARE(t.events.filter("address").size(), 0);
  }
};

QTEST_APPLESS_MAIN(TestDevsimXPico)
#include "tst_devsim_xpico.moc"
