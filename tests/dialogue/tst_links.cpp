// The production links against ends the test holds itself: a pty whose
// master side plays the module, and a TCP server on loopback. What matters
// is how each link ends: once, with a reason, and never for what a pty
// merely refuses.

#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

#include "dialogue/links.h"

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>
#endif

using namespace dorvane;

class TestLinks : public QObject {
  Q_OBJECT

#ifdef Q_OS_UNIX
  // The master side of a new pty; the slave's path in `slave`.
  static int OpenPty(QString& slave) {
    int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    char name[128];
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0 ||
        ::ptsname_r(master, name, sizeof name) != 0) {
      if (master >= 0) ::close(master);
      return -1;
    }
    slave = QString::fromLocal8Bit(name);
    return master;
  }
#endif

 private slots:
  // A pty takes the line settings but refuses the modem-control calls: the
  // link opens and carries bytes both ways regardless.
  void serialLinkOverAPty() {
#ifdef Q_OS_UNIX
    QString slave;
    int master = OpenPty(slave);
    QVERIFY(master >= 0);
    SerialLink link(1, slave);
    QSignalSpy dropped(&link, &Link::Dropped);
    QSignalSpy arrived(&link, &Link::BytesArrived);
    QString error;
    QVERIFY2(link.Open(error), qPrintable(error));
    QVERIFY(link.Write("xxx"));
    char buffer[16] = {};
    QCOMPARE(::read(master, buffer, sizeof buffer), ssize_t(3));
    QCOMPARE(QByteArray(buffer, 3), QByteArray("xxx"));
    QCOMPARE(::write(master, "ok\r\n", 4), ssize_t(4));
    QVERIFY(arrived.wait(5000));
    QCOMPARE(link.ReadAll(), QByteArray("ok\r\n"));
    QCOMPARE(dropped.count(), 0);
    ::close(master);
#else
    QSKIP("needs a pty");
#endif
  }

  // The module's end gone (the board unplugged): the link drops once, with
  // the port's reason, however often the port reports it.
  void serialLinkDropsOnceWhenTheOtherEndGoes() {
#ifdef Q_OS_UNIX
    QString slave;
    int master = OpenPty(slave);
    QVERIFY(master >= 0);
    SerialLink link(1, slave);
    QSignalSpy dropped(&link, &Link::Dropped);
    QString error;
    QVERIFY2(link.Open(error), qPrintable(error));
    ::close(master);
    QVERIFY(dropped.wait(5000));
    QVERIFY2(dropped.first().first().toString().startsWith("the serial port failed"),
             qPrintable(dropped.first().first().toString()));
    link.Write("x");
    QTest::qWait(100);
    QCOMPARE(dropped.count(), 1);
#else
    QSKIP("needs a pty");
#endif
  }

  void serialOpenFailureSaysWhy() {
    SerialLink link(5, "/nonexistent/tty");
    QSignalSpy dropped(&link, &Link::Dropped);
    QString error;
    QVERIFY(!link.Open(error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!link.IsOpen());
    QCOMPARE(dropped.count(), 0);
  }

  // The module closing the setup connection ends the link once; a
  // connection that never came about is no drop, only not open.
  void tcpLinkEnds() {
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress("127.0.0.71"), 0));
    TcpLink link("127.0.0.71", server.serverPort());
    QSignalSpy dropped(&link, &Link::Dropped);
    QString error;
    QVERIFY(link.Open(error));
    QVERIFY(server.waitForNewConnection(5000));
    QTcpSocket* module = server.nextPendingConnection();
    QTRY_VERIFY(link.IsOpen());
    module->disconnectFromHost();
    QVERIFY(dropped.wait(5000));
    QCOMPARE(dropped.first().first().toString(), QString("the module closed the connection"));
    QTest::qWait(100);
    QCOMPARE(dropped.count(), 1);

    server.close();
    TcpLink refused("127.0.0.71", server.serverPort());
    QSignalSpy refusedDropped(&refused, &Link::Dropped);
    QVERIFY(refused.Open(error));
    QTest::qWait(200);
    QVERIFY(!refused.IsOpen());
    QCOMPARE(refusedDropped.count(), 0);
  }
};

QTEST_GUILESS_MAIN(TestLinks)
#include "tst_links.moc"
