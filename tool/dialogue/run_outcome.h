#pragma once
// How a programming run ended.

#include <string>

namespace dorvane {

struct RunOutcome {
  enum class Kind {
    Completed,             // the script ran to its end
    Cancelled,             // ESC during the wake-up loop
    ArpFailure,            // the ARP entry could not be set
    CommunicationFailure,  // no connection, or the link dropped mid-run
    RunTimeError,          // number and description for the error report
    InputRejected,         // a field the run found unusable; errorNumber says which
  };
  Kind kind = Kind::Completed;
  int errorNumber = 0;
  std::string description;  // run-time error description, or why the link dropped

  static RunOutcome Ended(Kind kind) { return {kind, 0, {}}; }
};

}  // namespace dorvane
