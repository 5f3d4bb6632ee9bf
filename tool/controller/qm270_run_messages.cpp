#include "controller/qm270_run_messages.h"

#include "controller/qm270_script.h"

namespace dorvane {

Message QM270EndMessage(const RunOutcome& outcome) {
  using Kind = RunOutcome::Kind;
  switch (outcome.kind) {
    case Kind::Completed:
      return {"Program QM270 Device via Serial Connection",
              "Your QM270 Device has been configured, please remove the serial connection from the QM270 Device and "
              "reset the QM270 Device",
              Question::Icon::Information};
    case Kind::Cancelled: return {"Cancel QM270 Program", "Cancelled QM270 Programming", Question::Icon::Information};
    case Kind::CommunicationFailure:
      if (outcome.description == kMissingProductInfo) {
        return {"Cancel QM270 Program", "Cancelled QM270 Programming, Missing or Invalid Product Information Returned",
                Question::Icon::Information};
      }
      // The serial link went away mid-script (an adapter pulled out).
      return {"Communication Failure", "Failed to communicate with QM270 Device", Question::Icon::Critical};
    case Kind::InputRejected:
    case Kind::ArpFailure:
    case Kind::Declined:
    case Kind::SaveUnconfirmed:
    case Kind::RunTimeError: break;
  }
  return {};
}

}  // namespace dorvane
