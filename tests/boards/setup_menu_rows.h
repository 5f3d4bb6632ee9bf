#pragma once
// The rows of the wired PELLAR boards' setup menu as the tests write them out
// by hand from the answer table, and the recording runner's view of a run in
// the same terms, so a script test compares two lists of "S <bytes>" and
// "W <seconds>".

#include <QString>
#include <QStringList>
#include <string>
#include <string_view>

#include "dialogue/recording_dialogue.h"

namespace dorvane::testing {

inline QString Banner(const char* version, bool newPrompt) {
  return QString("MAC address 00204A123456\r\nSoftware version %1 (260101)\r\n\r\n%2\r\n")
      .arg(version, newPrompt ? "Press Enter for Setup Mode" : "Press Enter to go into Setup Mode");
}

// The expected sequence: "S <bytes>" for a send (CR written as <CR>), "W <s>"
// for a wait.
class Seq {
 public:
  explicit Seq(double pause) : m_pause(pause) {}
  Seq& Send(const QString& bytes) {
    m_items << "S " + QString(bytes).replace("\r", "<CR>");
    return *this;
  }
  Seq& Wait(double seconds) {
    m_items << "W " + QString::number(seconds);
    return *this;
  }
  // An answer followed by the answer pause.
  Seq& A(const QString& bytes) { return Send(bytes).Wait(m_pause); }
  Seq& Menu() { return Send("\r").Wait(5); }
  QStringList Items() const { return m_items; }

 private:
  double m_pause;
  QStringList m_items;
};

inline QStringList Actual(const RecordingDialogue& d) {
  QStringList items;
  for (const auto& r : d.Records()) {
    if (r.kind == RecordingDialogue::Kind::Send) items << "S " + QString::fromStdString(r.text).replace("\r", "<CR>");
    if (r.kind == RecordingDialogue::Kind::Wait) items << "W " + QString::number(r.seconds);
  }
  return items;
}

// Rows 1 to 11 for 192.168.1.10, gateway 0.0.0.0, mask 255.255.255.0.
inline void ServerRows(Seq& s, const QStringList& address = {"192", "168", "001", "010"}) {
  s.A("0\r");
  for (const QString& f : address) s.A(f + "\r");
  s.A("Y");
  for (int i = 0; i < 4; ++i) s.A("000\r");
  s.A("8\r");
}

inline void ConnectSteps(Seq& s) { s.Wait(5).Wait(3).Send("\r").Wait(5); }

inline void WakeUpTwoCycles(Seq& s) {
  for (int i = 0; i < 6; ++i) s.Send("x").Wait(0.5);
  s.Send("\r").Wait(5);
}

// Rows 17 to 38 without VRA-Link, new prompt, 6.5 or later.
inline void ChannelRows(Seq& s, bool atLeast65 = true) {
  s.A("1\r").A("57600\r").A("4C\r").A("00\r").A("3001\r").A("C0\r");
  s.A("Y");
  if (atLeast65) s.A("N");
  s.A("N");
  for (int i = 0; i < 4; ++i) s.A("000\r");
  s.A("0\r");
  for (const char* a : {"00\r", "80\r", "01\r", "15\r", "00\r", "00\r", "00\r"}) s.A(a);
  s.Menu();
}

// Rows 39 to 46 for 6.8 or later.
inline void EthernetRows68(Seq& s, const QString& type = "0") {
  s.A("5\r");
  for (int i = 0; i < 4; ++i) s.A("\r");
  for (int i = 0; i < 4; ++i) s.A("\r");
  s.A("512\r").A("\r");
  s.A(type + "\r");
  s.Menu();
}

// Rows 47 to 56 with chk77FE ticked and the new prompt.
inline void SecurityRows(Seq& s) {
  s.A("6\r");
  for (const char* a : {"Y", "N", "N", "Y", "Y", "Y", "Y", "N", "Y"}) s.A(a);
}

inline void SaveRows(Seq& s) { s.Menu().Send("9\r"); }


// The module confirms the save over the network, as a healthy one does.
inline void ConfirmSave(RecordingDialogue& d) {
  d.onSend = [](RecordingDialogue& module, std::string_view sent) {
    if (sent == "9\r") module.ArriveNetwork(module.Now() + 0.5, "9\r\n\r\nParameters stored ...\r\n");
  };
}

}  // namespace dorvane::testing
