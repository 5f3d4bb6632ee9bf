#pragma once
// Runs one programming script on a worker thread that owns the link, and
// brings its status, progress, questions and outcome back to the window's
// thread by queued signals. The window thread never waits on the run.

#include <QObject>
#include <QString>
#include <atomic>
#include <functional>
#include <memory>

#include "base/localised_text.h"
#include "dialogue/dialogue.h"
#include "dialogue/links.h"
#include "platform/application_log.h"
#include "platform/arp_table.h"

class QThread;

namespace dorvane {

class LiveDialogue;

class DialogueRunner : public QObject {
  Q_OBJECT

 public:
  // A script runs straight through and returns how it ended; run-time
  // errors and a dropped link arrive as exceptions and are turned into the
  // outcome here.
  using Script = std::function<RunOutcome(Dialogue&)>;

  struct Options {
    std::shared_ptr<platform::ArpTable> arp;  // the system's when empty
    std::shared_ptr<platform::ApplicationLog> applicationLog;  // the system's when empty
    LinkFactory makeLink;                     // the serial and TCP links when empty
    int languageOffset = kEnglishOffset;      // the language the run's pauses are read in
    QString transcriptPath;                   // JSON lines; none when empty
    bool showSecrets = false;                 // keys unmasked in the transcript
  };

  explicit DialogueRunner(QObject* parent = nullptr);
  ~DialogueRunner() override;

  // Starts the run with a fresh set of run values of its own; false when
  // one is already running.
  bool Start(Script script, Options options);
  bool IsRunning() const { return m_thread != nullptr; }
  // ESC: acted on by the wake-up loop at the end of its cycle.
  void PressEscape() { m_escape = true; }
  // The installer's answer to the question last asked.
  void AnswerQuestion(Question::Answer answer);
  // Blocks until the run has ended (for pellarctl and tests; never the window).
  void WaitForEnd();

 signals:
  void StatusChanged(const QString& text);
  void NoticeGiven(const QString& text);
  void ProgressStepped(int kind, int divisor);
  void ChipVersionChanged(const QString& label);
  void QuestionAsked(const QString& title, const QString& text, int icon, int buttons);
  void Finished(const dorvane::RunOutcome& outcome);

 private:
  void OnThreadFinished();

  QThread* m_thread = nullptr;
  std::atomic<bool> m_escape{false};
  std::atomic<LiveDialogue*> m_dialogue{nullptr};
  RunOutcome m_outcome;
};

}  // namespace dorvane

Q_DECLARE_METATYPE(dorvane::RunOutcome)
