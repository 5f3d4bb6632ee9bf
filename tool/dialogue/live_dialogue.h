#pragma once
// The production Dialogue: lives on the run's worker thread and owns the
// link there. Waits are timers in a local event loop, so receive events run
// the banner scan while the run waits; nothing polls.

#include <QObject>
#include <QString>
#include <atomic>
#include <memory>

#include "dialogue/banner_scan.h"
#include "dialogue/dialogue.h"
#include "dialogue/links.h"
#include "dialogue/transcript_log.h"
#include "platform/application_log.h"
#include "platform/arp_table.h"

class QEventLoop;
class QElapsedTimer;

namespace dorvane {

class LiveDialogue : public QObject, public Dialogue {
  Q_OBJECT

 public:
  // Links come from makeLink; the pauses read settings in the run's
  // language.
  LiveDialogue(RunValues& values, LinkFactory makeLink, std::shared_ptr<platform::ArpTable> arp,
               std::shared_ptr<platform::ApplicationLog> applicationLog, SettingReader settings, int languageOffset,
               TranscriptLog log, std::atomic<bool>& escape);
  ~LiveDialogue() override;

  void OpenSerialLink(int comPort, const std::string& device) override;
  void ConnectTcp(const std::string& address, int port) override;
  bool TcpConnected() override;
  void CloseLink() override;
  void SetReceiveThreshold(int characters) override;
  void Send(std::string_view bytes, Secrecy secrecy) override;
  void WaitSeconds(double seconds) override;
  void Yield() override;
  void Status(std::string_view text) override;
  void Notice(std::string_view text) override;
  void Progress(ProgressStep step) override;
  void ShowChipVersion(const std::string& label) override;
  bool EscapePressed() override { return m_escape.load(); }
  void ClearEscape() override { m_escape = false; }
  bool PromptSeen() override { return m_promptSeen; }
  void ClearPromptSeen() override { m_promptSeen = false; }
  std::string Transcript() override { return m_transcript; }
  void ClearTranscript() override { m_transcript.clear(); }
  platform::CommandOutcome ClearArpTable() override;
  platform::CommandOutcome AssignArpAddress(const std::string& address, const std::string& mac) override;
  platform::CommandOutcome WriteApplicationLog(const std::string& text) override;
  RunValues& Values() override { return m_values; }

  // Blocks the run (not the window) until the installer has answered.
  Question::Answer Ask(const Question& question) override;
  // Called from the window thread with the installer's answer.
  void Answer(Question::Answer answer);

  // Seconds since the run began, on the real clock.
  double Elapsed() const;
  TranscriptLog& Log() { return m_log; }

 signals:
  void StatusChanged(const QString& text);
  void NoticeGiven(const QString& text);
  void ProgressStepped(int kind, int divisor);
  void ChipVersionChanged(const QString& label);
  void QuestionAsked(const QString& title, const QString& text, int icon, int buttons);
  void AnswerGiven();

 private:
  // Connects the link's events, then opens it; false with the reason.
  bool Attach(std::unique_ptr<Link> link, bool serial, QString& error);
  void OnBytesArrived();
  void ReadSerial();
  void OnDropped(const QString& why);
  void QuitWait();
  platform::CommandOutcome Logged(platform::CommandOutcome outcome);

  RunValues& m_values;
  LinkFactory m_makeLink;
  std::shared_ptr<platform::ArpTable> m_arp;
  std::shared_ptr<platform::ApplicationLog> m_applicationLog;
  TranscriptLog m_log;
  std::atomic<bool>& m_escape;
  std::unique_ptr<Link> m_link;
  bool m_serial = false;
  bool m_linkLost = false;
  QString m_lostWhy;
  bool m_promptSeen = false;
  int m_threshold = 1;
  std::string m_transcript;
  NetworkBannerScan m_networkScan;
  QEventLoop* m_waitLoop = nullptr;
  std::unique_ptr<QElapsedTimer> m_clock;
  std::atomic<int> m_answer{-1};
};

}  // namespace dorvane
