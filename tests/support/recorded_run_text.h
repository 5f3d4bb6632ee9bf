#pragma once
// A recorded run (the RecordingDialogue's sends, waits, statuses, ...) as
// lines of text, for comparing with a list a test writes out by hand. Each
// test keeps its own notation: a pattern per kind of record it looks at,
// where "@t" stands for the virtual time (two decimals), "@x" for the
// record's text and "@s" for a wait's seconds.
//
//   RunText().Show(Kind::Send, "S @x").Show(Kind::Wait, "W @s").Of(run)

#include <QString>
#include <QStringList>
#include <map>
#include <optional>
#include <string>

#include "dialogue/recording_dialogue.h"

namespace dorvane::testing {

class RunText {
 public:
  // The records of this kind, one line each by the pattern.
  RunText& Show(RecordingDialogue::Kind kind, const QString& pattern);
  // Every kind not shown otherwise, by this pattern; without one they are
  // left out.
  RunText& Others(const QString& pattern);
  // What a CR in a record's text is written as ("<CR>" unless told).
  RunText& CrAs(const QString& text);
  // Records before the first send of these bytes are left out (all of them
  // when it is never sent).
  RunText& From(const std::string& sent);

  QStringList Of(const RecordingDialogue& run) const;

 private:
  std::map<RecordingDialogue::Kind, QString> m_patterns;
  std::optional<QString> m_others;
  QString m_cr = "<CR>";
  std::optional<std::string> m_from;
};

// Where a run's lines first part from the expected ones ("line 12: got ...,
// expected ..."); empty when one list begins the other.
QString FirstDifference(const QStringList& got, const QStringList& expected);

}  // namespace dorvane::testing
