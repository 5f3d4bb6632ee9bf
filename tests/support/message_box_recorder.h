#pragma once
// Answers every message box of the tool while it lives, and keeps each one
// for the test to look at. No GUI test ever blocks on a real modal box.

#include <QList>

#include "widgets/message_boxes.h"

namespace dorvane::testing {

class MessageBoxRecorder {
 public:
  explicit MessageBoxRecorder(QMessageBox::StandardButton answer = QMessageBox::Ok) : m_answer(answer) {
    SetMessageBoxResponder([this](const MessageBoxRequest& box) {
      m_boxes << box;
      return m_answer;
    });
  }
  ~MessageBoxRecorder() { SetMessageBoxResponder({}); }
  MessageBoxRecorder(const MessageBoxRecorder&) = delete;
  MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

  const QList<MessageBoxRequest>& Boxes() const { return m_boxes; }
  qsizetype Count() const { return m_boxes.size(); }
  MessageBoxRequest Last() const { return m_boxes.value(m_boxes.size() - 1); }
  void Clear() { m_boxes.clear(); }
  void Answer(QMessageBox::StandardButton answer) { m_answer = answer; }

 private:
  QMessageBox::StandardButton m_answer;
  QList<MessageBoxRequest> m_boxes;
};

}  // namespace dorvane::testing
