#pragma once
// The progress bar of a programming run: a fill over a track, advanced by
// one step per wait once the dialogue proper has begun.

namespace dorvane {

class RunValues;

enum class ProgressKind {
  Show,     // track and fill visible, fill at its start width
  Advance,  // one step: track width / divisor, never past the track
  Full,     // fill as wide as the track (after the save command)
  Hide,     // both hidden at the end of a run
};

struct ProgressStep {
  ProgressKind kind = ProgressKind::Show;
  int divisor = 0;  // Advance only
};

// The fill's width when the bar is shown, in the window's width units.
inline constexpr int kProgressStartWidth = 15;

// One step of the run's bar, by the divisor the script set.
ProgressStep OneProgressStep(const RunValues& values);

// The fill's width after one step: width + int(track / divisor), capped at
// the track's width.
int AdvancedProgressWidth(int width, int track, int divisor);

// The fill's width after any step.
int ProgressWidthAfter(const ProgressStep& step, int width, int track);

// The progress step a wait ends with, if any: none while ProgressActive is
// false or the run set no divisor.
bool ProgressStepAfterWait(const RunValues& values, ProgressStep& step);

}  // namespace dorvane
