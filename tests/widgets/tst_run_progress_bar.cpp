// The progress pair of the programming windows: steps kept in track units,
// shown in pixels of whatever width the track has.

#include <QLabel>
#include <QtTest>

#include "widgets/run_display.h"

using namespace dorvane;

namespace {

// A track whose inside is exactly trackPixels wide.
struct Pair {
  explicit Pair(int trackPixels) {
    track.setText(" Processing Request (Press ESC to Cancel)");
    track.resize(trackPixels, 24);
    window.resize(trackPixels + 20, 40);
    window.show();
  }
  int FillPixels() const { return fill->width(); }

  QWidget window;
  QLabel track{&window};
  QLabel* fill = new QLabel(&window);
  RunProgressBar bar{&track, fill};
};

}  // namespace

class TestRunProgressBar : public QObject {
  Q_OBJECT

 private slots:
  // Steps after Show, each written as kind:divisor; fill in units and in
  // pixels of a 600-pixel track.
  void stepsMapToPixels_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("units");
    QTest::addColumn<int>("pixels");
    QTest::newRow("shown") << QStringList() << 15 << 1;
    QTest::newRow("one PELLAR2 step") << QStringList{"advance:60"} << 115 << 11;
    QTest::newRow("one ninetieth") << QStringList{"advance:90"} << 81 << 8;
    QTest::newRow("59 of 60 steps") << QStringList(59, "advance:60") << 5915 << 591;
    QTest::newRow("never past the track") << QStringList(61, "advance:60") << 6000 << 600;
    QTest::newRow("full after the save") << QStringList{"advance:60", "full"} << 6000 << 600;
    QTest::newRow("shown again starts over") << QStringList{"full", "show"} << 15 << 1;
  }
  void stepsMapToPixels() {
    QFETCH(QStringList, steps);
    Pair pair(600);
    pair.bar.Apply({ProgressKind::Show});
    for (const QString& step : steps) {
      QString kind = step.section(':', 0, 0);
      ProgressKind k = kind == "advance" ? ProgressKind::Advance
                       : kind == "full"  ? ProgressKind::Full
                                         : ProgressKind::Show;
      pair.bar.Apply({k, step.section(':', 1).toInt()});
    }
    QTEST(pair.bar.FillUnits(), "units");
    QTEST(pair.FillPixels(), "pixels");
    QVERIFY(pair.track.isVisible() && pair.fill->isVisible());
    QCOMPARE(pair.fill->parentWidget(), &pair.track);
  }

  void followsTheTracksWidth() {
    Pair pair(600);
    pair.bar.Apply({ProgressKind::Show});
    for (int i = 0; i < 30; ++i) pair.bar.Apply({ProgressKind::Advance, 60});
    QCOMPARE(pair.FillPixels(), 301);
    pair.track.resize(300, 24);
    QCOMPARE(pair.FillPixels(), 150);
    // The fill repeats the caption, so the text reads across its edge.
    QCOMPARE(pair.fill->text(), pair.track.text());
  }

  void hiddenAtTheEnd() {
    Pair pair(600);
    QVERIFY(!pair.track.isVisible() && !pair.fill->isVisible());
    pair.bar.Apply({ProgressKind::Show});
    pair.bar.Apply({ProgressKind::Advance, 60});
    pair.bar.Apply({ProgressKind::Hide});
    QVERIFY(!pair.track.isVisible() && !pair.fill->isVisible());
  }
};

QTEST_MAIN(TestRunProgressBar)
#include "tst_run_progress_bar.moc"
