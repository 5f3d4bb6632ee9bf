#pragma once
// The window side of a programming run: the status line (lblInfo), the
// firmware label (lblChipVersion), the progress pair and the run's
// questions, fed by the runner's queued signals. Every programming window
// shows its run the same way.

#include <QObject>

class QLabel;
class QWidget;

namespace dorvane {

class DialogueRunner;
class RunProgressBar;

class RunDisplay : public QObject {
 public:
  struct Labels {
    QLabel* info = nullptr;
    QLabel* chipVersion = nullptr;
    QLabel* request = nullptr;   // progress track
    QLabel* progress = nullptr;  // progress fill
  };

  RunDisplay(QWidget* window, DialogueRunner& runner, Labels labels);

  // Every end of a run: progress pair hidden, status line emptied.
  void End();

  const RunProgressBar& Progress() const { return *m_progress; }

 private:
  Labels m_labels;
  RunProgressBar* m_progress;
};

}  // namespace dorvane
