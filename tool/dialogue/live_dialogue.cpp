#include "dialogue/live_dialogue.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cmath>

#include "base/run_time_error.h"
#include "dialogue/run_values.h"
#include "dialogue/wait_clock.h"
#include "platform/clock_text.h"
#include "platform/serial_ports.h"

namespace dorvane {

LiveDialogue::LiveDialogue(RunValues& values, LinkFactory makeLink, std::shared_ptr<platform::ArpTable> arp,
                           std::shared_ptr<platform::ApplicationLog> applicationLog, SettingReader settings,
                           int languageOffset, TranscriptLog log, std::atomic<bool>& escape)
    : Dialogue(std::move(settings), languageOffset),
      m_values(values),
      m_makeLink(makeLink ? std::move(makeLink) : LinkFactory(MakeLink)),
      m_arp(std::move(arp)),
      m_applicationLog(std::move(applicationLog)),
      m_log(std::move(log)),
      m_escape(escape),
      m_clock(std::make_unique<QElapsedTimer>()) {
  m_clock->start();
}

LiveDialogue::~LiveDialogue() { CloseLink(); }

double LiveDialogue::Elapsed() const { return m_clock->nsecsElapsed() / 1e9; }

bool LiveDialogue::Attach(std::unique_ptr<Link> link, bool serial, QString& error) {
  connect(link.get(), &Link::BytesArrived, this, &LiveDialogue::OnBytesArrived);
  connect(link.get(), &Link::Dropped, this, &LiveDialogue::OnDropped);
  m_serial = serial;
  m_linkLost = false;
  m_lostWhy.clear();
  m_networkScan.Restart();
  m_link = std::move(link);
  // The transcript shows a connection attempt, but only a serial port that
  // did open.
  if (!serial) m_log.Event(Elapsed(), "connect", m_link->Describe().toStdString());
  if (!m_link->Open(error)) {
    m_link->disconnect(this);
    m_link.reset();
    return false;
  }
  if (serial) m_log.Event(Elapsed(), "open", m_link->Describe().toStdString());
  return true;
}

void LiveDialogue::OpenSerialLink(int comPort, const std::string& device) {
  CloseLink();
  const std::string entry = "COM" + std::to_string(comPort);
  std::string path = device.empty() ? platform::ComPortDevice(comPort) : device;
  if (path.empty()) throw RunTimeError(8002, "Invalid port number (" + entry + " reaches no serial device)");
  LinkTarget target;
  target.kind = LinkTarget::Kind::Serial;
  target.comPort = comPort;
  target.device = QString::fromStdString(path);
  QString error;
  if (!Attach(m_makeLink(target), true, error)) {
    throw RunTimeError(8002, "Invalid port number (" + entry + " " + path + ": " + error.toStdString() + ")");
  }
}

void LiveDialogue::ConnectTcp(const std::string& address, int port) {
  CloseLink();
  LinkTarget target;
  target.kind = LinkTarget::Kind::Tcp;
  target.address = QString::fromStdString(address);
  target.port = static_cast<quint16>(port);
  QString error;
  // A connection that cannot even be started is one that never came about:
  // TcpConnected says so.
  if (!Attach(m_makeLink(target), false, error)) m_log.Event(Elapsed(), "connect-failed", error.toStdString());
}

bool LiveDialogue::TcpConnected() { return !m_serial && m_link && m_link->IsOpen(); }

void LiveDialogue::CloseLink() {
  if (!m_link) return;
  m_link->disconnect(this);
  m_link->Close();
  m_log.Event(Elapsed(), "close", m_link->Describe().toStdString());
  m_link.reset();
  m_networkScan.Restart();
}

void LiveDialogue::SetReceiveThreshold(int characters) {
  m_threshold = characters < 1 ? 1 : characters;
  // Lowering the threshold must not strand what already waits in the buffer.
  if (m_serial && m_link && m_link->BytesAvailable() >= m_threshold) ReadSerial();
}

void LiveDialogue::Send(std::string_view bytes, Secrecy secrecy) {
  if (m_linkLost || !m_link || !m_link->IsOpen()) {
    m_log.Event(Elapsed(), "lost", m_lostWhy.toStdString());
    throw CommunicationLost(m_lostWhy.isEmpty() ? "the link is not open" : m_lostWhy.toStdString());
  }
  m_log.Sent(Elapsed(), bytes, secrecy);
  if (!m_link->Write(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())))) {
    throw CommunicationLost("the bytes could not be written");
  }
}

void LiveDialogue::WaitSeconds(double seconds) {
  if (!m_values.StopWaiting && seconds > 0) {
    auto length = std::chrono::nanoseconds(std::llround(seconds * TimeScale() * 1e9));
    QDeadlineTimer deadline(length, Qt::PreciseTimer);
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    // The event loop's timers wake up to a millisecond late; over sixty
    // answers that adds up. The loop wakes one millisecond early and the
    // rest is slept exactly.
    auto early = std::chrono::duration_cast<std::chrono::milliseconds>(length) - std::chrono::milliseconds(1);
    timer.start(std::max(early, std::chrono::milliseconds(0)));
    m_waitLoop = &loop;
    loop.exec();
    m_waitLoop = nullptr;
    qint64 rest = deadline.remainingTimeNSecs();
    if (!m_values.StopWaiting && rest > 0) QThread::usleep(static_cast<unsigned long>((rest + 999) / 1000));
  }
  ProgressStep step;
  if (ProgressStepAfterWait(m_values, step)) Progress(step);
}

void LiveDialogue::Yield() { QCoreApplication::processEvents(); }

void LiveDialogue::QuitWait() {
  if (m_waitLoop) m_waitLoop->quit();
}

void LiveDialogue::Status(std::string_view text) {
  m_log.Status(Elapsed(), text);
  // Status texts are the tool's own, from the UTF-8 string table.
  emit StatusChanged(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void LiveDialogue::Notice(std::string_view text) {
  m_log.Status(Elapsed(), text);
  emit NoticeGiven(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void LiveDialogue::Progress(ProgressStep step) { emit ProgressStepped(static_cast<int>(step.kind), step.divisor); }

void LiveDialogue::ShowChipVersion(const std::string& label) {
  // A label breaks lines at LF; the CR of the module's line ends would show.
  emit ChipVersionChanged(QString::fromLatin1(label.c_str()).replace("\r\n", "\n"));
}

platform::CommandOutcome LiveDialogue::Logged(platform::CommandOutcome outcome) {
  m_log.Event(Elapsed(), outcome.ok ? "arp" : "arp-failed", outcome.detail);
  // The status line only says "Failed"; the log says why (rights, no route).
  if (!outcome.ok) qCWarning(lcDialogue, "ARP table: %s", outcome.detail.c_str());
  return outcome;
}

platform::CommandOutcome LiveDialogue::ClearArpTable() {
  return Logged(m_arp ? m_arp->Clear() : platform::CommandOutcome{false, "no ARP table"});
}

platform::CommandOutcome LiveDialogue::AssignArpAddress(const std::string& address, const std::string& mac) {
  return Logged(m_arp ? m_arp->Assign(address, mac) : platform::CommandOutcome{false, "no ARP table"});
}

platform::CommandOutcome LiveDialogue::WriteApplicationLog(const std::string& text) {
  const std::string entry = text + DateTimeText(QDateTime::currentDateTime()).toStdString();
  platform::CommandOutcome outcome =
      m_applicationLog ? m_applicationLog->WriteInformation(entry) : platform::CommandOutcome{false, "no log"};
  m_log.Event(Elapsed(), outcome.ok ? "application-log" : "application-log-failed",
              outcome.ok ? entry : outcome.detail + ": " + entry);
  if (!outcome.ok) qCWarning(lcDialogue, "application log not written: %s", outcome.detail.c_str());
  return outcome;
}

void LiveDialogue::OnBytesArrived() {
  if (!m_link) return;
  if (m_serial) {
    if (m_link->BytesAvailable() >= m_threshold) ReadSerial();
    return;
  }
  QByteArray chunk = m_link->ReadAll();
  std::string text = chunk.toStdString();
  m_log.Received(Elapsed(), text);
  BannerScanResult scan = m_networkScan.Arrived(text, m_values);
  if (scan.chipVersionFound) emit ChipVersionChanged(QString::fromLatin1(scan.chipVersionLabel.c_str()));
  NetworkArrived(text);
  if (m_values.StopWaiting) QuitWait();
}

void LiveDialogue::ReadSerial() {
  QByteArray chunk = m_link->ReadAll();
  if (chunk.isEmpty()) return;
  std::string text = chunk.toStdString();
  m_log.Received(Elapsed(), text);
  m_transcript += text;
  BannerScanResult scan = ScanSerialTranscript(m_transcript, m_values, BannerRule());
  if (scan.promptSeen) m_promptSeen = true;
  if (scan.chipVersionFound) emit ChipVersionChanged(QString::fromLatin1(scan.chipVersionLabel.c_str()));
}

void LiveDialogue::OnDropped(const QString& why) {
  if (m_linkLost) return;
  m_linkLost = true;
  m_lostWhy = why;
  m_log.Event(Elapsed(), "dropped", why.toStdString());
}

Question::Answer LiveDialogue::Ask(const Question& question) {
  m_answer = -1;
  QEventLoop loop;
  connect(this, &LiveDialogue::AnswerGiven, &loop, &QEventLoop::quit, Qt::QueuedConnection);
  emit QuestionAsked(QString::fromStdString(question.title), QString::fromStdString(question.text),
                     static_cast<int>(question.icon), static_cast<int>(question.buttons));
  if (m_answer.load() < 0) loop.exec();
  return static_cast<Question::Answer>(m_answer.load());
}

void LiveDialogue::Answer(Question::Answer answer) {
  m_answer = static_cast<int>(answer);
  emit AnswerGiven();
}

}  // namespace dorvane
