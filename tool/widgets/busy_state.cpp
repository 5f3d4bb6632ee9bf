#include "widgets/busy_state.h"

#include <QApplication>
#include <QCursor>

namespace dorvane {

BusyGuard::BusyGuard(std::function<void(bool)> buttonMode) : m_buttonMode(std::move(buttonMode)) {
  if (m_buttonMode) m_buttonMode(false);
  QApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyGuard::~BusyGuard() {
  // The error report may already have restored the pointer.
  if (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
  if (m_buttonMode) m_buttonMode(true);
}

}  // namespace dorvane
