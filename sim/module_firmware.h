#pragma once
// The firmware behind one link of the module. A personality
// (sim/personalities.h) decides how the module greets, wakes and answers; the
// transports only move bytes and the session runs the timers, so a new
// personality is one class and its entry in that list.
// Firmware never touches a clock or a socket itself: it answers each stimulus
// with a ModuleReply, which the session carries out.

#include <QByteArray>
#include <QStringList>

namespace dorvane::sim {

// The two ways the tool reaches a module's setup menu. The module behaves a
// little differently on each (wake-up on serial, greeting on connect).
enum class LinkKind { kSerial, kTcp };

// The name the receive log uses for the link.
inline const char* LinkName(LinkKind link) { return link == LinkKind::kSerial ? "serial" : "tcp"; }

// What the module's firmware does in answer to one stimulus.
struct ModuleReply {
  QByteArray output;         // bytes the module sends
  QStringList events;        // receive-log event names, in order; "name:detail" adds a detail
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

class ModuleFirmware {
 public:
  virtual ~ModuleFirmware() = default;

  // The board was reset or powered up (serial link).
  virtual ModuleReply PowerOn() = 0;
  // A client reached the setup port (TCP link).
  virtual ModuleReply Connect() = 0;
  // One received byte.
  virtual ModuleReply Receive(char byte) = 0;
  // The line has been quiet for DeviceOptions::QuietLineMilliseconds; the
  // next Receive is the first byte after the quiet spell.
  virtual void LineWasQuiet() = 0;
  // The timer asked for by an earlier reply ran out.
  virtual ModuleReply TimerExpired() = 0;
};

}  // namespace dorvane::sim
