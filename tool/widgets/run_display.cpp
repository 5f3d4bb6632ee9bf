#include "widgets/run_display.h"

#include <QLabel>
#include <QWidget>

#include "dialogue/dialogue_runner.h"
#include "widgets/run_messages.h"
#include "widgets/run_progress_bar.h"

namespace dorvane {

RunDisplay::RunDisplay(QWidget* window, DialogueRunner& runner, Labels labels)
    : QObject(window), m_labels(labels), m_progress(new RunProgressBar(labels.request, labels.progress)) {
  connect(&runner, &DialogueRunner::StatusChanged, this, [this](const QString& text) { m_labels.info->setText(text); });
  connect(&runner, &DialogueRunner::ChipVersionChanged, this,
          [this](const QString& label) { m_labels.chipVersion->setText(label); });
  connect(&runner, &DialogueRunner::ProgressStepped, this, [this](int kind, int divisor) {
    m_progress->Apply({static_cast<ProgressKind>(kind), divisor});
  });
  // The run waits on its own thread for the answer; the box is modal here.
  connect(&runner, &DialogueRunner::QuestionAsked, this,
          [window, &runner](const QString& title, const QString& text, int icon, int buttons) {
            runner.AnswerQuestion(AskInstaller(window, title, text, static_cast<Question::Icon>(icon),
                                               static_cast<Question::Buttons>(buttons)));
          });
}

void RunDisplay::End() {
  m_progress->Apply({ProgressKind::Hide});
  m_labels.info->clear();
}

}  // namespace dorvane
