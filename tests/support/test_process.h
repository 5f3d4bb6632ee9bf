#pragma once
// Running programs from a test: the system's own tools (ip, df, getent) and
// this build's pellarctl. The test's event loop keeps running while the
// program does, so a responder, a simulator link or a timer in the test can
// act meanwhile.

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <functional>

struct ProcessResult {
  bool started = false;  // ran and ended by itself in time
  int exitCode = -1;     // -1 when it crashed, never ran or was stopped
  QByteArray out;
  QByteArray err;

  QString OutText() const { return QString::fromUtf8(out); }
  QString ErrText() const { return QString::fromUtf8(err); }
};

class QProcess;

// Called once the program runs. Through a launcher that replaces itself,
// such as "ip netns exec", the process is the program itself, so a signal
// sent to its processId() reaches the program.
using WhileRunning = std::function<void(QProcess& process)>;

// Interrupts the program after ms, as Ctrl+C on its terminal does.
WhileRunning InterruptAfter(int ms);

// Runs the program and waits for its end, at most timeoutMs; a program that
// does not end in time is killed and reported as not started.
ProcessResult RunProgram(const QString& program, const QStringList& arguments,
                         const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
                         int timeoutMs = 30000, const WhileRunning& whileRunning = {});

// The pellarctl of this build.
QString PellarctlPath();

struct PellarctlRun {
  // Runs pellarctl through this command, such as "ip netns exec NAME".
  QStringList launcher = {};
  // DORVANE_TIME_SCALE: every wait of the run scaled down.
  QString timeScale = "0.1";
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  int timeoutMs = 60000;
  WhileRunning whileRunning = {};
};

// Runs this build's pellarctl with the arguments.
ProcessResult RunPellarctl(const QStringList& arguments, const PellarctlRun& run = {});
