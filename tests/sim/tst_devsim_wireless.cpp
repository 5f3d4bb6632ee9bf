// The wireless boards' firmware: the submenus that close after their last
// answer, the strict WLAN menu with its questions in the order the answers
// call for them, the security menu with or without the data key, and the
// save, reached only when every strict answer fitted.

#include <QtTest>

#include "firmware_steps.h"
#include "sim/setup_menu.h"

using namespace dorvane::sim;
using namespace dorvane::sim::testing;

namespace {

// The wireless script's answers after the CR into the menu, as the tool
// sends them to a 6.10 module with the new prompt; wlan: the WLAN menu's
// answers after "4\r"; security: after "6\r".
QByteArray WirelessAnswers(const QByteArray& address, const QByteArray& wlan, const QByteArray& security) {
  QByteArray a = "0\r1\r" + address + "Y000\r000\r000\r000\r8\rN";
  if (address == "000\r000\r001\r000\r") a += "N";
  a += "N";
  a += "1\r57600\r4C\r00\r3001\rC0\rYNN000\r000\r000\r000\r0\r00\r80\r01\r15\r00\r00\r00\r";
  a += "4\r" + wlan;
  a += "5\r\r\r\r\r\r\r\r\r0\r";
  a += "6\r" + security + "9\r";
  return a;
}

const QByteArray kAddress = "192\r168\r001\r010\r";
const QByteArray kPlainSecurity = "YNNYYYYNY";
const QByteArray kWpaKey = "00112233445566778899AABBCCDDEEFF00112233445566778899AABBCCDDEEFF";

QStringList Unexpected(const QStringList& events) { return events.filter("unexpected"); }

}  // namespace

class TestDevsimWireless : public QObject {
  Q_OBJECT

 private slots:
  void scripts_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("answers");
    QTest::addColumn<QStringList>("wantedEvents");
    QTest::addColumn<bool>("saved");
    QTest::newRow("infrastructure, WPA2 hexadecimal key")
        << "wireless" << WirelessAnswers(kAddress, "0\roffice\r3\rNY0\r" + kWpaKey + "0\r1\r3\rN\r", kPlainSecurity)
        << QStringList{"wlan:security 3", "wlan:key 32 pairs", "wlan:power-management N"} << true;
    QTest::newRow("adhoc, WEP 64 and the channel")
        << "wireless" << WirelessAnswers(kAddress, "1\roffice\r6\r1\r1\r1\rNY0\r0A1B2C3D4E2\r0\r7\r", kPlainSecurity)
        << QStringList{"wlan:channel 6", "wlan:key 5 pairs", "wlan:tx-rate 7"} << true;
    QTest::newRow("WEP 128 passphrase")
        << "wireless" << WirelessAnswers(kAddress, "0\roffice\r1\r0\r2\rNY1\rshort phrase\r1\r1\r3\rN\r", kPlainSecurity)
        << QStringList{"wlan:passphrase 12 characters"} << true;
    QTest::newRow("address 0.0.1.0 asks once more")
        << "wireless" << WirelessAnswers("000\r000\r001\r000\r", "0\r\r0\r1\r3\rN\r", kPlainSecurity)
        << QStringList{"wlan:security 0"} << true;
    QTest::newRow("encrypted, 256-bit data key")
        << "wireless-encrypted"
        << WirelessAnswers(kAddress, "0\roffice\r0\r1\r3\rN\r", "YNNYYYYY256\rY" + kWpaKey + "NY")
        << QStringList{"encryption:256", "key:32 pairs"} << true;
    QTest::newRow("adhoc offers no WPA")
        << "wireless" << WirelessAnswers(kAddress, "1\roffice\r1\r2\r1\r3\r", kPlainSecurity)
        << QStringList{"unexpected:security wants 0|1, got \"2\""} << false;
    QTest::newRow("no channel for infrastructure")
        << "wireless" << WirelessAnswers(kAddress, "0\roffice\r6\r0\r1\r3\rN\r", kPlainSecurity)
        << QStringList{"unexpected:security wants 0|1|2|3, got \"6\""} << false;
    QTest::newRow("WEP 64 key cut short")
        << "wireless" << WirelessAnswers(kAddress, "0\roffice\r1\r0\r1\rNY0\r0A1B2C3D1\r1\r3\rN\r", kPlainSecurity)
        << QStringList{"unexpected:key wants a hexadecimal key digit, got \"\r\""} << false;
  }
  void scripts() {
    QFETCH(QString, kind);
    QFETCH(QByteArray, answers);
    DeviceOptions options = Options();
    options.kind = kind == "wireless" ? ModuleKind::kWirelessSetupMenu : ModuleKind::kEncryptedWirelessSetupMenu;
    SetupMenu menu(options, LinkKind::kSerial);
    Transcript t = Run(menu, {"power", ">x", ">\r", ">" + QString::fromLatin1(answers)});
    QFETCH(QStringList, wantedEvents);
    QFETCH(bool, saved);
    for (const QString& wanted : wantedEvents) {
      bool found = false;
      for (const QString& event : t.events) found = found || event.startsWith(wanted);
      QVERIFY2(found, qPrintable(wanted + " not in " + t.events.join(", ")));
    }
    // A module asked again after a wrong answer never gets to the save the
    // tool sends at its end.
    QCOMPARE(Unexpected(t.events).isEmpty(), saved);
    QVERIFY2(t.events.contains("saved") == saved, qPrintable(t.events.join(", ")));
  }

  // The plain wireless board asks no encryption question: the encrypted
  // board's answers do not fit it.
  void plainBoardHasNoDataKey() {
    DeviceOptions options = Options();
    options.kind = ModuleKind::kWirelessSetupMenu;
    SetupMenu menu(options, LinkKind::kSerial);
    Transcript t = Run(menu, {"power", ">x", ">\r",
                              ">" + QString::fromLatin1(WirelessAnswers(kAddress, "0\roffice\r0\r1\r3\rN\r",
                                                                        "YNNYYYYY128\rY" + kWpaKey.left(32) + "NY"))});
    QVERIFY(!Unexpected(t.events).isEmpty());
    QVERIFY(!t.events.contains("saved"));
  }
};

QTEST_GUILESS_MAIN(TestDevsimWireless)
#include "tst_devsim_wireless.moc"
