#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "net_namespace.h"
#include "test_process.h"

using dorvane::testing::NetNamespace;

namespace {

bool ProcessMayOpenIcmp() {
  ProcessResult probe = RunProgram(PellarctlPath(), {"ping", "127.0.0.1"});
  return !probe.out.contains("IP General Failure");
}

QStringList Lines(const QByteArray& out) { return QString::fromUtf8(out).split('\n', Qt::SkipEmptyParts); }

}  // namespace

class TestPellarctlPing : public QObject {
  Q_OBJECT

  QTemporaryDir m_files;
  QProcessEnvironment m_environment;

  ProcessResult Pellarctl(const QStringList& arguments) {
    return RunProgram(PellarctlPath(), arguments, m_environment);
  }

 private slots:
  void initTestCase() {
    QVERIFY(QFile::exists(PellarctlPath()));
    QVERIFY(m_files.isValid());
    QFile hosts(m_files.filePath("hosts"));
    QVERIFY(hosts.open(QIODevice::WriteOnly));
    hosts.write("127.0.0.1 pellar-loopback\n10.201.0.2 pellar-peer\n");
    hosts.close();
    m_environment = QProcessEnvironment::systemEnvironment();
    m_environment.insert("DORVANE_HOSTS_FILE", hosts.fileName());
    m_environment.insert("LANG", "en_US.UTF-8");
    m_environment.remove("LC_ALL");
    m_environment.remove("LC_MESSAGES");
  }

  void loopbackAsText() {
    ProcessResult result = Pellarctl({"ping", "127.000.000.001"});
    QVERIFY(result.started);
    QStringList lines = Lines(result.out);
    QCOMPARE(lines.size(), 7);
    QCOMPARE(lines[0], QString("IP Address to Ping: 127.0.0.1"));
    QCOMPARE(lines[1], QString("IP Host Name: pellar-loopback"));
    if (!ProcessMayOpenIcmp()) {
      QCOMPARE(lines[2], QString("Ping Status Result: IP General Failure"));
      QCOMPARE(lines[6], QString("MAC Address:"));
      QCOMPARE(result.exitCode, 3);
      return;
    }
    QCOMPARE(lines[2], QString("Ping Status Result: IP Success"));
    QVERIFY2(QRegularExpression("^Round Trip \\(ms\\): \\d+ ms$").match(lines[3]).hasMatch(), qPrintable(lines[3]));
    QCOMPARE(lines[4], QString("Data Bytes: 9 bytes"));
    QCOMPARE(lines[5], QString("Echo Data Returned: 127.0.0.1"));
    QCOMPARE(lines[6], QString("MAC Address: Function Not Supported"));
    QCOMPARE(result.exitCode, 0);
    QVERIFY(result.err.isEmpty());
  }

  void loopbackAsJson() {
    if (!ProcessMayOpenIcmp()) QSKIP("this process may open no ICMP socket (see loopbackAsText)");
    ProcessResult result = Pellarctl({"ping", "--format", "json", "127.0.0.1"});
    QCOMPARE(result.exitCode, 0);
    QJsonObject reply = QJsonDocument::fromJson(result.out).object();
    QCOMPARE(reply["address"].toString(), QString("127.0.0.1"));
    QCOMPARE(reply["hostName"].toString(), QString("pellar-loopback"));
    QCOMPARE(reply["status"].toInt(-99), 0);
    QCOMPARE(reply["statusText"].toString(), QString("IP Success"));
    QVERIFY(reply["roundTripMs"].isDouble());
    QCOMPARE(reply["dataBytes"].toInt(), 9);
    QCOMPARE(reply["echoData"].toString(), QString("127.0.0.1"));
    QCOMPARE(reply["macAddress"].toString(), QString("Function Not Supported"));
  }

  void badAddressPrintsTheWindowsMessage_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QString>("message");
    const QString english = "Missing IP Address. Please enter a valid IP Address.\n";
    QTest::newRow("empty") << ""
                           << "en_US.UTF-8" << english;
    QTest::newRow("two dots") << "192.168.1"
                              << "en_US.UTF-8" << english;
    QTest::newRow("field over 255") << "192.168.1.256"
                                    << "en_US.UTF-8" << english;
    QTest::newRow("letters") << "a.b.c.d"
                             << "en_US.UTF-8" << english;
    QTest::newRow("French locale") << "192.168.1"
                                   << "fr_CA.UTF-8"
                                   << "Adresse IP manquante. Veuillez entrer une adresse IP valide.\n";
  }
  void badAddressPrintsTheWindowsMessage() {
    QFETCH(QString, address);
    QFETCH(QString, lang);
    m_environment.insert("LANG", lang);
    ProcessResult result = Pellarctl({"ping", address});
    m_environment.insert("LANG", "en_US.UTF-8");
    QCOMPARE(result.exitCode, 2);
    QTEST(QString::fromUtf8(result.err), "message");
    QVERIFY(result.out.isEmpty());
  }

  void badUsage_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("no address") << QStringList{"ping"};
    QTest::newRow("two addresses") << QStringList{"ping", "127.0.0.1", "127.0.0.2"};
    QTest::newRow("unknown format") << QStringList{"ping", "127.0.0.1", "--format", "xml"};
    QTest::newRow("format without value") << QStringList{"ping", "127.0.0.1", "--format"};
    QTest::newRow("unknown option") << QStringList{"ping", "--count", "3", "127.0.0.1"};
  }
  void badUsage() {
    QFETCH(QStringList, arguments);
    ProcessResult result = Pellarctl(arguments);
    QCOMPARE(result.exitCode, 2);
    QVERIFY2(result.err.startsWith("pellarctl ping: "), result.err.constData());
    QVERIFY(result.err.contains("Usage: pellarctl ping ADDRESS"));
    QVERIFY(result.out.isEmpty());
  }

  // Inside namespaces the test makes: A pings; B is a host on A's link and a
  // router to 10.204.0.0/16 (no route there: net unreachable) and
  // 10.205.0.0/16 (an unreachable route: host unreachable). Both ICMP ways
  // are tried: a raw socket (root) and a datagram socket (no CAP_NET_RAW,
  // ping_group_range open to the group).
  void acrossNamespaces_data() {
    QTest::addColumn<bool>("datagram");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("status");
    QTest::addColumn<bool>("peerMac");
    QTest::addColumn<int>("exitCode");
    for (bool datagram : {false, true}) {
      const char* way = datagram ? "datagram" : "raw";
      QTest::addRow("%s: the peer answers", way) << datagram << "10.201.0.2"
                                                 << "IP Success" << true << 0;
      QTest::addRow("%s: nobody at the address", way) << datagram << "10.201.0.3"
                                                      << "IP Timed Out" << false << 3;
      QTest::addRow("%s: router knows no route", way) << datagram << "10.204.0.1"
                                                      << "IP Unreachable" << false << 3;
      QTest::addRow("%s: router's unreachable route", way) << datagram << "10.205.0.1"
                                                           << "IP Host unreachable" << false << 3;
      QTest::addRow("%s: own unreachable route", way) << datagram << "10.206.0.1"
                                                      << "IP Host unreachable" << false << 3;
      QTest::addRow("%s: no route at all", way) << datagram << "10.207.0.1"
                                                << "IP Unreachable" << false << 3;
    }
  }
  void acrossNamespaces() {
    if (QString why = NetNamespace::WhyUnavailable(); !why.isEmpty()) QSKIP(qPrintable(why));
    QFETCH(bool, datagram);
    QFETCH(QString, address);
    QFETCH(bool, peerMac);
    if (datagram && QStandardPaths::findExecutable("setpriv").isEmpty()) QSKIP("setpriv (util-linux) is missing");
    // Fresh namespaces for every row: the router's ICMP rate limit starts full.
    NetNamespace a("ping-a");
    NetNamespace b("ping-b");
    QVERIFY(a.Create() && b.Create());
    QVERIFY(a.Link("10.201.0.1/24", b, "10.201.0.2/24"));
    QVERIFY(a.Ip({"route", "add", "10.204.0.0/16", "via", "10.201.0.2"}));
    QVERIFY(a.Ip({"route", "add", "10.205.0.0/16", "via", "10.201.0.2"}));
    QVERIFY(a.Ip({"route", "add", "unreachable", "10.206.0.0/16"}));
    QVERIFY(b.Ip({"route", "add", "unreachable", "10.205.0.0/16"}));
    QCOMPARE(b.Run({"sysctl", "-qw", "net.ipv4.ip_forward=1"}).exitCode, 0);

    QStringList command{PellarctlPath(), "ping", address};
    if (datagram) {
      QCOMPARE(a.Run({"sysctl", "-qw", "net.ipv4.ping_group_range=0 0"}).exitCode, 0);
      command = QStringList{"setpriv", "--inh-caps=-net_raw", "--bounding-set=-net_raw"} + command;
    }
    ProcessResult result = a.Run(command, m_environment);
    QStringList lines = Lines(result.out);
    QCOMPARE(lines.size(), 7);
    QFETCH(QString, status);
    QCOMPARE(lines[2], "Ping Status Result: " + status);
    QString expectedMac;
    if (peerMac) expectedMac = " " + b.LinkAddress(b.EndTo(a)).toUpper().replace(':', '-');
    QCOMPARE(lines[6], "MAC Address:" + expectedMac);
    if (peerMac) QCOMPARE(lines[1], QString("IP Host Name: pellar-peer"));
    QTEST(result.exitCode, "exitCode");
  }

  void noIcmpSocketIsAFailure() {
    if (QString why = NetNamespace::WhyUnavailable(); !why.isEmpty()) QSKIP(qPrintable(why));
    if (QStandardPaths::findExecutable("setpriv").isEmpty()) QSKIP("setpriv (util-linux) is missing");
    NetNamespace a("noicmp");
    QVERIFY2(a.Create(), qPrintable(a.Error()));
    // No raw socket without CAP_NET_RAW, no datagram socket for any group.
    QCOMPARE(a.Run({"sysctl", "-qw", "net.ipv4.ping_group_range=1 0"}).exitCode, 0);
    ProcessResult result =
        a.Run({"setpriv", "--inh-caps=-net_raw", "--bounding-set=-net_raw", PellarctlPath(), "ping", "127.0.0.1"},
              m_environment);
    QStringList lines = Lines(result.out);
    QCOMPARE(lines.size(), 7);
    QCOMPARE(lines[2], QString("Ping Status Result: IP General Failure"));
    QCOMPARE(lines[6], QString("MAC Address:"));
    QCOMPARE(result.exitCode, 3);
  }
};

QTEST_GUILESS_MAIN(TestPellarctlPing)
#include "tst_pellarctl_ping.moc"
