#include "sim/module_session.h"

namespace dorvane::sim {

ModuleSession::ModuleSession(const DeviceOptions& options, LinkKind link, int localPort, ReceiveLog& log,
                             QObject* parent)
    : QObject(parent),
      m_firmware(MakeFirmware(options, link)),
      m_link(link),
      m_port(localPort),
      m_log(log),
      m_queue(options.RealMilliseconds(options.fail.slow)),
      m_splitBanner(link == LinkKind::kTcp ? options.fail.splitBanner : 0),
      m_splitPauseMs(options.RealMilliseconds(1.0)) {
  if (options.fail.garbage) m_garbage.emplace();
  m_timer.setSingleShot(true);
  m_timer.setTimerType(Qt::PreciseTimer);
  connect(&m_timer, &QTimer::timeout, this, [this] { Carry(m_firmware->TimerExpired()); });
  connect(&m_queue, &OutputQueue::Deliver, this, [this](const QByteArray& bytes, bool hangUp) {
    if (!bytes.isEmpty()) emit Send(bytes);
    if (hangUp) emit HangUp();
  });
}

void ModuleSession::PowerOn() { Carry(m_firmware->PowerOn()); }

void ModuleSession::Connect() { Carry(m_firmware->Connect()); }

void ModuleSession::Receive(const QByteArray& bytes) {
  // One log line per answer past setup entry, so a test can line the log up
  // with the tool's script even when answers arrive back to back.
  QByteArray pending;
  for (const char byte : bytes) {
    pending += byte;
    const ModuleReply reply = m_firmware->Receive(byte);
    if (reply.answerEnded || !reply.events.isEmpty()) LogData(pending);
    Carry(reply);
  }
  LogData(pending);
}

void ModuleSession::LogData(QByteArray& pending) {
  if (pending.isEmpty()) return;
  m_log.Data(LinkName(m_link), m_port, pending);
  pending.clear();
}

void ModuleSession::Carry(const ModuleReply& reply) {
  for (const QString& event : reply.events) {
    m_log.Event(event.toUtf8().constData(), LinkName(m_link), {{"port", m_port}});
  }
  if (reply.timerMs >= 0) m_timer.start(reply.timerMs);
  const QByteArray output = m_garbage ? m_garbage->Mix(reply.output) : reply.output;
  if (m_splitBanner > 0 && reply.events.contains("banner") && output.size() > m_splitBanner) {
    // Two segments the tool reads apart: the rest follows after a pause.
    m_queue.Push(output.left(m_splitBanner), false);
    m_queue.Push(output.mid(m_splitBanner), reply.hangUp, m_splitPauseMs);
    return;
  }
  m_queue.Push(output, reply.hangUp);
}

}  // namespace dorvane::sim
