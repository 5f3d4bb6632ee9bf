#include "dialogue/recording_dialogue.h"

#include "base/run_time_error.h"

namespace dorvane {

void RecordingDialogue::Add(Kind kind, std::string text, double seconds, ProgressStep step) {
  m_records.push_back({m_now, kind, std::move(text), seconds, step});
}

std::vector<RecordingDialogue::Record> RecordingDialogue::RecordsOf(Kind kind) const {
  std::vector<Record> out;
  for (const Record& r : m_records) {
    if (r.kind == kind) out.push_back(r);
  }
  return out;
}

std::string RecordingDialogue::Sent() const {
  std::string sent;
  for (const Record& r : m_records) {
    if (r.kind == Kind::Send) sent += r.text;
  }
  return sent;
}

void RecordingDialogue::ArriveSerial(double at, std::string bytes) { m_arrivals.emplace(at, Arrival{true, std::move(bytes)}); }

void RecordingDialogue::ArriveNetwork(double at, std::string bytes) {
  m_arrivals.emplace(at, Arrival{false, std::move(bytes)});
}

void RecordingDialogue::DeliverSerial(const std::string& bytes) {
  m_pendingSerial += bytes;
  if (static_cast<int>(m_pendingSerial.size()) < m_threshold) return;
  m_transcript += m_pendingSerial;
  log.Received(m_now, m_pendingSerial);
  m_pendingSerial.clear();
  BannerScanResult scan = ScanSerialTranscript(m_transcript, m_values, BannerRule());
  if (scan.promptSeen) m_promptSeen = true;
  if (scan.chipVersionFound) m_chipVersionLabel = scan.chipVersionLabel;
}

double RecordingDialogue::DeliverUntil(double until) {
  while (!m_arrivals.empty() && m_arrivals.begin()->first <= until) {
    auto node = m_arrivals.extract(m_arrivals.begin());
    if (node.key() > m_now) m_now = node.key();
    if (node.mapped().serial) {
      if (m_serialOpen) DeliverSerial(node.mapped().bytes);
    } else if (m_connected) {
      log.Received(m_now, node.mapped().bytes);
      BannerScanResult scan = m_networkScan.Arrived(node.mapped().bytes, m_values);
      if (scan.chipVersionFound) m_chipVersionLabel = scan.chipVersionLabel;
      NetworkArrived(node.mapped().bytes);
    }
    if (m_values.StopWaiting) return m_now;
  }
  return -1;
}

void RecordingDialogue::OpenSerialLink(int comPort, const std::string& device) {
  Add(Kind::OpenSerial, "COM" + std::to_string(comPort) + (device.empty() ? "" : " " + device) + " 9600,n,8,1");
  if (serialOpenFails) throw RunTimeError(8002, "Invalid port number");
  m_serialOpen = true;
}

void RecordingDialogue::ConnectTcp(const std::string& address, int port) {
  Add(Kind::ConnectTcp, address + ":" + std::to_string(port));
  m_networkScan.Restart();
  m_connected = listeningPorts.count(port) > 0 && !(linkLostAt >= 0 && m_now >= linkLostAt);
}

bool RecordingDialogue::TcpConnected() { return m_connected; }

void RecordingDialogue::CloseLink() {
  Add(Kind::Close, {});
  m_networkScan.Restart();
  m_connected = false;
  m_serialOpen = false;
}

void RecordingDialogue::SetReceiveThreshold(int characters) {
  Add(Kind::Threshold, std::to_string(characters));
  m_threshold = characters < 1 ? 1 : characters;
  if (!m_pendingSerial.empty() && static_cast<int>(m_pendingSerial.size()) >= m_threshold) DeliverSerial({});
}

void RecordingDialogue::Send(std::string_view bytes, Secrecy secrecy) {
  if (linkLostAt >= 0 && m_now >= linkLostAt) throw CommunicationLost("the link dropped");
  Add(Kind::Send, std::string(bytes));
  log.Sent(m_now, bytes, secrecy);
  if (onSend) onSend(*this, bytes);
}

void RecordingDialogue::WaitSeconds(double seconds) {
  Add(Kind::Wait, {}, seconds);
  if (!m_values.StopWaiting) {
    double end = m_now + seconds;
    double stoppedAt = DeliverUntil(end);
    m_now = stoppedAt >= 0 ? stoppedAt : end;
  }
  ProgressStep step;
  if (ProgressStepAfterWait(m_values, step)) Progress(step);
}

void RecordingDialogue::Yield() { DeliverUntil(m_now); }

void RecordingDialogue::Status(std::string_view text) {
  Add(Kind::Status, std::string(text));
  log.Status(m_now, text);
}

void RecordingDialogue::Notice(std::string_view text) {
  Add(Kind::Notice, std::string(text));
  log.Status(m_now, text);
}

void RecordingDialogue::Progress(ProgressStep step) { Add(Kind::Progress, {}, 0, step); }

bool RecordingDialogue::EscapePressed() { return !m_escapeCleared && escapeAt >= 0 && m_now >= escapeAt; }

void RecordingDialogue::ClearEscape() { m_escapeCleared = true; }

platform::CommandOutcome RecordingDialogue::ClearArpTable() {
  Add(Kind::ClearArp, {});
  return clearArp;
}

platform::CommandOutcome RecordingDialogue::AssignArpAddress(const std::string& address, const std::string& mac) {
  Add(Kind::AssignArp, address + " " + mac);
  return assignArp;
}

platform::CommandOutcome RecordingDialogue::WriteApplicationLog(const std::string& text) {
  Add(Kind::AppLog, text);
  if (!applicationLog.ok) log.Event(m_now, "application-log-failed", applicationLog.detail);
  return applicationLog;
}

Question::Answer RecordingDialogue::Ask(const Question& question) {
  Add(Kind::Ask, question.text);
  questions.push_back(question);
  std::size_t index = questions.size() - 1;
  if (index < answers.size()) return answers[index];
  bool yesNo = question.buttons == Question::Buttons::YesNo || question.buttons == Question::Buttons::YesNoDefaultNo;
  return yesNo ? Question::Answer::Yes : Question::Answer::Ok;
}

}  // namespace dorvane
