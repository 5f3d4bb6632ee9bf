#include "widgets/help.h"

#include <QAbstractButton>
#include <QDialog>
#include <QPointer>
#include <QShortcut>
#include <exception>

#include "widgets/apply_language.h"
#include "widgets/help_window.h"
#include "widgets/message_boxes.h"

namespace dorvane {

namespace {

constexpr const char* kHelpPageProperty = "helpPage";
constexpr const char* kHelpMovesOnProperty = "helpMovesOnWhenFinished";

QPointer<HelpWindow> s_helpWindow;

// A modal window blocks every window outside its own family, so the help
// lives under the window that asked for it; when that window is a dialog
// that closes, the help moves to the window below it instead of going with
// it.
void PlaceUnder(QWidget* owner) {
  if (s_helpWindow->parentWidget() != owner) {
    bool visible = s_helpWindow->isVisible();
    QRect geometry = s_helpWindow->geometry();
    s_helpWindow->setParent(owner, Qt::Window);
    s_helpWindow->setGeometry(geometry);
    if (visible) s_helpWindow->show();
  }
  auto* dialog = qobject_cast<QDialog*>(owner);
  if (dialog && !dialog->property(kHelpMovesOnProperty).toBool()) {
    dialog->setProperty(kHelpMovesOnProperty, true);
    QObject::connect(dialog, &QDialog::finished, dialog, [dialog] {
      if (s_helpWindow && s_helpWindow->parentWidget() == dialog) {
        PlaceUnder(dialog->parentWidget() ? dialog->parentWidget()->window() : nullptr);
      }
    });
  }
}

}  // namespace

void ShowHelp(const QString& page, QWidget* from) {
  QWidget* owner = from ? from->window() : nullptr;
  try {
    if (!s_helpWindow) s_helpWindow = new HelpWindow(HelpPages(), owner);
    s_helpWindow->setAttribute(Qt::WA_DeleteOnClose);
    PlaceUnder(owner);
    if (!s_helpWindow->Open(page)) {
      ShowMessage(owner, BoxIcon::Exclamation, WindowText(kHelpTitleText), WindowText(kHelpMissingPageText).arg(page));
      return;
    }
    s_helpWindow->show();
    s_helpWindow->raise();
    s_helpWindow->activateWindow();
  } catch (const std::exception& error) {
    ShowMessage(owner, BoxIcon::Exclamation, "Help", QString::fromUtf8(error.what()));
  }
}

void AttachHelp(QWidget* window, const QString& page, QAbstractButton* button) {
  window->setProperty(kHelpPageProperty, page);
  auto* key = new QShortcut(QKeySequence(Qt::Key_F1), window);
  QObject::connect(key, &QShortcut::activated, window, [window, page] { ShowHelp(page, window); });
  if (button) QObject::connect(button, &QAbstractButton::clicked, window, [window, page] { ShowHelp(page, window); });
}

QString HelpPageOf(const QWidget* window) { return window->property(kHelpPageProperty).toString(); }

HelpWindow* CurrentHelpWindow() { return s_helpWindow; }

}  // namespace dorvane
