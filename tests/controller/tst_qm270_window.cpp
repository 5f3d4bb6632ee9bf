// frmQM270: its controls at load, the reverse frame's 9999 limit, Save
// showing or hiding the key and baud controls by the IP-only box, the
// questions, the checks of the Program button (the empty key among them),
// and runs against a fake XPort AR: ESC during the boot catch, the failed
// product check, a completed run and a French user's fixed pauses. Links
// are fake modules; no packet leaves the test.

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <memory>

#include "controller/qm270_window.h"
#include "programming_window_test.h"

using namespace dorvane;
using namespace dorvane::testing;

namespace {

const QString kKey = "00112233445566778899AABBCCDDEEFF";
const QByteArray kProductBlock =
    "\r\nProduct Information:\r\n  Product Type        : XPort AR (0x6C)\r\n"
    "  FW Version / Date   : 6.1.0.0 / Jan 10 2026\r\n>";

// An XPort AR that answers the boot catch (unless it is dead) and "show".
FakeModule XPortAr(bool boots = true, QByteArray showAnswer = kProductBlock) {
  FakeModule module;
  module.answer = [boots, showAnswer](const QByteArray& written) {
    if (written == "!" && boots) return QList<QByteArray>{"!"};
    if (written == "show\r") return QList<QByteArray>{showAnswer};
    return QList<QByteArray>{};
  };
  return module;
}

}  // namespace

class TestQM270Window : public ProgrammingWindowTest<QM270Window> {
  Q_OBJECT

 private slots:
  void initTestCase() {
    qputenv("LANG", "en_US.UTF-8");
    qputenv("DORVANE_TIME_SCALE", "0.02");
  }
  void init() { ResetFixture(FakeLinks(XPortAr())); }
  void cleanup() { CleanupFixture(); }

  void opensWithItsDefaults() {
    CommandLineText = "10.1.2.3";
    auto window = Open();
    QCOMPARE(window->objectName(), QString("frmQM270"));
    QCOMPARE(window->windowTitle(), QString(" QM270 Program Settings"));
    QCOMPARE(Edit(window.get(), "txtIPAddress")->text(), QString("10.1.2.3"));
    QCOMPARE(Edit(window.get(), "txtGateway")->text(), QString("000.000.000.000"));
    QComboBox* masks = Child<QComboBox>(window.get(), "cmbSubnet");
    QCOMPARE(masks->count(), 17);
    QCOMPARE(masks->currentText(), QString("255.255.255.0"));
    QCOMPARE(masks->itemText(3), QString("255.128.0.0"));
    QCOMPARE(masks->itemText(16), QString("255.255.128.0"));
    QComboBox* ports = Child<QComboBox>(window.get(), "cmbPort");
    QCOMPARE(ports->count(), 16);
    QCOMPARE(ports->itemText(0), QString("Comm Port 1"));
    QCOMPARE(ports->itemText(15), QString("Comm Port 16"));
    QComboBox* rates = Child<QComboBox>(window.get(), "cmbPortSpeed");
    QCOMPARE(rates->count(), 2);
    QCOMPARE(rates->itemText(0), QString("57600"));
    QCOMPARE(rates->currentText(), QString("115200"));
    QCheckBox* ipOnly = Child<QCheckBox>(window.get(), "chkIPOnly");
    QVERIFY(!ipOnly->isVisible());
    QVERIFY(ipOnly->toolTip().startsWith(" This will only program the IP Address, Subnet and Gateway settings."));
    QVERIFY(!Edit(window.get(), "txtEncryptionKey")->isVisible());
    QVERIFY(!Child<QLabel>(window.get(), "lblEncryptionKey")->isVisible());
    QVERIFY(!Child<QRadioButton>(window.get(), "optEncryption_0")->isVisible());
    QCOMPARE(Child<QLabel>(window.get(), "lblEncryptionKey")->text(), QString(" QM270 Data Encryption Key"));
    QVERIFY(!Child<QGroupBox>(window.get(), "fraReverseNetwork")->isVisible());
    QGroupBox* jumpers = Child<QGroupBox>(window.get(), "frmJumpers");
    QVERIFY(jumpers->isVisible());
    QCOMPARE(jumpers->title(), QString("J2.2 Jumpers Settings"));
    QCOMPARE(Child<QLabel>(window.get(), "lblJumperOn")->text(), QString("Jumper ON = 57600"));
    QCOMPARE(Child<QLabel>(window.get(), "lblJumperOff")->text(), QString("Jumper OFF = 115200"));
    QVERIFY(Child<QFrame>(window.get(), "shpJumperOn")->isVisible());
    QVERIFY(Child<QFrame>(window.get(), "shpJumperOff")->isVisible());
    QCOMPARE(Child<QLabel>(window.get(), "lblRequest")->text(), QString(" Processing Request (Press ESC to Cancel)"));
    QCOMPARE(Child<QPushButton>(window.get(), "cmdProgramPellar2")->text(), QString("Program QM270"));
  }

  void serviceKeyShowsTheIPOnlyBox() {
    auto window = Open();
    QTest::keyClick(Edit(window.get(), "txtIPAddress"), QM270Window::kIPOnlyKey);
    QVERIFY(Child<QCheckBox>(window.get(), "chkIPOnly")->isVisible());
  }

  void reversePortLimit_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("kept");
    QTest::newRow("9999") << "9999" << true << "9999";
    QTest::newRow("10000") << "10000" << false << "10000";
    QTest::newRow("empty") << "" << true << "0";
  }
  void reversePortLimit() {
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    auto window = Open();
    SaveReverse(window.get(), typed);
    QCOMPARE(m_boxes->Count(), accepted ? 0 : 1);
    if (!accepted) {
      QCOMPARE(m_boxes->Last().title, QString("Reverse Network Port Number"));
      QCOMPARE(m_boxes->Last().text, QString("Invalid Port Number"));
    }
    QCOMPARE(Child<QGroupBox>(window.get(), "fraReverseNetwork")->isVisible(), !accepted);
    QTEST(Edit(window.get(), "txtReverseNetworkPort")->text(), "kept");
    QCOMPARE(window->Inputs().reverse.saved, accepted);
  }

  void saveShowsOrHidesTheKeyAndBaudControls_data() {
    QTest::addColumn<bool>("ipOnly");
    QTest::newRow("full run") << false;
    QTest::newRow("IP-only") << true;
  }
  void saveShowsOrHidesTheKeyAndBaudControls() {
    QFETCH(bool, ipOnly);
    auto window = Open();
    QTest::keyClick(window.get(), QM270Window::kIPOnlyKey);
    Child<QCheckBox>(window.get(), "chkIPOnly")->setChecked(ipOnly);
    Edit(window.get(), "txtEncryptionKey")->setText(kKey);
    SaveReverse(window.get(), "3100");
    for (const char* name : {"txtEncryptionKey", "lblEncryptionKey", "lblCommBaudRate"}) {
      QCOMPARE(Child<QWidget>(window.get(), name)->isVisible(), !ipOnly);
    }
    QCOMPARE(Child<QComboBox>(window.get(), "cmbPortSpeed")->isVisible(), !ipOnly);
    for (const char* name : {"optEncryption_0", "optEncryption_1", "optEncryption_2"}) {
      QCOMPARE(Child<QRadioButton>(window.get(), name)->isVisible(), !ipOnly);
    }
    QVERIFY(Edit(window.get(), "txtEncryptionKey")->text().isEmpty());
  }

  void reverseQuestions_data() {
    QTest::addColumn<bool>("clear");
    QTest::newRow("No, then clear") << true;
    QTest::newRow("No, then keep") << false;
  }
  void reverseQuestions() {
    QFETCH(bool, clear);
    auto window = Open();
    SaveReverse(window.get(), "3100");
    Edit(window.get(), "txtEncryptionKey")->setText(kKey);
    Edit(window.get(), "txtIPAddress")->setText("10.1.2.3");
    AnswerInTurn({QMessageBox::No, clear ? QMessageBox::Yes : QMessageBox::No});
    Click(window.get(), "cmdProgramPellar2");
    QCOMPARE(m_turnBoxes.size(), 2);
    QCOMPARE(m_turnBoxes[0].title, QString("Reverse Network Settings"));
    QCOMPARE(m_turnBoxes[0].text,
             QString("This QM270 will be programmed as Reverse Network Settings\r\n\r\nDo you wish to continue?"));
    QCOMPARE(m_turnBoxes[0].defaultButton, QMessageBox::No);
    QCOMPARE(m_turnBoxes[1].title, QString("Clear Reverse Network Settings"));
    QCOMPARE(m_turnBoxes[1].text, QString("Do you want to clear the Reverse Network Settings?"));
    QVERIFY(!window->RunActive());
    QVERIFY(m_links->Made().isEmpty());
    QCOMPARE(window->Inputs().reverse.saved, !clear);
    QCOMPARE(Edit(window.get(), "txtEncryptionKey")->isVisible(), !clear);
    if (clear) {
      QCOMPARE(Edit(window.get(), "txtReverseNetworkPort")->text(), QString("0"));
      QVERIFY(Edit(window.get(), "txtEncryptionKey")->text().isEmpty());
    }
  }

  void validation_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("gateway");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::newRow("missing address") << ""
                                     << ""
                                     << "Missing IP Address"
                                     << "txtIPAddress";
    QTest::newRow("invalid address") << "10.1.2.300"
                                     << ""
                                     << "Invalid IP Address"
                                     << "txtIPAddress";
    QTest::newRow("invalid gateway") << "10.1.2.3"
                                     << "10.1.2"
                                     << "Invalid Gateway Address"
                                     << "txtGateway";
  }
  void validation() {
    QFETCH(QString, address);
    QFETCH(QString, gateway);
    QFETCH(QString, focus);
    auto window = Open();
    Edit(window.get(), "txtIPAddress")->setText(address);
    Edit(window.get(), "txtGateway")->setText(gateway);
    Click(window.get(), "cmdProgramPellar2");
    QCOMPARE(m_boxes->Count(), 1);
    QTEST(m_boxes->Last().text, "message");
    QCOMPARE(m_boxes->Last().title, QString("Ping PELLAR Device"));
    QVERIFY(m_links->Made().isEmpty());
    QVERIFY(Child<QPushButton>(window.get(), "cmdProgramPellar2")->isEnabled());
    QTRY_COMPARE(QApplication::focusWidget(), Child<QWidget>(window.get(), qPrintable(focus)));
  }

  // An empty key would set the module to AES with no key: refused at the
  // Program button, before anything is sent.
  void reverseRunRefusesAnEmptyKey() {
    auto window = Open();
    SaveReverse(window.get(), "3100");
    Edit(window.get(), "txtIPAddress")->setText("10.1.2.3");
    m_boxes.reset();
    m_boxes = std::make_unique<MessageBoxRecorder>(QMessageBox::Yes);
    Click(window.get(), "cmdProgramPellar2");
    QCOMPARE(m_boxes->Count(), 2);
    QCOMPARE(m_boxes->Last().title, QString("Invalid Data Encryption Key"));
    QCOMPARE(m_boxes->Last().text, QString("Encryption Key must be 32 characters long"));
    QVERIFY(!window->RunActive());
    QVERIFY(m_links->Made().isEmpty());
    QTRY_COMPARE(QApplication::focusWidget(), Child<QWidget>(window.get(), "txtEncryptionKey"));
    QVERIFY(Child<QPushButton>(window.get(), "cmdProgramPellar2")->isEnabled());
  }

  // A short key typed and Program clicked: the reverse question, then the
  // key's message once. Leaving the key for the button is no check of its
  // own, so no box opens over the question nor comes twice.
  void oneMessageAtATime() {
    auto window = Open();
    SaveReverse(window.get(), "3100");
    Edit(window.get(), "txtIPAddress")->setText("10.1.2.3");
    QLineEdit* key = Edit(window.get(), "txtEncryptionKey");
    key->setFocus();
    QTest::keyClicks(key, "0011");
    m_boxes.reset();
    m_boxes = std::make_unique<MessageBoxRecorder>(QMessageBox::Yes);
    m_boxes->RunEventsWhileOpen();
    Click(window.get(), "cmdProgramPellar2");
    QTest::qWait(100);
    QCOMPARE(m_boxes->Titles(), (QStringList{"Reverse Network Settings", "Invalid Data Encryption Key"}));
    QVERIFY(!m_boxes->Overlapped());
    QVERIFY(!window->RunActive());
  }

  // The window widens for the key box and gives the width back once the
  // cleared settings hide it.
  void widthFollowsTheKeyBox() {
    auto window = Open();
    const int narrow = window->width();
    SaveReverse(window.get(), "3100");
    QTRY_VERIFY(window->width() > narrow);
    AnswerInTurn({QMessageBox::No, QMessageBox::Yes});
    Click(window.get(), "cmdProgramPellar2");
    QVERIFY(!Edit(window.get(), "txtEncryptionKey")->isVisible());
    QTRY_COMPARE(window->width(), narrow);
    QCOMPARE(window->height(), window->sizeHint().height());
  }

  void escapeDuringTheBootCatchCancels() {
    m_links.emplace(XPortAr(false));
    auto window = Open();
    Edit(window.get(), "txtIPAddress")->setText("10.1.2.3");
    Click(window.get(), "cmdProgramPellar2");
    QTRY_VERIFY(m_links->Written().contains("!!!"));
    QCOMPARE(m_boxes->Boxes().first().title, QString("Program QM270 Device via Serial Connection"));
    QVERIFY(m_boxes->Boxes().first().text.startsWith(
        "You must now connect your serial cable from your computers port # 1 to the QM270 Device.\r\n\r\n"
        "Ensure that the QM270\u2019s system configuration jumpers J2.10 and J2.11 are on."));
    QVERIFY(!Child<QPushButton>(window.get(), "cmdExit")->isEnabled());
    QTest::keyClick(window.get(), Qt::Key_Escape);
    QTRY_VERIFY(!window->RunActive());
    QCOMPARE(m_boxes->Last().title, QString("Cancel QM270 Program"));
    QCOMPARE(m_boxes->Last().text, QString("Cancelled QM270 Programming"));
    QVERIFY(window->isVisible());
    QVERIFY(Child<QPushButton>(window.get(), "cmdProgramPellar2")->isEnabled());
    QVERIFY(!Child<QLabel>(window.get(), "lblRequest")->isVisible());
    QCOMPARE(m_links->Written().count('!'), m_links->Written().size());
  }

  void failedProductCheckKeepsTheWindow() {
    m_links.emplace(XPortAr(true, "ok"));
    auto window = Open();
    Edit(window.get(), "txtIPAddress")->setText("10.1.2.3");
    Click(window.get(), "cmdProgramPellar2");
    QTRY_VERIFY_WITH_TIMEOUT(!window->RunActive(), 10000);
    QCOMPARE(m_boxes->Last().title, QString("Cancel QM270 Program"));
    QCOMPARE(m_boxes->Last().text,
             QString("Cancelled QM270 Programming, Missing or Invalid Product Information Returned"));
    QVERIFY(window->isVisible());
    QVERIFY(m_links->Written().endsWith("xyzshow\r"));
    QVERIFY(Child<QPushButton>(window.get(), "cmdProgramPellar2")->isEnabled());
    QVERIFY(Child<QLabel>(window.get(), "lblInfo")->text().isEmpty());
  }

  void completedRunShowsTheProductAndUnloads() {
    auto window = Open();
    Edit(window.get(), "txtIPAddress")->setText("10.1.2.3");
    Child<QComboBox>(window.get(), "cmbSubnet")->setCurrentIndex(1);
    Click(window.get(), "cmdProgramPellar2");
    QTRY_COMPARE_WITH_TIMEOUT(
        Child<QLabel>(window.get(), "lblChipVersion")->text(),
        QString("Product Type        : XPort AR (0x6C)\nFW Version / Date   : 6.1.0.0 / Jan 10 2026\n"), 10000);
    QTRY_VERIFY_WITH_TIMEOUT(!window->isVisible(), 20000);
    QCOMPARE(m_boxes->Last().text, QString("Your QM270 Device has been configured, please remove the serial connection "
                                           "from the QM270 Device and reset the QM270 Device"));
    QCOMPARE(m_host.pingBox, QString("010.001.002.003"));
    QVERIFY(m_links->Written().contains("ip address 010.001.002.003 255.255.0.0\r"));
    QVERIFY(m_links->Written().endsWith("write\rexit\rwrite\rexit\rreload\r"));
  }

  // A stored pause the number format cannot read fails an English run with
  // the error report (with the regional hint on a computer set for another
  // language); a French run never reads the store.
  void frenchUserHasFixedPauses_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("completes");
    QTest::newRow("English") << int(kEnglishOffset) << false;
    QTest::newRow("French") << int(kFrenchOffset) << true;
  }
  void frenchUserHasFixedPauses() {
    QFETCH(int, language);
    QFETCH(bool, completes);
    StoreSetting(kProgramWaitName, "half a second");
    LanguageOffset = language;
    SystemLocaleID = 1036;
    auto window = Open();
    Edit(window.get(), "txtIPAddress")->setText("10.1.2.3");
    Click(window.get(), "cmdProgramPellar2");
    QTRY_VERIFY_WITH_TIMEOUT(!window->isVisible(), 20000);
    if (completes) {
      QCOMPARE(m_boxes->Last().title, QString("Program QM270 Device via Serial Connection"));
    } else {
      QVERIFY2(m_boxes->Last().text.contains("Procedure: QM270 Program"), qPrintable(m_boxes->Last().text));
      QVERIFY(
          m_boxes->Last().text.contains("This computer appears to be set for another regional and language option."));
      QVERIFY(m_host.pingBox.isEmpty());
    }
    SystemLocaleID = 0;
  }
};

QTEST_MAIN(TestQM270Window)
#include "tst_qm270_window.moc"
