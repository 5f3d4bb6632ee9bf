#pragma once
// Starts pellar-devsim for an end-to-end test and reads what it reports:
// the pty path and the "ready" line. Stops it when the test is done.

#include <QProcess>
#include <QString>
#include <QStringList>

namespace dorvane::testing {

class SimProcess {
 public:
  SimProcess() = default;
  ~SimProcess();
  SimProcess(const SimProcess&) = delete;
  SimProcess& operator=(const SimProcess&) = delete;

  // Runs the simulator through this command, such as "ip netns exec NAME",
  // which must replace itself with the simulator so Stop reaches it.
  void SetLauncher(const QStringList& launcher) { m_launcher = launcher; }

  // Starts the simulator with the arguments (plus --log into a temporary
  // file) and waits for "ready"; false with the reason in Error().
  bool Start(const QStringList& arguments);
  void Stop();

  QString PtyPath() const { return m_ptyPath; }
  QString Error() const { return m_error; }
  // The JSON lines the simulator logged so far.
  QList<QByteArray> LogLines() const;
  // Every byte the module received, in order, from the log.
  QByteArray Received() const;

  static QString BinaryPath();

 private:
  QProcess m_process;
  QStringList m_launcher;
  QString m_ptyPath;
  QString m_logPath;
  QString m_error;
};

}  // namespace dorvane::testing
