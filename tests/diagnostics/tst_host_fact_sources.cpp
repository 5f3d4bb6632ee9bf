#include <QtTest>

#include "diagnostics/dhcp_leases.h"
#include "diagnostics/hosts_file.h"
#include "diagnostics/operating_system_text.h"

using namespace dorvane;

namespace {

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

}  // namespace

class TestHostFactSources : public QObject {
  Q_OBJECT

 private slots:
  void osRelease_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("prettyName");  // null: not set
    QTest::newRow("Debian") << "NAME=\"Debian GNU/Linux\"\nPRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\nID=debian\n"
                            << "Debian GNU/Linux 12 (bookworm)";
    QTest::newRow("unquoted") << "PRETTY_NAME=Alpine\n"
                              << "Alpine";
    QTest::newRow("single quotes") << "PRETTY_NAME='Fedora Linux 40'\n"
                                   << "Fedora Linux 40";
    QTest::newRow("escapes") << "PRETTY_NAME=\"A \\\"quoted\\\" \\$name\"\n"
                             << "A \"quoted\" $name";
    QTest::newRow("CR LF lines") << "ID=x\r\nPRETTY_NAME=\"X 1\"\r\n"
                                 << "X 1";
    QTest::newRow("longer key is another key") << "PRETTY_NAME_EXTRA=\"no\"\n" << QString();
    QTest::newRow("missing") << "NAME=Foo\n" << QString();
  }
  void osRelease() {
    QFETCH(QString, text);
    QFETCH(QString, prettyName);
    std::optional<std::string> value = OsReleaseValue(text.toStdString(), "PRETTY_NAME");
    QCOMPARE(value.has_value(), !prettyName.isNull());
    if (value) QCOMPARE(QString::fromStdString(*value), prettyName);
  }

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
};

QTEST_APPLESS_MAIN(TestHostFactSources)
#include "tst_host_fact_sources.moc"
