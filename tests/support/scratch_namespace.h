#pragma once
// A network namespace of the test's own, so runs that clear the ARP table or
// bind service ports never touch the machine's own network state. Needs
// root; Available() is false (with the reason) otherwise.

#include <QString>
#include <QStringList>

namespace dorvane::testing {

class ScratchNamespace {
 public:
  explicit ScratchNamespace(const QString& purpose);
  ~ScratchNamespace();
  ScratchNamespace(const ScratchNamespace&) = delete;
  ScratchNamespace& operator=(const ScratchNamespace&) = delete;

  bool Available() const { return m_available; }
  QString Why() const { return m_why; }
  QString Name() const { return m_name; }
  // The command prefix that runs a program inside the namespace.
  QStringList Exec() const { return {"ip", "netns", "exec", m_name}; }
  // Runs "ip" with the arguments; false when it fails.
  static bool Ip(const QStringList& arguments, QString* output = nullptr);

 private:
  QString m_name;
  bool m_available = false;
  QString m_why;
};

}  // namespace dorvane::testing
