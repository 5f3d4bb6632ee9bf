#pragma once
// Keeps a busy window from being closed through its title bar.

class QWidget;

namespace dorvane {

// remove = true: the title bar's close button goes away and every close
// request is refused until SetCloseBox(window, false).
void SetCloseBox(QWidget* window, bool remove);

// Whether the window currently refuses to close.
bool CloseBoxRemoved(const QWidget* window);

}  // namespace dorvane
