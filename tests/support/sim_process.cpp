#include "sim_process.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryFile>

namespace dorvane::testing {

QString SimProcess::BinaryPath() {
  QString build = qEnvironmentVariable("PELLAR_BUILD_DIR");
  return QDir(build.isEmpty() ? QString(".") : build).filePath("pellar-devsim");
}

SimProcess::~SimProcess() { Stop(); }

bool SimProcess::Start(const QStringList& arguments) {
  QTemporaryFile log(QDir::tempPath() + "/pellar-devsim-XXXXXX.jsonl");
  log.setAutoRemove(false);
  if (!log.open()) {
    m_error = "no temporary log file";
    return false;
  }
  m_logPath = log.fileName();
  log.close();
  m_process.setProcessChannelMode(QProcess::SeparateChannels);
  const QStringList simArguments = arguments + QStringList{"--log", m_logPath};
  if (m_launcher.isEmpty()) {
    m_process.start(BinaryPath(), simArguments);
  } else {
    m_process.start(m_launcher.first(), m_launcher.mid(1) + QStringList{BinaryPath()} + simArguments);
  }
  if (!m_process.waitForStarted(10000)) {
    m_error = "pellar-devsim did not start: " + m_process.errorString();
    return false;
  }
  QByteArray output;
  QElapsedTimer elapsed;
  elapsed.start();
  while (elapsed.elapsed() < 15000) {
    if (!m_process.canReadLine() && !m_process.waitForReadyRead(15000 - static_cast<int>(elapsed.elapsed()))) break;
    while (m_process.canReadLine()) {
      QByteArray line = m_process.readLine().trimmed();
      output += line + "\n";
      if (line.startsWith("pty: ")) m_ptyPath = QString::fromUtf8(line.mid(5)).trimmed();
      if (line == "ready") return true;
    }
  }
  m_error = "pellar-devsim never became ready: " + QString::fromUtf8(output + m_process.readAllStandardError());
  return false;
}

void SimProcess::Stop() {
  if (m_process.state() != QProcess::NotRunning) {
    m_process.terminate();
    if (!m_process.waitForFinished(5000)) {
      m_process.kill();
      m_process.waitForFinished(5000);
    }
  }
}

QList<QByteArray> SimProcess::LogLines() const {
  QFile file(m_logPath);
  if (!file.open(QIODevice::ReadOnly)) return {};
  QList<QByteArray> lines;
  for (const QByteArray& line : file.readAll().split('\n')) {
    if (!line.trimmed().isEmpty()) lines << line;
  }
  return lines;
}

QByteArray SimProcess::Received() const {
  QByteArray bytes;
  for (const QByteArray& line : LogLines()) {
    QJsonObject entry = QJsonDocument::fromJson(line).object();
    if (entry.contains("data")) bytes += entry.value("data").toString().toLatin1();
  }
  return bytes;
}

}  // namespace dorvane::testing
