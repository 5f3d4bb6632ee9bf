// pellarctl discover end to end over a real LAN inside network namespaces
// this test creates: the tool's namespace holds a bridge (10.231.0.1/24) with
// two module namespaces on veth pairs (10.231.0.2 and 10.231.0.3), each
// running pellar-devsim. The query really goes to 255.255.255.255, but only
// inside these namespaces. Needs root; skips with the reason otherwise.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>
#include <memory>

#include "net_namespace.h"
#include "sim_process.h"
#include "test_process.h"

using dorvane::testing::NetNamespace;
using dorvane::testing::SimProcess;

namespace {

const char* const kPortInUse =
    "pellarctl discover: Could not look for devices: UDP port 30718 is in use by another program, so no query was "
    "sent.\n";

const char* const kNoSimulator = "pellar-devsim is not built, so no module can answer";

// Another program holding port 30718 in the tool's namespace.
class PortHolder {
 public:
  bool Start(const QStringList& launcher, bool share) {
    const QString holder = QCoreApplication::applicationDirPath() + "/udp_port_holder";
    m_process.start(launcher.first(),
                    launcher.mid(1) + QStringList{holder, "30718"} + (share ? QStringList{"--share"} : QStringList{}));
    return m_process.waitForReadyRead(10000) && m_process.readLine().trimmed() == "bound";
  }
  QString Error() { return QString::fromLocal8Bit(m_process.readAllStandardError()); }
  ~PortHolder() {
    m_process.terminate();
    if (!m_process.waitForFinished(5000)) m_process.kill();
    m_process.waitForFinished(5000);
  }

 private:
  QProcess m_process;
};

}  // namespace

class TestDiscoveryNamespaces : public QObject {
  Q_OBJECT

  std::unique_ptr<NetNamespace> m_tool;
  std::unique_ptr<NetNamespace> m_modules[2];

  bool BuildLan() {
    m_tool = std::make_unique<NetNamespace>("disc-tool");
    if (!m_tool->Create() || !m_tool->Ip({"link", "add", "br0", "type", "bridge"}) ||
        !m_tool->Ip({"addr", "add", "10.231.0.1/24", "dev", "br0"}) || !m_tool->Ip({"link", "set", "br0", "up"}) ||
        // The limited broadcast leaves by the default route.
        !m_tool->Ip({"route", "add", "default", "dev", "br0"})) {
      qWarning("%s", qPrintable(m_tool->Error()));
      return false;
    }
    for (int i = 0; i < 2; ++i) {
      m_modules[i] = std::make_unique<NetNamespace>(QString("disc-mod%1").arg(i));
      const QString port = QString("vm%1").arg(i);
      const QString address = QString("10.231.0.%1/24").arg(i + 2);
      if (!m_modules[i]->Create() ||
          !m_tool->Ip({"link", "add", port, "type", "veth", "peer", "name", "eth0", "netns", m_modules[i]->Name()}) ||
          !m_tool->Ip({"link", "set", port, "master", "br0", "up"}) ||
          !m_modules[i]->Ip({"addr", "add", address, "dev", "eth0"}) ||
          !m_modules[i]->Ip({"link", "set", "eth0", "up"})) {
        qWarning("%s %s", qPrintable(m_tool->Error()), qPrintable(m_modules[i]->Error()));
        return false;
      }
    }
    return true;
  }

  // Starts a simulated module in module namespace i; it listens on every
  // address there, so the broadcast reaches it.
  bool StartModule(SimProcess& sim, int i, const QStringList& arguments) {
    sim.SetLauncher(m_modules[i]->Launcher());
    return sim.Start(QStringList{"--udp", "0.0.0.0"} + arguments);
  }

  static bool SimulatorBuilt() { return QFile::exists(SimProcess::BinaryPath()); }

 private slots:
  void initTestCase() {
    const QString why = NetNamespace::WhyUnavailable();
    if (!why.isEmpty()) QSKIP(qPrintable(why));
    QVERIFY(BuildLan());
  }
  void cleanupTestCase() {
    for (auto& module : m_modules) module.reset();
    m_tool.reset();
  }

  void findsTheModulesOnTheLan() {
    if (!SimulatorBuilt()) QSKIP(kNoSimulator);
    SimProcess first;
    SimProcess second;
    QVERIFY2(StartModule(first, 0, {"--product-code", "X1", "--mac", "00-20-4A-12-34-56", "--modules", "2"}),
             qPrintable(first.Error()));
    QVERIFY2(StartModule(second, 1, {"--product-code", "X6", "--mac", "00-20-4A-AB-CD-0A"}),
             qPrintable(second.Error()));

    ProcessResult result = RunPellarctl({"discover", "--format", "json"}, {m_tool->Launcher()});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.ErrText(), QString());
    const QJsonArray rows = QJsonDocument::fromJson(result.out).array();
    QMap<QString, QStringList> byMac;
    QStringList order;
    for (const QJsonValue& row : rows) {
      const QString mac = row["mac"].toString();
      byMac[mac] = {row["ip"].toString(), row["type"].toString()};
      order << mac;
    }
    QCOMPARE(rows.size(), 3);
    QCOMPARE(byMac["00.20.4A.12.34.56"], QStringList({"10.231.0.2", "PELLAR - X1 - XPort 01"}));
    QCOMPARE(byMac["00.20.4A.12.34.57"], QStringList({"10.231.0.2", "PELLAR - X1 - XPort 01"}));
    QCOMPARE(byMac["00.20.4A.AB.CD.0A"], QStringList({"10.231.0.3", "QM270 Rev. B - X6 - XPico"}));
    // One module's replies keep their order; the two modules may interleave.
    QVERIFY(order.indexOf("00.20.4A.12.34.56") < order.indexOf("00.20.4A.12.34.57"));
  }

  void theListStopsAt256() {
    if (!SimulatorBuilt()) QSKIP(kNoSimulator);
    SimProcess crowd;
    QVERIFY2(StartModule(crowd, 0, {"--product-code", "X4", "--mac", "00-20-4A-00-00-00", "--modules", "257"}),
             qPrintable(crowd.Error()));
    ProcessResult result = RunPellarctl({"discover", "--format", "csv"}, {m_tool->Launcher()});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.OutText().split('\n', Qt::SkipEmptyParts).size(), 1 + 256);
    QCOMPARE(result.ErrText(),
             QString("pellarctl discover: 256 devices answered. The list holds 256 devices; 1 further "
                     "reply was dropped.\n"));
  }

  void portHeldExclusively() {
    PortHolder holder;
    QVERIFY2(holder.Start(m_tool->Launcher(), false), qPrintable(holder.Error()));
    ProcessResult result = RunPellarctl({"discover"}, {m_tool->Launcher()});
    QCOMPARE(result.exitCode, 3);
    QCOMPARE(result.OutText(), QString("MAC Address  IP Address  Device Type\n"));
    QCOMPARE(result.ErrText(), QString(kPortInUse));
  }

  void portSharedWithAnotherProgram() {
    if (!SimulatorBuilt()) QSKIP(kNoSimulator);
    PortHolder holder;
    QVERIFY2(holder.Start(m_tool->Launcher(), true), qPrintable(holder.Error()));
    SimProcess module;
    QVERIFY2(StartModule(module, 1, {"--product-code", "X9", "--mac", "00-20-4A-01-02-03"}),
             qPrintable(module.Error()));
    ProcessResult result = RunPellarctl({"discover", "--format", "csv"}, {m_tool->Launcher()});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.OutText(), QString("MAC Address,IP Address,Device Type\n"
                                       "00.20.4A.01.02.03,10.231.0.3,PELLAR - X9 - XPort 05\n"));
  }

  // A computer with no network at all: only loopback, no route for the query.
  void noNetwork() {
    NetNamespace isolated("disc-alone");
    QVERIFY2(isolated.Create(), qPrintable(isolated.Error()));
    ProcessResult result = RunPellarctl({"discover"}, {isolated.Launcher()});
    QCOMPARE(result.exitCode, 3);
    QCOMPARE(result.OutText(), QString("MAC Address  IP Address  Device Type\n"));
    QVERIFY2(
        result.ErrText().startsWith("pellarctl discover: Could not look for devices: the discovery query could not "
                                    "be sent ("),
        qPrintable(result.ErrText()));
    QVERIFY(result.ErrText().endsWith("Check that the computer is connected to a network.\n"));
  }
};

QTEST_GUILESS_MAIN(TestDiscoveryNamespaces)
#include "tst_discovery_namespaces.moc"
