#include "dialogue/dialogue_runner.h"

#include <QEventLoop>
#include <QFile>
#include <QThread>

#include "base/run_time_error.h"
#include "dialogue/live_dialogue.h"
#include "dialogue/run_values.h"
#include "platform/settings_store.h"

namespace dorvane {

namespace {

// Opens the transcript file; the sink writes one flushed line per record.
TranscriptLog OpenTranscript(const QString& path, bool showSecrets) {
  if (path.isEmpty()) return {};
  auto file = std::make_shared<QFile>(path);
  if (!file->open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
    throw RunTimeError(75, "Path/File access error (" + path.toStdString() + ": " + file->errorString().toStdString() +
                               ")");
  }
  return TranscriptLog(
      [file](const std::string& line) {
        file->write(line.data(), static_cast<qint64>(line.size()));
        file->write("\n");
        file->flush();
      },
      showSecrets);
}

SettingReader StoreReader() {
  return [](std::string_view name) { return platform::ReadSetting(name); };
}

}  // namespace

DialogueRunner::DialogueRunner(QObject* parent) : QObject(parent) { qRegisterMetaType<RunOutcome>(); }

DialogueRunner::~DialogueRunner() {
  if (m_thread) {
    m_escape = true;
    m_thread->wait();
  }
}

bool DialogueRunner::Start(Script script, Options options) {
  if (m_thread) return false;
  m_escape = false;
  m_outcome = {};
  if (!options.arp) options.arp = platform::SystemArpTable();
  if (!options.applicationLog) options.applicationLog = platform::SystemApplicationLog();
  m_thread = QThread::create([this, script = std::move(script), options] {
    RunOutcome outcome;
    RunValues values;
    try {
      LiveDialogue dialogue(values, options.makeLink, options.arp, options.applicationLog, StoreReader(), options.languageOffset,
                            OpenTranscript(options.transcriptPath, options.showSecrets), m_escape);
      connect(&dialogue, &LiveDialogue::StatusChanged, this, &DialogueRunner::StatusChanged);
      connect(&dialogue, &LiveDialogue::NoticeGiven, this, &DialogueRunner::NoticeGiven);
      connect(&dialogue, &LiveDialogue::ProgressStepped, this, &DialogueRunner::ProgressStepped);
      connect(&dialogue, &LiveDialogue::ChipVersionChanged, this, &DialogueRunner::ChipVersionChanged);
      connect(&dialogue, &LiveDialogue::QuestionAsked, this, &DialogueRunner::QuestionAsked);
      m_dialogue = &dialogue;
      try {
        outcome = script(dialogue);
      } catch (const CommunicationLost& lost) {
        outcome = {RunOutcome::Kind::CommunicationFailure, 0, lost.what()};
      }
      dialogue.Log().Event(dialogue.Elapsed(), "end", std::to_string(static_cast<int>(outcome.kind)));
      m_dialogue = nullptr;
    } catch (const RunTimeError& error) {
      m_dialogue = nullptr;
      outcome = {RunOutcome::Kind::RunTimeError, error.Number(), error.Description()};
    } catch (const std::exception& error) {
      m_dialogue = nullptr;
      outcome = {RunOutcome::Kind::RunTimeError, 51, std::string("Internal error (") + error.what() + ")"};
    }
    m_outcome = outcome;
  });
  connect(m_thread, &QThread::finished, this, &DialogueRunner::OnThreadFinished);
  m_thread->start();
  return true;
}

void DialogueRunner::AnswerQuestion(Question::Answer answer) {
  if (LiveDialogue* dialogue = m_dialogue.load()) dialogue->Answer(answer);
}

void DialogueRunner::OnThreadFinished() {
  if (!m_thread) return;
  m_thread->wait();
  m_thread->deleteLater();
  m_thread = nullptr;
  emit Finished(m_outcome);
}

void DialogueRunner::WaitForEnd() {
  if (!m_thread) return;
  QEventLoop loop;
  connect(this, &DialogueRunner::Finished, &loop, &QEventLoop::quit);
  if (m_thread) loop.exec();
}

}  // namespace dorvane
