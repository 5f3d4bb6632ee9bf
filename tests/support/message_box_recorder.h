#pragma once
// Answers every message box of the tool while it lives, and keeps each one
// for the test to look at. No GUI test ever blocks on a real modal box.

#include <QList>
#include <QStringList>
#include <QTest>

#include "widgets/message_boxes.h"

namespace dorvane::testing {

class MessageBoxRecorder {
 public:
  explicit MessageBoxRecorder(QMessageBox::StandardButton answer = QMessageBox::Ok) : m_answer(answer) {
    SetMessageBoxResponder([this](const MessageBoxRequest& box) {
      m_boxes << box;
      m_overlapped = m_overlapped || m_open > 0;
      if (m_eventsWhileOpen) {
        ++m_open;
        QTest::qWait(50);
        --m_open;
      }
      return m_answer;
    });
  }
  ~MessageBoxRecorder() { SetMessageBoxResponder({}); }
  MessageBoxRecorder(const MessageBoxRecorder&) = delete;
  MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

  const QList<MessageBoxRequest>& Boxes() const { return m_boxes; }
  qsizetype Count() const { return m_boxes.size(); }
  MessageBoxRequest Last() const { return m_boxes.value(m_boxes.size() - 1); }
  QStringList Titles() const {
    QStringList titles;
    for (const MessageBoxRequest& box : m_boxes) titles << box.title;
    return titles;
  }
  void Clear() { m_boxes.clear(); }
  void Answer(QMessageBox::StandardButton answer) { m_answer = answer; }
  // Each box keeps the event loop turning for a moment, as a real modal box
  // does while it is up, so whatever fires meanwhile and shows a box shows it
  // over the first one (Overlapped).
  void RunEventsWhileOpen() { m_eventsWhileOpen = true; }
  bool Overlapped() const { return m_overlapped; }

 private:
  QMessageBox::StandardButton m_answer;
  QList<MessageBoxRequest> m_boxes;
  bool m_eventsWhileOpen = false;
  int m_open = 0;
  bool m_overlapped = false;
};

}  // namespace dorvane::testing
