#pragma once
// The simulator's record of what reached the module and what the module did,
// one JSON object per line, for tests to check the tool's answers against.
//
//   {"t": 1.234, "link": "serial", "port": 0, "data": "0\r"}
//   {"t": 1.240, "event": "saved", "link": "tcp", "port": 9999}
//
// "t" is seconds since the simulator started, on a monotonic clock. "data"
// holds the bytes: printable ASCII as is (with " and \ escaped), CR and LF as
// \r and \n, every other byte as \u00XX, so a JSON reader gets the bytes back
// as Latin-1 characters.

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>

namespace dorvane::sim {

class ReceiveLog {
 public:
  // Further members of a line, in order; ints are written as numbers, all
  // else as strings.
  using Fields = QList<QPair<QByteArray, QVariant>>;

  // The clock starts here: create the log first thing.
  ReceiveLog();

  // "-" is standard error; an empty path logs nothing.
  bool Open(const QString& path, QString& whyNot);

  void Data(const char* link, int port, const QByteArray& bytes, const Fields& extra = {});
  void Event(const char* event, const char* link, const Fields& extra = {});

  static QByteArray JsonString(const QByteArray& bytes);

 private:
  void Write(const Fields& fields);

  QElapsedTimer m_clock;
  QFile m_file;
};

}  // namespace dorvane::sim
