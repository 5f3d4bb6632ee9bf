// The Linux system log as the tool writes to it: one datagram in the format
// the log daemons and the journal read from /dev/log, and a clear failure
// when nothing listens there. The test listens on a socket of its own.

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <QtTest>

#include "platform/application_log.h"

using namespace dorvane;

class TestApplicationLog : public QObject {
  Q_OBJECT

 private slots:
  void entryReachesTheLogSocket() {
    QTemporaryDir dir;
    const QByteArray path = dir.filePath("log").toLocal8Bit();
    int fd = socket(AF_UNIX, SOCK_DGRAM, 0);
    QVERIFY(fd >= 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.constData(), sizeof(address.sun_path) - 1);
    QCOMPARE(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    qputenv("DORVANE_LOG_SOCKET", path);

    const std::string text = "User Accepted Dorvane Disclaimer PELLAR6 Programming via Network Connection 12/10/2026";
    platform::CommandOutcome outcome = platform::SystemApplicationLog()->WriteInformation(text);
    QVERIFY2(outcome.ok, outcome.detail.c_str());

    char buffer[1024] = {};
    ssize_t length = recv(fd, buffer, sizeof(buffer) - 1, MSG_DONTWAIT);
    close(fd);
    QVERIFY(length > 0);
    const QByteArray entry(buffer, static_cast<qsizetype>(length));
    // user.info, a time stamp, the ident with the process, then the text.
    QVERIFY2(entry.startsWith("<14>"), entry.constData());
    QVERIFY2(entry.contains(" DorvanePELLAR[" + QByteArray::number(QCoreApplication::applicationPid()) + "]: "),
             entry.constData());
    QVERIFY(entry.endsWith(QByteArray::fromStdString(text)));
  }

  void noLogIsAClearFailure() {
    QTemporaryDir dir;
    const QByteArray path = dir.filePath("nobody-listens").toLocal8Bit();
    qputenv("DORVANE_LOG_SOCKET", path);
    platform::CommandOutcome outcome = platform::SystemApplicationLog()->WriteInformation("text");
    QVERIFY(!outcome.ok);
    QVERIFY2(QByteArray::fromStdString(outcome.detail).contains(path), outcome.detail.c_str());
  }
};

QTEST_GUILESS_MAIN(TestApplicationLog)
#include "tst_application_log.moc"
