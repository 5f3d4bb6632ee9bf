#pragma once
// The messages that end a wired PELLAR board's run, shared by the windows
// and pellarctl so both say exactly the same. The field checks, the missing
// port's among them, are those every programming window shares
// (widgets/field_checks.h).

#include <string>

#include "dialogue/dialogue.h"
#include "widgets/field_checks.h"

namespace dorvane {

// The procedure label of a PELLAR2 or PELLAR6 run's error report.
inline constexpr const char* kPellar2RunLabel = "Pellar Program";

// The message a run ends with. None for a run-time error (that is the error
// report) and none for a declined disclaimer, which ends the run silently.
Message Pellar2EndMessage(const RunOutcome& outcome, bool network);
Message Pellar6EndMessage(const RunOutcome& outcome, bool network);

}  // namespace dorvane
