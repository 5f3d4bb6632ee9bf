#include "sim_process.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryFile>
#include <QTimer>

namespace dorvane::testing {

namespace {

// From the start of the program to its "ready" line.
constexpr int kStartTimeoutMs = 25000;

QList<QByteArray> Lines(const QByteArray& text) {
  QList<QByteArray> lines;
  for (const QByteArray& line : text.split('\n')) {
    if (!line.trimmed().isEmpty()) lines << line.trimmed();
  }
  return lines;
}

}  // namespace

QString SimProcess::BinaryPath() {
  QString build = qEnvironmentVariable("PELLAR_BUILD_DIR");
  return QDir(build.isEmpty() ? QString(".") : build).filePath("pellar-devsim");
}

SimProcess::SimProcess() {
  m_process.setProcessChannelMode(QProcess::SeparateChannels);
  QObject::connect(&m_process, &QProcess::readyReadStandardOutput,
                   [this] { m_output += m_process.readAllStandardOutput(); });
  QObject::connect(&m_process, &QProcess::readyReadStandardError,
                   [this] { m_errors += m_process.readAllStandardError(); });
}

SimProcess::~SimProcess() { Stop(); }

bool SimProcess::Start(const QStringList& arguments) {
  m_output.clear();
  m_errors.clear();
  QStringList simArguments = arguments;
  const qsizetype logAt = arguments.indexOf("--log");
  if (logAt >= 0 && logAt + 1 < arguments.size()) {
    m_logPath = arguments[logAt + 1];
  } else {
    QTemporaryFile file(QDir::tempPath() + "/pellar-devsim-XXXXXX.jsonl");
    file.setAutoRemove(false);
    if (!file.open()) {
      m_error = "no temporary log file";
      return false;
    }
    m_logPath = file.fileName();
    simArguments << "--log" << m_logPath;
  }

  QEventLoop loop;
  QTimer deadline;
  deadline.setSingleShot(true);
  QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
  // After the collecting slot of the constructor, so the line is there.
  QObject::connect(&m_process, &QProcess::readyReadStandardOutput, &loop, [this, &loop] {
    if (Ready()) loop.quit();
  });
  QObject::connect(&m_process, &QProcess::finished, &loop, &QEventLoop::quit);
  QObject::connect(&m_process, &QProcess::errorOccurred, &loop, [&loop](QProcess::ProcessError error) {
    if (error == QProcess::FailedToStart) loop.quit();
  });
  deadline.start(kStartTimeoutMs);
  if (m_launcher.isEmpty()) {
    m_process.start(BinaryPath(), simArguments);
  } else {
    m_process.start(m_launcher.first(), m_launcher.mid(1) + QStringList{BinaryPath()} + simArguments);
  }
  if (m_process.state() != QProcess::NotRunning && !Ready()) loop.exec();
  if (Ready()) return true;
  if (m_process.error() == QProcess::FailedToStart) {
    m_error = "pellar-devsim did not start: " + m_process.errorString();
  } else {
    m_error = "pellar-devsim never became ready: " + QString::fromUtf8(m_output + m_errors);
  }
  return false;
}

bool SimProcess::Ready() const { return Lines(m_output).contains("ready"); }

void SimProcess::Stop() {
  if (m_process.state() != QProcess::NotRunning) {
    m_process.terminate();
    if (!m_process.waitForFinished(5000)) {
      m_process.kill();
      m_process.waitForFinished(5000);
    }
  }
}

QString SimProcess::StartupValue(const QString& name) const {
  const QByteArray prefix = name.toUtf8() + ": ";
  for (const QByteArray& line : Lines(m_output)) {
    if (line.startsWith(prefix)) return QString::fromUtf8(line.mid(prefix.size()));
  }
  return {};
}

quint16 SimProcess::Port(const QString& name) const {
  return static_cast<quint16>(StartupValue(name).section(':', -1).toUInt());
}

QList<QByteArray> SimProcess::LogLines() const {
  if (m_logPath == "-") {
    QList<QByteArray> lines = Lines(m_errors);
    lines.removeIf([](const QByteArray& line) { return !line.startsWith('{'); });
    return lines;
  }
  QFile file(m_logPath);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return Lines(file.readAll());
}

QByteArray SimProcess::Received() const {
  QByteArray bytes;
  for (const QByteArray& line : LogLines()) {
    QJsonObject entry = QJsonDocument::fromJson(line).object();
    if (entry.contains("data")) bytes += entry.value("data").toString().toLatin1();
  }
  return bytes;
}

QStringList SimProcess::Events(bool withDetail) const {
  QStringList events;
  for (const QByteArray& line : LogLines()) {
    QJsonObject entry = QJsonDocument::fromJson(line).object();
    if (!entry.contains("event")) continue;
    QString event = entry.value("event").toString();
    if (withDetail && entry.contains("detail")) event += " " + entry.value("detail").toString();
    events << event;
  }
  return events;
}

}  // namespace dorvane::testing
