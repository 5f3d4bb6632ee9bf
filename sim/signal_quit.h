#pragma once
// Ends the event loop on SIGTERM or SIGINT, so the simulator leaves through
// its destructors (which remove the pty symlink) instead of dying mid-way.
// The handler only writes to a socket pair; the quitting happens in the loop.

#include <QObject>
#include <QSocketNotifier>

namespace dorvane::sim {

class SignalQuit : public QObject {
  Q_OBJECT

 public:
  explicit SignalQuit(QObject* parent = nullptr);
  ~SignalQuit() override;

  // False when the socket pair or the handlers could not be set up.
  bool Install();

 private:
  static void Handler(int signal);
  void Arrived();

  static int s_fds[2];
  QSocketNotifier* m_notifier = nullptr;
};

}  // namespace dorvane::sim
