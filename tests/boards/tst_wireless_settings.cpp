// The WLAN choices of the wireless boards: what each topology and suite
// offers, the key box's width, and the key check with its boxes, its cuts
// and its warning.

#include <QtTest>

#include "base/localised_text.h"
#include "boards/wireless_settings.h"

using namespace dorvane;

namespace {

QStringList Texts(const std::vector<std::string>& texts) {
  QStringList list;
  for (const std::string& text : texts) list << QString::fromStdString(text);
  return list;
}

}  // namespace

class TestWirelessSettings : public QObject {
  Q_OBJECT

 private slots:
  void init() { LanguageOffset = kEnglishOffset; }

  void adhocOffersOnlyNoneAndWep() {
    QCOMPARE(Texts(SuiteTexts(Topology::Infrastructure)), (QStringList{"None", "WEP", "WPA", "WPA 2/802.11i"}));
    QCOMPARE(Texts(SuiteTexts(Topology::Adhoc)), (QStringList{"None", "WEP"}));
    QVERIFY(!SuiteOffered(Topology::Adhoc, Suite::WPA));
    QVERIFY(SuiteOffered(Topology::Infrastructure, Suite::WPA2));
  }

  void encryptionLists_data() {
    QTest::addColumn<int>("suite");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("None") << int(Suite::None) << QStringList{};
    QTest::newRow("WEP") << int(Suite::WEP) << QStringList{"WEP 64", "WEP 128"};
    QTest::newRow("WPA") << int(Suite::WPA) << QStringList{"TKIP", "TKIP+WEP"};
    QTest::newRow("WPA2") << int(Suite::WPA2) << QStringList{"CCMP", "CCMP+TKIP", "CCMP+WEP", "TKIP", "TKIP+WEP"};
  }
  void encryptionLists() {
    QFETCH(int, suite);
    QTEST(Texts(EncryptionTexts(static_cast<Suite>(suite))), "texts");
  }

  void keyWidth_data() {
    QTest::addColumn<int>("suite");
    QTest::addColumn<int>("encryption");
    QTest::addColumn<int>("change");
    QTest::addColumn<int>("length");  // 0: nothing changes
    QTest::addColumn<QString>("tip");
    const QString phrase = "Strongly recommended to use a passphrase of 20 characters or more, 63 characters maximum.";
    QTest::newRow("none") << int(Suite::None) << 0 << int(KeyChange::Hexadecimal) << 0 << "";
    QTest::newRow("no key change") << int(Suite::WPA) << 0 << int(KeyChange::No) << 0 << "";
    QTest::newRow("passphrase") << int(Suite::WEP) << 0 << int(KeyChange::Passphrase) << 63 << phrase;
    QTest::newRow("WEP 64") << int(Suite::WEP) << 0 << int(KeyChange::Hexadecimal) << 10
                            << "10 Hexadecimal characters (0-9, A-F)";
    QTest::newRow("WEP 128") << int(Suite::WEP) << 1 << int(KeyChange::Hexadecimal) << 26
                             << "26 Hexadecimal characters (0-9, A-F)";
    QTest::newRow("WPA2 TKIP+WEP") << int(Suite::WPA2) << 4 << int(KeyChange::Hexadecimal) << 64
                                   << "64 Hexadecimal characters (0-9, A-F)";
  }
  void keyWidth() {
    QFETCH(int, suite);
    QFETCH(int, encryption);
    QFETCH(int, change);
    QFETCH(int, length);
    std::optional<KeyWidth> width =
        EncryptionKeyWidth(static_cast<Suite>(suite), encryption, static_cast<KeyChange>(change));
    QCOMPARE(width.has_value(), length != 0);
    if (!width) return;
    QCOMPARE(width->maxLength, length);
    QTEST(QString::fromStdString(width->toolTip), "tip");
  }

  void keyCheck_data() {
    QTest::addColumn<int>("suite");
    QTest::addColumn<int>("encryption");
    QTest::addColumn<int>("change");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("usable");
    QTest::addColumn<QString>("title");  // empty: no box
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("keyAfter");
    const int hex = int(KeyChange::Hexadecimal);
    const int phrase = int(KeyChange::Passphrase);
    const QString k26 = "0123456789ABCDEF0123456789";
    const QString k64 = k26 + k26 + "0123456789AB";
    QTest::newRow("suite none") << int(Suite::None) << 0 << hex << "" << true << "" << "" << "";
    QTest::newRow("no key change") << int(Suite::WEP) << 0 << int(KeyChange::No) << "" << true << "" << "" << "";
    QTest::newRow("WEP 128 exact") << int(Suite::WEP) << 1 << hex << k26 << true << "" << "" << k26;
    QTest::newRow("WEP 128, 27 cut to 26") << int(Suite::WEP) << 1 << hex << k26 + "F" << true << "" << "" << k26;
    QTest::newRow("WEP 128, 25") << int(Suite::WEP) << 1 << hex << k26.left(25) << false
                                 << "Invalid Wireless Encryption Key" << "Encryption Key must be 26 characters long"
                                 << k26.left(25);
    QTest::newRow("WEP 64, 5") << int(Suite::WEP) << 0 << hex << "01234" << false << "Invalid Wireless Encryption Key"
                               << "Encryption Key must be 10 characters long" << "01234";
    QTest::newRow("WPA, empty") << int(Suite::WPA) << 0 << hex << "" << false << "Invalid Wireless Encryption Key"
                                << "Encryption Key must be 64 characters long" << "";
    QTest::newRow("WPA2, 64") << int(Suite::WPA2) << 2 << hex << k64 << true << "" << "" << k64;
    QTest::newRow("passphrase empty") << int(Suite::WPA) << 0 << phrase << "  " << false
                                      << "Invalid Wireless Encryption Key" << "Please enter wireless encryption key"
                                      << "  ";
    QTest::newRow("passphrase of 10: the warning") << int(Suite::WEP) << 0 << phrase << "ten chars!" << true
                                                   << "Wireless Encryption Key"
                                                   << "It is strongly recommended to use a passphrase of 20 "
                                                      "characters or more"
                                                   << "ten chars!";
    QTest::newRow("passphrase of 20") << int(Suite::WPA2) << 0 << phrase << QString(20, 'p') << true << "" << ""
                                      << QString(20, 'p');
    QTest::newRow("passphrase of 64 cut to 63") << int(Suite::WPA2) << 0 << phrase << QString(64, 'p') << true << ""
                                                << "" << QString(63, 'p');
  }
  void keyCheck() {
    QFETCH(int, suite);
    QFETCH(int, encryption);
    QFETCH(int, change);
    QFETCH(QString, key);
    QFETCH(QString, title);
    WirelessKeyCheck check =
        CheckEncryptionKey(static_cast<Suite>(suite), encryption, static_cast<KeyChange>(change), key.toStdString());
    QTEST(check.usable, "usable");
    QCOMPARE(check.message.has_value(), !title.isEmpty());
    if (check.message) {
      QCOMPARE(QString::fromStdString(check.message->title), title);
      QTEST(QString::fromStdString(check.message->text), "text");
    }
    QTEST(QString::fromStdString(check.key), "keyAfter");
  }
};

QTEST_GUILESS_MAIN(TestWirelessSettings)
#include "tst_wireless_settings.moc"
