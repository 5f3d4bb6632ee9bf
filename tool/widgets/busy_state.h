#pragma once
// The busy state of a window for the length of one operation: function
// buttons disabled, close refused, hourglass pointer; undone on every exit
// path, the error path included, when the guard goes out of scope.

#include <functional>

class QWidget;

namespace dorvane {

class BusyGuard {
 public:
  // buttonMode(false) now, buttonMode(true) at the end. buttonMode is the
  // window's own operation (it also switches the close box).
  explicit BusyGuard(std::function<void(bool)> buttonMode);
  ~BusyGuard();
  BusyGuard(const BusyGuard&) = delete;
  BusyGuard& operator=(const BusyGuard&) = delete;

 private:
  std::function<void(bool)> m_buttonMode;
};

// Keeps a busy window from being closed through its title bar.
// remove = true: the title bar's close button goes away and every close
// request is refused until SetCloseBox(window, false).
void SetCloseBox(QWidget* window, bool remove);

// Whether the window currently refuses to close.
bool CloseBoxRemoved(const QWidget* window);

}  // namespace dorvane
