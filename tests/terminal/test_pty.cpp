#include "test_pty.h"

#include <QEventLoop>
#include <QSocketNotifier>
#include <QTimer>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

namespace dorvane::testing {

namespace {

int BaudOf(speed_t speed) {
  switch (speed) {
    case B300: return 300;
    case B1200: return 1200;
    case B2400: return 2400;
    case B9600: return 9600;
    case B19200: return 19200;
    case B38400: return 38400;
    case B57600: return 57600;
    case B115200: return 115200;
    default: return 0;
  }
}

// Runs the event loop until done() holds or the time is up, woken by the
// signal, never by polling.
template <typename Signal>
bool RunUntil(TestPty* pty, Signal signal, const std::function<bool()>& done, int timeoutMs) {
  if (done()) return true;
  QEventLoop loop;
  QTimer timer;
  timer.setSingleShot(true);
  QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
  QObject::connect(pty, signal, &loop, [&] {
    if (done()) loop.quit();
  });
  timer.start(timeoutMs);
  loop.exec();
  return done();
}

}  // namespace

TestPty::TestPty() = default;

TestPty::~TestPty() {
  CloseMaster();
  if (m_slave >= 0) ::close(m_slave);
}

bool TestPty::Open() {
  m_master = ::posix_openpt(O_RDWR | O_NOCTTY);
  if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0) {
    m_error = QString("no pty: %1").arg(std::strerror(errno));
    return false;
  }
  m_slavePath = QString::fromLocal8Bit(::ptsname(m_master));
  m_slave = ::open(m_slavePath.toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
  if (m_slave < 0) {
    m_error = QString("cannot open %1: %2").arg(m_slavePath, std::strerror(errno));
    return false;
  }
  // Raw from the start: what the test writes before the terminal has opened
  // the port must not be echoed or translated.
  termios attributes{};
  ::tcgetattr(m_slave, &attributes);
  ::cfmakeraw(&attributes);
  ::tcsetattr(m_slave, TCSANOW, &attributes);
  ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
  m_readNotifier = new QSocketNotifier(m_master, QSocketNotifier::Read, this);
  connect(m_readNotifier, &QSocketNotifier::activated, this, &TestPty::OnReadable);
  m_writeNotifier = new QSocketNotifier(m_master, QSocketNotifier::Write, this);
  m_writeNotifier->setEnabled(false);
  connect(m_writeNotifier, &QSocketNotifier::activated, this, &TestPty::OnWritable);
  return true;
}

void TestPty::Write(const QByteArray& bytes) {
  m_pending += bytes;
  OnWritable();
}

void TestPty::OnWritable() {
  while (!m_pending.isEmpty() && m_master >= 0) {
    ssize_t written = ::write(m_master, m_pending.constData(), static_cast<size_t>(m_pending.size()));
    if (written <= 0) break;
    m_pending.remove(0, written);
  }
  if (m_writeNotifier) m_writeNotifier->setEnabled(!m_pending.isEmpty());
  if (m_pending.isEmpty()) emit WriteDone();
}

void TestPty::OnReadable() {
  char buffer[4096];
  ssize_t count = 0;
  while ((count = ::read(m_master, buffer, sizeof buffer)) > 0) m_received.append(buffer, count);
  if (count < 0 && errno != EAGAIN && errno != EWOULDBLOCK && m_readNotifier) {
    // EIO while no one holds the slave; the test's own slave prevents it.
    m_readNotifier->setEnabled(false);
  }
  emit BytesArrived();
}

QByteArray TestPty::Take() {
  QByteArray bytes = m_received;
  m_received.clear();
  return bytes;
}

bool TestPty::WaitForBytes(qsizetype count, int timeoutMs) {
  return RunUntil(this, &TestPty::BytesArrived, [&] { return m_received.size() >= count; }, timeoutMs);
}

bool TestPty::WaitUntilWritten(int timeoutMs) {
  return RunUntil(this, &TestPty::WriteDone, [&] { return m_pending.isEmpty(); }, timeoutMs);
}

int TestPty::InputSpeed() const {
  termios attributes{};
  if (::tcgetattr(m_slave, &attributes) != 0) return 0;
  return BaudOf(::cfgetispeed(&attributes));
}

bool TestPty::EightDataBits() const {
  termios attributes{};
  return ::tcgetattr(m_slave, &attributes) == 0 && (attributes.c_cflag & CSIZE) == CS8;
}

bool TestPty::ParityOn() const {
  termios attributes{};
  return ::tcgetattr(m_slave, &attributes) == 0 && (attributes.c_cflag & PARENB);
}

bool TestPty::TwoStopBits() const {
  termios attributes{};
  return ::tcgetattr(m_slave, &attributes) == 0 && (attributes.c_cflag & CSTOPB);
}

void TestPty::CloseMaster() {
  delete m_readNotifier;
  m_readNotifier = nullptr;
  delete m_writeNotifier;
  m_writeNotifier = nullptr;
  if (m_master >= 0) ::close(m_master);
  m_master = -1;
}

}  // namespace dorvane::testing
