#include "boards/pellar_run_messages.h"

#include "base/localised_text.h"

namespace dorvane {

namespace {

// What the PELLAR2 and PELLAR6 endings share; the network success and the
// refused input are each board's own.
Message EndMessage(const RunOutcome& outcome, bool network, const Message& networkSuccess, const Message& rejected) {
  using Kind = RunOutcome::Kind;
  switch (outcome.kind) {
    case Kind::Completed:
      if (network) return networkSuccess;
      return {LoadText(1043), LoadText(1044), Question::Icon::Information};
    case Kind::Cancelled: return {"Cancel Pellar Program", "Cancelled Pellar Programming", Question::Icon::Information};
    case Kind::ArpFailure:
      return {"Program Pellar Device",
              "Problem with the setup of the Pellar Device (ARP Failure), Please Contact Dorvane Inc.",
              Question::Icon::Critical};
    case Kind::CommunicationFailure:
      return {"Communication Failure", "Failed to communicate with Pellar Device", Question::Icon::Critical};
    case Kind::SaveUnconfirmed:
      return {"Communication Failure",
              "The Pellar Device did not confirm that it stored the settings. The settings may not have been "
              "saved: check the Pellar Device and program it again.",
              Question::Icon::Critical};
    case Kind::InputRejected: return rejected;
    case Kind::Declined:
    case Kind::RunTimeError: break;
  }
  return {};
}

}  // namespace

Message PellarEndMessage(const RunOutcome& outcome, bool network) {
  return EndMessage(outcome, network,
                    {"Program PELLAR2 device via Network Connection", "Your PELLAR2 device has been configured.",
                     Question::Icon::Information},
                    {"Program PELLAR2 via ARP", LoadText(1039), Question::Icon::Critical});
}

Message Pellar6EndMessage(const RunOutcome& outcome, bool network) {
  // The window and pellarctl refuse a missing port or key before the run;
  // the run's own refusal says which.
  Message rejected = MissingPortMessage();
  if (outcome.field != InputField::Port) rejected.text = outcome.description;
  return EndMessage(outcome, network,
                    {"Program PELLAR6 device via Network Connection", "Your PELLAR6 device has been configured.",
                     Question::Icon::Information},
                    rejected);
}

}  // namespace dorvane
