#include "monitor/monitor_exchange.h"

#include "base/ip_address.h"
#include "base/localised_text.h"
#include "base/text_trim.h"
#include "dialogue/dialogue_steps.h"
#include "dialogue/run_values.h"

namespace dorvane {

namespace {

constexpr int kConnectingTextId = 1136;
constexpr int kConnectedTextId = 1137;

bool Kept(char c) {
  if (c >= '0' && c <= '9') return true;
  if (c >= 'A' && c <= 'Z') return true;
  if (c >= 'a' && c <= 'z') return true;
  switch (c) {
    case ' ':
    case '.':
    case '*':
    case ':':
    case ',':
    case '(':
    case ')':
    case '+':
    case '-':
    case '/': return true;
    default: return false;
  }
}

bool EndsWith(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// The wait after a command, and the grace for an answer still without its
// prompt; true when the prompt came.
bool AwaitAnswer(Dialogue& dialogue, MonitorInbox& inbox, bool& stopOnPrompt) {
  if (inbox.AnswerEnded()) return true;
  stopOnPrompt = true;
  dialogue.WaitSeconds(kMonitorPromptGraceSeconds);
  stopOnPrompt = false;
  dialogue.Values().StopWaiting = false;
  return inbox.AnswerEnded();
}

std::string AnswerText(const MonitorInbox& inbox, bool complete) {
  std::string text = CleanResponseText(WithoutDonePrompts(inbox.ReceivedText()));
  if (complete) return text;
  if (!text.empty() && !EndsWith(text, "\r\n")) text += "\r\n";
  return text + kIncompleteAnswerLine;
}

}  // namespace

const std::vector<MonitorCommand>& MonitorCommands(MonitorKind kind) {
  static const std::vector<MonitorCommand> ethernet = {
      {"TT", 0, 1134, 1115},
      {"NC", 1, 1135, 1130},
  };
  static const std::vector<MonitorCommand> wireless = {
      {"SA", 0, 1131, 1112},
      {"NS", 1, 1132, 1113},
      {"TT", 2, 1134, 1115},
  };
  return kind == MonitorKind::Wireless ? wireless : ethernet;
}

std::string CleanResponseText(std::string_view text) {
  std::string clean;
  clean.reserve(text.size() * 2);
  int counter = 0;
  for (char c : text) {
    if (Kept(c)) {
      clean += c;
    } else if (counter < 2) {
      clean += "\r\n";
      ++counter;
    } else {
      counter = 0;
    }
  }
  return clean;
}

std::string WithoutDonePrompts(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t from = 0;
  for (std::size_t at = text.find(kCommandDone); at != std::string_view::npos; at = text.find(kCommandDone, from)) {
    out.append(text.substr(from, at - from));
    from = at + kCommandDone.size();
  }
  out.append(text.substr(from));
  return out;
}

std::optional<std::string> MonitorAddress(std::string_view text) {
  if (TrimBlanks(text).empty()) return std::nullopt;
  std::optional<std::string> normalized = ValidateIPAddress(text);
  if (!normalized) return std::nullopt;
  return IPAddressWithoutLeadingZeros(*normalized);
}

void MonitorInbox::Arrived(std::string_view chunk) {
  m_lastChunk.assign(chunk);
  if (chunk.find(kNodeSet) != std::string_view::npos) m_received.clear();
  m_received += chunk;
  m_answer += chunk;
}

bool MonitorInbox::AnswerEnded() const {
  std::string_view answer = m_answer;
  while (!answer.empty() && (answer.back() == ' ' || answer.back() == '\r' || answer.back() == '\n')) {
    answer.remove_suffix(1);
  }
  return EndsWith(answer, kCommandDone) || EndsWith(answer, kCommandFailed);
}

RunOutcome RunMonitorExchange(Dialogue& dialogue, const std::string& address, MonitorKind kind, int languageOffset,
                              MonitorResult& result) {
  result = {kind, {}};
  MonitorInbox inbox;
  bool stopOnPrompt = false;
  dialogue.WatchNetworkArrivals([&dialogue, &inbox, &stopOnPrompt](std::string_view chunk) {
    inbox.Arrived(chunk);
    if (stopOnPrompt && inbox.AnswerEnded()) dialogue.Values().StopWaiting = true;
  });
  struct Unwatch {
    Dialogue& dialogue;
    ~Unwatch() { dialogue.WatchNetworkArrivals({}); }
  } unwatch{dialogue};

  dialogue.Status(LoadText(kConnectingTextId, languageOffset));
  dialogue.CloseLink();
  dialogue.ConnectTcp(address, kAssignAddressPort);
  dialogue.WaitSeconds(5);
  dialogue.CloseLink();

  dialogue.ConnectTcp(address, kSetupPort);
  dialogue.WaitSeconds(kMonitorLineSeconds);
  if (!TcpConnectedAfterRereads(dialogue)) {
    dialogue.Status("");
    // A connection still being attempted would otherwise stay behind.
    dialogue.CloseLink();
    return RunOutcome::Ended(RunOutcome::Kind::CommunicationFailure);
  }

  dialogue.Status(LoadText(kConnectedTextId, languageOffset));
  dialogue.Send("M");
  dialogue.WaitSeconds(kMonitorLineSeconds);

  bool first = true;
  for (const MonitorCommand& command : MonitorCommands(kind)) {
    if (!first) inbox.ClearReceived();
    first = false;
    inbox.BeginAnswer();
    dialogue.Send(std::string(command.name) + "\r");
    dialogue.WaitSeconds(kMonitorLineSeconds);
    dialogue.Status(LoadText(command.waitingTextId, languageOffset));
    bool complete = AwaitAnswer(dialogue, inbox, stopOnPrompt);

    MonitorAnswer answer;
    answer.command = command.name;
    answer.box = command.box;
    answer.complete = complete;
    if (inbox.LastChunk().find(kCommandFailed) != std::string::npos) {
      answer.ok = false;
      answer.text = LoadText(command.failureTextId, languageOffset);
    } else {
      answer.text = AnswerText(inbox, complete);
    }
    result.answers.push_back(std::move(answer));
  }

  dialogue.Send("QU\r");
  dialogue.WaitSeconds(kMonitorLineSeconds);
  dialogue.CloseLink();
  dialogue.Status("");
  return RunOutcome::Ended(RunOutcome::Kind::Completed);
}

}  // namespace dorvane
