#pragma once
// A window sees the key presses of its controls before they do, and also
// while those controls are disabled: ESC must reach a programming window
// during a run, when everything on it is greyed out.

#include <QObject>
#include <functional>

class QKeyEvent;
class QWidget;

namespace dorvane {

class KeyPreview : public QObject {
 public:
  // Returns true when the window consumed the key; the control then never
  // sees it.
  using Handler = std::function<bool(const QKeyEvent&)>;

  // Lives as long as the window.
  KeyPreview(QWidget* window, Handler handler);

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* m_window;
  Handler m_handler;
};

}  // namespace dorvane
