#pragma once
// Driving a module firmware step by step in a test, and the options it
// runs with, for the simulator's firmware tests.

#include <QtTest>

#include "sim/device_options.h"
#include "sim/module_firmware.h"

namespace dorvane::sim::testing {

struct Transcript {
  QByteArray output;
  QStringList events;
  bool hangUp = false;
  int timerMs = -1;
};

inline DeviceOptions Options(const QStringList& failModes = {}) {
  DeviceOptions options;
  options.timeScale = 0.05;
  for (const QString& mode : failModes) {
    QString whyNot;
    if (!AddFailureMode(mode, options.fail, whyNot)) qFatal("%s", qPrintable(whyNot));
  }
  return options;
}

inline LinkKind Link(const QString& name) { return name == "serial" ? LinkKind::kSerial : LinkKind::kTcp; }

// Steps: "power", "connect", "timer" (the pending timer runs out), "quiet"
// (the line has been quiet), or ">bytes" received one at a time. The whole output and every event are collected.
inline Transcript Run(ModuleFirmware& firmware, const QStringList& steps) {
  Transcript t;
  auto take = [&t](const ModuleReply& reply) {
    t.output += reply.output;
    t.events += reply.events;
    t.hangUp = t.hangUp || reply.hangUp;
    if (reply.timerMs >= 0) t.timerMs = reply.timerMs;
  };
  for (const QString& step : steps) {
    if (step == "power") {
      take(firmware.PowerOn());
    } else if (step == "connect") {
      take(firmware.Connect());
    } else if (step == "timer") {
      take(firmware.TimerExpired());
    } else if (step == "quiet") {
      firmware.LineWasQuiet();
    } else {
      for (const char byte : step.mid(1).toLatin1()) take(firmware.Receive(byte));
    }
  }
  return t;
}

}  // namespace dorvane::sim::testing
