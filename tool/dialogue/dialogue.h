#pragma once
// One run's view of the device and the window. Scripts see nothing else:
// the production runner backs it with a real link on a worker thread, the
// recording runner with a virtual clock for tests.

#include <stdexcept>
#include <string>
#include <string_view>

#include "dialogue/progress.h"
#include "dialogue/question.h"
#include "base/timing_settings.h"

namespace dorvane {

class RunValues;

// The link dropped (module closed or reset the connection, port unplugged)
// before the run was done: the run ends as a communication failure, never
// as a success.
class CommunicationLost : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Whether an ARP command did its job; detail says why not (for the log).
struct ArpOutcome {
  bool ok = false;
  std::string detail;
};

// Secret answers (encryption keys) are masked in transcripts.
enum class Secrecy { Plain, Secret };

class Dialogue {
 public:
  virtual ~Dialogue() = default;

  // --- link ---
  // Closes any open link, opens COM entry comPort at "9600,n,8,1".
  // Raises RunTimeError when the port cannot be opened.
  virtual void OpenSerialLink(int comPort) = 0;
  // Closes the socket and starts a connection to address:port (local port
  // any); the outcome is read later with TcpConnected.
  virtual void ConnectTcp(const std::string& address, int port) = 0;
  virtual bool TcpConnected() = 0;
  virtual void CloseLink() = 0;
  // Serial receive threshold: the receive handler runs only once this many
  // characters are waiting.
  virtual void SetReceiveThreshold(int characters) = 0;
  // Writes exactly these bytes. Raises CommunicationLost when the link has
  // dropped since it was opened.
  virtual void Send(std::string_view bytes, Secrecy secrecy = Secrecy::Plain) = 0;

  // --- time ---
  // Waits the seconds (scaled by the clock) while receive events run; ends
  // at once while StopWaiting is true; then advances the progress bar when
  // ProgressActive is true.
  virtual void WaitSeconds(double seconds) = 0;
  // Lets pending receive events run.
  virtual void Yield() = 0;

  // --- window ---
  virtual void Status(std::string_view text) = 0;
  virtual void Progress(ProgressStep step) = 0;
  virtual bool EscapePressed() = 0;
  virtual void ClearEscape() = 0;
  // Set by the serial receive handler when a setup prompt is in the
  // transcript.
  virtual bool PromptSeen() = 0;
  virtual void ClearPromptSeen() = 0;
  // Everything received over the serial link so far.
  virtual std::string Transcript() = 0;
  // Empties the transcript (later scans see only what arrives from now on).
  virtual void ClearTranscript() = 0;
  // A question or instruction for the installer; the run waits for the
  // answer, the window does not.
  virtual Question::Answer Ask(const Question& question) = 0;

  // --- settings and platform ---
  virtual double KeystrokePause() = 0;
  virtual double AnswerPause(LinkKind link) = 0;
  virtual ArpOutcome ClearArpTable() = 0;
  virtual ArpOutcome AssignArpAddress(const std::string& address, const std::string& mac) = 0;

  virtual RunValues& Values() = 0;
};

}  // namespace dorvane
