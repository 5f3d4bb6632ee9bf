#include "scratch_namespace.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QProcess>

namespace dorvane::testing {

bool ScratchNamespace::Ip(const QStringList& arguments, QString* output) {
  QProcess process;
  process.start("ip", arguments);
  if (!process.waitForFinished(10000)) return false;
  if (output) *output = QString::fromLocal8Bit(process.readAllStandardOutput() + process.readAllStandardError());
  return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

ScratchNamespace::ScratchNamespace(const QString& purpose)
    : m_name(QString("pellar-%1-%2").arg(purpose).arg(QCoreApplication::applicationPid())) {
  if (geteuid() != 0) {
    m_why = "needs root to create a network namespace";
    return;
  }
  QString output;
  if (!Ip({"netns", "add", m_name}, &output)) {
    m_why = "cannot create a network namespace: " + output.trimmed();
    return;
  }
  Ip({"netns", "exec", m_name, "ip", "link", "set", "lo", "up"});
  m_available = true;
}

ScratchNamespace::~ScratchNamespace() {
  if (m_available) Ip({"netns", "del", m_name});
}

}  // namespace dorvane::testing
