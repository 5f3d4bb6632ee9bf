#pragma once
// A run's sends and waits as "S <bytes>" (CR written as <CR>) and
// "W <seconds>" lines: the list a script test writes out by hand from the
// answer table (Seq), and the recording runner's run in the same terms
// (Actual), so the test compares two lists.

#include <QString>
#include <QStringList>

#include "dialogue/recording_dialogue.h"
#include "recorded_run_text.h"

namespace dorvane::testing {

class Seq {
 public:
  // pause: the wait after each answer.
  explicit Seq(double pause) : m_pause(pause) {}
  Seq& Send(const QString& bytes) {
    m_items << "S " + QString(bytes).replace("\r", "<CR>");
    return *this;
  }
  Seq& Wait(double seconds) {
    m_items << "W " + QString::number(seconds);
    return *this;
  }
  // An answer followed by the answer pause.
  Seq& A(const QString& bytes) { return Send(bytes).Wait(m_pause); }
  // The CR back into the menu and its five seconds.
  Seq& Menu() { return Send("\r").Wait(5); }
  QStringList Items() const { return m_items; }

 private:
  double m_pause;
  QStringList m_items;
};

inline QStringList Actual(const RecordingDialogue& d) {
  return RunText().Show(RecordingDialogue::Kind::Send, "S @x").Show(RecordingDialogue::Kind::Wait, "W @s").Of(d);
}

}  // namespace dorvane::testing
