// The data encryption key with its size options: the keys the box takes,
// the clipboard, the cut on a smaller size, the check on leaving the box and
// at a run, the "No Encryption" option and the names per window.

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <memory>

#include "message_box_recorder.h"
#include "part_window.h"
#include "widget_lookup.h"
#include "widgets/encryption_key_box.h"

using namespace dorvane;
using dorvane::testing::Child;
using dorvane::testing::MessageBoxRecorder;
using dorvane::testing::PartWindow;

namespace {

struct Window : PartWindow<EncryptionKeyBox> {
  EncryptionKeyBox* const box = part;
  // Program runs its own checks: a click on it takes the focus from the box.
  QPushButton* const button = new QPushButton("Program", &window);
  Window() : PartWindow(Other::Below) { window.layout()->addWidget(button); }
  QLineEdit* Key() const { return Child<QLineEdit>(&window, "txtEncryptionKey"); }
  void Choose(int option) const {
    QTest::mouseClick(Child<QRadioButton>(&window, qPrintable(QString("optEncryption_%1").arg(option))),
                      Qt::LeftButton);
  }
};

QString Digits(int count) { return QString("0123456789ABCDEF").repeated(4).left(count); }

}  // namespace

class TestEncryptionKeyBox : public QObject {
  Q_OBJECT

  std::unique_ptr<MessageBoxRecorder> m_boxes;

 private slots:
  void init() { m_boxes = std::make_unique<MessageBoxRecorder>(); }
  void cleanup() { m_boxes.reset(); }

  void opensOn128Bit() {
    Window w;
    QVERIFY(Child<QRadioButton>(&w.window, "optEncryption_0")->isChecked());
    QCOMPARE(Child<QRadioButton>(&w.window, "optEncryption_2")->text(), QString("256 Bit"));
    QCOMPARE(Child<QLabel>(&w.window, "lblEncryptionKey")->text(), QString(" Data Encryption Key"));
    QVERIFY(w.Key()->text().isEmpty());
    QCOMPARE(w.Key()->maxLength(), 32);
    QCOMPARE(w.Key()->toolTip(), QString("32-Hexadecimal (0-9, A-F)"));
    QVERIFY(QFontInfo(w.Key()->font()).fixedPitch());
    QCOMPARE(w.box->Size(), std::optional<KeySize>(KeySize::Bits128));
  }

  void takesCapitalHexDigitsOnly_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("key");
    QTest::newRow("capitals and digits") << "09AF"
                                         << "09AF";
    QTest::newRow("lower case dropped") << "0a1f2F"
                                        << "012F";
    QTest::newRow("beyond F dropped") << "G1Z-B . "
                                      << "1B";
  }
  void takesCapitalHexDigitsOnly() {
    QFETCH(QString, typed);
    Window w;
    w.Key()->setFocus();
    QTest::keyClicks(w.Key(), typed);
    QTEST(w.Key()->text(), "key");
  }

  // Backspace works; nothing is pasted, nor taken to the clipboard.
  void neverTouchesTheClipboard() {
    Window w;
    w.other->setFocus();
    QGuiApplication::clipboard()->setText("ABCDEF");
    w.Key()->setFocus();
    QTRY_VERIFY(QGuiApplication::clipboard()->text().isEmpty());
    QTest::keyClicks(w.Key(), "12");
    QTest::keyClick(w.Key(), Qt::Key_Backspace);
    QCOMPARE(w.Key()->text(), QString("1"));
    QGuiApplication::clipboard()->setText("ABCDEF");
    QTest::keyClick(w.Key(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(w.Key()->text(), QString("1"));
    QTest::mousePress(w.Key(), Qt::LeftButton);
    QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
    QTest::mouseRelease(w.Key(), Qt::LeftButton);
  }

  // A smaller size cuts a longer key; a larger one never restores it.
  void sizeOptionsSetTheLength_data() {
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("typed");
    QTest::addColumn<int>("then");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<QString>("tooltip");
    QTest::newRow("256 keeps 40, 128 cuts to 32") << 2 << 40 << 0 << 32 << 32 << "32-Hexadecimal (0-9, A-F)";
    QTest::newRow("192 cuts 60 to 48") << 2 << 60 << 1 << 48 << 48 << "48-Hexadecimal (0-9, A-F)";
    QTest::newRow("256 after 128 keeps 32") << 0 << 40 << 2 << 32 << 64 << "64-Hexadecimal (0-9, A-F)";
    QTest::newRow("shorter key stays") << 2 << 20 << 0 << 20 << 32 << "32-Hexadecimal (0-9, A-F)";
  }
  void sizeOptionsSetTheLength() {
    QFETCH(int, first);
    QFETCH(int, typed);
    QFETCH(int, then);
    Window w;
    w.Choose(first);
    w.Key()->setFocus();
    QTest::keyClicks(w.Key(), Digits(typed));
    w.Choose(then);
    QTEST(int(w.Key()->text().size()), "length");
    QTEST(w.Key()->maxLength(), "maxLength");
    QTEST(w.Key()->toolTip(), "tooltip");
    QVERIFY(w.Key()->text() == Digits(int(w.Key()->text().size())));
  }

  // Leaving the box checks a key that is there; an empty one passes.
  void checkOnLeaving_data() {
    QTest::addColumn<int>("option");
    QTest::addColumn<int>("typed");
    QTest::addColumn<QString>("message");
    QTest::newRow("32 with 192 Bit") << 1 << 32 << "Encryption Key must be 48 characters long";
    QTest::newRow("short for 128 Bit") << 0 << 31 << "Encryption Key must be 32 characters long";
    QTest::newRow("short for 256 Bit") << 2 << 5 << "Encryption Key must be 64 characters long";
    QTest::newRow("exact 128") << 0 << 32 << "";
    QTest::newRow("exact 256") << 2 << 64 << "";
    QTest::newRow("empty") << 1 << 0 << "";
  }
  void checkOnLeaving() {
    QFETCH(int, option);
    QFETCH(int, typed);
    QFETCH(QString, message);
    Window w;
    w.Choose(option);
    w.Key()->setFocus();
    QTest::keyClicks(w.Key(), Digits(typed));
    w.other->setFocus();
    if (message.isEmpty()) {
      QTest::qWait(50);
      QCOMPARE(m_boxes->Count(), 0);
      QCOMPARE(QApplication::focusWidget(), w.other);
      return;
    }
    QTRY_COMPARE(m_boxes->Count(), 1);
    QCOMPARE(m_boxes->Last().title, QString("Invalid Data Encryption Key"));
    QCOMPARE(m_boxes->Last().text, message);
    QCOMPARE(m_boxes->Last().icon, BoxIcon::Information);
    QTRY_COMPARE(QApplication::focusWidget(), w.Key());
    QCOMPARE(w.Key()->text().size(), typed);
  }

  // Only the installer's move to another field of the window is a leaving:
  // a button (Program runs its own checks) or another program taking the
  // focus says nothing, so no box opens twice or over another.
  void onlyTheInstallersMoveIsALeaving_data() {
    QTest::addColumn<QString>("to");
    QTest::addColumn<bool>("checked");
    QTest::newRow("Tab on") << "field by Tab" << true;
    QTest::newRow("click on a field") << "field by click" << true;
    QTest::newRow("click on a button") << "button" << false;
    QTest::newRow("another program") << "other window" << false;
  }
  void onlyTheInstallersMoveIsALeaving() {
    QFETCH(QString, to);
    QFETCH(bool, checked);
    Window w;
    QWidget otherWindow;
    w.Key()->setFocus();
    QTest::keyClicks(w.Key(), Digits(5));
    if (to == "field by Tab") {
      QTest::keyClick(w.Key(), Qt::Key_Tab);
    } else if (to == "field by click") {
      QTest::mouseClick(w.other, Qt::LeftButton);
    } else if (to == "button") {
      QTest::mouseClick(w.button, Qt::LeftButton);
    } else {
      otherWindow.show();
      otherWindow.activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(&otherWindow));
    }
    if (checked) {
      QTRY_COMPARE(m_boxes->Count(), 1);
      QCOMPARE(m_boxes->Last().text, QString("Encryption Key must be 32 characters long"));
    } else {
      QTest::qWait(50);
      QCOMPARE(m_boxes->Count(), 0);
    }
  }

  // At a run an empty key is refused too.
  void checkAtTheRun() {
    Window w;
    w.other->setFocus();
    QVERIFY(!w.box->CheckKey());
    QCOMPARE(m_boxes->Last().text, QString("Encryption Key must be 32 characters long"));
    QTRY_COMPARE(QApplication::focusWidget(), w.Key());
    w.Key()->setText(Digits(32));
    QVERIFY(w.box->CheckKey());
    QCOMPARE(m_boxes->Count(), 1);
  }

  void noEncryptionHidesTheKey() {
    Window w;
    w.box->AddNoEncryptionOption();
    auto* none = Child<QRadioButton>(&w.window, "optEncryption_3");
    QCOMPARE(none->text(), QString("No Encryption"));
    QVERIFY(none->isChecked());
    QCOMPARE(w.box->Size(), std::nullopt);
    QVERIFY(!w.Key()->isVisible() && !Child<QLabel>(&w.window, "lblEncryptionKey")->isVisible());
    QVERIFY(w.box->CheckKey());

    w.Choose(0);
    QVERIFY(w.Key()->isVisible());
    QCOMPARE(w.Key()->maxLength(), 32);
    w.Key()->setText(Digits(32));
    w.Choose(3);
    QVERIFY(!w.Key()->isVisible());
    QVERIFY(w.Key()->text().isEmpty() && w.Key()->toolTip().isEmpty());
    w.box->SelectSize(KeySize::Bits192);
    QCOMPARE(w.box->Size(), std::optional<KeySize>(KeySize::Bits192));
    QCOMPARE(w.Key()->maxLength(), 48);
  }

  void namesPerWindow() {
    Window w;
    w.box->SetNameStem("DataEncryption");
    QVERIFY(w.window.findChild<QLineEdit*>("txtDataEncryptionKey"));
    QVERIFY(w.window.findChild<QLabel*>("lblDataEncryptionKey"));
    QVERIFY(w.window.findChild<QRadioButton*>("optDataEncryption_2"));
    QVERIFY(!w.window.findChild<QLineEdit*>("txtEncryptionKey"));
  }
};

QTEST_MAIN(TestEncryptionKeyBox)
#include "tst_encryption_key_box.moc"
