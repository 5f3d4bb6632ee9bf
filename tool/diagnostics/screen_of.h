#pragma once
// The facts of a Qt screen for the system test (window and pellarctl).

#include <QScreen>
#include <QtMath>

#include "diagnostics/host_fact_texts.h"

namespace dorvane {

// In device pixels, as the display is set up, not in the scaled units Qt
// lays windows out in.
inline ScreenFacts ScreenFactsOf(const QScreen& screen) {
  const qreal ratio = screen.devicePixelRatio();
  return {qRound(screen.geometry().width() * ratio), qRound(screen.geometry().height() * ratio), screen.depth()};
}

}  // namespace dorvane
