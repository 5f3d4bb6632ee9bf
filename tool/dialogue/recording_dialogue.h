#pragma once
// The test runner: a Dialogue on a virtual clock, in-process, no threads.
// Every send, wait and status is recorded with its virtual time, and the
// simulated module's bytes arrive at scheduled virtual times, so a full
// two-minute run checks in milliseconds.

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "dialogue/banner_scan.h"
#include "dialogue/dialogue.h"
#include "dialogue/run_values.h"
#include "dialogue/transcript_log.h"

namespace dorvane {

class RecordingDialogue : public Dialogue {
 public:
  enum class Kind { Send, Wait, Status, Progress, OpenSerial, ConnectTcp, Close, Threshold, ClearArp, AssignArp, Ask,
                    AppLog, Notice };
  struct Record {
    double time = 0;
    Kind kind = Kind::Send;
    std::string text;     // bytes sent, status text, address:port, ...
    double seconds = 0;   // Wait: the requested seconds
    ProgressStep step{};  // Progress
  };

  // A run of its own: fresh run values, the pauses at their defaults in
  // English until SetTiming says otherwise.
  RecordingDialogue() = default;

  // --- what the simulated module and the host do ---
  // Bytes from the module over the serial link or the socket, at a
  // virtual time; they arrive during the wait or yield that passes it.
  void ArriveSerial(double at, std::string bytes);
  void ArriveNetwork(double at, std::string bytes);
  // Called after every send, to let the module react (schedule arrivals).
  std::function<void(RecordingDialogue&, std::string_view sent)> onSend;
  // Ports that accept a connection (any address).
  std::set<int> listeningPorts = {9999};
  double escapeAt = -1;          // ESC pressed at this time (-1: never)
  double linkLostAt = -1;        // the link drops at this time
  platform::CommandOutcome clearArp{true, {}};
  platform::CommandOutcome assignArp{true, {}};
  platform::CommandOutcome applicationLog{true, {}};
  bool serialOpenFails = false;
  // Stored timing values and the language the run's pauses are read in.
  using Dialogue::SetTiming;
  // Answers to the run's questions, in order; Ok/Yes when they run out.
  std::vector<Question::Answer> answers;
  std::vector<Question> questions;  // every question asked

  // --- what the run did ---
  const std::vector<Record>& Records() const { return m_records; }
  std::vector<Record> RecordsOf(Kind kind) const;
  double Now() const { return m_now; }
  std::string Sent() const;  // every byte sent, in order
  TranscriptLog log;

  // Dialogue
  void OpenSerialLink(int comPort, const std::string& device) override;
  void ConnectTcp(const std::string& address, int port) override;
  bool TcpConnected() override;
  void CloseLink() override;
  void SetReceiveThreshold(int characters) override;
  void Send(std::string_view bytes, Secrecy secrecy) override;
  void WaitSeconds(double seconds) override;
  void Yield() override;
  void Status(std::string_view text) override;
  void Notice(std::string_view text) override;
  void Progress(ProgressStep step) override;
  void ShowChipVersion(const std::string& label) override { m_chipVersionLabel = label; }
  bool EscapePressed() override;
  void ClearEscape() override;
  bool PromptSeen() override { return m_promptSeen; }
  void ClearPromptSeen() override { m_promptSeen = false; }
  std::string Transcript() override { return m_transcript; }
  void ClearTranscript() override { m_transcript.clear(); }
  Question::Answer Ask(const Question& question) override;
  platform::CommandOutcome ClearArpTable() override;
  platform::CommandOutcome AssignArpAddress(const std::string& address, const std::string& mac) override;
  // Records the text as given: the date and time are the live log's.
  platform::CommandOutcome WriteApplicationLog(const std::string& text) override;
  RunValues& Values() override { return m_values; }

  std::string ChipVersionLabel() const { return m_chipVersionLabel; }

 private:
  struct Arrival {
    bool serial = true;
    std::string bytes;
  };
  void Add(Kind kind, std::string text, double seconds = 0, ProgressStep step = {});
  // Delivers every arrival due by `until`; returns the time StopWaiting came
  // up, or a negative value.
  double DeliverUntil(double until);
  void DeliverSerial(const std::string& bytes);

  RunValues m_values;
  std::vector<Record> m_records;
  std::multimap<double, Arrival> m_arrivals;
  double m_now = 0;
  bool m_escapeCleared = false;
  bool m_promptSeen = false;
  bool m_serialOpen = false;
  bool m_connected = false;
  int m_threshold = 1;
  std::string m_pendingSerial;
  std::string m_transcript;
  NetworkBannerScan m_networkScan;
  std::string m_chipVersionLabel;
};

}  // namespace dorvane
