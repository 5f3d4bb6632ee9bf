#include "sim/output_queue.h"

#include <algorithm>

namespace dorvane::sim {

OutputQueue::OutputQueue(int delayMs, QObject* parent) : QObject(parent), m_delayMs(delayMs) {
  m_clock.start();
  m_timer.setSingleShot(true);
  m_timer.setTimerType(Qt::PreciseTimer);
  connect(&m_timer, &QTimer::timeout, this, &OutputQueue::DeliverDue);
}

void OutputQueue::Push(const QByteArray& bytes, bool hangUp, int extraMs) {
  if (bytes.isEmpty() && !hangUp) return;
  if (m_delayMs <= 0 && extraMs <= 0 && m_items.empty()) {
    emit Deliver(bytes, hangUp);
    return;
  }
  qint64 due = m_clock.elapsed() + m_delayMs + std::max(extraMs, 0);
  if (!m_items.empty()) due = std::max(due, m_items.back().due);
  m_items.push_back({due, bytes, hangUp});
  if (!m_timer.isActive())
    m_timer.start(static_cast<int>(std::max<qint64>(0, m_items.front().due - m_clock.elapsed())));
}

void OutputQueue::DeliverDue() {
  while (!m_items.empty() && m_items.front().due <= m_clock.elapsed()) {
    const Item item = m_items.front();
    m_items.pop_front();
    emit Deliver(item.bytes, item.hangUp);
  }
  if (!m_items.empty()) m_timer.start(static_cast<int>(std::max<qint64>(0, m_items.front().due - m_clock.elapsed())));
}

}  // namespace dorvane::sim
