#include <QtTest>

#include "diagnostics/ping_report.h"

using namespace dorvane;

Q_DECLARE_METATYPE(dorvane::PingReport)

namespace {

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
