#pragma once
// One link's conversation with the module: feeds the received bytes to the
// firmware, logs them split at answer boundaries, and carries out the
// firmware's replies (output with the failure modes applied, timers,
// hang-ups). Transports only move bytes in and out.

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QRandomGenerator>
#include <QTimer>
#include <deque>
#include <memory>
#include <optional>

#include "sim/device_options.h"
#include "sim/module_firmware.h"
#include "sim/receive_log.h"

namespace dorvane::sim {

// Line noise for the "garbage" failure mode: a few non-printable bytes at the
// start of every line the module sends. Lines themselves stay whole, so the
// texts the tool looks for still arrive and only its tolerance of junk is
// put to the test.
class GarbageMixer {
 public:
  // A fixed seed by default, so a failing run can be repeated byte for byte.
  explicit GarbageMixer(quint32 seed = 0x5EED);

  QByteArray Mix(const QByteArray& output);

 private:
  char NoiseByte();

  QRandomGenerator m_random;
  bool m_atLineStart = true;
};

// Holds back what the module sends by a fixed delay (the "slow" failure mode)
// without changing its order: a hang-up never overtakes the text before it.
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

class ModuleSession : public QObject {
  Q_OBJECT

 public:
  ModuleSession(const DeviceOptions& options, LinkKind link, int localPort, ReceiveLog& log, QObject* parent = nullptr);

  void PowerOn();
  void Connect();
  void Receive(const QByteArray& bytes);

 signals:
  void Send(const QByteArray& bytes);
  // Emitted after everything sent before it; the transport closes the link.
  void HangUp();

 private:
  void Carry(const ModuleReply& reply);
  void LogData(QByteArray& pending);

  std::unique_ptr<ModuleFirmware> m_firmware;
  LinkKind m_link;
  int m_port;
  ReceiveLog& m_log;
  OutputQueue m_queue;
  std::optional<GarbageMixer> m_garbage;
  int m_splitBanner;  // bytes of the TCP greeting's first segment; 0: one segment
  int m_splitPauseMs;
  QTimer m_timer;
  int m_quietLineMs;
  QElapsedTimer m_sinceInput;
};

}  // namespace dorvane::sim
