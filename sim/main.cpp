// pellar-devsim: a stand-in for a board's device-server module, reached over a
// pty, TCP and UDP, for the tool's end-to-end tests and demos.

#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <cerrno>
#include <cstdio>
#include <memory>

#include "sim/device_options.h"
#include "sim/discovery_responder.h"
#include "sim/pty_transport.h"
#include "sim/receive_log.h"
#include "sim/tcp_transport.h"

using namespace dorvane::sim;

namespace {

// Ends the event loop on SIGTERM or SIGINT, so the simulator leaves through
// its destructors (which remove the pty symlink) instead of dying mid-way.
// The handler only writes to a socket pair; the quitting happens in the loop.
class SignalQuit {
 public:
  SignalQuit() = default;
  SignalQuit(const SignalQuit&) = delete;
  SignalQuit& operator=(const SignalQuit&) = delete;

  ~SignalQuit() {
    m_notifier.reset();
    ::signal(SIGTERM, SIG_DFL);
    ::signal(SIGINT, SIG_DFL);
    for (int& fd : s_fds) {
      if (fd >= 0) ::close(fd);
      fd = -1;
    }
  }

  // False when the socket pair or the handlers could not be set up.
  bool Install() {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, s_fds) != 0) return false;
    m_notifier = std::make_unique<QSocketNotifier>(s_fds[1], QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, [] {
      char buffer[16];
      while (::read(s_fds[1], buffer, sizeof buffer) > 0) {
      }
      QCoreApplication::quit();
    });
    struct sigaction action {};
    action.sa_handler = &SignalQuit::Handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    return ::sigaction(SIGTERM, &action, nullptr) == 0 && ::sigaction(SIGINT, &action, nullptr) == 0;
  }

 private:
  static void Handler(int signal) {
    const int saved = errno;
    const char byte = static_cast<char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(s_fds[0], &byte, 1);
    errno = saved;
  }

  static inline int s_fds[2] = {-1, -1};
  std::unique_ptr<QSocketNotifier> m_notifier;
};

// Tests read these lines as they come, so each one is flushed at once.
void PrintLine(const QString& line) {
  std::fputs(qPrintable(line + '\n'), stdout);
  std::fflush(stdout);
}

int Fail(const QString& why, int code = 1) {
  std::fprintf(stderr, "pellar-devsim: %s\n", qPrintable(why));
  return code;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  ReceiveLog log;

  const ParsedOptions parsed = ParseDeviceOptions(app.arguments());
  if (parsed.outcome == ParsedOptions::Outcome::kShowHelp) {
    std::fputs(qPrintable(parsed.text), stdout);
    return 0;
  }
  if (parsed.outcome == ParsedOptions::Outcome::kInvalid) return Fail(parsed.text, 2);
  const DeviceOptions& options = parsed.options;

  QString why;
  if (!log.Open(options.logPath, why)) return Fail(why);
  SignalQuit signalQuit;
  if (!signalQuit.Install()) return Fail("cannot install the signal handlers");

  std::unique_ptr<PtyTransport> pty;
  if (options.pty) {
    pty = std::make_unique<PtyTransport>(options, log);
    if (!pty->Open(why)) return Fail(why);
    PrintLine("pty: " + pty->SlavePath());
  }

  std::unique_ptr<TcpTransport> tcp;
  if (!options.tcpAddress.isEmpty()) {
    tcp = std::make_unique<TcpTransport>(options, log);
    if (options.fail.refuseSetupPort) {
      std::fprintf(stderr, "pellar-devsim: refuse-setup-port: nothing listens on %s:%u\n",
                   qPrintable(options.tcpAddress), options.setupPort);
    } else {
      if (!tcp->ListenSetup(why)) return Fail(why);
      PrintLine(QString("tcp: %1:%2").arg(options.tcpAddress).arg(tcp->SetupPort()));
    }
    // Port 1 needs root; the tool's first connection attempt is not looked at
    // anyway, so the module goes on without it.
    if (tcp->ListenAssign(why)) {
      PrintLine(QString("assign: %1:%2").arg(options.tcpAddress).arg(tcp->AssignPort()));
    } else {
      std::fprintf(stderr, "pellar-devsim: warning: assign port: %s; carrying on without it\n", qPrintable(why));
    }
  }

  std::unique_ptr<DiscoveryResponder> udp;
  if (!options.udpAddress.isEmpty()) {
    udp = std::make_unique<DiscoveryResponder>(options, log);
    if (!udp->Bind(why)) return Fail(why);
    PrintLine(QString("udp: %1:%2").arg(options.udpAddress).arg(udp->Port()));
  }

  PrintLine("ready");
  return app.exec();
}
