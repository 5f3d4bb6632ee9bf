// fraReverseNetwork on a window of its own: how it opens, the port check of
// Save with its message and focus, Save Default, clearing, and the port
// box's keys with and without the digit filter.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

#include "base/localised_text.h"
#include "message_box_recorder.h"
#include "part_window.h"
#include "widget_lookup.h"
#include "widgets/apply_language.h"
#include "widgets/reverse_network_frame.h"

using namespace dorvane;
using dorvane::testing::Child;
using dorvane::testing::MessageBoxRecorder;
using dorvane::testing::PartWindow;

namespace {

struct Window : PartWindow<ReverseNetworkFrame> {
  ReverseNetworkFrame* const frame = part;
  Window() : PartWindow(Other::Above) {}
  QLineEdit* Port() const { return Child<QLineEdit>(frame, "txtReverseNetworkPort"); }
  QRadioButton* LocalPort(int i) const {
    return Child<QRadioButton>(frame, qPrintable(QString("optLocalPort_%1").arg(i)));
  }
  void Click(const char* button) const { QTest::mouseClick(Child<QPushButton>(frame, button), Qt::LeftButton); }
};

}  // namespace

class TestReverseNetworkFrame : public QObject {
  Q_OBJECT

  std::unique_ptr<MessageBoxRecorder> m_boxes;

 private slots:
  void init() {
    m_boxes = std::make_unique<MessageBoxRecorder>();
    LanguageOffset = kEnglishOffset;
  }
  void cleanup() { m_boxes.reset(); }

  void opensWithTheFocusInThePortBox() {
    Window w;
    QVERIFY(!w.frame->isVisible());
    QCOMPARE(w.frame->title(), QString("     Reverse Network Settings     "));
    QCOMPARE(w.Port()->text(), QString("0"));
    QCOMPARE(w.Port()->maxLength(), 5);
    QCOMPARE(w.Port()->alignment(), Qt::AlignCenter);
    QVERIFY(w.LocalPort(1)->isChecked() && !w.LocalPort(0)->isChecked());
    QCOMPARE(w.LocalPort(0)->toolTip(), QString(" Local Port Number Will Match Reverse Network Port Number"));
    QCOMPARE(Child<QLabel>(w.frame, "lblReverseNetworkPort")->text(), QString(" Reverse Network Port Number"));
    QVERIFY(!w.frame->IsSaved());
    w.other->setFocus();
    w.frame->Open();
    QVERIFY(w.frame->isVisible());
    QTRY_COMPARE(QApplication::focusWidget(), w.Port());
  }

  // Only a number the module can take passes: the text goes to it as it
  // stands, so letters or a sign would reach it as typed.
  void saveChecksThePort_data() {
    QTest::addColumn<int>("highest");
    QTest::addColumn<QString>("port");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("portAfter");
    QTest::newRow("highest port") << 65535 << "65535" << true << "65535";
    QTest::newRow("above the highest") << 65535 << "65536" << false << "65536";
    QTest::newRow("five nines") << 65535 << "99999" << false << "99999";
    QTest::newRow("empty is 0") << 65535 << "" << true << "0";
    QTest::newRow("blank is 0") << 65535 << "  " << true << "0";
    QTest::newRow("letters") << 65535 << "abc" << false << "abc";
    QTest::newRow("sign") << 65535 << "-1" << false << "-1";
    QTest::newRow("number and letters") << 65535 << "12ab" << false << "12ab";
    QTest::newRow("blanks around the number") << 65535 << " 808 " << true << "808";
    QTest::newRow("leading zeros") << 65535 << "00080" << true << "00080";
    QTest::newRow("zero") << 65535 << "0" << true << "0";
    QTest::newRow("XPort AR highest") << 9999 << "9999" << true << "9999";
    QTest::newRow("XPort AR above") << 9999 << "10000" << false << "10000";
  }
  void saveChecksThePort() {
    QFETCH(int, highest);
    QFETCH(QString, port);
    QFETCH(bool, accepted);
    Window w;
    w.frame->SetHighestPort(highest);
    QSignalSpy saved(w.frame, &SettingsFrame::Saved);
    QSignalSpy closed(w.frame, &SettingsFrame::Closed);
    w.frame->Open();
    w.Port()->setText(port);
    w.other->setFocus();
    w.Click("cmdReverseSave");

    QTEST(w.Port()->text(), "portAfter");
    QCOMPARE(w.frame->IsSaved(), accepted);
    QCOMPARE(saved.count(), accepted ? 1 : 0);
    QCOMPARE(closed.count(), accepted ? 1 : 0);
    QCOMPARE(w.frame->isVisible(), !accepted);
    QCOMPARE(m_boxes->Count(), accepted ? 0 : 1);
    if (!accepted) {
      QCOMPARE(m_boxes->Last().title, QString("Reverse Network Port Number"));
      QCOMPARE(m_boxes->Last().text, QString("Invalid Port Number"));
      QCOMPARE(m_boxes->Last().icon, BoxIcon::Information);
      QTRY_COMPARE(QApplication::focusWidget(), w.Port());
    }
  }

  // Save Default resets the fields and leaves an earlier Save in force.
  void saveDefaultKeepsAnEarlierSave() {
    Window w;
    QSignalSpy closed(w.frame, &SettingsFrame::Closed);
    w.frame->Open();
    w.LocalPort(0)->click();
    w.Port()->setText("10001");
    w.Click("cmdReverseSave");
    QVERIFY(w.frame->IsSaved() && w.frame->StaticLocalPort());
    QCOMPARE(w.frame->PortText(), QString("10001"));

    w.frame->Open();
    w.Click("cmdSaveDefaultReverseNetworkPort");
    QCOMPARE(closed.count(), 2);
    QVERIFY(!w.frame->isVisible());
    QVERIFY(w.frame->IsSaved());
    QCOMPARE(w.frame->PortText(), QString("0"));
    QVERIFY(!w.frame->StaticLocalPort() && w.LocalPort(1)->isChecked());
    QCOMPARE(m_boxes->Count(), 0);
  }

  // The installer's "clear the settings", and the other frame's Save.
  void clearAndForget() {
    Window w;
    w.frame->Open();
    w.Port()->setText("3001");
    w.Click("cmdReverseSave");
    w.frame->Forget();
    QVERIFY(!w.frame->IsSaved());
    QCOMPARE(w.frame->PortText(), QString("3001"));
    w.frame->Open();
    w.Click("cmdReverseSave");
    w.frame->Clear();
    QVERIFY(!w.frame->IsSaved());
    QCOMPARE(w.frame->PortText(), QString("0"));
  }

  void portKeys_data() {
    QTest::addColumn<bool>("filtered");
    QTest::addColumn<QString>("typed");
    QTest::newRow("digit filter") << true << "80";
    QTest::newRow("no filter") << false << "8a0";
  }
  void portKeys() {
    QFETCH(bool, filtered);
    Window w;
    if (filtered) w.frame->FilterPortKeys();
    w.frame->Open();
    QTRY_COMPARE(QApplication::focusWidget(), w.Port());
    // The focus selected the whole "0", so typing replaces it.
    QTRY_VERIFY(w.Port()->hasSelectedText());
    QTest::keyClicks(w.Port(), "8a0");
    QTEST(w.Port()->text(), "typed");
  }

  void captionsFollowTheLanguage() {
    LanguageOffset = kFrenchOffset;
    Window w;
    ApplyLanguage(&w.window);
    QCOMPARE(Child<QPushButton>(w.frame, "cmdReverseSave")->text(), QString::fromStdString(LoadText(1085)));
    QCOMPARE(Child<QPushButton>(w.frame, "cmdSaveDefaultReverseNetworkPort")->text(),
             QString::fromStdString(LoadText(1086)));
    QVERIFY(Child<QPushButton>(w.frame, "cmdReverseSave")->text() != QString("Save"));
    // Fixed English captions without a string id.
    QCOMPARE(Child<QLabel>(w.frame, "lblReverseNetworkPort")->text(), QString(" Reverse Network Port Number"));
    LanguageOffset = kEnglishOffset;
  }
};

QTEST_MAIN(TestReverseNetworkFrame)
#include "tst_reverse_network_frame.moc"
