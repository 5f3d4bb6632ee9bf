#pragma once
// What a terminal shows while a run goes on: the status texts as they
// change and a progress bar (plain lines when stdout is not a terminal),
// the run's questions, and Ctrl+C as ESC.

#include <QObject>
#include <QString>

#include "dialogue/dialogue.h"

namespace dorvane {
class DialogueRunner;
}

namespace dorvane::cli {

// A question put on the terminal: printed with its title, and answered yes
// at once with answerYes (--yes). Otherwise the installer types the answer:
// on standard input when it is a terminal, or, when standard input carried
// a key (NoteStandardInputTaken), on the terminal the program was started
// from. With neither nobody can answer, and a yes/no question is taken as
// no.
Question::Answer AskOnConsole(const QString& title, const QString& text, Question::Buttons buttons, bool answerYes);

// Standard input has been read for a key (--key-file -), so the questions
// go to the terminal the installer started the program from.
void NoteStandardInputTaken();

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
  // What the run says beside its status, for the installer: standard error.
  void OnNotice(const QString& text);
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
