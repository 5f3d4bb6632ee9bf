#include "fake_link.h"

#include <QMutex>
#include <QMutexLocker>
#include <QTimer>

namespace dorvane::testing {

struct FakeLinks::State {
  std::function<FakeModule(const LinkTarget&)> moduleFor;
  mutable QMutex mutex;
  QStringList made;
  QByteArray written;
};

namespace {

QString Where(const LinkTarget& target) {
  if (target.kind == LinkTarget::Kind::Serial) return QString("COM%1 %2").arg(target.comPort).arg(target.device);
  return QString("%1:%2").arg(target.address).arg(target.port);
}

// Whatever the module sends or does reaches the run as an event, after the
// call that caused it, the way a real port's or socket's would.
class FakeLink : public Link {
 public:
  FakeLink(const LinkTarget& target, FakeModule module, std::shared_ptr<FakeLinks::State> state)
      : m_tcp(target.kind == LinkTarget::Kind::Tcp),
        m_where(Where(target)),
        m_module(std::move(module)),
        m_state(std::move(state)) {}

  bool Open(QString& error) override {
    if (m_module.fault == FakeFault::OpenFails) {
      error = m_module.openError;
      return false;
    }
    if (m_tcp && m_module.fault == FakeFault::Stalls) return true;  // connecting, for ever
    m_open = true;
    if (m_module.fault == FakeFault::Stalls) return true;
    Arrive(m_module.greeting);
    if (m_module.fault == FakeFault::ClosedByPeer && m_module.afterText.isEmpty() && m_module.afterBytes == 0) {
      HangUpLater();
    }
    return true;
  }

  void Close() override { m_open = false; }
  bool IsOpen() const override { return m_open; }

  bool Write(const QByteArray& bytes) override {
    if (!m_open) return false;
    if (m_module.fault == FakeFault::WriteFails && m_sent.size() + bytes.size() > m_module.afterBytes) return false;
    m_sent += bytes;
    {
      QMutexLocker lock(&m_state->mutex);
      m_state->written += bytes;
    }
    if (m_module.fault == FakeFault::ClosedByPeer) {
      bool due =
          m_module.afterText.isEmpty() ? m_sent.size() >= m_module.afterBytes : m_sent.contains(m_module.afterText);
      if (due) {
        HangUpLater();
        return true;
      }
    }
    if (m_module.fault != FakeFault::Stalls && m_module.answer) Arrive(m_module.answer(bytes));
    return true;
  }

  qint64 BytesAvailable() const override { return m_buffer.size(); }

  QByteArray ReadAll() override {
    QByteArray all = m_buffer;
    m_buffer.clear();
    return all;
  }

  QString Describe() const override { return "fake " + m_where; }

 private:
  void Arrive(const QList<QByteArray>& arrivals) {
    for (const QByteArray& bytes : arrivals) {
      QTimer::singleShot(0, this, [this, bytes] {
        if (!m_open) return;
        m_buffer += bytes;
        emit BytesArrived();
      });
    }
  }

  void HangUpLater() {
    if (m_hangingUp) return;
    m_hangingUp = true;
    QTimer::singleShot(0, this, [this] {
      if (!m_open) return;
      // A socket whose peer has gone is no longer connected; a serial port
      // stays open and only reports the loss.
      if (m_tcp) m_open = false;
      ReportDropped("the fake module hung up");
    });
  }

  bool m_tcp;
  QString m_where;
  FakeModule m_module;
  std::shared_ptr<FakeLinks::State> m_state;
  bool m_open = false;
  bool m_hangingUp = false;
  QByteArray m_sent;
  QByteArray m_buffer;
};

}  // namespace

FakeLinks::FakeLinks(FakeModule module)
    : FakeLinks(std::function<FakeModule(const LinkTarget&)>([module](const LinkTarget&) { return module; })) {}

FakeLinks::FakeLinks(std::function<FakeModule(const LinkTarget&)> moduleFor) : m_state(std::make_shared<State>()) {
  m_state->moduleFor = std::move(moduleFor);
}

LinkFactory FakeLinks::Factory() const {
  std::shared_ptr<State> state = m_state;
  return [state](const LinkTarget& target) -> std::unique_ptr<Link> {
    {
      QMutexLocker lock(&state->mutex);
      state->made << QString(target.kind == LinkTarget::Kind::Serial ? "serial " : "tcp ") + Where(target);
    }
    return std::make_unique<FakeLink>(target, state->moduleFor(target), state);
  };
}

QStringList FakeLinks::Made() const {
  QMutexLocker lock(&m_state->mutex);
  return m_state->made;
}

QByteArray FakeLinks::Written() const {
  QMutexLocker lock(&m_state->mutex);
  return m_state->written;
}

}  // namespace dorvane::testing
