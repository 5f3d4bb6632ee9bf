#include "widgets/key_preview.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace dorvane {

KeyPreview::KeyPreview(QWidget* window, Handler handler)
    : QObject(window), m_window(window), m_handler(std::move(handler)) {
  // On the application, not on the window: a disabled control or a window
  // without a focus widget would otherwise swallow the key before it climbs
  // to the window.
  qApp->installEventFilter(this);
}

bool KeyPreview::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
  // A popup (an open drop-down list) is a window of its own and keeps its keys.
  if (static_cast<QWidget*>(watched)->window() != m_window) return false;
  return m_handler(*static_cast<QKeyEvent*>(event));
}

}  // namespace dorvane
