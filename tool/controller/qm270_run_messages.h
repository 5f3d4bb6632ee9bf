#pragma once
// The messages that end a QM270 or QM270 Rev. B run, shared by the windows
// and pellarctl so both say exactly the same.

#include <string>

#include "dialogue/dialogue.h"
#include "programming/field_checks.h"

namespace dorvane {

// The procedure labels of the runs' error reports.
inline constexpr const char* kQM270RunLabel = "QM270 Program";
inline constexpr const char* kQM270XPicoRunLabel = "QM270 Rev. B Program";

// The message a run ends with; none for a run-time error (the error report
// says it) and for a refused key (the window's key check said it).
Message QM270EndMessage(const RunOutcome& outcome);
Message QM270XPicoEndMessage(const RunOutcome& outcome);

}  // namespace dorvane
