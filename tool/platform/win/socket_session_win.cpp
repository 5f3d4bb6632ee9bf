#include <winsock2.h>

#include "platform/socket_session.h"

namespace dorvane::platform {

SocketSession::SocketSession() {
  WSADATA data{};
  m_started = WSAStartup(MAKEWORD(1, 1), &data) == 0;
  m_open = m_started;
}

SocketSession::~SocketSession() {
  if (m_open) WSACleanup();
}

bool SocketSession::Cleanup() {
  if (!m_open) return true;
  m_open = false;
  return WSACleanup() == 0;
}

}  // namespace dorvane::platform
