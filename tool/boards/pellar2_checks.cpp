#include "boards/pellar2_checks.h"

#include "base/localised_text.h"

namespace dorvane {

Message Pellar2EndMessage(const RunOutcome& outcome, bool network) {
  using Kind = RunOutcome::Kind;
  switch (outcome.kind) {
    case Kind::Completed:
      if (network) {
        return {"Program PELLAR2 device via Network Connection", "Your PELLAR2 device has been configured.",
                Question::Icon::Information};
      }
      return {LoadText(1043), LoadText(1044), Question::Icon::Information};
    case Kind::Cancelled: return {"Cancel Pellar Program", "Cancelled Pellar Programming", Question::Icon::Information};
    case Kind::ArpFailure:
      return {"Program Pellar Device",
              "Problem with the setup of the Pellar Device (ARP Failure), Please Contact Dorvane Inc.",
              Question::Icon::Critical};
    case Kind::CommunicationFailure:
      return {"Communication Failure", "Failed to communicate with Pellar Device", Question::Icon::Critical};
    case Kind::InputRejected: return {"Program PELLAR2 via ARP", LoadText(1039), Question::Icon::Critical};
    case Kind::RunTimeError: break;
  }
  return {};
}

}  // namespace dorvane
