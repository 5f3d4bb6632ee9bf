#pragma once
// One run's view of the device and the window. Scripts see nothing else:
// the production runner backs it with a real link on a worker thread, the
// recording runner with a virtual clock for tests. Beside it, the values a
// run hands across: the questions it puts and how it ended.

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

#include "base/localised_text.h"
#include "base/timing_settings.h"
#include "dialogue/banner_scan.h"
#include "dialogue/progress.h"
#include "platform/command_outcome.h"

namespace dorvane {

class RunValues;

// A question or instruction a run puts to the installer mid-run (the
// window shows a message box, pellarctl prints it).
struct Question {
  enum class Icon { Information, Question, Critical, Exclamation };
  enum class Buttons { Ok, YesNo, OkCancel, YesNoDefaultNo };
  enum class Answer { Ok, Yes, No, Cancel };

  std::string title;
  std::string text;
  Icon icon = Icon::Information;
  Buttons buttons = Buttons::Ok;
};

// An input a run or a window's check refused, where the focus goes after
// the refusal.
enum class InputField { None, Port, Address, Gateway, RemoteAddress, RemotePort, MacBox, ReversePort, EncryptionKey };

// How a programming run ended.
struct RunOutcome {
  enum class Kind {
    Completed,             // the script ran to its end
    Cancelled,             // ESC during the wake-up loop
    ArpFailure,            // the ARP entry could not be set
    CommunicationFailure,  // no connection, or the link dropped mid-run
    RunTimeError,          // number and description for the error report
    InputRejected,         // a field the run found unusable; `field` says which
    Declined,              // the installer said no to the run's question; nothing was sent
    SaveUnconfirmed,       // the module never said it stored the settings
  };
  Kind kind = Kind::Completed;
  int errorNumber = 0;                  // run-time error number
  std::string description;              // run-time error description, why the link dropped or the input was refused
  InputField field = InputField::None;  // InputRejected: the refused input
  int box = 0;                          // InputRejected: which of the field's boxes (the MAC address's 0..5)

  static RunOutcome Ended(Kind kind) { return {kind, 0, {}}; }
  static RunOutcome Rejected(InputField field, std::string why, int box = 0) {
    return {Kind::InputRejected, 0, std::move(why), field, box};
  }
};

// The link dropped (module closed or reset the connection, port unplugged)
// before the run was done: the run ends as a communication failure, never
// as a success.
class CommunicationLost : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Secret answers (encryption keys) are masked in transcripts.
enum class Secrecy { Plain, Secret };

// The link a run talks over; the answer pause's default depends on it.
enum class LinkKind { Serial, Network };
inline constexpr const char* kSerialAnswerPause = "0.2";
inline constexpr const char* kNetworkAnswerPause = "1";

class Dialogue {
 public:
  virtual ~Dialogue() = default;

  // --- link ---
  // Closes any open link, opens COM entry comPort at "9600,n,8,1": the
  // device the platform maps the entry to, or `device` when it is not empty
  // (pellarctl's serial:PATH). Raises RunTimeError when the port cannot be
  // opened.
  virtual void OpenSerialLink(int comPort, const std::string& device) = 0;
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
  // A line the installer should read beside the status while the wait
  // under way goes on (the window shows it under lblInfo until the status
  // moves on; pellarctl prints it on standard error).
  virtual void Notice(std::string_view text) = 0;
  virtual void Progress(ProgressStep step) = 0;
  // lblChipVersion shows this text (lines end with CR LF): what a run read
  // from the module itself, such as the XPort AR's product lines.
  virtual void ShowChipVersion(const std::string& label) = 0;
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

  // Sees each chunk that arrives over the socket, as it arrives (after the
  // banner scan), for runs that read the module's answers; a StopWaiting it
  // raises ends the wait under way at once. Empty: nobody watches.
  using ArrivalWatcher = std::function<void(std::string_view chunk)>;
  void WatchNetworkArrivals(ArrivalWatcher watcher) { m_arrivalWatcher = std::move(watcher); }
  // What the serial receive handler takes for the module's prompt; the
  // boards' setup prompts unless the run says otherwise before it opens
  // the link.
  void UseSerialBannerRule(SerialBannerRule rule) { m_serialBannerRule = std::move(rule); }

  // --- settings and platform ---
  // The stored timing values are read anew at every use, in the language
  // the run was started in, so a value that is not a number fails the run
  // at the step that reads it.
  double KeystrokePause() const { return dorvane::KeystrokePause(m_settings, m_languageOffset); }
  double AnswerPause(LinkKind link) const {
    return dorvane::AnswerPause(m_settings, m_languageOffset,
                                link == LinkKind::Network ? kNetworkAnswerPause : kSerialAnswerPause);
  }
  // A text of the string table in the language the run was started in.
  std::string RunText(int baseId) const { return LoadText(baseId, m_languageOffset); }
  virtual platform::CommandOutcome ClearArpTable() = 0;
  // One information entry in the system's application log: the text
  // followed by the date and time now. The run goes on whatever the
  // outcome; a failure is noted in the transcript.
  virtual platform::CommandOutcome WriteApplicationLog(const std::string& text) = 0;
  virtual platform::CommandOutcome AssignArpAddress(const std::string& address, const std::string& mac) = 0;

  virtual RunValues& Values() = 0;

 protected:
  Dialogue() = default;
  Dialogue(SettingReader settings, int languageOffset)
      : m_settings(std::move(settings)), m_languageOffset(languageOffset) {}
  void SetTiming(SettingReader settings, int languageOffset) {
    m_settings = std::move(settings);
    m_languageOffset = languageOffset;
  }
  const SerialBannerRule& BannerRule() const { return m_serialBannerRule; }
  void NetworkArrived(std::string_view chunk) {
    if (m_arrivalWatcher) m_arrivalWatcher(chunk);
  }

 private:
  SettingReader m_settings;  // none: every pause at its default
  int m_languageOffset = kEnglishOffset;
  ArrivalWatcher m_arrivalWatcher;
  SerialBannerRule m_serialBannerRule = SetupPromptRule;
};

}  // namespace dorvane
