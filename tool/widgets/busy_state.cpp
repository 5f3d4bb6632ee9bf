#include "widgets/busy_state.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QVariant>
#include <QWidget>
#include <QWindow>

namespace dorvane {

namespace {

constexpr const char* kRefuseCloseProperty = "pellarRefuseClose";
constexpr const char* kRefuserInstalledProperty = "pellarCloseRefuser";

// Refuses close events of windows whose close box is removed, so windows
// need no closeEvent code of their own for the busy state.
class CloseRefuser : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Close && watched->property(kRefuseCloseProperty).toBool()) {
      event->ignore();
      return true;
    }
    return false;
  }
};

}  // namespace

BusyGuard::BusyGuard(std::function<void(bool)> buttonMode) : m_buttonMode(std::move(buttonMode)) {
  if (m_buttonMode) m_buttonMode(false);
  QApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyGuard::~BusyGuard() {
  // The error report may already have restored the pointer.
  if (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
  if (m_buttonMode) m_buttonMode(true);
}

void SetCloseBox(QWidget* window, bool remove) {
  if (!window) return;
  if (!window->property(kRefuserInstalledProperty).toBool()) {
    window->installEventFilter(new CloseRefuser(window));
    window->setProperty(kRefuserInstalledProperty, true);
  }
  window->setProperty(kRefuseCloseProperty, remove);
  // Changing the native window's flags leaves the widget shown (and a modal
  // dialog's loop running); QWidget::setWindowFlags would hide it.
  if (QWindow* native = window->windowHandle()) {
    native->setFlag(Qt::WindowCloseButtonHint, !remove);
  }
}

bool CloseBoxRemoved(const QWidget* window) { return window && window->property(kRefuseCloseProperty).toBool(); }

}  // namespace dorvane
