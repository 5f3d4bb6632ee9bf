#include "widgets/run_messages.h"

namespace dorvane {

BoxIcon BoxIconFor(Question::Icon icon) {
  switch (icon) {
    case Question::Icon::Question: return BoxIcon::Question;
    case Question::Icon::Critical: return BoxIcon::Critical;
    case Question::Icon::Exclamation: return BoxIcon::Exclamation;
    case Question::Icon::Information: break;
  }
  return BoxIcon::Information;
}

void ShowRunMessage(QWidget* owner, Question::Icon icon, const std::string& title, const std::string& text) {
  ShowMessage(owner, BoxIconFor(icon), QString::fromStdString(title), QString::fromStdString(text));
}

Question::Answer AskInstaller(QWidget* owner, const QString& title, const QString& text, Question::Icon icon,
                              Question::Buttons buttons) {
  MessageBoxRequest request{BoxIconFor(icon), title, text, QMessageBox::Ok, QMessageBox::Ok};
  if (buttons == Question::Buttons::YesNo) {
    request.buttons = QMessageBox::Yes | QMessageBox::No;
    request.defaultButton = QMessageBox::Yes;
  } else if (buttons == Question::Buttons::OkCancel) {
    request.buttons = QMessageBox::Ok | QMessageBox::Cancel;
  }
  switch (ShowMessageBox(owner, request)) {
    case QMessageBox::Yes: return Question::Answer::Yes;
    case QMessageBox::No: return Question::Answer::No;
    case QMessageBox::Cancel: return Question::Answer::Cancel;
    default: break;
  }
  return Question::Answer::Ok;
}

}  // namespace dorvane
