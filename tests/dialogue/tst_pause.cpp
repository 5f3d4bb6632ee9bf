#include <QtTest>
#include <QElapsedTimer>

#include "dialogue/wait_clock.h"

using namespace dorvane;

class TestPause : public QObject {
  Q_OBJECT

 private slots:
  // Readings of the clock during one 8-second pause. Pauses started in the
  // last seconds of a day must end on time; the clock goes on past 86400
  // where the time of day would wrap.
  void acrossMidnight_data() {
    QTest::addColumn<double>("start");
    QTest::addColumn<QList<double>>("readings");
    QTest::addColumn<QList<double>>("remaining");
    QTest::newRow("daytime") << 3600.0 << QList<double>{3600.0, 3604.0, 3608.0} << QList<double>{8.0, 4.0, 0.0};
    QTest::newRow("started 23:59:58") << 86398.0 << QList<double>{86398.0, 86399.5, 86400.5, 86405.9, 86406.0}
                                      << QList<double>{8.0, 6.5, 5.5, 0.1, 0.0};
    QTest::newRow("first reading after midnight") << 86398.0 << QList<double>{86402.0, 86406.0}
                                                  << QList<double>{4.0, 0.0};
    // Due at 23:59:59.9, the timer wakes at 00:00:00.05: over, not a day away.
    QTest::newRow("due before midnight, woken after") << 86391.9 << QList<double>{86399.0, 86400.05}
                                                      << QList<double>{0.9, 0.0};
  }
  void acrossMidnight() {
    QFETCH(double, start);
    QFETCH(QList<double>, readings);
    QFETCH(QList<double>, remaining);
    const PauseDeadline deadline(start, 8.0);
    for (int i = 0; i < readings.size(); ++i) {
      QVERIFY2(qAbs(deadline.Remaining(readings[i]) - remaining[i]) < 1e-9, qPrintable(QString::number(i)));
    }
  }

  void timeScaleReadsTheEnvironment_data() {
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<double>("scale");
    QTest::newRow("unset") << QByteArray() << 1.0;
    QTest::newRow("factor") << QByteArray("0.02") << 0.02;
    QTest::newRow("zero") << QByteArray("0") << 1.0;
    QTest::newRow("negative") << QByteArray("-3") << 1.0;
    QTest::newRow("junk") << QByteArray("fast") << 1.0;
  }
  void timeScaleReadsTheEnvironment() {
    QFETCH(QByteArray, value);
    if (value.isNull()) {
      qunsetenv("DORVANE_TIME_SCALE");
    } else {
      qputenv("DORVANE_TIME_SCALE", value);
    }
    QTEST(TimeScale(), "scale");
    qunsetenv("DORVANE_TIME_SCALE");
  }

  // Events keep flowing while Pause waits.
  void pauseKeepsTheLoopRunning() {
    qputenv("DORVANE_TIME_SCALE", "0.05");
    bool fired = false;
    QTimer::singleShot(10, [&fired] { fired = true; });
    QElapsedTimer elapsed;
    elapsed.start();
    Pause(2.0);
    qunsetenv("DORVANE_TIME_SCALE");
    QVERIFY(fired);
    QVERIFY(elapsed.elapsed() >= 95);
  }
};

QTEST_GUILESS_MAIN(TestPause)
#include "tst_pause.moc"
