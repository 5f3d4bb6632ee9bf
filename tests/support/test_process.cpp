#include "test_process.h"

#include <QDir>
#include <QProcess>

ProcessResult RunProgram(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment,
                         int timeoutMs) {
  QProcess process;
  process.setProcessEnvironment(environment);
  process.start(program, arguments);
  ProcessResult result;
  if (!process.waitForStarted(timeoutMs) || !process.waitForFinished(timeoutMs)) {
    process.kill();
    process.waitForFinished(timeoutMs);
    qWarning("%s did not run: %s", qPrintable(program), qPrintable(process.errorString()));
    return result;
  }
  result.started = process.exitStatus() == QProcess::NormalExit;
  result.exitCode = process.exitCode();
  result.out = process.readAllStandardOutput();
  result.err = process.readAllStandardError();
  return result;
}

QString PellarctlPath() { return QDir(qEnvironmentVariable("PELLAR_BUILD_DIR")).filePath("pellarctl"); }
