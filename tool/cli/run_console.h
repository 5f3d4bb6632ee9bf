#pragma once
// What a terminal shows while a run goes on: the status texts as they
// change and a progress bar (plain lines when stdout is not a terminal),
// the run's questions, and Ctrl+C as ESC.

#include <QObject>
#include <QString>

namespace dorvane {
class DialogueRunner;
}

namespace dorvane::cli {

class RunConsole : public QObject {
  Q_OBJECT

 public:
  // answerYes: questions are answered yes without waiting (--yes).
  RunConsole(DialogueRunner& runner, bool answerYes, QObject* parent = nullptr);
  ~RunConsole() override;

  // Ends the progress line so the closing message starts on its own line.
  void Finish();

 private:
  void OnStatus(const QString& text);
  void OnProgress(int kind, int divisor);
  void OnQuestion(const QString& title, const QString& text, int icon, int buttons);
  void DrawBar();

  DialogueRunner& m_runner;
  bool m_answerYes;
  bool m_terminal;
  QString m_status;
  int m_width = 0;
  bool m_barShown = false;
};

}  // namespace dorvane::cli
