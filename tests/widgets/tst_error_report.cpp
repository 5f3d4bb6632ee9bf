#include <QApplication>
#include <QtTest>

#include "base/run_time_error.h"
#include "message_box_recorder.h"
#include "widgets/error_report.h"
#include "widgets/message_boxes.h"

using namespace dorvane;

class TestErrorReport : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<testing::MessageBoxRecorder> m_recorder;

 private slots:
  void init() { m_recorder = std::make_unique<testing::MessageBoxRecorder>(); }
  void cleanup() { m_recorder.reset(); }

  void reportShowsFourLines() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ShowErrorReport("Ping Click", 5, "Invalid procedure call or argument");
    QCOMPARE(QApplication::overrideCursor(), nullptr);
    QCOMPARE(m_recorder->Count(), 1);
    QCOMPARE(m_recorder->Last().icon, BoxIcon::Critical);
    QCOMPARE(m_recorder->Last().title, QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName());
    QCOMPARE(m_recorder->Last().text, QString("An error has occured.\r\n\tProcedure: Ping Click\r\n\tError Number: 5"
                                      "\r\n\tError Description: Invalid procedure call or argument"));
  }

  void numberZeroOnlyRestoresThePointer() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ShowErrorReport("Ping Click", 0, "nothing");
    QCOMPARE(QApplication::overrideCursor(), nullptr);
    QVERIFY(m_recorder->Count() == 0);
  }

  void regionalHint_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<uint>("locale");
    QTest::addColumn<bool>("hint");
    QTest::newRow("13 on en-US") << 13 << 1033u << false;
    QTest::newRow("13 on fr-CA") << 13 << 3084u << true;
    QTest::newRow("13 on de-DE") << 13 << 1031u << true;
    QTest::newRow("5 on fr-CA") << 5 << 3084u << false;
  }
  void regionalHint() {
    QFETCH(int, number);
    QFETCH(uint, locale);
    QFETCH(bool, hint);
    std::string shown = RunErrorDescription(number, "Type mismatch", locale);
    QCOMPARE(shown == kRegionalSettingsHint, hint);
    if (hint) {
      QVERIFY(shown.find("main screen.\r\n\r\nVotre ordinateur") != std::string::npos);
      QVERIFY(shown.ends_with("principal.  "));
    }
  }
};

QTEST_MAIN(TestErrorReport)
#include "tst_error_report.moc"
