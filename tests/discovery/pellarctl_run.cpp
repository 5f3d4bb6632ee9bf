#include "pellarctl_run.h"

#include <QDir>
#include <QProcess>
#include <QSignalSpy>

namespace dorvane::testing {

PellarctlResult RunPellarctl(const QStringList& arguments, const QStringList& launcher) {
  const QString program = QDir(qEnvironmentVariable("PELLAR_BUILD_DIR")).filePath("pellarctl");
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("DORVANE_TIME_SCALE", "0.1");
  process.setProcessEnvironment(environment);
  QSignalSpy finished(&process, &QProcess::finished);
  if (launcher.isEmpty()) {
    process.start(program, arguments);
  } else {
    process.start(launcher.first(), launcher.mid(1) + QStringList{program} + arguments);
  }
  if (!finished.wait(60000)) {
    process.kill();
    process.waitForFinished();
    return {-1, {}, "pellarctl did not finish"};
  }
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
          QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

}  // namespace dorvane::testing
