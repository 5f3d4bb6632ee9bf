// A run's status, progress and mid-run questions reach the window from the
// runner's worker thread, and the installer's answer goes back to the run.

#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

#include "dialogue/dialogue_runner.h"
#include "fake_arp_table.h"
#include "message_box_recorder.h"
#include "widgets/run_display.h"

using namespace dorvane;
using dorvane::testing::FakeArpTable;
using dorvane::testing::MessageBoxRecorder;

class TestRunDisplay : public QObject {
  Q_OBJECT

 private slots:
  void questionsAreAnsweredByTheInstaller_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("outcome");
    QTest::newRow("yes goes on") << int(QMessageBox::Yes) << int(RunOutcome::Kind::Completed);
    QTest::newRow("no cancels") << int(QMessageBox::No) << int(RunOutcome::Kind::Cancelled);
  }
  void questionsAreAnsweredByTheInstaller() {
    QFETCH(int, answer);
    MessageBoxRecorder boxes(static_cast<QMessageBox::StandardButton>(answer));
    QWidget window;
    QLabel info(&window), chip(&window), request(&window), progress(&window);
    request.resize(600, 24);
    DialogueRunner runner;
    RunDisplay display(&window, runner, {&info, &chip, &request, &progress});
    QSignalSpy finished(&runner, &DialogueRunner::Finished);

    QString statusWhenAsked;
    int unitsWhenAsked = 0;
    QObject::connect(&runner, &DialogueRunner::QuestionAsked, &window, [&] {
      statusWhenAsked = info.text();
      unitsWhenAsked = display.Progress().FillUnits();
    });
    DialogueRunner::Options options;
    options.arp = std::make_shared<FakeArpTable>();
    runner.Start(
        [](Dialogue& d) {
          d.Status("Security Options ");
          d.Progress({ProgressKind::Show});
          d.Progress({ProgressKind::Advance, 60});
          Question question{"Disclaimer", "Go on?", Question::Icon::Question, Question::Buttons::YesNo};
          return d.Ask(question) == Question::Answer::Yes ? RunOutcome{}
                                                          : RunOutcome::Ended(RunOutcome::Kind::Cancelled);
        },
        options);
    QVERIFY(finished.wait(10000));
    QTEST(int(finished.first().first().value<RunOutcome>().kind), "outcome");
    QCOMPARE(statusWhenAsked, QString("Security Options "));
    QCOMPARE(unitsWhenAsked, 115);
    QCOMPARE(boxes.Count(), 1);
    QCOMPARE(boxes.Last().icon, BoxIcon::Question);
    QCOMPARE(boxes.Last().title, QString("Disclaimer"));
    QCOMPARE(boxes.Last().buttons, QMessageBox::Yes | QMessageBox::No);

    display.End();
    QVERIFY(info.text().isEmpty());
    QVERIFY(request.isHidden() && progress.isHidden());
  }

  // A notice shows under the status for as long as its wait lasts: the
  // wake-up loop's alternating caption keeps it, the next step drops it.
  void aNoticeStaysUnderItsWait() {
    MessageBoxRecorder boxes(QMessageBox::Ok);
    QWidget window;
    QLabel info(&window), chip(&window), request(&window), progress(&window);
    DialogueRunner runner;
    RunDisplay display(&window, runner, {&info, &chip, &request, &progress});
    QSignalSpy finished(&runner, &DialogueRunner::Finished);
    QStringList shown;
    QObject::connect(&runner, &DialogueRunner::QuestionAsked, &window, [&] { shown << info.text(); });
    DialogueRunner::Options options;
    options.arp = std::make_shared<FakeArpTable>();
    runner.Start(
        [](Dialogue& d) {
          const Question look{"Look", "", Question::Icon::Information, Question::Buttons::Ok};
          d.Status("Waiting");
          d.Notice("Another module");
          d.Ask(look);
          d.Status("Waiting ");
          d.Ask(look);
          d.Status("Server Configuration");
          d.Ask(look);
          return RunOutcome{};
        },
        options);
    QVERIFY(finished.wait(10000));
    QCOMPARE(shown, QStringList({"Waiting\nAnother module", "Waiting \nAnother module", "Server Configuration"}));
  }
};

QTEST_MAIN(TestRunDisplay)
#include "tst_run_display.moc"
