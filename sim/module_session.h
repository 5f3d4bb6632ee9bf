#pragma once
// One link's conversation with the module: feeds the received bytes to the
// firmware, logs them split at answer boundaries, and carries out the
// firmware's replies (output with the failure modes applied, timers,
// hang-ups). Transports only move bytes in and out.

#include <QByteArray>
#include <QObject>
#include <QTimer>
#include <memory>
#include <optional>

#include "sim/device_options.h"
#include "sim/garbage_mixer.h"
#include "sim/link_kind.h"
#include "sim/module_firmware.h"
#include "sim/output_queue.h"
#include "sim/receive_log.h"

namespace dorvane::sim {

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
};

}  // namespace dorvane::sim
