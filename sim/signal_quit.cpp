#include "sim/signal_quit.h"

#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <cerrno>

namespace dorvane::sim {

int SignalQuit::s_fds[2] = {-1, -1};

SignalQuit::SignalQuit(QObject* parent) : QObject(parent) {}

SignalQuit::~SignalQuit() {
  delete m_notifier;
  ::signal(SIGTERM, SIG_DFL);
  ::signal(SIGINT, SIG_DFL);
  for (int& fd : s_fds) {
    if (fd >= 0) ::close(fd);
    fd = -1;
  }
}

bool SignalQuit::Install() {
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, s_fds) != 0) return false;
  m_notifier = new QSocketNotifier(s_fds[1], QSocketNotifier::Read);
  connect(m_notifier, &QSocketNotifier::activated, this, &SignalQuit::Arrived);
  struct sigaction action {};
  action.sa_handler = &SignalQuit::Handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  return ::sigaction(SIGTERM, &action, nullptr) == 0 && ::sigaction(SIGINT, &action, nullptr) == 0;
}

void SignalQuit::Handler(int signal) {
  const int saved = errno;
  const char byte = static_cast<char>(signal);
  [[maybe_unused]] const ssize_t written = ::write(s_fds[0], &byte, 1);
  errno = saved;
}

void SignalQuit::Arrived() {
  char buffer[16];
  while (::read(s_fds[1], buffer, sizeof buffer) > 0) {
  }
  QCoreApplication::quit();
}

}  // namespace dorvane::sim
