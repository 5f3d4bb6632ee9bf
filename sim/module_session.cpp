#include "sim/module_session.h"

#include <algorithm>

#include "sim/personalities.h"

namespace dorvane::sim {

GarbageMixer::GarbageMixer(quint32 seed) : m_random(seed) {}

char GarbageMixer::NoiseByte() {
  // CR and LF would change the line structure the tool's transcript relies on.
  for (;;) {
    const auto byte = static_cast<unsigned char>(m_random.bounded(256));
    const bool printable = byte >= 0x20 && byte < 0x7F;
    if (!printable && byte != '\r' && byte != '\n') return static_cast<char>(byte);
  }
}

QByteArray GarbageMixer::Mix(const QByteArray& output) {
  QByteArray mixed;
  for (const char byte : output) {
    if (m_atLineStart) {
      const int count = 1 + static_cast<int>(m_random.bounded(3));
      for (int i = 0; i < count; ++i) mixed += NoiseByte();
      m_atLineStart = false;
    }
    mixed += byte;
    if (byte == '\n') m_atLineStart = true;
  }
  return mixed;
}

OutputQueue::OutputQueue(int delayMs, QObject* parent) : QObject(parent), m_delayMs(delayMs) {
  m_clock.start();
  m_timer.setSingleShot(true);
  m_timer.setTimerType(Qt::PreciseTimer);
  connect(&m_timer, &QTimer::timeout, this, &OutputQueue::DeliverDue);
}

void OutputQueue::Push(const QByteArray& bytes, bool hangUp, int extraMs) {
  if (bytes.isEmpty() && !hangUp) return;
  if (m_delayMs <= 0 && extraMs <= 0 && m_items.empty()) {
    emit Deliver(bytes, hangUp);
    return;
  }
  qint64 due = m_clock.elapsed() + m_delayMs + std::max(extraMs, 0);
  if (!m_items.empty()) due = std::max(due, m_items.back().due);
  m_items.push_back({due, bytes, hangUp});
  if (!m_timer.isActive())
    m_timer.start(static_cast<int>(std::max<qint64>(0, m_items.front().due - m_clock.elapsed())));
}

void OutputQueue::DeliverDue() {
  while (!m_items.empty() && m_items.front().due <= m_clock.elapsed()) {
    const Item item = m_items.front();
    m_items.pop_front();
    emit Deliver(item.bytes, item.hangUp);
  }
  if (!m_items.empty()) m_timer.start(static_cast<int>(std::max<qint64>(0, m_items.front().due - m_clock.elapsed())));
}

ModuleSession::ModuleSession(const DeviceOptions& options, LinkKind link, int localPort, ReceiveLog& log,
                             QObject* parent)
    : QObject(parent),
      m_firmware(PersonalityOf(options.kind).makeFirmware(options, link)),
      m_link(link),
      m_port(localPort),
      m_log(log),
      m_queue(options.RealMilliseconds(options.fail.slow)),
      m_splitBanner(link == LinkKind::kTcp ? options.fail.splitBanner : 0),
      m_splitPauseMs(options.RealMilliseconds(1.0)),
      m_quietLineMs(options.QuietLineMilliseconds()) {
  m_sinceInput.start();
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
  if (bytes.isEmpty()) return;
  if (m_sinceInput.elapsed() >= m_quietLineMs) m_firmware->LineWasQuiet();
  m_sinceInput.restart();
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
    // "name:detail": the detail says what the event was about.
    const QString name = event.section(':', 0, 0);
    ReceiveLog::Fields fields{{"port", m_port}};
    if (event.contains(':')) fields.append({"detail", event.section(':', 1)});
    m_log.Event(name.toUtf8().constData(), LinkName(m_link), fields);
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
