#include "recorded_run_text.h"

#include <algorithm>

namespace dorvane::testing {

namespace {

// One pass over the pattern, so a text holding "@s" stays as it is.
QString Fill(const QString& pattern, const RecordingDialogue::Record& record, const QString& cr) {
  QString line;
  for (qsizetype i = 0; i < pattern.size(); ++i) {
    const QChar next = i + 1 < pattern.size() ? pattern[i + 1] : QChar();
    if (pattern[i] == '@' && next == 't') {
      line += QString::number(record.time, 'f', 2);
    } else if (pattern[i] == '@' && next == 'x') {
      line += QString::fromStdString(record.text).replace("\r", cr);
    } else if (pattern[i] == '@' && next == 's') {
      line += QString::number(record.seconds);
    } else {
      line += pattern[i];
      continue;
    }
    ++i;
  }
  return line;
}

}  // namespace

RunText& RunText::Show(RecordingDialogue::Kind kind, const QString& pattern) {
  m_patterns[kind] = pattern;
  return *this;
}

RunText& RunText::Others(const QString& pattern) {
  m_others = pattern;
  return *this;
}

RunText& RunText::CrAs(const QString& text) {
  m_cr = text;
  return *this;
}

RunText& RunText::From(const std::string& sent) {
  m_from = sent;
  return *this;
}

QStringList RunText::Of(const RecordingDialogue& run) const {
  QStringList lines;
  bool started = !m_from;
  for (const RecordingDialogue::Record& record : run.Records()) {
    started = started || (record.kind == RecordingDialogue::Kind::Send && record.text == *m_from);
    if (!started) continue;
    auto pattern = m_patterns.find(record.kind);
    if (pattern != m_patterns.end()) {
      lines << Fill(pattern->second, record, m_cr);
    } else if (m_others) {
      lines << Fill(*m_others, record, m_cr);
    }
  }
  return lines;
}

QString FirstDifference(const QStringList& got, const QStringList& expected) {
  for (qsizetype i = 0; i < std::min(got.size(), expected.size()); ++i) {
    if (got[i] != expected[i]) return QString("line %1: got %2, expected %3").arg(i).arg(got[i], expected[i]);
  }
  return {};
}

}  // namespace dorvane::testing
