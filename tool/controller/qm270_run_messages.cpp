#include "controller/qm270_run_messages.h"

#include "controller/qm270_script.h"

namespace dorvane {

namespace {

// The endings both controllers share, in the words of the device's name;
// none for the others.
Message ControllerEndMessage(const RunOutcome& outcome, const std::string& device, const std::string& configured) {
  using Kind = RunOutcome::Kind;
  switch (outcome.kind) {
    case Kind::Completed:
      return {"Program " + device + " Device via Serial Connection", configured, Question::Icon::Information};
    case Kind::Cancelled:
      return {"Cancel " + device + " Program", "Cancelled " + device + " Programming", Question::Icon::Information};
    case Kind::CommunicationFailure:
      // The serial link went away mid-script (an adapter pulled out).
      return {"Communication Failure", "Failed to communicate with " + device + " Device", Question::Icon::Critical};
    case Kind::InputRejected:
    case Kind::ArpFailure:
    case Kind::Declined:
    case Kind::SaveUnconfirmed:
    case Kind::RunTimeError: break;
  }
  return {};
}

}  // namespace

Message QM270EndMessage(const RunOutcome& outcome) {
  if (outcome.kind == RunOutcome::Kind::CommunicationFailure && outcome.description == kMissingProductInfo) {
    return {"Cancel QM270 Program", "Cancelled QM270 Programming, Missing or Invalid Product Information Returned",
            Question::Icon::Information};
  }
  return ControllerEndMessage(outcome, "QM270",
                              "Your QM270 Device has been configured, please remove the serial connection from the "
                              "QM270 Device and reset the QM270 Device");
}

Message QM270XPicoEndMessage(const RunOutcome& outcome) {
  return ControllerEndMessage(outcome, "QM270 Rev. B",
                              "Your QM270 Device has been configured, please remove the serial connection from the "
                              "QM270 Rev. B Device and press the reset button on the QM270 Rev. B Device");
}

}  // namespace dorvane
