#pragma once
// A window's control by its documented object name; a missing control ends
// the test at once instead of crashing it later.

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

// A click on the window's button of that name.
inline void ClickButton(const QWidget* window, const char* name) {
  QTest::mouseClick(Child<QPushButton>(window, name), Qt::LeftButton);
}

}  // namespace dorvane::testing
