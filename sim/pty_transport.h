#pragma once
// The module's serial port, played by a pseudo-terminal: the tool opens the
// slave side as its COM port, the simulator reads and writes the master.

#include <QObject>
#include <QSocketNotifier>
#include <QString>
#include <QTimer>

#include "sim/device_options.h"
#include "sim/module_session.h"
#include "sim/receive_log.h"

namespace dorvane::sim {

class PtyTransport : public QObject {
  Q_OBJECT

 public:
  PtyTransport(const DeviceOptions& options, ReceiveLog& log, QObject* parent = nullptr);
  ~PtyTransport() override;

  // Creates the pty (and the symlink, when asked for) and schedules the
  // board's reset. False with a reason when the pty cannot be had.
  bool Open(QString& whyNot);
  QString SlavePath() const { return m_slavePath; }

 private:
  bool MakeLink(QString& whyNot);
  void ReadMaster();
  void Write(const QByteArray& bytes);

  DeviceOptions m_options;
  ReceiveLog& m_log;
  int m_master = -1;
  int m_slave = -1;
  QString m_slavePath;
  QString m_link;
  QSocketNotifier* m_notifier = nullptr;
  ModuleSession* m_session = nullptr;
  QTimer m_reset;
};

}  // namespace dorvane::sim
