// frmPellarWireless and frmPellarWirelessEncrypted: their lists and
// defaults, the topology and suite tables, the key box's width, filter and
// checks with their boxes, the check order of the Program button, the
// reverse questions and the data key. Runs go to a fake module on a serial
// link; nothing leaves the test.

#include <QCheckBox>
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
#include "boards/pellar_wireless_encrypted_window.h"
#include "boards/pellar_wireless_window.h"
#include "programming_window_test.h"

using namespace dorvane;
using namespace dorvane::testing;

namespace {

const QString kDataKey = "00112233445566778899AABBCCDDEEFF";

QComboBox* List(const QWidget* window, const char* name) { return Child<QComboBox>(window, name); }
// The installer's choice in a list: its click handler runs.
void Choose(const QWidget* window, const char* list, int index) {
  QComboBox* box = List(window, list);
  box->setCurrentIndex(index);
  emit box->activated(index);
}
QStringList Items(const QComboBox* list) {
  QStringList items;
  for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
  return items;
}

// A module that greets after the first "x" and takes everything.
FakeModule WakingModule() {
  FakeModule module;
  module.answer = [](const QByteArray& written) {
    if (written != "x") return QList<QByteArray>{};
    return QList<QByteArray>{
        "MAC address 00204A123456\r\nSoftware version V6.10.0. (260101)\r\n\r\nPress Enter for Setup Mode\r\n"};
  };
  return module;
}

}  // namespace

// Opens either window (Open<PellarWirelessEncryptedWindow>() the encrypted one).
class TestPellarWirelessWindow : public ProgrammingWindowTest<PellarWirelessWindow> {
  Q_OBJECT

  // Infrastructure, the suite and a key; the address filled in.
  template <typename Window>
  std::unique_ptr<Window> Ready(int suite, int change, const QString& key) {
    auto window = Open<Window>();
    Edit(window.get(), "txtIPAddress")->setText("10.1.2.3");
    Edit(window.get(), "txtNetworkName")->setText("office");
    Choose(window.get(), "cmbSecurity", suite);
    Choose(window.get(), "cmbChangeKey", change);
    Edit(window.get(), "txtEncryptionKey")->setText(key);
    return window;
  }
  // Program, and the run's end (the window unloads after a completed run).
  static bool RunToEnd(ProgrammingWindow* window) {
    Click(window, "cmdProgramPellar2");
    return QTest::qWaitFor([window] { return !window->RunActive() && !window->isVisible(); }, 60000);
  }

 private slots:
  void initTestCase() {
    qputenv("LANG", "en_US.UTF-8");
    qputenv("DORVANE_TIME_SCALE", "0.01");
    // The fake module answers whatever the entries reach.
    qputenv("DORVANE_COM1", "/dev/pellar-test-com1");
    qputenv("DORVANE_COM3", "/dev/pellar-test-com3");
  }
  void init() { ResetFixture(FakeLinks(WakingModule())); }
  void cleanup() { CleanupFixture(); }

  void opensWithItsDefaults() {
    auto window = Open<PellarWirelessWindow>();
    QCOMPARE(window->objectName(), QString("frmPellarWireless"));
    QCOMPARE(window->windowTitle(), QString(" PELLAR Wireless Program Settings"));
    QComboBox* ports = List(window.get(), "cmbPort");
    QCOMPARE(ports->count(), 16);
    QCOMPARE(ports->itemText(0), QString("Comm Port 1"));
    QCOMPARE(ports->itemText(15), QString("Comm Port 16"));
    QCOMPARE(Items(List(window.get(), "cmbPortSpeed")),
             (QStringList{"1200", "2400", "9600", "19200", "38400", "57600", "115200"}));
    QCOMPARE(List(window.get(), "cmbPortSpeed")->currentText(), QString("57600"));
    QCOMPARE(List(window.get(), "cmbTopology")->currentText(), QString("Infrastructure"));
    QCOMPARE(List(window.get(), "cmbNetworkChannel")->count(), 11);
    QVERIFY(!List(window.get(), "cmbNetworkChannel")->isEnabled());
    QVERIFY(!Child<QLabel>(window.get(), "lblNetworkChannel")->isEnabled());
    QCOMPARE(List(window.get(), "cmbSecurity")->currentText(), QString("None"));
    QVERIFY(!Child<QGroupBox>(window.get(), "fraSecurity")->isEnabled());
    QCOMPARE(List(window.get(), "cmbChangeKey")->currentText(), QString("No"));
    QCOMPARE(List(window.get(), "cmbTXDataRateFixed")->currentText(), QString("Auto fallback"));
    QCOMPARE(List(window.get(), "cmbTXDataRate")->currentText(), QString("11 Mbps"));
    QCOMPARE(Edit(window.get(), "txtEncryptionKey")->maxLength(), 64);
    QCOMPARE(Child<QLabel>(window.get(), "lblTopology")->text(), QString(" Topology"));
    QCOMPARE(Child<QGroupBox>(window.get(), "fraSecurity")->title(), QString("Wireless Security Settings"));
    QCOMPARE(List(window.get(), "cmbTopology")->toolTip(), QString("Enter topology"));
    QVERIFY(!Child<QCheckBox>(window.get(), "chkDefaultOnly")->isVisible());
    // The encrypted window's controls are none of this window's.
    for (const char* other : {"cmdReverseNetworkPort", "fraReverseNetwork", "txtDataEncryptionKey"}) {
      QVERIFY2(!window->findChild<QWidget*>(other), other);
    }
    QTest::keyClick(window.get(), PellarWirelessWindow::kDefaultOnlyKey);
    QVERIFY(Child<QCheckBox>(window.get(), "chkDefaultOnly")->isVisible());
  }

  // SetTopology and the suite choice: which fields each suite enables.
  void topologyAndSuiteTables() {
    auto window = Open<PellarWirelessWindow>();
    QWidget* w = window.get();
    Choose(w, "cmbTopology", 1);
    QCOMPARE(Items(List(w, "cmbSecurity")), (QStringList{"None", "WEP"}));
    QVERIFY(List(w, "cmbNetworkChannel")->isEnabled());
    QCOMPARE(List(w, "cmbNetworkChannel")->currentText(), QString("1"));

    Choose(w, "cmbSecurity", 1);
    QVERIFY(Child<QGroupBox>(w, "fraSecurity")->isEnabled());
    QCOMPARE(Items(List(w, "cmbEncryption")), (QStringList{"WEP 64", "WEP 128"}));
    QCOMPARE(List(w, "cmbChangeKey")->currentIndex(), 0);
    for (const char* on : {"cmbAuthentication", "cmbEncryption", "cmbChangeKey", "cmbTXKeyIndex"}) {
      QVERIFY2(List(w, on)->isEnabled(), on);
    }
    QVERIFY(Edit(w, "txtEncryptionKey")->isEnabled());

    Choose(w, "cmbTopology", 0);
    QCOMPARE(Items(List(w, "cmbSecurity")), (QStringList{"None", "WEP", "WPA", "WPA 2/802.11i"}));
    QVERIFY(!List(w, "cmbNetworkChannel")->isEnabled());
    QVERIFY(!Child<QGroupBox>(w, "fraSecurity")->isEnabled());
    Choose(w, "cmbSecurity", 3);
    QCOMPARE(Items(List(w, "cmbEncryption")), (QStringList{"CCMP", "CCMP+TKIP", "CCMP+WEP", "TKIP", "TKIP+WEP"}));
    QVERIFY(!List(w, "cmbAuthentication")->isEnabled());
    QVERIFY(!List(w, "cmbTXKeyIndex")->isEnabled());
    QVERIFY(!Child<QLabel>(w, "lblTXKeyIndex")->isEnabled());
    QVERIFY(List(w, "cmbEncryption")->isEnabled() && List(w, "cmbChangeKey")->isEnabled());
    Choose(w, "cmbSecurity", 2);
    QCOMPARE(Items(List(w, "cmbEncryption")), (QStringList{"TKIP", "TKIP+WEP"}));
  }

  void keyWidthFollowsTheChoices() {
    auto window = Open<PellarWirelessWindow>();
    QWidget* w = window.get();
    QLineEdit* key = Edit(w, "txtEncryptionKey");
    Choose(w, "cmbSecurity", 1);
    QCOMPARE(key->maxLength(), 10);
    QCOMPARE(key->toolTip(), QString("10 Hexadecimal characters (0-9, A-F)"));
    Choose(w, "cmbEncryption", 1);
    QCOMPARE(key->maxLength(), 26);
    Choose(w, "cmbChangeKey", 1);
    QCOMPARE(key->maxLength(), 63);
    QCOMPARE(key->toolTip(),
             QString("Strongly recommended to use a passphrase of 20 characters or more, 63 characters maximum."));
    key->setText("typed");
    Choose(w, "cmbChangeKey", 2);
    QVERIFY(key->text().isEmpty());
    QVERIFY(!key->isEnabled() && !Child<QLabel>(w, "lblEncryptionKey")->isEnabled());
    QCOMPARE(key->maxLength(), 63);  // "No" changes no width
    Choose(w, "cmbSecurity", 3);
    QCOMPARE(key->maxLength(), 64);
    QCOMPARE(key->toolTip(), QString("64 Hexadecimal characters (0-9, A-F)"));
  }

  // Only a hexadecimal key is filtered.
  void hexFilter_data() {
    QTest::addColumn<int>("change");
    QTest::addColumn<QString>("typed");
    QTest::newRow("hexadecimal") << 0 << "0AB9F";
    QTest::newRow("passphrase") << 1 << "0aAbz-B9F";
  }
  void hexFilter() {
    QFETCH(int, change);
    auto window = Open<PellarWirelessWindow>();
    Choose(window.get(), "cmbSecurity", 3);
    Choose(window.get(), "cmbChangeKey", change);
    QLineEdit* key = Edit(window.get(), "txtEncryptionKey");
    key->setFocus();
    QTest::keyClicks(key, "0aAbz-B9F");
    QTEST(key->text(), "typed");
  }

  // Leaving the box: a short hexadecimal key says so and takes the focus
  // back; an empty one says nothing.
  void keyCheckOnLeaving() {
    auto window = Open<PellarWirelessWindow>();
    QWidget* w = window.get();
    Choose(w, "cmbSecurity", 1);
    QLineEdit* key = Edit(w, "txtEncryptionKey");
    key->setFocus();
    Edit(w, "txtNetworkName")->setFocus();
    QTest::qWait(50);
    QCOMPARE(m_boxes->Count(), 0);
    key->setFocus();
    key->setText("01234");
    Edit(w, "txtNetworkName")->setFocus();
    QTRY_COMPARE(m_boxes->Count(), 1);
    QCOMPARE(m_boxes->Last().title, QString("Invalid Wireless Encryption Key"));
    QCOMPARE(m_boxes->Last().text, QString("Encryption Key must be 10 characters long"));
    QCOMPARE(m_boxes->Last().icon, BoxIcon::Critical);
    QTRY_COMPARE(QApplication::focusWidget(), key);
  }

  // The key is checked first: a short one stops the run before anything
  // else, even a missing address; a longer one is cut and sent.
  void programChecksTheKeyFirst() {
    auto window = Ready<PellarWirelessWindow>(1, 0, "0123456789ABCDEF012345678");
    Choose(window.get(), "cmbEncryption", 1);
    Edit(window.get(), "txtEncryptionKey")->setText("0123456789ABCDEF012345678");
    Edit(window.get(), "txtIPAddress")->clear();
    Click(window.get(), "cmdProgramPellar2");
    QCOMPARE(m_boxes->Count(), 1);
    QCOMPARE(m_boxes->Last().text, QString("Encryption Key must be 26 characters long"));
    QVERIFY(!window->RunActive());
    QVERIFY(Child<QPushButton>(window.get(), "cmdProgramPellar2")->isEnabled());
    QVERIFY(m_links->Made().isEmpty());

    Edit(window.get(), "txtEncryptionKey")->setText("0123456789ABCDEF0123456789F");
    Click(window.get(), "cmdProgramPellar2");
    QCOMPARE(m_boxes->Last().text, QString("Missing IP Address"));
    QCOMPARE(Edit(window.get(), "txtEncryptionKey")->text(), QString("0123456789ABCDEF0123456789"));
    QTRY_COMPARE(QApplication::focusWidget(), Edit(window.get(), "txtIPAddress"));
    QVERIFY(m_links->Made().isEmpty());
  }

  // A short passphrase: the warning, then the cable instruction, then the
  // run programs the board with the passphrase as one line.
  void shortPassphraseWarnsAndRuns() {
    auto window = Ready<PellarWirelessWindow>(2, 1, "ten chars!");
    List(window.get(), "cmbPort")->setCurrentIndex(2);
    QVERIFY(RunToEnd(window.get()));
    QVERIFY(m_boxes->Count() >= 3);
    QCOMPARE(m_boxes->Boxes()[0].title, QString("Wireless Encryption Key"));
    QCOMPARE(m_boxes->Boxes()[0].text,
             QString("It is strongly recommended to use a passphrase of 20 characters or more"));
    QCOMPARE(m_boxes->Boxes()[1].title, QString("Program PELLAR Device via Serial Connection"));
    QCOMPARE(m_boxes->Boxes()[1].text, QString("You must now connect your serial cable from your computers port 3 to "
                                               "the PELLAR Device and Power Cycle the PELLAR Device"));
    QCOMPARE(m_boxes->Last().text, QString::fromStdString(LoadText(1044)));
    QVERIFY(m_links->Made().first().startsWith("serial COM3"));
    QVERIFY(m_links->Written().contains("4\r0\roffice\r2\rNY1\rten chars!\r0\r"));
    QCOMPARE(m_host.pingBox, QString("010.001.002.003"));
  }

  void encryptedOpensWithItsAdditions() {
    auto window = Open<PellarWirelessEncryptedWindow>();
    QCOMPARE(window->objectName(), QString("frmPellarWirelessEncrypted"));
    QCOMPARE(window->windowTitle(), QString(" PELLAR Encrypted Wireless Program Settings"));
    QCOMPARE(Items(List(window.get(), "cmbPortSpeed")), (QStringList{"9600", "19200", "38400", "57600", "115200"}));
    QCOMPARE(List(window.get(), "cmbPortSpeed")->currentText(), QString("57600"));
    QLineEdit* key = Edit(window.get(), "txtDataEncryptionKey");
    QVERIFY(key->isVisible());
    QCOMPARE(key->maxLength(), 32);
    QCOMPARE(key->toolTip(), QString("32-Hexadecimal (0-9, A-F)"));
    QCOMPARE(Child<QLabel>(window.get(), "lblDataEncryptionKey")->text(), QString(" PELLAR6 Data Encryption Key"));
    QVERIFY(Child<QRadioButton>(window.get(), "optDataEncryption_0")->isChecked());
    QVERIFY(Child<QPushButton>(window.get(), "cmdReverseNetworkPort")->isVisible());
    QVERIFY(!Child<QGroupBox>(window.get(), "fraReverseNetwork")->isVisible());
    // The wireless key keeps its own name and filter.
    QVERIFY(Edit(window.get(), "txtEncryptionKey") != key);
  }

  // Checked at the run as on leaving: wrong length, the message and the
  // focus, and nothing sent.
  void dataKeyCheckedAtTheRun() {
    auto window = Ready<PellarWirelessEncryptedWindow>(0, 2, "");
    QLineEdit* key = Edit(window.get(), "txtDataEncryptionKey");
    key->setText(kDataKey.left(30));
    Click(window.get(), "cmdProgramPellar2");
    QCOMPARE(m_boxes->Count(), 1);
    QCOMPARE(m_boxes->Last().title, QString("Invalid Data Encryption Key"));
    QCOMPARE(m_boxes->Last().text, QString("Encryption Key must be 32 characters long"));
    QTRY_COMPARE(QApplication::focusWidget(), key);
    QVERIFY(m_links->Made().isEmpty());
    QVERIFY(Child<QPushButton>(window.get(), "cmdProgramPellar2")->isEnabled());
  }

  // The reverse questions after a No: No changes nothing, Yes clears the
  // settings; either way nothing is programmed.
  void reverseQuestions_data() {
    QTest::addColumn<QList<QMessageBox::StandardButton>>("answers");
    QTest::addColumn<bool>("savedAfter");
    QTest::newRow("No, No changes nothing")
        << QList<QMessageBox::StandardButton>{QMessageBox::No, QMessageBox::No} << true;
    QTest::newRow("No, Yes clears") << QList<QMessageBox::StandardButton>{QMessageBox::No, QMessageBox::Yes} << false;
  }
  void reverseQuestions() {
    QFETCH(QList<QMessageBox::StandardButton>, answers);
    QFETCH(bool, savedAfter);
    auto window = Ready<PellarWirelessEncryptedWindow>(0, 2, "");
    Edit(window.get(), "txtDataEncryptionKey")->setText(kDataKey);
    Click(window.get(), "cmdReverseNetworkPort");
    QVERIFY(!Child<QPushButton>(window.get(), "cmdProgramPellar2")->isEnabled());
    Edit(window.get(), "txtReverseNetworkPort")->setText("10001");
    Child<QRadioButton>(window.get(), "optLocalPort_0")->setChecked(true);
    Click(window.get(), "cmdReverseSave");
    QVERIFY(Child<QPushButton>(window.get(), "cmdProgramPellar2")->isEnabled());

    AnswerInTurn(answers);
    Click(window.get(), "cmdProgramPellar2");
    const QList<MessageBoxRequest>& asked = m_turnBoxes;
    QCOMPARE(asked.size(), 2);
    QCOMPARE(asked[0].title, QString("Reverse Network Settings"));
    QCOMPARE(asked[0].text,
             QString("This PELLAR will be programmed as Reverse Network Settings\r\n\r\nDo you wish to continue?"));
    QCOMPARE(asked[0].defaultButton, QMessageBox::No);
    QCOMPARE(asked[1].title, QString("Clear Reverse Network Settings"));
    QVERIFY(m_links->Made().isEmpty());
    QVERIFY(!window->RunActive());
    WirelessEncryptedInputs in = window->Inputs();
    QTEST(in.reverse.saved, "savedAfter");
    QCOMPARE(in.reverse.portText, std::string(savedAfter ? "10001" : "0"));
  }

  // With the reverse settings accepted the run sends them: port, "06", the
  // remote port, and the data key in the security menu.
  void reverseRunSendsItsRows() {
    auto window = Ready<PellarWirelessEncryptedWindow>(0, 2, "");
    Edit(window.get(), "txtDataEncryptionKey")->setText(kDataKey);
    SaveReverse(window.get(), "10001", true);
    m_boxes->Answer(QMessageBox::Yes);
    QVERIFY(RunToEnd(window.get()));
    QCOMPARE(m_boxes->Boxes()[0].title, QString("Reverse Network Settings"));
    QByteArray written = m_links->Written();
    QVERIFY2(written.contains("00\r10001\r06\rYNN000\r000\r000\r000\r10001\r"), written.constData());
    QVERIFY(written.contains("YY128\rY" + kDataKey.toLatin1() + "NY9\r"));
  }

  // Letters never pass as a reverse port.
  void reversePortTakesNumbersOnly() {
    auto window = Open<PellarWirelessEncryptedWindow>();
    Click(window.get(), "cmdReverseNetworkPort");
    Edit(window.get(), "txtReverseNetworkPort")->setText("abc");
    Click(window.get(), "cmdReverseSave");
    QCOMPARE(m_boxes->Last().title, QString("Reverse Network Port Number"));
    QCOMPARE(m_boxes->Last().text, QString("Invalid Port Number"));
    QVERIFY(Child<QGroupBox>(window.get(), "fraReverseNetwork")->isVisible());
    QVERIFY(!window->Inputs().reverse.saved);
  }
};

QTEST_MAIN(TestPellarWirelessWindow)
#include "tst_pellar_wireless_window.moc"
