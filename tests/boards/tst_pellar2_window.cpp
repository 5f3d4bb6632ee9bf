// frmPellar2 without a module: its fields, lists and keys, the checks of the
// Program and VRA-Link Save buttons with their messages and focus, and how
// it unloads.

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "base/localised_text.h"
#include "base/program_start.h"
#include "boards/pellar2_window.h"
#include "fake_arp_table.h"
#include "fake_programming_host.h"
#include "message_box_recorder.h"
#include "widget_lookup.h"

using namespace dorvane;
using dorvane::testing::Child;
using dorvane::testing::Click;
using dorvane::testing::Edit;
using dorvane::testing::FakeArpTable;
using dorvane::testing::FakeProgrammingHost;
using dorvane::testing::MessageBoxRecorder;

namespace {

QLineEdit* MacBox(const QWidget* window, int i) { return Edit(window, qPrintable(QString("txtMACAddress_%1").arg(i))); }
QComboBox* Ports(const QWidget* window) { return Child<QComboBox>(window, "cmbPort"); }
void PressKey(QWidget* window, Qt::Key key) {
  QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window;
  QTest::keyClick(target, key);
}

}  // namespace

class TestPellar2Window : public QObject {
  Q_OBJECT

  FakeProgrammingHost m_host;
  std::unique_ptr<MessageBoxRecorder> m_boxes;
  std::shared_ptr<FakeArpTable> m_arp;

  std::unique_ptr<Pellar2Window> Open() {
    DialogueRunner::Options options;
    options.arp = m_arp;
    auto window = std::make_unique<Pellar2Window>(m_host, nullptr, options);
    window->show();
    if (!QTest::qWaitForWindowActive(window.get())) qWarning("window not active");
    return window;
  }
  void SetHostAddress(const QString& address) {
    m_host.adapterAddress = address;
  }
  void OpenVraLinkFrame(Pellar2Window* window) {
    PressKey(window, Pellar2Window::kTransitRelayKey);
    Click(window, "cmdTransitRelay");
  }

 private slots:
  void initTestCase() {
    qputenv("LANG", "en_US.UTF-8");
    qputenv("DORVANE_TIME_SCALE", "0.02");
  }
  void init() {
    m_boxes = std::make_unique<MessageBoxRecorder>();
    m_arp = std::make_shared<FakeArpTable>();
    LanguageOffset = kEnglishOffset;
    CommandLineText.clear();
    SetHostAddress("");
    m_host.pingBox.clear();
  }
  void cleanup() { m_boxes.reset(); }

  void opensWithItsDefaults() {
    auto window = Open();
    QCOMPARE(window->windowTitle(), QString(" Program PELLAR2B, PELLAR2 & PELLAR2P boards"));
    QCOMPARE(Child<QLabel>(window.get(), "lblIPPing")->text(), QString(" IP Address to Assign"));
    QCOMPARE(Child<QLabel>(window.get(), "lblProgramViaPort")->text(),
             QString(" Program via IP address or Serial Port"));
    QCOMPARE(Child<QLabel>(window.get(), "lblRequest")->text(), QString(" Processing Request (Press ESC to Cancel)"));
    QCOMPARE(Child<QPushButton>(window.get(), "cmdProgramPellar2")->text(), QString("Program PELLAR"));
    QCOMPARE(Child<QPushButton>(window.get(), "cmdGlobalCancel")->text(), QString("Save Default"));
    QCOMPARE(Child<QGroupBox>(window.get(), "fraTransitRelay")->title(), QString("     VRA - Link Settings     "));
    QCOMPARE(Edit(window.get(), "txtIPAddress")->toolTip(), QString("Enter IP Address to assign the Pellar2 Device"));

    QCOMPARE(Edit(window.get(), "txtIPAddress")->maxLength(), 15);
    QCOMPARE(MacBox(window.get(), 5)->maxLength(), 2);
    QCOMPARE(Edit(window.get(), "txtRemotePort")->maxLength(), 5);
    QCOMPARE(Edit(window.get(), "txtIPAddress")->alignment(), Qt::AlignCenter);

    QCOMPARE(Ports(window.get())->count(), 20);
    QCOMPARE(Ports(window.get())->itemText(0), QString("Network Connection via ARP request"));
    QCOMPARE(Ports(window.get())->itemText(16), QString("Comm Port 16"));
    QCOMPARE(Ports(window.get())->itemText(19), QString("Network Connection via 169.254.100.254"));
    QCOMPARE(Child<QComboBox>(window.get(), "cmbSubnet")->count(), 17);
    QCOMPARE(Child<QComboBox>(window.get(), "cmbEthernet")->itemText(4), QString("100 Mbit / Full duplex"));

    Pellar2Inputs in = window->Inputs();
    QCOMPARE(in.link.port, 1);
    QCOMPARE(in.server.subnetIndex, 0);
    QCOMPARE(in.server.gateway, std::string("000.000.000.000"));
    QCOMPARE(in.baudText, std::string("57600"));
    QCOMPARE(in.ethernetIndex, 0);
    QVERIFY(in.disable77FE && !in.defaultOnly && !in.vraLinkSaved);
    QCOMPARE(in.remoteAddress, std::string("000.000.000.000"));
    QCOMPARE(in.remotePortText, std::string("0"));

    for (const char* hidden : {"chkDefaultOnly", "cmdTransitRelay", "fraTransitRelay", "lblRequest", "lblProgress",
                               "lblMACAddress", "txtMACAddress_0", "Text1"}) {
      QVERIFY2(!Child<QWidget>(window.get(), hidden)->isVisible(), hidden);
    }
    QVERIFY(!Child<QLabel>(window.get(), "lblDateTime")->text().isEmpty());
  }

  void frenchCaptionsWithoutTooltips() {
    LanguageOffset = kFrenchOffset;
    auto window = Open();
    QCOMPARE(Child<QLabel>(window.get(), "lblIPPing")->text(), QString(" Adresse IP à attribuer"));
    QCOMPARE(Ports(window.get())->itemText(3), QString("Port COM 3"));
    QCOMPARE(Ports(window.get())->itemText(17), QString("Connexion réseau via 192.168.100.254"));
    QCOMPARE(Child<QPushButton>(window.get(), "cmdExit")->text(), QString("Quitter"));
    QVERIFY(Edit(window.get(), "txtIPAddress")->toolTip().isEmpty());
    // No string id: the window and this label keep their English design.
    QCOMPARE(window->windowTitle(), QString(" Program PELLAR2B, PELLAR2 & PELLAR2P boards"));
    QCOMPARE(Child<QLabel>(window.get(), "lblProgramViaPort")->text(),
             QString(" Program via IP address or Serial Port"));
  }

  void commandLinePrefillsTheAddress_data() {
    QTest::addColumn<QString>("commandLine");
    QTest::addColumn<QString>("address");
    QTest::newRow("address") << "10.1.2.3"
                             << "10.1.2.3";
    QTest::newRow("kept untrimmed") << " 10.1.2.3"
                                    << " 10.1.2.3";
    QTest::newRow("blank") << "   "
                           << "";
  }
  void commandLinePrefillsTheAddress() {
    QFETCH(QString, commandLine);
    CommandLineText = commandLine.toStdString();
    auto window = Open();
    QTEST(Edit(window.get(), "txtIPAddress")->text(), "address");
  }

  void portPreselectedFromTheHostAddress_data() {
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("port");
    QTest::newRow("192.168.100.x") << "192.168.100.7" << 17;
    QTest::newRow("10.0.100.x") << "10.0.100.20" << 18;
    QTest::newRow("169.254.100.x") << "169.254.100.3" << 19;
    QTest::newRow("no address") << "" << 1;
    QTest::newRow("other network") << "192.168.1.5" << 1;
    QTest::newRow("10.0.10.x is not 10.0.100") << "10.0.10.1" << 1;
  }
  void portPreselectedFromTheHostAddress() {
    QFETCH(QString, host);
    SetHostAddress(host);
    auto window = Open();
    QTEST(Ports(window.get())->currentIndex(), "port");
  }

  // Entry 0 shows six empty MAC boxes; any other entry hides and empties
  // them; a COM entry names the device it reaches.
  void portListShowsTheMacBoxesAndTheDevice() {
    qputenv("DORVANE_COM3", "/dev/pellar-test-com3");
    auto window = Open();
    QComboBox* ports = Ports(window.get());
    ports->setCurrentIndex(0);
    QVERIFY(Child<QLabel>(window.get(), "lblMACAddress")->isVisible());
    for (int i = 0; i < 6; ++i) {
      QVERIFY(MacBox(window.get(), i)->isVisible());
      QVERIFY(MacBox(window.get(), i)->text().isEmpty());
      MacBox(window.get(), i)->setText("0" + QString::number(i));
    }
    ports->setCurrentIndex(3);
    QVERIFY(!MacBox(window.get(), 0)->isVisible());
    QCOMPARE(Child<QLabel>(window.get(), "lblPortDevice")->text(), QString("COM3 -> /dev/pellar-test-com3"));
    ports->setCurrentIndex(0);
    for (int i = 0; i < 6; ++i) QVERIFY(MacBox(window.get(), i)->text().isEmpty());
    QVERIFY(Child<QLabel>(window.get(), "lblPortDevice")->text().isEmpty());
    qunsetenv("DORVANE_COM3");
  }

  void macBoxesMoveOnAfterTheSecondCharacter() {
    auto window = Open();
    Ports(window.get())->setCurrentIndex(0);
    MacBox(window.get(), 0)->setFocus();
    QTest::keyClicks(QApplication::focusWidget(), "0");
    QCOMPARE(QApplication::focusWidget(), MacBox(window.get(), 0));
    QTest::keyClicks(QApplication::focusWidget(), "0");
    QCOMPARE(QApplication::focusWidget(), MacBox(window.get(), 1));
    QTest::keyClicks(QApplication::focusWidget(), "2z");
    QCOMPARE(MacBox(window.get(), 0)->text(), QString("00"));
    QCOMPARE(MacBox(window.get(), 1)->text(), QString("2z"));
    QCOMPARE(QApplication::focusWidget(), MacBox(window.get(), 2));

    MacBox(window.get(), 5)->setFocus();
    QTest::keyClicks(QApplication::focusWidget(), "567");
    QCOMPARE(QApplication::focusWidget(), MacBox(window.get(), 5));
    QCOMPARE(MacBox(window.get(), 5)->text(), QString("56"));
  }

  void remotePortTakesDigitsOnly() {
    auto window = Open();
    OpenVraLinkFrame(window.get());
    QLineEdit* port = Edit(window.get(), "txtRemotePort");
    port->clear();
    QTest::keyClicks(port, "8a0-8 .");
    QCOMPARE(port->text(), QString("808"));
    QTest::keyClick(port, Qt::Key_Backspace);
    QCOMPARE(port->text(), QString("80"));
    QGuiApplication::clipboard()->setText("12");
    QTest::keyClick(port, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(port->text(), QString("8012"));
  }

  // The service keys reveal their controls from any control of the window,
  // for good; ESC never closes it.
  void serviceKeys() {
    auto window = Open();
    Edit(window.get(), "txtIPAddress")->setFocus();
    PressKey(window.get(), Pellar2Window::kDefaultOnlyKey);
    QVERIFY(Child<QCheckBox>(window.get(), "chkDefaultOnly")->isVisible());
    QVERIFY(!Child<QPushButton>(window.get(), "cmdTransitRelay")->isVisible());
    PressKey(window.get(), Pellar2Window::kTransitRelayKey);
    QVERIFY(Child<QPushButton>(window.get(), "cmdTransitRelay")->isVisible());
    PressKey(window.get(), Qt::Key_Escape);
    QVERIFY(window->isVisible());
    QVERIFY(Child<QCheckBox>(window.get(), "chkDefaultOnly")->isVisible());
    QVERIFY(Edit(window.get(), "txtIPAddress")->text().isEmpty());
  }

  // Rows that pass go on into the run: on the ARP entry with empty MAC
  // boxes the run stops at the first box.
  void programButtonChecksTheFields_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("gateway");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("addressAfter");
    QTest::addColumn<QString>("gatewayAfter");
    QTest::newRow("empty address") << ""
                                   << "10.0.0.1"
                                   << "Ping PELLAR Device"
                                   << "Missing IP Address"
                                   << "txtIPAddress"
                                   << ""
                                   << "10.0.0.1";
    QTest::newRow("blank address") << "   "
                                   << ""
                                   << "Ping PELLAR Device"
                                   << "Missing IP Address"
                                   << "txtIPAddress"
                                   << "   "
                                   << "";
    QTest::newRow("two dots") << "192.168.1"
                              << ""
                              << "Ping PELLAR Device"
                              << "Invalid IP Address"
                              << "txtIPAddress"
                              << "192.168.1"
                              << "";
    QTest::newRow("field above 255") << "192.168.1.256"
                                     << ""
                                     << "Ping PELLAR Device"
                                     << "Invalid IP Address"
                                     << "txtIPAddress"
                                     << "192.168.1.256"
                                     << "";
    QTest::newRow("bad gateway") << "192.168.1.10"
                                 << "10.0.0"
                                 << "Ping PELLAR Device"
                                 << "Invalid Gateway Address"
                                 << "txtGateway"
                                 << "192.168.001.010"
                                 << "10.0.0";
    QTest::newRow("empty gateway") << "192.168.1.10"
                                   << ""
                                   << "Program PELLAR2 via ARP"
                                   << "Invalid MAC Address"
                                   << "txtMACAddress_0"
                                   << "192.168.001.010"
                                   << "000.000.000.000";
    QTest::newRow("both written back") << " 10.1.2.3 "
                                       << "10.1.2.254"
                                       << "Program PELLAR2 via ARP"
                                       << "Invalid MAC Address"
                                       << "txtMACAddress_0"
                                       << "010.001.002.003"
                                       << "010.001.002.254";
  }
  void programButtonChecksTheFields() {
    QFETCH(QString, address);
    QFETCH(QString, gateway);
    QFETCH(QString, focus);
    auto window = Open();
    Ports(window.get())->setCurrentIndex(0);
    Edit(window.get(), "txtIPAddress")->setText(address);
    Edit(window.get(), "txtGateway")->setText(gateway);
    Click(window.get(), "cmdProgramPellar2");
    QTRY_COMPARE(m_boxes->Count(), 1);
    QTEST(m_boxes->Last().title, "title");
    QTEST(m_boxes->Last().text, "text");
    QCOMPARE(m_boxes->Last().icon, BoxIcon::Critical);
    QTEST(Edit(window.get(), "txtIPAddress")->text(), "addressAfter");
    QTEST(Edit(window.get(), "txtGateway")->text(), "gatewayAfter");
    QTRY_COMPARE(QApplication::focusWidget(), Child<QWidget>(window.get(), qPrintable(focus)));
    QVERIFY(Child<QPushButton>(window.get(), "cmdProgramPellar2")->isEnabled());
    QVERIFY(Child<QComboBox>(window.get(), "cmbPort")->isEnabled());
    QVERIFY(window->isVisible());
    // Only a run clears the ARP cache.
    QCOMPARE(m_arp->Calls().empty(), focus != "txtMACAddress_0");
  }

  void vraLinkSave_data() {
    QTest::addColumn<QString>("remote");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("remoteAfter");
    QTest::addColumn<QString>("portAfter");
    QTest::newRow("highest port") << "10.1.2.3"
                                  << "65535"
                                  << ""
                                  << ""
                                  << "010.001.002.003"
                                  << "65535";
    QTest::newRow("empty port is 0") << "10.1.2.3"
                                     << ""
                                     << ""
                                     << ""
                                     << "010.001.002.003"
                                     << "0";
    QTest::newRow("port above 65535") << "10.1.2.3"
                                      << "65536"
                                      << "Invalid Port Number"
                                      << ""
                                      << "10.1.2.3"
                                      << "65536";
    QTest::newRow("port first") << ""
                                << "99999"
                                << "Invalid Port Number"
                                << ""
                                << ""
                                << "99999";
    QTest::newRow("missing address") << " "
                                     << "80"
                                     << "Missing IP Address"
                                     << "txtRemoteIPAddress"
                                     << " "
                                     << "80";
    QTest::newRow("invalid address") << "10.1.2"
                                     << ""
                                     << "Invalid IP Address"
                                     << "txtRemoteIPAddress"
                                     << "10.1.2"
                                     << "0";
  }
  void vraLinkSave() {
    QFETCH(QString, message);
    QFETCH(QString, focus);
    auto window = Open();
    OpenVraLinkFrame(window.get());
    QVERIFY(!Child<QPushButton>(window.get(), "cmdProgramPellar2")->isEnabled());
    QVERIFY(Child<QPushButton>(window.get(), "cmdHelp")->isEnabled());
    QFETCH(QString, remote);
    QFETCH(QString, port);
    Edit(window.get(), "txtRemoteIPAddress")->setText(remote);
    Edit(window.get(), "txtRemotePort")->setText(port);
    Click(window.get(), "cmdGlobalSave");

    bool accepted = message.isEmpty();
    QCOMPARE(m_boxes->Count(), accepted ? 0 : 1);
    if (!accepted) {
      QCOMPARE(m_boxes->Last().title, QString("VRA-Link Settings"));
      QCOMPARE(m_boxes->Last().text, message);
      QCOMPARE(m_boxes->Last().icon, BoxIcon::Information);
    }
    if (!focus.isEmpty()) QTRY_COMPARE(QApplication::focusWidget(), Child<QWidget>(window.get(), qPrintable(focus)));
    QTEST(Edit(window.get(), "txtRemoteIPAddress")->text(), "remoteAfter");
    QTEST(Edit(window.get(), "txtRemotePort")->text(), "portAfter");
    QCOMPARE(Child<QGroupBox>(window.get(), "fraTransitRelay")->isVisible(), !accepted);
    QCOMPARE(Child<QPushButton>(window.get(), "cmdProgramPellar2")->isEnabled(), accepted);
    QCOMPARE(window->Inputs().vraLinkSaved, accepted);
  }

  // Save Default leaves saved settings in use, with the fields reset.
  void saveDefaultAfterSave() {
    auto window = Open();
    OpenVraLinkFrame(window.get());
    Edit(window.get(), "txtRemoteIPAddress")->setText("10.1.2.3");
    Edit(window.get(), "txtRemotePort")->setText("3001");
    Click(window.get(), "cmdGlobalSave");
    OpenVraLinkFrame(window.get());
    Click(window.get(), "cmdGlobalCancel");
    Pellar2Inputs in = window->Inputs();
    QVERIFY(in.vraLinkSaved);
    QCOMPARE(in.remoteAddress, std::string("000.000.000.000"));
    QCOMPARE(in.remotePortText, std::string("0"));
    QVERIFY(!Child<QGroupBox>(window.get(), "fraTransitRelay")->isVisible());
    QVERIFY(Child<QPushButton>(window.get(), "cmdProgramPellar2")->isEnabled());
    QCOMPARE(m_boxes->Count(), 0);
  }

  void exitUnloadsAndEnablesTheMainWindow() {
    auto window = Open();
    m_host.enabled = false;
    m_host.pingBox = "10.0.0.9";
    QSignalSpy finished(window.get(), &QDialog::finished);
    Click(window.get(), "cmdExit");
    QCOMPARE(finished.count(), 1);
    QVERIFY(!window->isVisible());
    QVERIFY(m_host.enabled);
    QCOMPARE(m_host.pingBox, QString("10.0.0.9"));
  }
};

QTEST_MAIN(TestPellar2Window)
#include "tst_pellar2_window.moc"
