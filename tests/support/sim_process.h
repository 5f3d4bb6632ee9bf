#pragma once
// Starts pellar-devsim for an end-to-end test and reads what it reports:
// its start-up lines (the pty path, the ports) up to "ready", what it prints
// afterwards, and its log. Stops it when the test is done.

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace dorvane::testing {

class SimProcess {
 public:
  SimProcess();
  ~SimProcess();
  SimProcess(const SimProcess&) = delete;
  SimProcess& operator=(const SimProcess&) = delete;

  // Runs the simulator through this command, such as "ip netns exec NAME",
  // which must replace itself with the simulator so Stop reaches it.
  void SetLauncher(const QStringList& launcher) { m_launcher = launcher; }

  // Starts the simulator with the arguments and waits for "ready"; false
  // with the reason in Error(). Unless the arguments name a --log of their
  // own, the simulator logs into a temporary file.
  bool Start(const QStringList& arguments);
  void Stop();

  QString PtyPath() const { return StartupValue("pty"); }
  // The value of a start-up line such as "tcp: 127.0.0.37:9999"; empty when
  // the simulator printed no such line.
  QString StartupValue(const QString& name) const;
  // The port of such a line ("tcp" gives 9999); 0 when there is none.
  quint16 Port(const QString& name) const;
  QString Error() const { return m_error; }

  // Everything the simulator wrote to its standard output and standard error
  // so far (the event loop collects it).
  const QByteArray& Output() const { return m_output; }
  const QByteArray& Errors() const { return m_errors; }
  QProcess& Process() { return m_process; }

  // The JSON lines the simulator logged so far ("--log -": those of its
  // standard error).
  QList<QByteArray> LogLines() const;
  // Every byte the module received, in order, from the log.
  QByteArray Received() const;
  // The events the simulator logged, in order: their names, or with
  // withDetail "name detail" where the event carries one ("encryption 128").
  QStringList Events(bool withDetail = false) const;

  static QString BinaryPath();

 private:
  bool Ready() const;

  QProcess m_process;
  QStringList m_launcher;
  QString m_logPath;
  QString m_error;
  QByteArray m_output;
  QByteArray m_errors;
};

}  // namespace dorvane::testing

// Tests that start the simulator skip in a build without it.
#define REQUIRE_SIM() \
  if (!QFile::exists(dorvane::testing::SimProcess::BinaryPath())) QSKIP("pellar-devsim is not built")
