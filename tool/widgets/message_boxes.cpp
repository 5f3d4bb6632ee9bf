#include "widgets/message_boxes.h"

#include <QApplication>

namespace dorvane {

namespace {

MessageBoxResponder& Responder() {
  static MessageBoxResponder responder;
  return responder;
}

QMessageBox::Icon QtIcon(BoxIcon icon) {
  switch (icon) {
    case BoxIcon::Critical: return QMessageBox::Critical;
    case BoxIcon::Question: return QMessageBox::Question;
    case BoxIcon::Exclamation: return QMessageBox::Warning;
    case BoxIcon::Information: break;
  }
  return QMessageBox::Information;
}

}  // namespace

QMessageBox::StandardButton ShowMessageBox(QWidget* owner, const MessageBoxRequest& request) {
  if (Responder()) return Responder()(request);
  QMessageBox box(QtIcon(request.icon), request.title, request.text, request.buttons, owner);
  if (request.defaultButton != QMessageBox::NoButton) box.setDefaultButton(request.defaultButton);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

void ShowMessage(QWidget* owner, BoxIcon icon, const QString& title, const QString& text) {
  ShowMessageBox(owner, {icon, title, text, QMessageBox::Ok, QMessageBox::Ok});
}

void SetMessageBoxResponder(MessageBoxResponder responder) { Responder() = std::move(responder); }

}  // namespace dorvane
