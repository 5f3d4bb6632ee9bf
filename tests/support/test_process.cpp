#include "test_process.h"

#include <QDir>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>

ProcessResult RunProgram(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment,
                         int timeoutMs, const WhileRunning& whileRunning) {
  QProcess process;
  process.setProcessEnvironment(environment);
  QEventLoop loop;
  QTimer deadline;
  deadline.setSingleShot(true);
  QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
  QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
  QObject::connect(&process, &QProcess::errorOccurred, &loop, [&loop](QProcess::ProcessError error) {
    if (error == QProcess::FailedToStart) loop.quit();
  });
  QObject::connect(&process, &QProcess::started, &loop, [&process, &whileRunning] {
    if (whileRunning) whileRunning(process);
  });
  deadline.start(timeoutMs);
  process.start(program, arguments);
  if (process.state() != QProcess::NotRunning) loop.exec();

  ProcessResult result;
  if (process.state() != QProcess::NotRunning) {
    process.kill();
    process.waitForFinished(5000);
    qWarning("%s did not end within %d ms and was killed", qPrintable(program), timeoutMs);
    return result;
  }
  result.out = process.readAllStandardOutput();
  result.err = process.readAllStandardError();
  if (process.error() == QProcess::FailedToStart) {
    qWarning("%s did not run: %s", qPrintable(program), qPrintable(process.errorString()));
    return result;
  }
  result.started = process.exitStatus() == QProcess::NormalExit;
  result.exitCode = result.started ? process.exitCode() : -1;
  return result;
}

QString PellarctlPath() { return QDir(qEnvironmentVariable("PELLAR_BUILD_DIR")).filePath("pellarctl"); }

ProcessResult RunPellarctl(const QStringList& arguments, const PellarctlRun& run) {
  QProcessEnvironment environment = run.environment;
  environment.insert("DORVANE_TIME_SCALE", run.timeScale);
  const QStringList command = run.launcher + QStringList{PellarctlPath()} + arguments;
  return RunProgram(command.first(), command.mid(1), environment, run.timeoutMs, run.whileRunning);
}

WhileRunning InterruptAfter(int ms) {
  return [ms](QProcess& process) {
    QTimer::singleShot(ms, &process, [&process] {
      QProcess::execute("kill", {"-INT", QString::number(process.processId())});
    });
  };
}
