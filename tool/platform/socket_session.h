#pragma once
// The sockets layer for one operation: Windows Sockets 1.1 started before it
// and cleaned up after it. Linux needs no start-up; its session always runs.

namespace dorvane::platform {

class SocketSession {
 public:
  SocketSession();
  ~SocketSession();
  SocketSession(const SocketSession&) = delete;
  SocketSession& operator=(const SocketSession&) = delete;

  // Whether the layer started; nothing may use sockets otherwise.
  bool Started() const { return m_started; }

  // Ends the session now rather than at the end of the scope; false when the
  // layer refused to close down.
  bool Cleanup();

 private:
  bool m_started = false;
  bool m_open = false;
};

}  // namespace dorvane::platform
