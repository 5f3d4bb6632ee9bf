// Runs pellar-devsim as the tool's tests will: over a pty, loopback TCP and
// loopback UDP only.

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkDatagram>
#include <QProcess>
#include <QSocketNotifier>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QUdpSocket>
#include <QtTest>
#include <memory>

#include "sim_process.h"

using dorvane::testing::SimProcess;

namespace {

constexpr int kTimeoutMs = 5000;
const char kAddress[] = "127.0.0.37";
// Every module wait a twentieth of its time.
const QStringList kFast{"--time-scale", "0.05"};

// The tool's side of the serial cable.
class PtyClient {
 public:
  explicit PtyClient(const QString& path) {
    m_fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_fd < 0) return;
    termios settings{};
    ::tcgetattr(m_fd, &settings);
    ::cfmakeraw(&settings);
    ::tcsetattr(m_fd, TCSANOW, &settings);
    m_notifier = std::make_unique<QSocketNotifier>(m_fd, QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, [this] {
      char buffer[1024];
      ssize_t count = 0;
      while ((count = ::read(m_fd, buffer, sizeof buffer)) > 0) m_received.append(buffer, count);
    });
  }
  ~PtyClient() {
    m_notifier.reset();
    if (m_fd >= 0) ::close(m_fd);
  }
  bool IsOpen() const { return m_fd >= 0; }
  bool Write(const QByteArray& bytes) { return ::write(m_fd, bytes.constData(), bytes.size()) == bytes.size(); }
  const QByteArray& Received() const { return m_received; }

 private:
  int m_fd = -1;
  std::unique_ptr<QSocketNotifier> m_notifier;
  QByteArray m_received;
};

QList<QJsonObject> LogLines(const QByteArray& text) {
  QList<QJsonObject> lines;
  for (const QByteArray& line : text.split('\n')) {
    if (line.startsWith('{')) lines << QJsonDocument::fromJson(line).object();
  }
  return lines;
}

bool TimesNeverGoBack(const QList<QJsonObject>& lines) {
  double last = 0.0;
  for (const QJsonObject& line : lines) {
    if (!line["t"].isDouble() || line["t"].toDouble() < last) return false;
    last = line["t"].toDouble();
  }
  return true;
}

// "event" lines of one link, as "name" or "name@port".
QStringList Events(const QList<QJsonObject>& lines, const QString& link, bool withPort = false) {
  QStringList events;
  for (const QJsonObject& line : lines) {
    if (!line.contains("event") || line["link"].toString() != link) continue;
    events << line["event"].toString() + (withPort ? "@" + QString::number(line["port"].toInt()) : QString());
  }
  return events;
}

QStringList Data(const QList<QJsonObject>& lines, const QString& link) {
  QStringList data;
  for (const QJsonObject& line : lines) {
    if (line["link"].toString() == link && line.contains("data")) data << line["data"].toString();
  }
  return data;
}

}  // namespace

class TestDevsimEndToEnd : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY2(QFile::exists(SimProcess::BinaryPath()), "pellar-devsim is not built (PELLAR_BUILD_DIR)");
  }

  // The board ignores the cable until its reset; then one "x" brings the
  // banner and a CR the menu. SIGTERM ends it cleanly and takes the link away.
  void serialWakeUpAfterReset() {
    QTemporaryDir dir;
    const QString link = dir.filePath("com1");
    SimProcess sim;
    QVERIFY(sim.Start(kFast + QStringList{"--pty", link, "--reset-after", "60", "--log", "-"}));
    const QString slave = sim.StartupValue("pty");
    QVERIFY2(slave.startsWith("/dev/pts/"), sim.Output().constData());
    QCOMPARE(QFile::symLinkTarget(link), slave);

    PtyClient cable(link);
    QVERIFY(cable.IsOpen());
    QVERIFY(cable.Write("x"));
    QTRY_VERIFY_WITH_TIMEOUT(sim.Errors().contains(R"("data": "x")"), kTimeoutMs);
    QVERIFY2(!sim.Errors().contains(R"("event": "reset")"), "the reset came before the first x: machine too slow");
    QTRY_VERIFY_WITH_TIMEOUT(sim.Errors().contains(R"("event": "reset")"), kTimeoutMs);
    QVERIFY(cable.Write("x"));
    QTRY_VERIFY_WITH_TIMEOUT(cable.Received().contains("Press Enter for Setup Mode\r\n"), kTimeoutMs);
    QVERIFY(cable.Received().contains("Software version V6.10.0."));
    QVERIFY(cable.Write("\r"));
    QTRY_VERIFY_WITH_TIMEOUT(cable.Received().endsWith("Your choice ? "), kTimeoutMs);
    QCOMPARE(cable.Received().count("Press Enter"), 1);

    sim.Process().terminate();
    QVERIFY(sim.Process().waitForFinished(kTimeoutMs));
    QCOMPARE(sim.Process().exitStatus(), QProcess::NormalExit);
    QCOMPARE(sim.Process().exitCode(), 0);
    QVERIFY(!QFileInfo(link).isSymLink());

    const QList<QJsonObject> log = LogLines(sim.Errors());
    QVERIFY(TimesNeverGoBack(log));
    QCOMPARE(Data(log, "serial"), (QStringList{"x", "x", "\r"}));
    QCOMPARE(Events(log, "serial"), (QStringList{"reset", "banner", "setup"}));
  }

  // The tool's network path: a knock on the assign port, then the setup port.
  void tcpSetupAndSave() {
    QTemporaryDir dir;
    const QString logPath = dir.filePath("devsim.jsonl");
    SimProcess sim;
    QVERIFY2(sim.Start(kFast +
                       QStringList{"--tcp", kAddress, "--setup-port", "9999", "--assign-port", "0", "--log", logPath}),
             sim.Errors().constData());
    QCOMPARE(sim.StartupValue("tcp"), QString("127.0.0.37:9999"));
    const quint16 assignPort = sim.Port("assign");
    QVERIFY(assignPort != 0);

    QTcpSocket knock;
    QSignalSpy knockClosed(&knock, &QTcpSocket::disconnected);
    knock.connectToHost(kAddress, assignPort);
    QVERIFY(knockClosed.wait(kTimeoutMs));

    QTcpSocket setup;
    QByteArray received;
    connect(&setup, &QTcpSocket::readyRead, [&] { received += setup.readAll(); });
    QSignalSpy closed(&setup, &QTcpSocket::disconnected);
    setup.connectToHost(kAddress, 9999);
    QTRY_VERIFY_WITH_TIMEOUT(received.contains("Press Enter for Setup Mode\r\n"), kTimeoutMs);
    QVERIFY(received.contains("Software version V6.10.0."));
    setup.write("\r");
    QTRY_VERIFY_WITH_TIMEOUT(received.endsWith("Your choice ? "), kTimeoutMs);
    // Into a submenu and out again in one write: the log still keeps one
    // line per answer.
    setup.write("0\r\r");
    QTRY_VERIFY_WITH_TIMEOUT(received.count("Your choice ? ") == 2, kTimeoutMs);
    setup.write("9\r");
    QTRY_VERIFY_WITH_TIMEOUT(received.contains("Parameters stored"), kTimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(closed.size(), 1, kTimeoutMs);

    QFile file(logPath);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QJsonObject> log = LogLines(file.readAll());
    QVERIFY(TimesNeverGoBack(log));
    QCOMPARE(Data(log, "tcp"), (QStringList{"\r", "0\r", "\r", "9\r"}));
    const QString knockAt = "@" + QString::number(assignPort);
    QCOMPARE(Events(log, "tcp", true), (QStringList{"connect" + knockAt, "disconnect" + knockAt, "connect@9999",
                                                    "banner@9999", "setup@9999", "saved@9999", "disconnect@9999"}));
    QCOMPARE(log.last()["by"].toString(), QString("module"));
  }

  void refusedSetupPort() {
    SimProcess sim;
    QVERIFY(sim.Start(kFast + QStringList{"--tcp", "127.0.0.38", "--assign-port", "0", "--fail", "refuse-setup-port"}));
    QVERIFY(sim.StartupValue("tcp").isEmpty());
    QVERIFY(sim.Port("assign") != 0);
    QTcpSocket socket;
    QSignalSpy failed(&socket, &QTcpSocket::errorOccurred);
    socket.connectToHost("127.0.0.38", 9999);
    QVERIFY(failed.wait(kTimeoutMs));
    QCOMPARE(socket.error(), QAbstractSocket::ConnectionRefusedError);
  }

  // Failure modes as a client sees them on the setup port.
  void tcpFailureModes_data() {
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QList<QByteArray>>("answers");
    QTest::addColumn<int>("minBannerDelayMs");
    QTest::addColumn<bool>("closedByModule");
    QTest::newRow("slow:10 holds the banner half a second") << "slow:10" << QList<QByteArray>{} << 450 << false;
    QTest::newRow("close-after:2") << "close-after:2" << QList<QByteArray>{"\r", "0\r", "192\r"} << 0 << true;
    QTest::newRow("garbage") << "garbage" << QList<QByteArray>{"\r"} << 0 << false;
  }
  void tcpFailureModes() {
    QFETCH(QString, mode);
    QFETCH(QList<QByteArray>, answers);
    QFETCH(int, minBannerDelayMs);
    QFETCH(bool, closedByModule);
    SimProcess sim;
    QVERIFY(
        sim.Start(kFast + QStringList{"--tcp", kAddress, "--setup-port", "0", "--assign-port", "0", "--fail", mode}));
    QTcpSocket socket;
    QByteArray received;
    QElapsedTimer sinceConnected;
    connect(&socket, &QTcpSocket::connected, [&] { sinceConnected.start(); });
    connect(&socket, &QTcpSocket::readyRead, [&] { received += socket.readAll(); });
    QSignalSpy closed(&socket, &QTcpSocket::disconnected);
    socket.connectToHost(kAddress, sim.Port("tcp"));
    QTRY_VERIFY_WITH_TIMEOUT(received.contains("Press Enter for Setup Mode\r\n"), kTimeoutMs);
    QVERIFY(sinceConnected.elapsed() >= minBannerDelayMs);
    for (const QByteArray& answer : answers) socket.write(answer);
    if (closedByModule) {
      QTRY_COMPARE_WITH_TIMEOUT(closed.size(), 1, kTimeoutMs);
      QVERIFY2(!received.contains("? 192"), "answered past the limit");
    } else if (mode == "garbage") {
      QTRY_VERIFY_WITH_TIMEOUT(received.contains("Your choice ? "), kTimeoutMs);
      QVERIFY(received.contains("Software version V6.10.0. (260101)\r\n"));
      const QByteArray stripped = QByteArray(received).replace("\r", "").replace("\n", "");
      QVERIFY(
          std::any_of(stripped.begin(), stripped.end(), [](char c) { return uchar(c) < 0x20 || uchar(c) >= 0x7F; }));
    }
  }

  // One query, one reply per module, straight back to the asking socket;
  // anything else is only logged.
  void discoveryAnswersAsManyModules() {
    SimProcess sim;
    QVERIFY(sim.Start(kFast + QStringList{"--udp", kAddress, "--udp-port", "0", "--modules", "3", "--product-code",
                                          "x5", "--mac", "00-20-4A-12-34-FE", "--log", "-"}));
    QUdpSocket tool;
    QVERIFY(tool.bind(QHostAddress::LocalHost, 0));
    QList<QByteArray> replies;
    connect(&tool, &QUdpSocket::readyRead, [&] {
      while (tool.hasPendingDatagrams()) replies << tool.receiveDatagram().data();
    });
    const QHostAddress module(kAddress);
    tool.writeDatagram("hello", module, sim.Port("udp"));
    tool.writeDatagram(QByteArray::fromHex("000000F6"), module, sim.Port("udp"));
    QTRY_COMPARE_WITH_TIMEOUT(replies.size(), 3, kTimeoutMs);
    const QList<QByteArray> lastMacBytes{QByteArray::fromHex("FE"), QByteArray::fromHex("FF"),
                                         QByteArray::fromHex("00")};
    for (int i = 0; i < 3; ++i) {
      QByteArray expected(30, '\0');
      expected[3] = char(0xF7);
      expected.replace(8, 2, "x5");
      expected.replace(24, 6, QByteArray::fromHex("00204A1234") + lastMacBytes[i]);
      QCOMPARE(replies[i], expected);
    }
    QTRY_VERIFY_WITH_TIMEOUT(sim.Errors().contains(R"("event": "discovery")"), kTimeoutMs);
    QCOMPARE(Data(LogLines(sim.Errors()), "udp"), QStringList{"hello"});
  }
};

QTEST_GUILESS_MAIN(TestDevsimEndToEnd)
#include "tst_devsim_end_to_end.moc"
