#pragma once
// The rows of the wired PELLAR boards' setup menu as the tests write them out
// by hand from the answer table, in "S <bytes>" and "W <seconds>" lines.

#include <QString>
#include <QStringList>

#include "recorded_module.h"
#include "send_wait_lines.h"

namespace dorvane::testing {

inline QString Banner(const char* version, bool newPrompt) {
  return QString::fromStdString(ModuleBanner(version, newPrompt));
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

}  // namespace dorvane::testing
