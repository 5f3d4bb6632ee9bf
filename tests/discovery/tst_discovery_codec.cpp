// The discovery codec: which datagrams become rows, what the rows say, and
// the 256-entry list they go into.

#include <QRandomGenerator>
#include <QtTest>

#include "discovery/discovery_codec.h"
#include "discovery/discovery_result.h"
#include "module_reply.h"

using namespace dorvane;
using dorvane::testing::MacBytes;
using dorvane::testing::ModuleReply;

Q_DECLARE_METATYPE(std::string)

namespace {

const MacBytes kMac = {0x00, 0x20, 0x4A, 0x12, 0x34, 0x56};

std::string Bytes(std::initializer_list<unsigned char> bytes) { return std::string(bytes.begin(), bytes.end()); }

}  // namespace

class TestDiscoveryCodec : public QObject {
  Q_OBJECT

 private slots:
  void theQuery() { QCOMPARE(DiscoveryQuery(), Bytes({0x00, 0x00, 0x00, 0xF6})); }

  void replyRule_data() {
    QTest::addColumn<std::string>("datagram");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("mac");
    QTest::addColumn<QString>("type");
    QTest::newRow("X1 reply") << ModuleReply("X1", kMac) << true << "00.20.4A.12.34.56"
                              << "PELLAR - X1 - XPort 01";
    QTest::newRow("X5 names A5") << ModuleReply("X5", kMac) << true << "00.20.4A.12.34.56"
                                 << "PELLAR - A5 - XPort 03/04";
    QTest::newRow("Z9 unknown") << ModuleReply("Z9", kMac) << true << "00.20.4A.12.34.56"
                                << "Z9 - Unknown";
    QTest::newRow("x1 is not X1") << ModuleReply("x1", kMac) << true << "00.20.4A.12.34.56"
                                  << "x1 - Unknown";
    QTest::newRow("MAC byte 0x0A") << ModuleReply("X4", {0x0A, 0x00, 0xFF, 0xA0, 0x0A, 0x01}) << true
                                   << "0A.00.FF.A0.0A.01"
                                   << "PELLAR - X4 - XPort 04";
    QTest::newRow("40 bytes: first 30 examined") << ModuleReply("E8", kMac, 40) << true << "00.20.4A.12.34.56"
                                                 << "XPort Pro Lx6";
    QTest::newRow("non-ASCII code") << ModuleReply("\x80\x01", kMac) << true << "00.20.4A.12.34.56"
                                    << "\\x80\\x01 - Unknown";
    QTest::newRow("backslash kept") << ModuleReply("\\7", kMac) << true << "00.20.4A.12.34.56"
                                    << "\\7 - Unknown";
    QTest::newRow("29 bytes") << ModuleReply("X1", kMac, 29) << false << ""
                              << "";
    QTest::newRow("0xF6 at offset 3") << ModuleReply("X1", kMac, 30, 0xF6) << false << ""
                                      << "";
    QTest::newRow("the query itself") << DiscoveryQuery() << false << ""
                                      << "";
    QTest::newRow("empty") << std::string() << false << ""
                           << "";
    QTest::newRow("0xF7 elsewhere only") << std::string(30, '\xF7').replace(3, 1, 1, '\0') << false << ""
                                         << "";
  }
  void replyRule() {
    QFETCH(std::string, datagram);
    QFETCH(bool, accepted);
    std::optional<DiscoveredDevice> device = DecodeReply(datagram, "10.0.0.5");
    QCOMPARE(device.has_value(), accepted);
    if (!device) return;
    QTEST(QString::fromStdString(device->macAddress), "mac");
    QTEST(QString::fromStdString(device->deviceType), "type");
    QCOMPARE(device->ipAddress, std::string("10.0.0.5"));
  }

  // The rows whose texts are easiest to get wrong; the rest follow the same path.
  void deviceTypeTable_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("A1") << "A1"
                        << "QM270 - A1 - XPort AR";
    QTest::newRow("X2") << "X2"
                        << "PELLAR - X2 - XPort 03/04";
    QTest::newRow("X6") << "X6"
                        << "QM270 Rev. B - X6 - XPico";
    QTest::newRow("PA") << "PA"
                        << "XPico-IAP";
    QTest::newRow("X8") << "X8"
                        << "XPort Direct+";
    QTest::newRow("X9") << "X9"
                        << "PELLAR - X9 - XPort 05";
    QTest::newRow("XA") << "XA"
                        << "Xport IAP";
    QTest::newRow("P7") << "P7"
                        << "PremierWave";
    QTest::newRow("xa") << "xa"
                        << "xa - Unknown";
    QTest::newRow("blanks") << "  "
                            << "   - Unknown";
  }
  void deviceTypeTable() {
    QFETCH(QString, code);
    QTEST(QString::fromStdString(DeviceTypeText(code.toStdString())), "text");
  }

  void theListHolds256() {
    DeviceList list;
    list.Reset();
    for (int i = 0; i < 257; ++i) {
      MacBytes mac = kMac;
      mac[4] = static_cast<unsigned char>(i >> 8);
      mac[5] = static_cast<unsigned char>(i);
      std::optional<DiscoveredDevice> device = DecodeReply(ModuleReply("X1", mac), "10.0.0." + std::to_string(i % 250));
      QVERIFY(device);
      QCOMPARE(list.Add(*device), i < 256);
    }
    QCOMPARE(list.DeviceCount(), 256);
    QCOMPARE(list.Dropped(), 1);
    std::vector<DiscoveredDevice> listed = list.Listed();
    QCOMPARE(listed.size(), std::size_t(256));
    QCOMPARE(listed.front().macAddress, std::string("00.20.4A.12.00.00"));
    QCOMPARE(listed.back().macAddress, std::string("00.20.4A.12.00.FF"));

    list.Reset();
    QCOMPARE(list.DeviceCount(), 0);
    QCOMPARE(list.Dropped(), 0);
    QVERIFY(list.Listed().empty());
  }

  // Random datagrams never crash the codec and never add a row unless the
  // reply rule holds; a row that is added shows exactly the MAC bytes.
  void randomDatagrams() {
    const quint32 seed = QRandomGenerator::global()->generate();
    QRandomGenerator random(seed);
    DeviceList list;
    list.Reset();
    int expectedCount = 0;
    for (int round = 0; round < 50000; ++round) {
      std::string datagram(random.bounded(65), '\0');
      for (char& byte : datagram) byte = static_cast<char>(random.bounded(256));
      // Half the time the reply code is right, so the accepting path gets its share.
      if (datagram.size() > 3 && random.bounded(2) == 0) datagram[3] = '\xF7';

      const bool ruleHolds = datagram.size() >= 30 && static_cast<unsigned char>(datagram[3]) == 0xF7;
      std::optional<DiscoveredDevice> device = DecodeReply(datagram, "192.0.2.1");
      QVERIFY2(device.has_value() == ruleHolds, qPrintable(QString("seed %1, round %2").arg(seed).arg(round)));
      if (!device) continue;

      QString mac;
      for (int i = 24; i < 30; ++i) {
        mac += QString("%1%2").arg(mac.isEmpty() ? "" : ".").arg(uchar(datagram[i]), 2, 16, QChar('0')).toUpper();
      }
      QCOMPARE(QString::fromStdString(device->macAddress), mac);
      for (char c : device->deviceType) QVERIFY(c >= 0x20 && c < 0x7F);
      if (list.DeviceCount() == DeviceList::kCapacity) {
        list.Reset();
        expectedCount = 0;
      }
      list.Add(*device);
      QCOMPARE(list.DeviceCount(), ++expectedCount);
    }
  }
};

QTEST_APPLESS_MAIN(TestDiscoveryCodec)
#include "tst_discovery_codec.moc"
