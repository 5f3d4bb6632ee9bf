#pragma once
// A window's control by its documented object name (a missing control ends
// the test at once instead of crashing it later), and the window shown and
// clicked as the installer does it.

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWidget>
#include <QtGlobal>

namespace dorvane::testing {

template <typename T>
T* Child(const QWidget* window, const char* name) {
  T* child = window->findChild<T*>(name);
  if (!child) qFatal("no child %s", name);
  return child;
}

inline QLineEdit* Edit(const QWidget* window, const char* name) { return Child<QLineEdit>(window, name); }

// Shown and given the focus, as a window the installer opens is; a window
// manager that keeps it inactive is noted, not fatal.
inline void ShowActive(QWidget& window) {
  window.show();
  if (!QTest::qWaitForWindowActive(&window)) qWarning("window not active");
}

// A click on the button as the installer makes it.
inline void Click(const QWidget* window, const char* button) {
  QTest::mouseClick(Child<QPushButton>(window, button), Qt::LeftButton);
}

}  // namespace dorvane::testing
