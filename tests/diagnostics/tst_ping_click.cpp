#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "base/localised_text.h"
#include "message_box_recorder.h"
#include "net_namespace.h"
#include "private_network.h"
#include "shell/main_window.h"
#include "widget_lookup.h"
#include "widgets/busy_state.h"
#include "widgets/message_boxes.h"
#include "widgets/result_colours.h"

using namespace dorvane;
using dorvane::testing::Child;
using dorvane::testing::MessageBoxRecorder;
using dorvane::testing::ShowActive;

namespace {

// Inside the test's own namespace a veth pair leads to a peer namespace,
// whose kernel answers echo; nobody else on that link answers anything.
const char kPeer[] = "10.201.0.2";
const char kNoHost[] = "10.201.0.3";

bool ProcessMayOpenIcmp() {
  for (int type : {SOCK_RAW, SOCK_DGRAM}) {
    int fd = socket(AF_INET, type, IPPROTO_ICMP);
    if (fd >= 0) {
      close(fd);
      return true;
    }
  }
  return false;
}

QLabel* Status(QWidget* window, int index) {
  return Child<QLabel>(window, QString("lblStatus_%1").arg(index).toLatin1().constData());
}

// lblIPHostname, then lblStatus 0 to 4.
QStringList ResultTexts(QWidget* window) {
  QStringList texts{Child<QLabel>(window, "lblIPHostname")->text()};
  for (int i = 0; i < 5; ++i) texts << Status(window, i)->text();
  return texts;
}

// What the window looked like while the echo was awaited.
struct MidPing {
  bool seen = false;
  bool functionButtonsDisabled = false;
  bool closeRefused = false;
  bool waitCursor = false;
  bool languageSwitched = false;
};

}  // namespace

class TestPingClick : public QObject {
  Q_OBJECT

  std::unique_ptr<MessageBoxRecorder> m_boxes;
  QString m_whyNotPrivate;  // empty: the whole test runs in a namespace of its own
  std::unique_ptr<testing::NetNamespace> m_peer;
  QString m_peerMac;
  QTemporaryDir m_files;
  QString m_loopbackName;

  std::unique_ptr<MainWindow> Open() {
    LanguageOffset = kEnglishOffset;
    auto window = std::make_unique<MainWindow>();
    ShowActive(*window);
    return window;
  }

  void Ping(MainWindow* window, const QString& address) {
    QLineEdit* box = Child<QLineEdit>(window, "txtIPAddress");
    box->setText(address);
    QTest::mouseClick(Child<QPushButton>(window, "cmdPing"), Qt::LeftButton);
  }

  // Why a ping beyond loopback cannot be tried; empty when it can.
  QByteArray WhyNoPingBeyondLoopback() const {
    if (m_whyNotPrivate.isEmpty()) return {};
    return ("pings beyond loopback only inside the test's own namespace: " + m_whyNotPrivate).toLocal8Bit();
  }

 private slots:
  void initTestCase() {
    qputenv("LANG", "en_US.UTF-8");
    m_whyNotPrivate = EnterPrivateNetwork();
    if (m_whyNotPrivate.isEmpty()) {
      // Nothing can leave this namespace, so the real name service is asked.
      qunsetenv("DORVANE_HOSTS_FILE");
      m_loopbackName =
          QString::fromLocal8Bit(RunProgram("getent", {"hosts", "127.0.0.1"}).out).simplified().section(' ', 1, 1);
      m_peer = std::make_unique<testing::NetNamespace>("pingwin");
      QVERIFY2(m_peer->Create(), qPrintable(m_peer->Error()));
      // One end in this thread's namespace, the other in the peer.
      QCOMPARE(RunProgram("ip", {"link", "add", "pv0", "type", "veth", "peer", "name", "pv1", "netns", m_peer->Name()})
                   .exitCode,
               0);
      QCOMPARE(RunProgram("ip", {"addr", "add", "10.201.0.1/24", "dev", "pv0"}).exitCode, 0);
      QCOMPARE(RunProgram("ip", {"link", "set", "pv0", "up"}).exitCode, 0);
      QVERIFY(m_peer->Ip({"addr", "add", "10.201.0.2/24", "dev", "pv1"}));
      QVERIFY(m_peer->Ip({"link", "set", "pv1", "up"}));
      m_peerMac = m_peer->LinkAddress("pv1").toUpper().replace(':', '-');
      QVERIFY(!m_peerMac.isEmpty());
    } else {
      // The machine's namespace: only loopback is pinged, and names come
      // from a hosts file so no query leaves the machine.
      QVERIFY(m_files.isValid());
      QFile hosts(m_files.filePath("hosts"));
      QVERIFY(hosts.open(QIODevice::WriteOnly));
      hosts.write("127.0.0.1 pellar-loopback localhost\n");
      hosts.close();
      qputenv("DORVANE_HOSTS_FILE", hosts.fileName().toLocal8Bit());
      m_loopbackName = "pellar-loopback";
    }
  }

  void init() { m_boxes = std::make_unique<MessageBoxRecorder>(); }
  void cleanup() { m_boxes.reset(); }
  void cleanupTestCase() { m_peer.reset(); }

  void badAddressGivesTheMessage_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("french");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    const QString title = "Missing IP Address";
    const QString text = "Missing IP Address. Please enter a valid IP Address.";
    QTest::newRow("empty") << "" << false << title << text;
    QTest::newRow("blanks") << "   " << false << title << text;
    QTest::newRow("two dots") << "192.168.1" << false << title << text;
    QTest::newRow("field over 255") << "192.168.1.256" << false << title << text;
    QTest::newRow("empty field") << "192.168..10" << false << title << text;
    QTest::newRow("letters") << "board" << false << title << text;
    QTest::newRow("French") << "192.168.1" << true << "Adresse IP manquante"
                            << "Adresse IP manquante. Veuillez entrer une adresse IP valide.";
  }
  void badAddressGivesTheMessage() {
    QFETCH(QString, address);
    QFETCH(bool, french);
    auto window = Open();
    if (french) QTest::mouseClick(Child<QPushButton>(window.get(), "cmdFrench"), Qt::LeftButton);
    Status(window.get(), 0)->setText(" IP Success");
    SetBackColour(Status(window.get(), 0), kLightGreen);
    Child<QPushButton>(window.get(), "cmdPing")->setFocus();

    Ping(window.get(), address);

    QCOMPARE(m_boxes->Count(), 1);
    QCOMPARE(m_boxes->Last().icon, BoxIcon::Information);
    QTEST(m_boxes->Last().title, "title");
    QTEST(m_boxes->Last().text, "text");
    QVERIFY(Child<QLineEdit>(window.get(), "txtIPAddress")->hasFocus());
    QCOMPARE(Child<QLineEdit>(window.get(), "txtIPAddress")->text(), address);
    // Nothing else changes: the last result stays, the window is not busy.
    QCOMPARE(Status(window.get(), 0)->text(), QString(" IP Success"));
    QCOMPARE(BackColour(Status(window.get(), 0)), kLightGreen);
    for (QPushButton* button : window->FunctionButtons()) QVERIFY(button->isEnabled());
    QCOMPARE(QApplication::overrideCursor(), nullptr);
  }

  void pingsLoopbackEndToEnd() {
    auto window = Open();
    Ping(window.get(), "127.000.000.001");

    QVERIFY2(m_boxes->Boxes().isEmpty(), m_boxes->Boxes().isEmpty() ? "" : qPrintable(m_boxes->Boxes().first().text));
    QCOMPARE(Child<QLineEdit>(window.get(), "txtIPAddress")->text(), QString("127.0.0.1"));
    QStringList texts = ResultTexts(window.get());
    QCOMPARE(texts[0], " " + m_loopbackName);
    if (!ProcessMayOpenIcmp()) {
      // The decided failure when no ICMP socket may be opened: never a success.
      QCOMPARE(texts.mid(1), (QStringList{" IP General Failure", "", " 0 ms", " 0 bytes", ""}));
      QCOMPARE(BackColour(Status(window.get(), 0)), kLightRed);
      return;
    }
    QCOMPARE(texts[1], QString(" IP Success"));
    QCOMPARE(BackColour(Status(window.get(), 0)), kLightGreen);
    QVERIFY2(QRegularExpression("^ \\d+ ms$").match(texts[3]).hasMatch(), qPrintable(texts[3]));
    QCOMPARE(texts[4], QString(" 9 bytes"));
    QCOMPARE(texts[5], QString(" 127.0.0.1"));
    // Loopback has no neighbour entry.
    QCOMPARE(texts[2], QString(" Function Not Supported"));
    for (QPushButton* button : window->FunctionButtons()) QVERIFY(button->isEnabled());
    QVERIFY(!CloseBoxRemoved(window.get()));
    QCOMPARE(QApplication::overrideCursor(), nullptr);
  }

  void peerAcrossVethShowsItsMac() {
    if (QByteArray why = WhyNoPingBeyondLoopback(); !why.isEmpty()) QSKIP(why.constData());
    auto window = Open();
    Ping(window.get(), kPeer);
    QStringList texts = ResultTexts(window.get());
    QCOMPARE(texts[1], QString(" IP Success"));
    QCOMPARE(BackColour(Status(window.get(), 0)), kLightGreen);
    QCOMPARE(texts[2], " " + m_peerMac);
    QCOMPARE(texts[4], QString(" 10 bytes"));
    QCOMPARE(texts[5], QString(" ") + kPeer);
  }

  void noHostFailsInLightRedWhileTheWindowStaysLive() {
    if (QByteArray why = WhyNoPingBeyondLoopback(); !why.isEmpty()) QSKIP(why.constData());
    auto window = Open();
    Status(window.get(), 1)->setText(" stale MAC");
    MidPing mid;
    QTimer::singleShot(100, window.get(), [&mid, &window] {
      mid.seen = true;
      mid.functionButtonsDisabled = true;
      for (QPushButton* button : window->FunctionButtons()) mid.functionButtonsDisabled &= !button->isEnabled();
      mid.closeRefused = CloseBoxRemoved(window.get()) && !window->close();
      mid.waitCursor = QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
      QTest::mouseClick(Child<QPushButton>(window.get(), "cmdFrench"), Qt::LeftButton);
      mid.languageSwitched = LanguageOffset == kFrenchOffset;
    });
    QElapsedTimer clock;
    clock.start();
    Ping(window.get(), kNoHost);

    QVERIFY(clock.elapsed() >= 290);
    QVERIFY2(mid.seen, "the window did not run its timers during the ping");
    QVERIFY(mid.functionButtonsDisabled);
    QVERIFY(mid.closeRefused);
    QVERIFY(mid.waitCursor);
    QVERIFY(mid.languageSwitched);
    QCOMPARE(ResultTexts(window.get()).mid(1), (QStringList{" IP Timed Out", "", " 0 ms", " 0 bytes", ""}));
    QCOMPARE(BackColour(Status(window.get(), 0)), kLightRed);
    for (QPushButton* button : window->FunctionButtons()) QVERIFY(button->isEnabled());
    QVERIFY(!CloseBoxRemoved(window.get()));
    QCOMPARE(QApplication::overrideCursor(), nullptr);
  }

  void addressesNoDeviceHas_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("pinged");
    QTest::addColumn<QString>("status");
    // ValidateIPAddress takes the fifth field as a fraction; the rewrite
    // keeps it, and the ping refuses the text rather than reach 1.2.3.4.
    QTest::newRow("five fields") << "1.2.3.4.5"
                                 << "1.2.3.4.5"
                                 << " Bad IP Format";
    QTest::newRow("this host") << "000.000.000.000"
                               << "0.0.0.0"
                               << " IP Bad Destination";
    QTest::newRow("broadcast") << "255.255.255.255"
                               << "255.255.255.255"
                               << " IP Bad Destination";
  }
  void addressesNoDeviceHas() {
    if (QByteArray why = WhyNoPingBeyondLoopback(); !why.isEmpty()) QSKIP(why.constData());
    QFETCH(QString, address);
    auto window = Open();
    Ping(window.get(), address);
    QTEST(Child<QLineEdit>(window.get(), "txtIPAddress")->text(), "pinged");
    QTEST(Status(window.get(), 0)->text(), "status");
    QCOMPARE(BackColour(Status(window.get(), 0)), kLightRed);
    QCOMPARE(Status(window.get(), 1)->text(), QString());
  }
};

QTEST_MAIN(TestPingClick)
#include "tst_ping_click.moc"
