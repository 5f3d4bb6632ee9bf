#include "sim/pty_transport.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace dorvane::sim {

namespace {

QString ErrnoText(const char* what) { return QString("%1: %2").arg(what, std::strerror(errno)); }

}  // namespace

PtyTransport::PtyTransport(const DeviceOptions& options, ReceiveLog& log, QObject* parent)
    : QObject(parent), m_options(options), m_log(log) {
  m_reset.setSingleShot(true);
  m_reset.setTimerType(Qt::PreciseTimer);
}

PtyTransport::~PtyTransport() {
  if (!m_link.isEmpty() && QFile::symLinkTarget(m_link) == m_slavePath) ::unlink(QFile::encodeName(m_link).constData());
  delete m_notifier;
  if (m_slave >= 0) ::close(m_slave);
  if (m_master >= 0) ::close(m_master);
}

bool PtyTransport::Open(QString& whyNot) {
  m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (m_master < 0) {
    whyNot = ErrnoText("posix_openpt");
    return false;
  }
  char name[128];
  if (::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0 || ::ptsname_r(m_master, name, sizeof name) != 0) {
    whyNot = ErrnoText("pty set-up");
    return false;
  }
  m_slavePath = QString::fromLocal8Bit(name);
  ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);

  // Holding the slave open keeps the master from reporting a hang-up (and
  // waking the notifier without end) while no tool has the port open. Raw
  // mode, because the default line discipline would echo the module's own
  // output back to it and hold input back until a line end.
  m_slave = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (m_slave < 0) {
    whyNot = ErrnoText("opening the pty slave");
    return false;
  }
  termios settings{};
  ::tcgetattr(m_slave, &settings);
  ::cfmakeraw(&settings);
  ::cfsetspeed(&settings, B9600);
  ::tcsetattr(m_slave, TCSANOW, &settings);

  if (!m_options.ptyLink.isEmpty() && !MakeLink(whyNot)) return false;

  m_session = new ModuleSession(m_options, LinkKind::kSerial, 0, m_log, this);
  connect(m_session, &ModuleSession::Send, this, &PtyTransport::Write);
  m_notifier = new QSocketNotifier(m_master, QSocketNotifier::Read);
  connect(m_notifier, &QSocketNotifier::activated, this, &PtyTransport::ReadMaster);
  connect(&m_reset, &QTimer::timeout, m_session, &ModuleSession::PowerOn);
  m_reset.start(m_options.RealMilliseconds(m_options.resetAfter));
  return true;
}

bool PtyTransport::MakeLink(QString& whyNot) {
  const QByteArray link = QFile::encodeName(m_options.ptyLink);
  struct stat info {};
  // A symlink left by a killed run is ours to replace; anything else is not.
  if (::lstat(link.constData(), &info) == 0) {
    if (!S_ISLNK(info.st_mode)) {
      whyNot = QString("%1 exists and is not a symlink").arg(m_options.ptyLink);
      return false;
    }
    ::unlink(link.constData());
  }
  if (::symlink(QFile::encodeName(m_slavePath).constData(), link.constData()) != 0) {
    whyNot = ErrnoText("creating the pty symlink");
    return false;
  }
  m_link = m_options.ptyLink;
  return true;
}

void PtyTransport::ReadMaster() {
  char buffer[4096];
  for (;;) {
    const ssize_t count = ::read(m_master, buffer, sizeof buffer);
    if (count > 0) {
      m_session->Receive(QByteArray(buffer, static_cast<qsizetype>(count)));
      continue;
    }
    if (count < 0 && errno == EINTR) continue;
    if (count < 0 && errno == EAGAIN) return;
    // With our own slave descriptor open this cannot happen; if it does,
    // stop listening rather than spin on an endless readable descriptor.
    std::fprintf(stderr, "pellar-devsim: pty read failed (%s); serial link stopped\n",
                 count < 0 ? std::strerror(errno) : "end of file");
    m_notifier->setEnabled(false);
    return;
  }
}

void PtyTransport::Write(const QByteArray& bytes) {
  // A serial line has no memory: what the pty cannot take (nobody has read
  // for a while) is lost, as it would be on a cable with no one listening.
  qsizetype done = 0;
  while (done < bytes.size()) {
    const ssize_t count = ::write(m_master, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
    if (count > 0) {
      done += count;
    } else if (count < 0 && errno == EINTR) {
      continue;
    } else {
      return;
    }
  }
}

}  // namespace dorvane::sim
