#include "dialogue/progress.h"

#include "dialogue/run_values.h"

namespace dorvane {

int ProgressDivisor(const RunValues& values) {
  if (values.Pellar2RunActive) return 60;
  if (values.PellarEncryptedRunActive) return 90;
  if (values.QM270RunActive) return 90;
  if (values.QM270XPicoRunActive) return 90;
  return 0;
}

int AdvancedProgressWidth(int width, int track, int divisor) {
  if (divisor <= 0) return width;
  int next = width + track / divisor;
  return next > track ? track : next;
}

int ProgressWidthAfter(const ProgressStep& step, int width, int track) {
  switch (step.kind) {
    case ProgressKind::Show: return kProgressStartWidth;
    case ProgressKind::Advance: return AdvancedProgressWidth(width, track, step.divisor);
    case ProgressKind::Full: return track;
    case ProgressKind::Hide: return width;
  }
  return width;
}

bool ProgressStepAfterWait(const RunValues& values, ProgressStep& step) {
  if (!values.ProgressActive) return false;
  int divisor = ProgressDivisor(values);
  if (divisor == 0) return false;
  step = {ProgressKind::Advance, divisor};
  return true;
}

}  // namespace dorvane
