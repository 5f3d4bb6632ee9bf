#pragma once
// The messages that end a PELLAR2 run, shared by the window and pellarctl
// so both say exactly the same. The field checks are those every
// programming window shares (widgets/field_checks.h).

#include <string>

#include "dialogue/dialogue.h"
#include "widgets/field_checks.h"

namespace dorvane {

// The procedure label of a PELLAR2 run's error report.
inline constexpr const char* kPellar2RunLabel = "Pellar Program";

// The message a run ends with (none for a run-time error: that is the
// error report).
Message Pellar2EndMessage(const RunOutcome& outcome, bool network);

}  // namespace dorvane
