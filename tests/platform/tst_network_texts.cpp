#include <QtTest>

#include "platform/network_texts.h"

using namespace dorvane::platform;

Q_DECLARE_METATYPE(std::vector<std::uint8_t>)

namespace {

using Bytes = std::vector<std::uint8_t>;

QStringList Strings(const std::vector<std::string>& values) {
  QStringList list;
  for (const std::string& value : values) list << QString::fromStdString(value);
  return list;
}

std::vector<std::string> StdStrings(const QStringList& values) {
  std::vector<std::string> list;
  for (const QString& value : values) list.push_back(value.toStdString());
  return list;
}

const char kDhclientLeases[] =
    "lease {\n"
    "  interface \"eth0\";\n"
    "  fixed-address 192.168.1.23;\n"
    "  option subnet-mask 255.255.255.0;\n"
    "  option dhcp-server-identifier 192.168.1.1;\n"
    "  expire 4 2024/05/02 10:00:00;\n"
    "}\n"
    "lease {\n"
    "  interface \"eth0\";\n"
    "  fixed-address 10.0.0.7;\n"
    "}\n";

const char kNetworkdLease[] =
    "# This is private data. Do not parse.\n"
    "ADDRESS=192.168.1.23\n"
    "NETMASK=255.255.255.0\n"
    "ROUTER=192.168.1.1\n"
    "SERVER_ADDRESS=192.168.1.1\n";

const char kArpTable[] =
    "IP address       HW type     Flags       HW address            Mask     Device\n"
    "10.1.1.1         0x1         0x2         00:20:4a:0a:0b:0c     *        eth0\n"
    "10.1.1.2         0x1         0x0         00:00:00:00:00:00     *        eth0\n"
    "10.1.1.3         0x1         0x0         00:00:00:00:00:00     *        eth0\n"
    "10.1.1.3         0x1         0x6         5e:c3:f1:31:41:e7     *        eth1\n"
    "10.1.1.40        0x1         0x2         02:fc:00:00:00:05     *        eth0\n";

}  // namespace

class TestNetworkTexts : public QObject {
  Q_OBJECT

 private slots:
  void leasedAddresses_data() {
    QTest::addColumn<QString>("stateFile");
    QTest::addColumn<QStringList>("addresses");
    QTest::newRow("systemd-networkd / NetworkManager internal") << kNetworkdLease << QStringList{"192.168.1.23"};
    QTest::newRow("dhclient, every lease block") << kDhclientLeases << QStringList{"192.168.1.23", "10.0.0.7"};
    QTest::newRow("server address is not ours") << "SERVER_ADDRESS=192.168.1.1\n" << QStringList{};
    QTest::newRow("empty") << "" << QStringList{};
  }
  void leasedAddresses() {
    QFETCH(QString, stateFile);
    QTEST(Strings(LeasedAddresses(stateFile.toStdString())), "addresses");
  }

  void leaseCountsOnlyWhileHeld_data() {
    QTest::addColumn<QStringList>("adapterAddresses");
    QTest::addColumn<bool>("dhcp");
    QTest::newRow("leased address held") << QStringList{"10.9.9.9", "192.168.1.23"} << true;
    QTest::newRow("old lease from another network") << QStringList{"172.16.0.5"} << false;
    QTest::newRow("no adapters") << QStringList{} << false;
  }
  void leaseCountsOnlyWhileHeld() {
    QFETCH(QStringList, adapterAddresses);
    QTEST(AnyAddressLeased(StdStrings(adapterAddresses), LeasedAddresses(kNetworkdLease)), "dhcp");
  }

  void hostsFile_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("name");
    QTest::newRow("first name of the line") << "127.0.0.1"
                                            << "localhost";
    QTest::newRow("first line wins") << "10.1.1.5"
                                     << "board-five";
    QTest::newRow("commented out") << "10.1.1.6"
                                   << "";
    QTest::newRow("comment after the name") << "10.1.1.7"
                                            << "seven";
    QTest::newRow("no prefix match") << "10.1.1.50"
                                     << "";
    QTest::newRow("unknown") << "10.9.9.9"
                             << "";
  }
  void hostsFile() {
    QFETCH(QString, address);
    const char hosts[] =
        "127.0.0.1\tlocalhost vm\n"
        "10.1.1.5 board-five five\n"
        "10.1.1.5 other\n"
        "# 10.1.1.6 hidden\n"
        "10.1.1.7 seven # the seventh\n";
    QTEST(QString::fromStdString(HostNameFromHostsFile(hosts, address.toStdString())), "name");
  }

  void macAddressText_data() {
    QTest::addColumn<Bytes>("bytes");
    QTest::addColumn<QString>("text");  // null: no address
    QTest::newRow("six bytes") << Bytes{0x00, 0x20, 0x4a, 0x0a, 0x0b, 0x0c} << "00-20-4A-0A-0B-0C";
    QTest::newRow("upper case") << Bytes{0x5e, 0xc3, 0xf1, 0x31, 0x41, 0xe7} << "5E-C3-F1-31-41-E7";
    QTest::newRow("none returned") << Bytes{} << QString();
    QTest::newRow("unresolved entry") << Bytes(6, 0) << QString();
    QTest::newRow("first four zero") << Bytes{0, 0, 0, 0, 0x0b, 0x0c} << QString();
    QTest::newRow("fourth byte set") << Bytes{0, 0, 0, 1, 0, 0} << "00-00-00-01-00-00";
  }
  void macAddressText() {
    QFETCH(Bytes, bytes);
    QFETCH(QString, text);
    std::optional<std::string> mac = MacAddressText(bytes);
    QCOMPARE(mac.has_value(), !text.isNull());
    if (mac) QCOMPARE(QString::fromStdString(*mac), text);
  }

  void arpTable_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<Bytes>("bytes");
    QTest::newRow("complete entry") << "10.1.1.1" << Bytes{0x00, 0x20, 0x4a, 0x0a, 0x0b, 0x0c};
    QTest::newRow("incomplete entry") << "10.1.1.2" << Bytes{};
    QTest::newRow("complete on another device") << "10.1.1.3" << Bytes{0x5e, 0xc3, 0xf1, 0x31, 0x41, 0xe7};
    QTest::newRow("no entry") << "10.1.1.9" << Bytes{};
    QTest::newRow("not a prefix match") << "10.1.1.4" << Bytes{};
  }
  void arpTable() {
    QFETCH(QString, address);
    QTEST(HardwareAddressFromArpTable(kArpTable, address.toStdString()), "bytes");
  }
};

QTEST_APPLESS_MAIN(TestNetworkTexts)
#include "tst_network_texts.moc"
