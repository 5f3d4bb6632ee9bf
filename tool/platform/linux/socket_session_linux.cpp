#include "platform/socket_session.h"

namespace dorvane::platform {

SocketSession::SocketSession() : m_started(true), m_open(true) {}

SocketSession::~SocketSession() = default;

bool SocketSession::Cleanup() {
  m_open = false;
  return true;
}

}  // namespace dorvane::platform
