#pragma once
// A window's control by its documented object name; a missing control ends
// the test at once instead of crashing it later.

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

// A click on the button as the installer makes it.
inline void Click(const QWidget* window, const char* button) {
  QTest::mouseClick(Child<QPushButton>(window, button), Qt::LeftButton);
}

}  // namespace dorvane::testing
