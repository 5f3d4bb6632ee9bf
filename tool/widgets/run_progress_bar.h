#pragma once
// The progress pair of a programming window: the track label (lblRequest)
// is the whole bar, the fill label (lblProgress) lies over it from the left.
// The fill is kept in units of a fixed-width track and mapped to pixels, so
// a run's steps add up the same at any window size or screen density.

#include <QObject>

#include "dialogue/progress.h"

class QLabel;

namespace dorvane {

class RunProgressBar : public QObject {
 public:
  // About the track's width in the original window's units: a step of one
  // sixtieth stays a whole number of units.
  static constexpr int kTrackUnits = 6000;

  // The fill becomes a child of the track; both start hidden.
  RunProgressBar(QLabel* track, QLabel* fill);

  void Apply(const ProgressStep& step);
  int FillUnits() const { return m_fillUnits; }

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void PlaceFill();

  QLabel* m_track;
  QLabel* m_fill;
  int m_fillUnits = kProgressStartWidth;
};

}  // namespace dorvane
