#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QSysInfo>
#include <QtTest>

#include "net_namespace.h"
#include "test_process.h"
#include "what_the_system_says.h"

using dorvane::testing::NetNamespace;

namespace {

constexpr double kGiB = 1024.0 * 1024.0 * 1024.0;
const char kLeaseFolder[] = "/run/systemd/netif/leases";

QStringList Lines(const QByteArray& out) { return QString::fromUtf8(out).split('\n', Qt::SkipEmptyParts); }

QStringList Strings(const QJsonValue& array) {
  QStringList list;
  for (const QJsonValue& value : array.toArray()) list << value.toString();
  return list;
}

}  // namespace

class TestPellarctlHostInfo : public QObject {
  Q_OBJECT

  QTemporaryDir m_files;
  QProcessEnvironment m_environment;
  QStringList m_adapters;  // `ip -j addr` of the machine, first three

  void WriteHosts(const QString& text) {
    QFile hosts(m_files.filePath("hosts"));
    QVERIFY(hosts.open(QIODevice::WriteOnly | QIODevice::Truncate));
    hosts.write(text.toLatin1());
  }

  ProcessResult Pellarctl(const QStringList& arguments) {
    return RunProgram(PellarctlPath(), arguments, m_environment);
  }

  QJsonObject Json(const ProcessResult& result) {
    if (result.exitCode != 0) qWarning("pellarctl: %s", result.err.constData());
    return QJsonDocument::fromJson(result.out).object();
  }

 private slots:
  void initTestCase() {
    QVERIFY(QFile::exists(PellarctlPath()));
    QVERIFY(m_files.isValid());
    m_adapters = AdapterAddressesFromIp(IpAddrJson()).mid(0, 3);
    WriteHosts(m_adapters.isEmpty() ? QString() : m_adapters.first() + " pellar-first-adapter\n");
    m_environment = QProcessEnvironment::systemEnvironment();
    m_environment.insert("DORVANE_HOSTS_FILE", m_files.filePath("hosts"));
    m_environment.insert("LANG", "en_US.UTF-8");
    m_environment.remove("LC_ALL");
    m_environment.remove("LC_MESSAGES");
  }

  void currentIpAsText() {
    ProcessResult result = Pellarctl({"hostinfo"});
    QCOMPARE(result.exitCode, 0);
    QStringList expected{m_adapters.isEmpty() ? "Host Computer Name:" : "Host Computer Name: pellar-first-adapter"};
    for (int i = 0; i < 3; ++i) {
      QString address = m_adapters.value(i);
      expected << QString("Network Adapter %1:").arg(i + 1) + (address.isEmpty() ? "" : " " + address);
    }
    QCOMPARE(Lines(result.out), expected);
  }

  void systemTestAsJson() {
    ProcessResult result = Pellarctl({"hostinfo", "--test", "--format", "json"});
    QCOMPARE(result.exitCode, 0);
    QJsonObject facts = Json(result);
    QCOMPARE(Strings(facts["networkAdapters"]), m_adapters);
    QCOMPARE(facts["adminStatus"].toString(), QString(IdSaysAdministrator() ? "True" : "False"));
    QCOMPARE(facts["operatingSystem"].toString(), OsReleasePrettyName());
    QCOMPARE(facts["systemVersion"].toString(), KernelRelease());
    QVERIFY(QStringList({"True", "False"}).contains(facts["dhcpEnabled"].toString()));
    QCOMPARE(facts["drive"].toString(), QString("/"));
    // A console (or Qt's offscreen platform) has no screen to report.
    QCOMPARE(facts["screenSettings"].toString(), QString("Not Available"));
    QStringList warnings = Strings(facts["warnings"]);
    QVERIFY(warnings.contains("screenSettings"));
    QCOMPARE(warnings.contains("adminStatus"), !IdSaysAdministrator());
    QCOMPARE(warnings.contains("dhcpEnabled"), facts["dhcpEnabled"].toString() == "True");
  }

  void freeSpaceOfTheChosenVolume_data() {
    QTest::addColumn<QString>("drive");
    QTest::newRow("root") << "/";
    QTest::newRow("home of the test") << QDir::tempPath();
    if (QDir("/dev/shm").exists()) QTest::newRow("shared memory") << "/dev/shm";
  }
  void freeSpaceOfTheChosenVolume() {
    QFETCH(QString, drive);
    ProcessResult result = Pellarctl({"hostinfo", "--test", "--drive", drive});
    QCOMPARE(result.exitCode, 0);
    QStringList lines = Lines(result.out);
    QCOMPARE(lines.value(9), "Select Drive Letter: " + drive);
    QString shown = lines.value(10);
    QVERIFY2(QRegularExpression("^Disk Free Space: \\d+\\.\\d\\d GB$").match(shown).hasMatch(), qPrintable(shown));
    std::optional<qint64> free = DfFreeBytes(drive);
    QVERIFY(free);
    double gigabytes = shown.section(' ', 3, 3).toDouble();
    QVERIFY2(qAbs(gigabytes - *free / kGiB) < 0.1, qPrintable(shown));
  }

  void badUsage_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("argument") << QStringList{"hostinfo", "eth0"};
    QTest::newRow("unknown option") << QStringList{"hostinfo", "--all"};
    QTest::newRow("drive without value") << QStringList{"hostinfo", "--test", "--drive"};
  }
  void badUsage() {
    QFETCH(QStringList, arguments);
    ProcessResult result = Pellarctl(arguments);
    QCOMPARE(result.exitCode, 2);
    QVERIFY(result.err.startsWith("pellarctl hostinfo: "));
  }

  // A namespace with five links: the first three that are up and not
  // loopback are shown, in index order, each with its first address.
  void adaptersInTheSystemsOrder() {
    if (QString why = NetNamespace::WhyUnavailable(); !why.isEmpty()) QSKIP(qPrintable(why));
    NetNamespace host("adapters");
    QVERIFY2(host.Create(), qPrintable(host.Error()));
    struct Link {
      const char* name;
      QStringList addresses;
      bool up;
    };
    const Link links[] = {
        {"a0", {"10.210.0.1/24", "10.210.1.1/24"}, true},
        {"a1", {"10.211.0.1/24"}, false},
        {"a2", {}, true},
        {"a3", {"10.213.0.1/24"}, true},
        {"a4", {"10.214.0.1/24"}, true},
    };
    for (const Link& link : links) {
      QVERIFY(host.Ip({"link", "add", link.name, "type", "veth", "peer", "name", QString(link.name) + "p"}));
      for (const QString& address : link.addresses) QVERIFY(host.Ip({"addr", "add", address, "dev", link.name}));
      if (link.up) QVERIFY(host.Ip({"link", "set", link.name, "up"}));
    }
    QStringList expected = AdapterAddressesFromIp(host.Run({"ip", "-j", "addr"}).out).mid(0, 3);
    QCOMPARE(expected, (QStringList{"10.210.0.1", "0.0.0.0", "10.213.0.1"}));  // the picture the test means

    WriteHosts("10.210.0.1 pellar-namespace-host\n");
    QJsonObject facts = Json(host.Run({PellarctlPath(), "hostinfo", "--format", "json"}, m_environment));
    WriteHosts(m_adapters.isEmpty() ? QString() : m_adapters.first() + " pellar-first-adapter\n");
    QCOMPARE(Strings(facts["networkAdapters"]), expected);
    QCOMPARE(facts["hostComputerName"].toString(), QString("pellar-namespace-host"));

    // No name anywhere for the computer's own address: the computer's name,
    // as Windows gives it.
    QProcessEnvironment system = m_environment;
    system.remove("DORVANE_HOSTS_FILE");
    facts = Json(host.Run({PellarctlPath(), "hostinfo", "--format", "json"}, system));
    QCOMPARE(facts["hostComputerName"].toString(), QSysInfo::machineHostName());
  }

  // systemd-networkd's lease folder, replaced by an empty one inside the
  // namespace's own mount namespace (ip netns exec makes one), so the
  // machine's real folder is never touched.
  void dhcpCountsLeasesAnAdapterHolds_data() {
    QTest::addColumn<QString>("leased");
    QTest::addColumn<QString>("dhcp");
    QTest::newRow("the adapter's address") << "10.210.0.1"
                                           << "True";
    QTest::newRow("an address no adapter holds") << "10.99.99.99"
                                                 << "False";
  }
  void dhcpCountsLeasesAnAdapterHolds() {
    if (QString why = NetNamespace::WhyUnavailable(); !why.isEmpty()) QSKIP(qPrintable(why));
    if (!QDir(kLeaseFolder).exists()) QSKIP("no systemd-networkd lease folder to stand in for");
    QFETCH(QString, leased);
    QFETCH(QString, dhcp);
    NetNamespace host("dhcp");
    QVERIFY2(host.Create(), qPrintable(host.Error()));
    QVERIFY(host.Ip({"link", "add", "d0", "type", "veth", "peer", "name", "d0p"}));
    QVERIFY(host.Ip({"addr", "add", "10.210.0.1/24", "dev", "d0"}));
    QVERIFY(host.Ip({"link", "set", "d0", "up"}));
    QString script = QString(
                         "mount -t tmpfs pellar-leases %1 && printf 'ADDRESS=%s\\n' \"$0\" > %1/2 && "
                         "exec \"$1\" hostinfo --test --format json")
                         .arg(kLeaseFolder);
    QJsonObject facts = Json(host.Run({"sh", "-c", script, leased, PellarctlPath()}, m_environment));
    QCOMPARE(facts["dhcpEnabled"].toString(), dhcp);
    QCOMPARE(Strings(facts["warnings"]).contains("dhcpEnabled"), dhcp == "True");
  }

  void screenOfTheWindowSystem_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("warning");
    QTest::newRow("720p in high colour") << "1280x720x16"
                                         << "1280 x 720 (High Color)" << true;
    QTest::newRow("the minimum in true colour") << "1024x768x24"
                                                << "1024 x 768 (True Color)" << false;
  }
  void screenOfTheWindowSystem() {
    if (QStandardPaths::findExecutable("xvfb-run").isEmpty()) QSKIP("xvfb-run (xvfb) is missing");
    QFETCH(QString, screen);
    QProcessEnvironment environment = m_environment;
    environment.remove("QT_QPA_PLATFORM");
    ProcessResult result = RunProgram(
        "xvfb-run", {"-a", "-s", "-screen 0 " + screen, PellarctlPath(), "hostinfo", "--test", "--format", "json"},
        environment, 60000);
    QJsonObject facts = Json(result);
    QTEST(facts["screenSettings"].toString(), "shown");
    QTEST(Strings(facts["warnings"]).contains("screenSettings"), "warning");
  }
};

QTEST_GUILESS_MAIN(TestPellarctlHostInfo)
#include "tst_pellarctl_hostinfo.moc"
