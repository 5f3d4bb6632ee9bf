#pragma once
// The window side of a programming run: the status line (lblInfo), the
// firmware label (lblChipVersion), the progress pair, the run's questions
// and its end messages, fed by the runner's queued signals. Every
// programming window shows its run the same way.

#include <QObject>
#include <QString>
#include <string>

#include "dialogue/dialogue.h"
#include "dialogue/progress.h"
#include "widgets/message_boxes.h"

class QLabel;
class QWidget;

namespace dorvane {

class DialogueRunner;

// The progress pair of a programming window: the track label (lblRequest)
// is the whole bar, the fill label (lblProgress) lies over it from the left.
// The fill is kept in units of a fixed-width track and mapped to pixels, so
// a run's steps add up the same at any window size or screen density.
class RunProgressBar : public QObject {
 public:
  // About the track's width in the original window's units: a step of one
  // sixtieth stays a whole number of units.
  static constexpr int kTrackUnits = 6000;

  // The fill becomes a child of the track; both start hidden.
  RunProgressBar(QLabel* track, QLabel* fill);

  void Apply(const ProgressStep& step);
  int FillUnits() const { return m_fillUnits; }

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void PlaceFill();

  QLabel* m_track;
  QLabel* m_fill;
  int m_fillUnits = kProgressStartWidth;
};

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
  // lblInfo: the status, and under it the run's notice while its wait lasts.
  void ShowStatus();

  Labels m_labels;
  RunProgressBar* m_progress;
  QString m_status;
  QString m_notice;
};

// Questions and end messages of a run, shown through the message-box
// gateway. Runs and checks describe their boxes in the core's terms
// (Question); this is where they become boxes.
BoxIcon BoxIconFor(Question::Icon icon);

// A one-button box; texts are UTF-8 from the string table or the checks.
void ShowRunMessage(QWidget* owner, Question::Icon icon, const std::string& title, const std::string& text);

// A question a run put mid-run; the installer's answer in the run's terms.
Question::Answer AskInstaller(QWidget* owner, const QString& title, const QString& text, Question::Icon icon,
                              Question::Buttons buttons);

}  // namespace dorvane
