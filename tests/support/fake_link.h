#pragma once
// The module at the other end of a run's link, played by the test: what it
// sends and how it fails, without a device, a simulator or a race. The
// runner makes its links through FakeLinks::Factory (Options::makeLink).

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "dialogue/links.h"

namespace dorvane::testing {

// How the fake module lets the run down.
enum class FakeFault {
  None,
  OpenFails,     // the device cannot be opened (openError); a connection cannot be started
  WriteFails,    // every write that would take the bytes written past `afterBytes` fails
  Stalls,        // never answers; over TCP it never connects at all
  ClosedByPeer,  // hangs up once `afterBytes` bytes went out, or once `afterText` was written
};

struct FakeModule {
  FakeFault fault = FakeFault::None;
  QString openError = "No such file or directory";
  qsizetype afterBytes = 0;
  QByteArray afterText;
  // What the module sends once the link is open, one arrival per entry.
  QList<QByteArray> greeting;
  // What it sends after each write, one arrival per entry; runs on the
  // run's thread.
  std::function<QList<QByteArray>(const QByteArray& written)> answer;
};

class FakeLinks {
 public:
  // Every link the run opens reaches this module.
  explicit FakeLinks(FakeModule module);
  // The module for each link, by where it goes (the setup port or port 1).
  explicit FakeLinks(std::function<FakeModule(const LinkTarget&)> moduleFor);

  LinkFactory Factory() const;

  // "serial COM3 /dev/ttyUSB0", "tcp 10.0.0.5:9999": every link made, in order.
  QStringList Made() const;
  // Every byte written over every link, in order.
  QByteArray Written() const;

  struct State;

 private:
  std::shared_ptr<State> m_state;
};

}  // namespace dorvane::testing
