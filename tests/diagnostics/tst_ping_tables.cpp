#include <QtTest>

#include "diagnostics/arp_table_text.h"
#include "diagnostics/icmp_error_status.h"
#include "diagnostics/ip_status_text.h"
#include "diagnostics/mac_address_text.h"
#include "diagnostics/ping_report.h"

using namespace dorvane;

Q_DECLARE_METATYPE(std::errc)
Q_DECLARE_METATYPE(dorvane::PingReport)
Q_DECLARE_METATYPE(std::vector<std::uint8_t>)

namespace {

using Bytes = std::vector<std::uint8_t>;

PingReport Report(std::int32_t status, std::uint32_t roundTrip, const std::string& data) {
  PingReport report;
  report.socketsStarted = true;
  report.echo = {status, roundTrip, data};
  return report;
}

PingReport WithMac(PingReport report, std::optional<std::string> mac) {
  report.macLookedUp = true;
  report.mac = std::move(mac);
  return report;
}

const char kArpTable[] =
    "IP address       HW type     Flags       HW address            Mask     Device\n"
    "10.1.1.1         0x1         0x2         00:20:4a:0a:0b:0c     *        eth0\n"
    "10.1.1.2         0x1         0x0         00:00:00:00:00:00     *        eth0\n"
    "10.1.1.3         0x1         0x0         00:00:00:00:00:00     *        eth0\n"
    "10.1.1.3         0x1         0x6         5e:c3:f1:31:41:e7     *        eth1\n"
    "10.1.1.40        0x1         0x2         02:fc:00:00:00:05     *        eth0\n";

}  // namespace

class TestPingTables : public QObject {
  Q_OBJECT

 private slots:
  void statusTexts_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0 << "IP Success";
    QTest::newRow("300") << 300 << "Ping Timeout";
    const char* const windowsTexts[] = {"IP Buffer Too Small",    "IP Unreachable",
                                        "IP Host unreachable",    "IP Protocol Unreachable",
                                        "IP Port Unreachable",    "IP No Resources",
                                        "IP Bad Option",          "IP Hardware Error",
                                        "IP Packet Too Big",      "IP Timed Out",
                                        "IP Bad Request",         "IP Bad Route",
                                        "IP TTL Expired Transit", "IP TTL Expired Reassem",
                                        "IP Parameter Problem",   "IP Source Quench",
                                        "IP Option Too Big",      "IP Bad Destination",
                                        "IP Address Deleted",     "IP Spec MTU Change",
                                        "IP MTU Change",          "IP Unload",
                                        "IP Address Added"};
    for (int i = 0; i < 23; ++i) QTest::addRow("%d", 11001 + i) << 11001 + i << windowsTexts[i];
    QTest::newRow("11050") << 11050 << "IP General Failure";
    QTest::newRow("11255") << 11255 << "IP Pending";
    QTest::newRow("-1") << -1 << "Bad IP Format";
    // Every other code, next to the listed ones included, keeps the typo.
    for (int code : {1, 299, 301, 11000, 11024, 11049, 11051, 11254, 11256, -2}) {
      QTest::addRow("%d", code) << code << "Unkown Error";
    }
  }
  void statusTexts() {
    QFETCH(int, code);
    QTEST(QString::fromStdString(GetIPStatusText(code)), "text");
  }

  void icmpErrors_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("status");
    QTest::newRow("net unreachable") << 3 << 0 << 11002;
    QTest::newRow("host unreachable") << 3 << 1 << 11003;
    QTest::newRow("protocol unreachable") << 3 << 2 << 11004;
    QTest::newRow("port unreachable") << 3 << 3 << 11005;
    QTest::newRow("fragmentation needed") << 3 << 4 << 11009;
    QTest::newRow("source route failed") << 3 << 5 << 11012;
    QTest::newRow("network unknown") << 3 << 6 << 11002;
    QTest::newRow("host unknown") << 3 << 7 << 11003;
    QTest::newRow("network prohibited") << 3 << 9 << 11002;
    QTest::newRow("host prohibited") << 3 << 10 << 11003;
    QTest::newRow("communication prohibited") << 3 << 13 << 11003;
    QTest::newRow("source quench") << 4 << 0 << 11016;
    QTest::newRow("ttl expired in transit") << 11 << 0 << 11013;
    QTest::newRow("ttl expired in reassembly") << 11 << 1 << 11014;
    QTest::newRow("parameter problem") << 12 << 0 << 11015;
    QTest::newRow("redirect is no answer") << 5 << 0 << 11050;
  }
  void icmpErrors() {
    QFETCH(int, type);
    QFETCH(int, code);
    QTEST(StatusForIcmpError(type, code), "status");
  }

  void socketErrors_data() {
    QTest::addColumn<std::errc>("error");
    QTest::addColumn<int>("status");
    QTest::newRow("no route") << std::errc::network_unreachable << 11002;
    QTest::newRow("unreachable route") << std::errc::host_unreachable << 11003;
    QTest::newRow("broadcast refused") << std::errc::permission_denied << 11018;
    QTest::newRow("blackhole route") << std::errc::invalid_argument << 11012;
    QTest::newRow("too big") << std::errc::message_size << 11009;
    QTest::newRow("no buffers") << std::errc::no_buffer_space << 11006;
    QTest::newRow("anything else") << std::errc::io_error << 11050;
  }
  void socketErrors() {
    QFETCH(std::errc, error);
    QTEST(StatusForSocketError(error), "status");
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

  void pingLabelValues_data() {
    QTest::addColumn<PingReport>("report");
    QTest::addColumn<QStringList>("texts");  // host, status, MAC, round trip, data bytes, echo
    QTest::addColumn<int>("colour");
    PingReport success = WithMac(Report(0, 2, "192.168.1.10"), "00-20-4A-0A-0B-0C");
    success.hostName = "board";
    QTest::newRow("success") << success << QStringList{" board", " IP Success", " 00-20-4A-0A-0B-0C",
                                                       " 2 ms",  " 12 bytes",   " 192.168.1.10"}
                             << int(ValueColour::kLightGreen);
    QTest::newRow("no name, no neighbour, under a millisecond")
        << WithMac(Report(0, 0, "127.0.0.1"), std::nullopt)
        << QStringList{" ", " IP Success", " Function Not Supported", " 0 ms", " 9 bytes", " 127.0.0.1"}
        << int(ValueColour::kLightGreen);
    QTest::newRow("time-out: no MAC asked")
        << Report(11010, 0, "") << QStringList{" ", " IP Timed Out", "", " 0 ms", " 0 bytes", ""}
        << int(ValueColour::kLightRed);
    QTest::newRow("padded data is cut at its NUL")
        << Report(0, 1, std::string("10.1.1.1\0\0\0", 11))
        << QStringList{" ", " IP Success", "", " 1 ms", " 11 bytes", " 10.1.1.1"} << int(ValueColour::kLightGreen);
    QTest::newRow("data starting with NUL shows none")
        << Report(0, 1, std::string("\0abc", 4)) << QStringList{" ", " IP Success", "", " 1 ms", " 4 bytes", ""}
        << int(ValueColour::kLightGreen);
    QTest::newRow("unknown status") << Report(12345, 0, "")
                                    << QStringList{" ", " Unkown Error", "", " 0 ms", " 0 bytes", ""}
                                    << int(ValueColour::kLightRed);
    PingReport noSockets;
    noSockets.socketsStarted = false;
    QTest::newRow("sockets did not start: only the MAC")
        << WithMac(noSockets, std::nullopt) << QStringList{"", "", " Function Not Supported", "", "", ""}
        << int(ValueColour::kWhite);
  }
  void pingLabelValues() {
    QFETCH(PingReport, report);
    QFETCH(QStringList, texts);
    PingValues values = PingLabelValues(report);
    QStringList shown;
    for (const std::string& text :
         {values.hostName, values.status.text, values.mac, values.roundTrip, values.dataBytes, values.echoData}) {
      shown << QString::fromStdString(text);
    }
    QCOMPARE(shown, texts);
    QTEST(int(values.status.colour), "colour");
  }

  void macLookupFollowsTheEcho_data() {
    QTest::addColumn<bool>("socketsStarted");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("wanted");
    QTest::addColumn<bool>("succeeded");
    QTest::newRow("success") << true << 0 << true << true;
    QTest::newRow("failure") << true << 11010 << false << false;
    QTest::newRow("bad format") << true << -1 << false << false;
    QTest::newRow("no sockets: still asked, never a success") << false << 0 << true << false;
  }
  void macLookupFollowsTheEcho() {
    QFETCH(bool, socketsStarted);
    QFETCH(int, status);
    PingReport report = Report(status, 0, "");
    report.socketsStarted = socketsStarted;
    QTEST(MacLookupWanted(report), "wanted");
    QTEST(PingSucceeded(report), "succeeded");
  }
};

QTEST_APPLESS_MAIN(TestPingTables)
#include "tst_ping_tables.moc"
