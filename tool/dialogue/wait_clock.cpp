#include "dialogue/wait_clock.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QtGlobal>
#include <cmath>

namespace dorvane {

double TimeScale() {
  bool ok = false;
  double scale = qEnvironmentVariable("DORVANE_TIME_SCALE").toDouble(&ok);
  if (!ok || !std::isfinite(scale) || scale <= 0.0) return 1.0;
  return scale;
}

double MonotonicSeconds() {
  static const QElapsedTimer start = [] {
    QElapsedTimer timer;
    timer.start();
    return timer;
  }();
  return start.nsecsElapsed() / 1e9;
}

void WaitOnTimer(double realSeconds) {
  if (realSeconds <= 0.0) return;
  QEventLoop loop;
  QTimer timer;
  timer.setSingleShot(true);
  timer.setTimerType(Qt::PreciseTimer);
  QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
  timer.start(static_cast<int>(std::ceil(realSeconds * 1000.0)));
  loop.exec();
}

void Pause(double seconds, const std::function<double()>& clock) {
  PauseDeadline deadline(clock(), seconds * TimeScale());
  // A timer wakes the loop once per remaining stretch; the clock is asked
  // again only then, so nothing spins while the window idles.
  for (double left = deadline.Remaining(clock()); left > 0.0; left = deadline.Remaining(clock())) {
    WaitOnTimer(left);
  }
}

}  // namespace dorvane
