// A module's monitor-mode answers as the socket delivers them: the input's
// pieces between NUL bytes are the arrivals.
#include "fuzz_input.h"
#include "monitor/monitor_exchange.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace dorvane;
  const std::string_view bytes = fuzz::Bytes(data, size);
  MonitorInbox inbox;
  inbox.BeginAnswer();
  for (const std::string& chunk : fuzz::Pieces(bytes, '\0')) {
    inbox.Arrived(chunk);
    inbox.AnswerEnded();
  }
  const std::string withoutPrompts = WithoutDonePrompts(inbox.ReceivedText());
  const std::string clean = CleanResponseText(withoutPrompts);
  fuzz::Require(clean.size() <= 2 * withoutPrompts.size(), "a cleaned answer is at most twice as long");
  MonitorAddress(bytes);
  return 0;
}
