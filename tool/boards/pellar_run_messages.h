#pragma once
// The messages that end a wired PELLAR board's run, shared by the windows
// and pellarctl so both say exactly the same. The field checks, the missing
// port's among them, are those every programming window shares
// (programming/field_checks.h).

#include <string>

#include "dialogue/dialogue.h"
#include "programming/field_checks.h"

namespace dorvane {

// The procedure label of every PELLAR board's run's error report (wired,
// encrypted and wireless alike).
inline constexpr const char* kPellarRunLabel = "Pellar Program";

// The message a run ends with. None for a run-time error (that is the error
// report) and none for a declined disclaimer, which ends the run silently.
// The PELLAR2's and the wireless boards' (network: false) endings, which
// name the PELLAR2 in the network success, and the encrypted PELLAR6's.
Message PellarEndMessage(const RunOutcome& outcome, bool network);
Message Pellar6EndMessage(const RunOutcome& outcome, bool network);

}  // namespace dorvane
