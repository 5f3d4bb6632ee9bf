#pragma once
// The messages that end a QM270 run, shared by frmQM270 and pellarctl so
// both say exactly the same.

#include <string>

#include "dialogue/dialogue.h"
#include "widgets/field_checks.h"

namespace dorvane {

// The procedure label of a QM270 run's error report.
inline constexpr const char* kQM270RunLabel = "QM270 Program";

// The message a run ends with; none for a run-time error (the error report
// says it) and for a refused key (the window's key check said it).
Message QM270EndMessage(const RunOutcome& outcome);

}  // namespace dorvane
