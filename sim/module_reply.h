#pragma once
// What the module's firmware does in answer to one stimulus. Firmware never
// touches a clock or a socket itself; the session carries the reply out.

#include <QByteArray>
#include <QStringList>

namespace dorvane::sim {

struct ModuleReply {
  QByteArray output;         // bytes the module sends
  QStringList events;        // receive-log event names, in order
  bool answerEnded = false;  // the byte just received completed an answer (log line boundary)
  bool hangUp = false;       // the module drops the link (a TCP connection closes)
  int timerMs = -1;          // real milliseconds until TimerExpired; replaces a pending timer

  void Append(const ModuleReply& later) {
    output += later.output;
    events += later.events;
    answerEnded = answerEnded || later.answerEnded;
    hangUp = hangUp || later.hangUp;
    if (later.timerMs >= 0) timerMs = later.timerMs;
  }
};

}  // namespace dorvane::sim
