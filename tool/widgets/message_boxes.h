#pragma once
// The one gateway every message box of the tool goes through. Tests install
// a responder that records each box and answers it, so no test ever blocks
// on a real modal box.

#include <QMessageBox>
#include <QString>
#include <functional>

class QWidget;

namespace dorvane {

enum class BoxIcon { Critical, Information, Question, Exclamation };

struct MessageBoxRequest {
  BoxIcon icon = BoxIcon::Information;
  QString title;
  QString text;
  QMessageBox::StandardButtons buttons = QMessageBox::Ok;
  QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

using MessageBoxResponder = std::function<QMessageBox::StandardButton(const MessageBoxRequest&)>;

// Shows the box (or hands it to the installed responder) and returns the
// button that closed it.
QMessageBox::StandardButton ShowMessageBox(QWidget* owner, const MessageBoxRequest& request);

// Convenience for the common one-button boxes.
void ShowMessage(QWidget* owner, BoxIcon icon, const QString& title, const QString& text);

// Replaces the real boxes; an empty responder restores them.
void SetMessageBoxResponder(MessageBoxResponder responder);

}  // namespace dorvane
