#include "dialogue/progress.h"

#include "dialogue/run_values.h"

namespace dorvane {

ProgressStep OneProgressStep(const RunValues& values) { return {ProgressKind::Advance, values.ProgressDivisor}; }

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
  if (values.ProgressDivisor == 0) return false;
  step = OneProgressStep(values);
  return true;
}

}  // namespace dorvane
