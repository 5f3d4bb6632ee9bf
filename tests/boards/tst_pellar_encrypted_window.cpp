// frmPellarEncrypted: where it differs from the PELLAR2 window (lists, key
// box, reverse frame, no MAC boxes), the checks of its Program button in
// their order, one message at a time, its height after a frame, and the
// network disclaimer with its log entry. Links are fake modules; no packet
// leaves the test.

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <memory>

#include "base/localised_text.h"
#include "base/program_start.h"
#include "boards/pellar_encrypted_window.h"
#include "dialogue/dialogue_steps.h"
#include "platform/application_log.h"
#include "programming_window_test.h"

using namespace dorvane;
using namespace dorvane::testing;

namespace {

const QString kKey = "00112233445566778899AABBCCDDEEFF";

class RecordingLog : public platform::ApplicationLog {
 public:
  platform::CommandOutcome WriteInformation(const std::string& text) override {
    entries << QString::fromStdString(text);
    return {true, "test log"};
  }
  QStringList entries;
};

QComboBox* Ports(const QWidget* window) { return Child<QComboBox>(window, "cmbPort"); }

// A 6.10 module on the setup port that confirms the save.
FakeModule HealthyModule() {
  FakeModule module;
  module.greeting = {
      "MAC address 00204A123456\r\nSoftware version V6.10.0. (260101)\r\nPress Enter for Setup Mode\r\n"};
  module.answer = [](const QByteArray& written) {
    return written == "9\r" ? QList<QByteArray>{"Parameters stored ...\r\n"} : QList<QByteArray>{};
  };
  return module;
}

}  // namespace

class TestPellarEncryptedWindow : public ProgrammingWindowTest<PellarEncryptedWindow> {
  Q_OBJECT

  std::shared_ptr<RecordingLog> m_log;

  // A run ready to start: port entry, address and a key of the right size.
  std::unique_ptr<PellarEncryptedWindow> Ready(int port, const QString& key = kKey) {
    auto window = Open();
    Ports(window.get())->setCurrentIndex(port);
    Edit(window.get(), "txtIPAddress")->setText("10.1.2.3");
    Edit(window.get(), "txtEncryptionKey")->setText(key);
    return window;
  }

 private slots:
  void initTestCase() {
    qputenv("LANG", "en_US.UTF-8");
    qputenv("DORVANE_TIME_SCALE", "0.02");
  }
  void init() {
    ResetFixture(
        FakeLinks([](const LinkTarget& target) { return target.port == kSetupPort ? HealthyModule() : FakeModule{}; }));
    m_log = std::make_shared<RecordingLog>();
    m_options.applicationLog = m_log;
  }
  void cleanup() { CleanupFixture(); }

  void opensWithItsDefaults() {
    auto window = Open();
    QCOMPARE(window->objectName(), QString("frmPellarEncrypted"));
    QCOMPARE(window->windowTitle(), QString(" Program PELLAR6B, PELLAR6 & PELLAR6P boards."));
    QComboBox* ports = Ports(window.get());
    QCOMPARE(ports->count(), 20);
    QCOMPARE(ports->currentIndex(), 0);
    QCOMPARE(ports->itemText(0), QString());
    QCOMPARE(ports->itemText(1), QString("Comm Port 1"));
    QCOMPARE(ports->itemText(19), QString("Network Connection via 169.254.100.254"));
    QComboBox* rates = Child<QComboBox>(window.get(), "cmbPortSpeed");
    QCOMPARE(rates->count(), 5);
    QCOMPARE(rates->itemText(0), QString("9600"));
    QCOMPARE(rates->currentText(), QString("57600"));
    QLineEdit* key = Edit(window.get(), "txtEncryptionKey");
    QVERIFY(key->isVisible() && key->text().isEmpty());
    QCOMPARE(key->maxLength(), 32);
    QCOMPARE(key->toolTip(), QString("32-Hexadecimal (0-9, A-F)"));
    QVERIFY(Child<QRadioButton>(window.get(), "optEncryption_0")->isChecked());
    QCOMPARE(Child<QLabel>(window.get(), "lblEncryptionKey")->text(), QString(" Data Encryption Key"));
    QPushButton* reverse = Child<QPushButton>(window.get(), "cmdReverseNetworkPort");
    QVERIFY(reverse->isVisible());
    QCOMPARE(reverse->text(), QString("Reverse Network Setup"));
    QCOMPARE(reverse->toolTip(), QString("Reverse Network Port Setup"));
    QVERIFY(!Child<QGroupBox>(window.get(), "fraReverseNetwork")->isVisible());
    QVERIFY(Child<QRadioButton>(window.get(), "optLocalPort_1")->isChecked());
    // No ARP path: the window has no MAC boxes at all.
    QVERIFY(!window->findChild<QWidget*>("txtMACAddress_0"));
    QVERIFY(!window->findChild<QWidget*>("lblMACAddress"));
  }

  void hostInAServiceNetworkSelectsItsEntry_data() {
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("entry");
    QTest::newRow("no address") << "" << 0;
    QTest::newRow("other network") << "10.20.30.40" << 0;
    QTest::newRow("10.0.100") << "10.0.100.7" << 18;
  }
  void hostInAServiceNetworkSelectsItsEntry() {
    QFETCH(QString, host);
    m_host.adapterAddress = host;
    auto window = Open();
    QTEST(Ports(window.get())->currentIndex(), "entry");
  }

  void keyRules() {
    auto window = Open();
    QLineEdit* key = Edit(window.get(), "txtEncryptionKey");
    key->setFocus();
    QTest::keyClicks(key, "0a1B2cxD");
    QCOMPARE(key->text(), QString("01B2D"));  // capital hexadecimal digits only
    Child<QRadioButton>(window.get(), "optEncryption_2")->click();
    key->setText(kKey + "01234567");  // 40 characters
    QCOMPARE(key->text().size(), 40);
    Child<QRadioButton>(window.get(), "optEncryption_0")->click();
    QCOMPARE(key->text(), kKey);
    QCOMPARE(key->maxLength(), 32);
    // 32 characters for 192 bits: said on leaving, and the focus comes back.
    Child<QRadioButton>(window.get(), "optEncryption_1")->click();
    key->setFocus();
    Edit(window.get(), "txtIPAddress")->setFocus();
    QTRY_COMPARE(m_boxes->Count(), 1);
    QCOMPARE(m_boxes->Last().title, QString("Invalid Data Encryption Key"));
    QCOMPARE(m_boxes->Last().text, QString("Encryption Key must be 48 characters long"));
    QTRY_COMPARE(QApplication::focusWidget(), key);
  }

  // Saving one of the two settings ends the other; Save Default keeps an
  // earlier Save.
  void reverseAndVraLinkExcludeEachOther() {
    auto window = Open();
    SaveReverse(window.get(), "10001", true);
    QVERIFY(!Child<QGroupBox>(window.get(), "fraReverseNetwork")->isVisible());
    QVERIFY(Child<QPushButton>(window.get(), "cmdProgramPellar2")->isEnabled());
    Pellar6Inputs in = window->Inputs();
    QVERIFY(in.reverse.saved && in.reverse.staticLocalPort && !in.vraLinkSaved);
    QCOMPARE(in.reverse.portText, std::string("10001"));

    QTest::keyClick(window.get(), PellarEncryptedWindow::kTransitRelayKey);
    Click(window.get(), "cmdTransitRelay");
    Edit(window.get(), "txtRemoteIPAddress")->setText("10.9.8.7");
    Click(window.get(), "cmdGlobalSave");
    in = window->Inputs();
    QVERIFY(in.vraLinkSaved && !in.reverse.saved);

    SaveReverse(window.get(), "20", false);
    Click(window.get(), "cmdReverseNetworkPort");
    Click(window.get(), "cmdSaveDefaultReverseNetworkPort");
    in = window->Inputs();
    QVERIFY(in.reverse.saved && !in.vraLinkSaved && !in.reverse.staticLocalPort);
    QCOMPARE(in.reverse.portText, std::string("0"));
  }

  void reversePortAbove65535IsRefused() {
    auto window = Open();
    Click(window.get(), "cmdReverseNetworkPort");
    QVERIFY(!Child<QPushButton>(window.get(), "cmdProgramPellar2")->isEnabled());
    QLineEdit* port = Edit(window.get(), "txtReverseNetworkPort");
    port->clear();
    QTest::keyClicks(port, "6a5536");  // the digit filter drops the letter
    QCOMPARE(port->text(), QString("65536"));
    Click(window.get(), "cmdReverseSave");
    QCOMPARE(m_boxes->Count(), 1);
    QCOMPARE(m_boxes->Last().title, QString("Reverse Network Port Number"));
    QCOMPARE(m_boxes->Last().text, QString("Invalid Port Number"));
    QVERIFY(Child<QGroupBox>(window.get(), "fraReverseNetwork")->isVisible());
    QVERIFY(!window->Inputs().reverse.saved);
  }

  // With reverse settings saved the Program button asks first; No asks
  // whether to clear them, and either way nothing runs.
  void reverseAndClearQuestions_data() {
    QTest::addColumn<QList<QMessageBox::StandardButton>>("answers");
    QTest::addColumn<bool>("stillSaved");
    QTest::addColumn<QString>("port");
    QTest::newRow("No, No") << QList<QMessageBox::StandardButton>{QMessageBox::No, QMessageBox::No} << true << "10001";
    QTest::newRow("No, Yes") << QList<QMessageBox::StandardButton>{QMessageBox::No, QMessageBox::Yes} << false << "0";
  }
  void reverseAndClearQuestions() {
    QFETCH(QList<QMessageBox::StandardButton>, answers);
    auto window = Ready(1);
    SaveReverse(window.get(), "10001", true);
    AnswerInTurn(answers);
    Click(window.get(), "cmdProgramPellar2");
    const QList<MessageBoxRequest>& asked = m_turnBoxes;
    QCOMPARE(asked.size(), 2);
    QCOMPARE(asked[0].title, QString("Reverse Network Settings"));
    QCOMPARE(asked[0].text,
             QString("This PELLAR will be programmed as Reverse Network Settings\r\n\r\nDo you wish to continue?"));
    QCOMPARE(asked[0].defaultButton, QMessageBox::No);
    QCOMPARE(asked[1].title, QString("Clear Reverse Network Settings"));
    QCOMPARE(asked[1].text, QString("Do you want to clear the Reverse Network Settings?"));
    QCOMPARE(asked[1].icon, BoxIcon::Question);
    QTEST(window->Inputs().reverse.saved, "stillSaved");
    QTEST(QString::fromStdString(window->Inputs().reverse.portText), "port");
    QVERIFY(!window->RunActive());
    QVERIFY(m_links->Made().isEmpty());
    QVERIFY(Child<QPushButton>(window.get(), "cmdProgramPellar2")->isEnabled());
  }

  // Refused at the Program button before anything is opened.
  void programRefuses_data() {
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("focus");
    QTest::newRow("port entry 0") << 0 << kKey << "Missing Information"
                                  << "You must select a programming port or network address"
                                  << "cmbPort";
    QTest::newRow("empty key") << 1 << QString() << "Invalid Data Encryption Key"
                               << "Encryption Key must be 32 characters long"
                               << "txtEncryptionKey";
    QTest::newRow("short key") << 17 << kKey.left(30) << "Invalid Data Encryption Key"
                               << "Encryption Key must be 32 characters long"
                               << "txtEncryptionKey";
  }
  void programRefuses() {
    QFETCH(int, port);
    QFETCH(QString, key);
    auto window = Ready(port, key);
    Click(window.get(), "cmdProgramPellar2");
    QVERIFY(m_boxes->Count() >= 1);
    QTEST(m_boxes->Last().title, "title");
    QTEST(m_boxes->Last().text, "text");
    QFETCH(QString, focus);
    QTRY_COMPARE(QApplication::focusWidget()->objectName(), focus);
    QVERIFY(!window->RunActive());
    QVERIFY(m_links->Made().isEmpty());
    QVERIFY(Child<QPushButton>(window.get(), "cmdProgramPellar2")->isEnabled());
  }

  // A short key typed and Program clicked with reverse settings saved: the
  // reverse question, then the key's message once. Leaving the key for the
  // button is no check of its own, so no box opens over the question nor
  // comes twice.
  void oneMessageAtATime() {
    auto window = Ready(1, kKey.left(4));
    SaveReverse(window.get(), "10001", true);
    Edit(window.get(), "txtEncryptionKey")->setFocus();
    m_boxes->Answer(QMessageBox::Yes);
    m_boxes->RunEventsWhileOpen();
    Click(window.get(), "cmdProgramPellar2");
    QTest::qWait(100);
    QCOMPARE(m_boxes->Titles(), (QStringList{"Reverse Network Settings", "Invalid Data Encryption Key"}));
    QVERIFY(!m_boxes->Overlapped());
    QVERIFY(m_links->Made().isEmpty());
    QVERIFY(Child<QPushButton>(window.get(), "cmdProgramPellar2")->isEnabled());
  }

  // The window grows for a settings frame and gives its height back when
  // the frame closes, to the height it opened with.
  void heightFollowsTheFrames() {
    auto window = Open();
    const int opened = window->height();
    QCOMPARE(opened, window->sizeHint().height());
    Click(window.get(), "cmdReverseNetworkPort");
    QTRY_VERIFY(window->height() > opened);
    Click(window.get(), "cmdReverseSave");
    QTRY_COMPARE(window->height(), opened);
  }

  void disclaimerRefusedOpensNothing() {
    auto window = Ready(17);
    m_boxes->Answer(QMessageBox::No);
    Click(window.get(), "cmdProgramPellar2");
    QTRY_VERIFY(!window->RunActive());
    QCOMPARE(m_boxes->Count(), 1);
    QCOMPARE(m_boxes->Last().title, QString("Programming Disclaimer"));
    QCOMPARE(m_boxes->Last().icon, BoxIcon::Exclamation);
    QCOMPARE(m_boxes->Last().defaultButton, QMessageBox::No);
    QVERIFY(m_links->Made().isEmpty());
    QVERIFY(m_log->entries.isEmpty());
    QVERIFY(window->isVisible());
    QVERIFY(Child<QPushButton>(window.get(), "cmdProgramPellar2")->isEnabled());
    QCOMPARE(QApplication::overrideCursor(), nullptr);
  }

  void disclaimerAcceptedIsLoggedOnceAndTheRunGoesOn() {
    auto window = Ready(17);
    m_boxes->Answer(QMessageBox::Yes);
    Click(window.get(), "cmdProgramPellar2");
    QTRY_VERIFY_WITH_TIMEOUT(!window->isVisible(), 30000);
    QCOMPARE(m_log->entries.size(), 1);
    QVERIFY(
        m_log->entries[0].startsWith("User Accepted Dorvane Disclaimer PELLAR6 Programming via Network Connection "));
    QVERIFY(m_log->entries[0].size() > 80);  // the date and time follow
    QCOMPARE(m_boxes->Count(), 2);
    QCOMPARE(m_boxes->Last().title, QString("Program PELLAR6 device via Network Connection"));
    QCOMPARE(m_boxes->Last().text, QString("Your PELLAR6 device has been configured."));
    QCOMPARE(m_host.pingBox, QString("010.001.002.003"));
    QVERIFY(m_links->Written().contains("128\rY0011"));
  }

  // A module that never says "Parameters stored" leaves the board
  // unconfirmed: the communication-failure path, the window stays.
  void unconfirmedSaveKeepsTheWindow() {
    m_links.emplace([](const LinkTarget& target) {
      FakeModule module = HealthyModule();
      module.answer = {};
      return target.port == kSetupPort ? module : FakeModule{};
    });
    auto window = Ready(17);
    m_boxes->Answer(QMessageBox::Yes);
    Click(window.get(), "cmdProgramPellar2");
    QTRY_COMPARE_WITH_TIMEOUT(m_boxes->Count(), 2, 30000);
    QCOMPARE(m_boxes->Last().title, QString("Communication Failure"));
    QVERIFY(m_boxes->Last().text.contains("did not confirm"));
    QCOMPARE(m_boxes->Last().icon, BoxIcon::Critical);
    QVERIFY(window->isVisible());
    QVERIFY(m_host.pingBox.isEmpty());
  }
};

QTEST_MAIN(TestPellarEncryptedWindow)
#include "tst_pellar_encrypted_window.moc"
