// frmQM270XPico, where it differs from frmQM270: its controls at load, the
// key options after the reverse frame's Save (and after clearing), letters
// as the reverse port, the order of the Program button's checks with the
// key checked whenever a size is chosen, ESC in either boot catch, and a
// completed run against a fake XPico. Links are fake modules; no packet
// leaves the test.

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <atomic>
#include <memory>

#include "controller/qm270_xpico_window.h"
#include "programming_window_test.h"

using namespace dorvane;
using namespace dorvane::testing;

namespace {

const QString kKey = "00112233445566778899AABBCCDDEEFF";
const QByteArray kBanner =
    "*** XPICO ***\r\nMAC address 00204A123456\r\nSoftware version V6.10.0.0 (260101)\r\n\r\n"
    "Press Enter for Setup Mode\r\n";

// An XPico that announces its setup mode on the first "x" when it boots
// (once: after the restart "RS" asks for it stays silent), or never.
FakeModule XPico(bool boots = true) {
  auto greeted = std::make_shared<std::atomic<bool>>(!boots);
  FakeModule module;
  module.answer = [greeted](const QByteArray& written) {
    if (written == "x" && !greeted->exchange(true)) return QList<QByteArray>{kBanner};
    return QList<QByteArray>{};
  };
  return module;
}

}  // namespace

class TestQM270XPicoWindow : public ProgrammingWindowTest<QM270XPicoWindow> {
  Q_OBJECT

  std::unique_ptr<QM270XPicoWindow> Open() {
    auto window = ProgrammingWindowTest::Open();
    Edit(window.get(), "txtIPAddress")->setText("10.1.2.3");
    return window;
  }
  QStringList TurnTitles() const {
    QStringList titles;
    for (const MessageBoxRequest& box : m_turnBoxes) titles << box.title;
    return titles;
  }
  static QRadioButton* Option(const QWidget* window, int index) {
    return Child<QRadioButton>(window, qPrintable(QString("optEncryption_%1").arg(index)));
  }

 private slots:
  void initTestCase() {
    qputenv("LANG", "en_US.UTF-8");
    // The record step alone waits 14 seconds.
    qputenv("DORVANE_TIME_SCALE", "0.02");
  }
  void init() { ResetFixture(FakeLinks(XPico())); }
  void cleanup() { CleanupFixture(); }

  void opensWithItsOwnControls() {
    auto window = Open();
    QCOMPARE(window->objectName(), QString("frmQM270XPico"));
    QCOMPARE(window->windowTitle(), QString(" QM270 Rev. B  Program Settings"));
    QComboBox* masks = Child<QComboBox>(window.get(), "cmbSubnet");
    QCOMPARE(masks->count(), 17);
    QCOMPARE(masks->itemText(0), QString("255.255.255.000"));
    QCOMPARE(masks->itemText(16), QString("255.255.128.000"));
    QComboBox* ethernet = Child<QComboBox>(window.get(), "cmbEthernet");
    QVERIFY(ethernet->isVisible());
    QCOMPARE(ethernet->count(), 5);
    QCOMPARE(ethernet->currentText(), QString("Automatic negotiation"));
    QCOMPARE(Child<QLabel>(window.get(), "lblEthernet")->text(), QString(" Ethernet Connection Type"));
    QCheckBox* discovery = Child<QCheckBox>(window.get(), "chk77FE");
    QVERIFY(discovery->isVisible() && discovery->isChecked());
    QCOMPARE(discovery->text(), QString("Disable Discovery Port 77FE"));
    for (int i = 0; i < 4; ++i) QVERIFY(Option(window.get(), i)->isVisible());
    QVERIFY(Option(window.get(), 3)->isChecked());
    QVERIFY(!Edit(window.get(), "txtEncryptionKey")->isVisible());
    QCOMPARE(Child<QLabel>(window.get(), "lblEncryptionKey")->text(), QString(" Data Encryption Key"));
    QCOMPARE(Child<QGroupBox>(window.get(), "frmJumpers")->title(), QString("S1.2  DIP Switch Settings"));
    QCOMPARE(Child<QLabel>(window.get(), "lblJumperOn")->text(), QString("Switch ON = 57600"));
    QCOMPARE(Child<QLabel>(window.get(), "lblJumperOff")->text(), QString("Switch OFF = 115200"));
    QPushButton* program = Child<QPushButton>(window.get(), "cmdProgramPellar2");
    QCOMPARE(program->text(), QString("Program QM270 Rev. B"));
    QCOMPARE(program->toolTip(), QString("Start Programming PELLAR"));
    QCOMPARE(Child<QPushButton>(window.get(), "cmdExit")->toolTip(), QString("Exit PELLAR Programming Tool"));
    QVERIFY(!Child<QLabel>(window.get(), "lblDateTime")->text().isEmpty());
    QCheckBox* defaultOnly = Child<QCheckBox>(window.get(), "chkDefaultOnly");
    QVERIFY(!defaultOnly->isVisible());
    QVERIFY(defaultOnly->toolTip().isEmpty());
    QTest::keyClick(Edit(window.get(), "txtIPAddress"), QM270XPicoWindow::kIPOnlyKey);
    QVERIFY(defaultOnly->isVisible());
    // The XPort AR's IP-only box is no control of this window.
    QVERIFY(!window->findChild<QWidget*>("chkIPOnly"));
  }

  // Reverse settings are always encrypted: Save picks "128 Bit" and takes
  // "No Encryption" away for good, also once the settings are cleared.
  void saveTakesNoEncryptionAway() {
    auto window = Open();
    SaveReverse(window.get(), "3100");
    QVERIFY(Option(window.get(), 0)->isChecked());
    QVERIFY(!Option(window.get(), 3)->isEnabled());
    QLineEdit* key = Edit(window.get(), "txtEncryptionKey");
    QVERIFY(key->isVisible());
    QCOMPARE(key->maxLength(), 32);
    QVERIFY(window->Inputs().dataKey);
    QCOMPARE(window->Inputs().dataKey->size, KeySize::Bits128);

    Option(window.get(), 2)->click();
    AnswerInTurn({QMessageBox::No, QMessageBox::Yes});
    Click(window.get(), "cmdProgramPellar2");
    QCOMPARE(TurnTitles(), QStringList({"Reverse Network Settings", "Clear Reverse Network Settings"}));
    QVERIFY(!window->Inputs().reverse.saved);
    QCOMPARE(Edit(window.get(), "txtReverseNetworkPort")->text(), QString("0"));
    QVERIFY(Option(window.get(), 2)->isChecked());
    QVERIFY(!Option(window.get(), 3)->isEnabled());
    QVERIFY(key->isVisible());
    QVERIFY(m_links->Made().isEmpty());
  }

  // The port box takes any character; Save refuses what is not a port.
  void reversePortCheck_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("letters") << "abc" << false;
    QTest::newRow("digits and letters") << "31a0" << false;
    QTest::newRow("65536") << "65536" << false;
    QTest::newRow("65535") << "65535" << true;
  }
  void reversePortCheck() {
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    auto window = Open();
    Click(window.get(), "cmdReverseNetworkPort");
    QLineEdit* port = Edit(window.get(), "txtReverseNetworkPort");
    port->clear();
    QTest::keyClicks(port, typed);
    QCOMPARE(port->text(), typed);
    Click(window.get(), "cmdReverseSave");
    QCOMPARE(m_boxes->Count(), accepted ? 0 : 1);
    QCOMPARE(window->Inputs().reverse.saved, accepted);
    QCOMPARE(Child<QGroupBox>(window.get(), "fraReverseNetwork")->isVisible(), !accepted);
    if (!accepted) {
      QCOMPARE(m_boxes->Last().title, QString("Reverse Network Port Number"));
      QCOMPARE(m_boxes->Last().text, QString("Invalid Port Number"));
      QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(port));
    }
  }

  // Port first, then the reverse questions, then the key, which is checked
  // whenever a size is chosen; each refusal stops the click before any link.
  void startChecksInOrder_data() {
    QTest::addColumn<bool>("portSelected");
    QTest::addColumn<bool>("reverse");
    QTest::addColumn<int>("size");  // an option, 3 for No Encryption
    QTest::addColumn<QMessageBox::StandardButton>("reverseAnswer");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QString>("focus");
    QTest::newRow("no port") << false << true << 0 << QMessageBox::Yes << QStringList{"Missing Information"}
                             << "cmbPort";
    QTest::newRow("reverse declined") << true << true << 0 << QMessageBox::No
                                      << QStringList{"Reverse Network Settings", "Clear Reverse Network Settings"}
                                      << "";
    QTest::newRow("reverse, empty key") << true << true << 0 << QMessageBox::Yes
                                        << QStringList{"Reverse Network Settings", "Invalid Data Encryption Key"}
                                        << "txtEncryptionKey";
    QTest::newRow("no reverse, 192 Bit, empty key")
        << true << false << 1 << QMessageBox::Yes << QStringList{"Invalid Data Encryption Key"} << "txtEncryptionKey";
  }
  void startChecksInOrder() {
    QFETCH(bool, portSelected);
    QFETCH(bool, reverse);
    QFETCH(int, size);
    QFETCH(QMessageBox::StandardButton, reverseAnswer);
    QFETCH(QString, focus);
    auto window = Open();
    if (reverse) SaveReverse(window.get(), "3100");
    Option(window.get(), size)->click();
    if (!portSelected) Child<QComboBox>(window.get(), "cmbPort")->setCurrentIndex(-1);
    AnswerInTurn({reverseAnswer, QMessageBox::No});
    Click(window.get(), "cmdProgramPellar2");
    QTEST(TurnTitles(), "titles");
    if (m_turnBoxes.last().title == "Invalid Data Encryption Key") {
      QCOMPARE(m_turnBoxes.last().text, QString("Encryption Key must be %1 characters long").arg(size == 1 ? 48 : 32));
    }
    QVERIFY(!window->RunActive());
    QVERIFY(m_links->Made().isEmpty());
    QVERIFY(Child<QPushButton>(window.get(), "cmdProgramPellar2")->isEnabled());
    if (!focus.isEmpty()) QTRY_COMPARE(QApplication::focusWidget(), Child<QWidget>(window.get(), qPrintable(focus)));
  }

  // ESC in the first catch (a module that never announces itself) or in the
  // second, after the record block and "RS" (one that announces itself
  // only once): the run ends, the window stays ready.
  void escapeInEitherBootCatch_data() {
    QTest::addColumn<bool>("reverse");
    QTest::newRow("first catch") << false;
    QTest::newRow("second catch") << true;
  }
  void escapeInEitherBootCatch() {
    QFETCH(bool, reverse);
    m_links.emplace(XPico(reverse));
    auto window = Open();
    if (reverse) {
      SaveReverse(window.get(), "3100");
      Edit(window.get(), "txtEncryptionKey")->setText(kKey);
    }
    AnswerInTurn(reverse ? QList{QMessageBox::Yes} : QList<QMessageBox::StandardButton>{});
    Click(window.get(), "cmdProgramPellar2");
    const QByteArray catching = reverse ? QByteArray("RS\rxxx") : QByteArray("xxx");
    QTRY_VERIFY_WITH_TIMEOUT(m_links->Written().contains(catching), 10000);
    QVERIFY(!Child<QPushButton>(window.get(), "cmdExit")->isEnabled());
    QTest::keyClick(window.get(), Qt::Key_Escape);
    QTRY_VERIFY(!window->RunActive());
    QCOMPARE(m_turnBoxes.last().title, QString("Cancel QM270 Rev. B Program"));
    QCOMPARE(m_turnBoxes.last().text, QString("Cancelled QM270 Rev. B Programming"));
    QVERIFY(window->isVisible());
    QVERIFY(Child<QPushButton>(window.get(), "cmdProgramPellar2")->isEnabled());
    QVERIFY(!Child<QLabel>(window.get(), "lblRequest")->isVisible());
    QByteArray written = m_links->Written();
    if (reverse) {
      QVERIFY(written.contains("\\n\rRS\r"));
      written = written.mid(written.indexOf("RS\r") + 3);
    }
    // Nothing of the menu: only the catch's keystrokes.
    QCOMPARE(written.count('x'), written.size());
  }

  void completedRunShowsTheFirmwareAndUnloads() {
    auto window = Open();
    Child<QComboBox>(window.get(), "cmbEthernet")->setCurrentIndex(1);
    Click(window.get(), "cmdProgramPellar2");
    QTRY_COMPARE_WITH_TIMEOUT(Child<QLabel>(window.get(), "lblChipVersion")->text(),
                              QString("Software version V6.10.0.0"), 10000);
    QTRY_VERIFY_WITH_TIMEOUT(!window->isVisible(), 30000);
    QCOMPARE(m_boxes->Boxes().first().title, QString("Program QM270 Rev. B Device via Serial Connection"));
    QCOMPARE(m_boxes->Last().title, QString("Program QM270 Rev. B Device via Serial Connection"));
    QCOMPARE(m_boxes->Last().text,
             QString("Your QM270 Device has been configured, please remove the serial connection from the QM270 Rev. B "
                     "Device and press the reset button on the QM270 Rev. B Device"));
    QCOMPARE(m_host.pingBox, QString("010.001.002.003"));
    const QByteArray written = m_links->Written();
    QVERIFY(!written.contains("RS\r"));
    QVERIFY(written.contains("010\r001\r002\r003\rY000\r000\r000\r000\r"));
    // No encryption, and the Ethernet list's second entry as the module's 2.
    QVERIFY(written.contains("500\rN2\r\r"));
    QVERIFY(written.endsWith("6\rYNNYYYYNNY\r9\r"));
  }
};

QTEST_MAIN(TestQM270XPicoWindow)
#include "tst_qm270_xpico_window.moc"
