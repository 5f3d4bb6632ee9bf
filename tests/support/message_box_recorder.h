#pragma once
// Answers every message box of the tool for a GUI test and keeps what each
// box said; no test ever blocks on a real modal box. Restores the real
// boxes when it goes.

#include <QList>

#include "shell/message_boxes.h"

namespace dorvane::testing {

class MessageBoxRecorder {
 public:
  explicit MessageBoxRecorder(QMessageBox::StandardButton answer = QMessageBox::Ok) {
    SetMessageBoxResponder([this, answer](const MessageBoxRequest& box) {
      boxes << box;
      return answer;
    });
  }
  ~MessageBoxRecorder() { SetMessageBoxResponder({}); }
  MessageBoxRecorder(const MessageBoxRecorder&) = delete;
  MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

  QList<MessageBoxRequest> boxes;
};

}  // namespace dorvane::testing
