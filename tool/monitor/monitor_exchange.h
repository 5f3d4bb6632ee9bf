#pragma once
// Monitor mode: over the module's setup port, "M" and then the query
// commands of the board's kind, each answer collected from the socket's
// arrivals and cleaned for display. The window and pellarctl run the same
// exchange on the runner; nothing on the board changes.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dialogue/dialogue.h"

namespace dorvane {

// The entries of cmbPellarType, in list order.
enum class MonitorKind { EthernetIP = 0, Wireless = 1 };

struct MonitorCommand {
  const char* name;   // "TT", sent with a carriage return
  int box;            // 0..2: txtResponse1 .. txtResponse3
  int waitingTextId;  // lblInfo after the command's wait
  int failureTextId;  // the box's text when the module answered "9>"
};

// The commands of a kind in the order they are sent.
const std::vector<MonitorCommand>& MonitorCommands(MonitorKind kind);

// The module's prompts after a command that worked and one that failed.
inline constexpr std::string_view kCommandDone = "0>";
inline constexpr std::string_view kCommandFailed = "9>";
// An arrival holding this starts the collected text afresh.
inline constexpr std::string_view kNodeSet = "NodeSet";

// The wait after each sent line, and how much longer an answer without its
// prompt is waited for.
inline constexpr double kMonitorLineSeconds = 2.0;
inline constexpr double kMonitorPromptGraceSeconds = 8.0;
// The line under an answer whose prompt never came.
inline constexpr const char* kIncompleteAnswerLine =
    "(The answer may be incomplete: no prompt came within 10 seconds.)";

// Digits, letters, the blank and . * : , ( ) + - / are kept; every other
// character counts, in turn, as a line break, a line break, nothing (and
// again from the start), so "A\r\nB" becomes A, two breaks, B. Breaks are
// CR LF.
std::string CleanResponseText(std::string_view text);

// The text with every "0>" taken out.
std::string WithoutDonePrompts(std::string_view text);

// The address as the exchange uses it, written back into the address box:
// each part without leading zeros ("010.001.002.003" -> "10.1.2.3").
// Nothing for a blank or invalid address (text 1045).
std::optional<std::string> MonitorAddress(std::string_view text);

// What the socket's arrivals leave for the exchange to judge.
class MonitorInbox {
 public:
  // The arrival event: an arrival with "NodeSet" empties what was received
  // so far before it is added.
  void Arrived(std::string_view chunk);
  // Before each command after the first: ReceivedText starts empty.
  void ClearReceived() { m_received.clear(); }
  // Before each command: the answer to come starts here.
  void BeginAnswer() { m_answer.clear(); }

  const std::string& ReceivedText() const { return m_received; }
  const std::string& LastChunk() const { return m_lastChunk; }
  // What arrived since the last command went out ends with its prompt
  // (blanks and line ends after it aside).
  bool AnswerEnded() const;

 private:
  std::string m_received;
  std::string m_lastChunk;
  std::string m_answer;
};

struct MonitorAnswer {
  std::string command;   // "TT"
  int box = 0;           // 0..2
  bool ok = true;        // false: the module answered "9>"; text is the failure text
  bool complete = true;  // the answer ended with its prompt in time
  std::string text;      // what the box shows (line breaks CR LF)
};

struct MonitorResult {
  MonitorKind kind = MonitorKind::EthernetIP;
  std::vector<MonitorAnswer> answers;  // in the order sent
};

// The exchange from the Telnet connection to "QU": port 1 (5 s, closed
// again), port 9999 (2 s and the connected-state check), "M" (2 s), each
// command with its 2 s wait, then "QU" (2 s) and the socket closed. An
// answer that has not ended with a prompt after its 2 s is waited for up
// to 8 s more, ending when the prompt arrives, so a slow module's answer
// stays under its own command. Texts in the run's language. Completed with
// the result filled, or CommunicationFailure (no connection on port 9999;
// the socket is closed on that path too).
RunOutcome RunMonitorExchange(Dialogue& dialogue, const std::string& address, MonitorKind kind, int languageOffset,
                              MonitorResult& result);

}  // namespace dorvane
