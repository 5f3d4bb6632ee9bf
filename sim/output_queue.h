#pragma once
// Holds back what the module sends by a fixed delay (the "slow" failure mode)
// without changing its order: a hang-up never overtakes the text before it.

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <deque>

namespace dorvane::sim {

class OutputQueue : public QObject {
  Q_OBJECT

 public:
  explicit OutputQueue(int delayMs, QObject* parent = nullptr);

  // Delivers at once when there is no delay and nothing waits; extraMs holds
  // these bytes (and everything after them) back a little longer.
  void Push(const QByteArray& bytes, bool hangUp, int extraMs = 0);

 signals:
  void Deliver(const QByteArray& bytes, bool hangUp);

 private:
  struct Item {
    qint64 due;
    QByteArray bytes;
    bool hangUp;
  };

  void DeliverDue();

  int m_delayMs;
  QElapsedTimer m_clock;
  QTimer m_timer;
  std::deque<Item> m_items;
};

}  // namespace dorvane::sim
