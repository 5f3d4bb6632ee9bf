// pellarctl discover against modules simulated on loopback (--target), so no
// query is ever broadcast from this machine: the three output forms, the
// exit codes, and the message for a port another program holds.

#include <QUdpSocket>
#include <QtTest>

#include "loopback_responder.h"
#include "module_reply.h"
#include "test_process.h"

using dorvane::testing::LoopbackResponder;
using dorvane::testing::ModuleReply;

namespace {

QByteArray Reply(const char* code, unsigned char lastMacByte) {
  return QByteArray::fromStdString(ModuleReply(code, {0x00, 0x20, 0x4A, 0xAB, 0xCD, lastMacByte}));
}

QStringList AtLoopback(const LoopbackResponder& responder, const QStringList& more = {}) {
  return QStringList{"discover", "--target", QString("127.0.0.1:%1").arg(responder.Port()), "--local-port", "0"} + more;
}

}  // namespace

class TestDiscoverCommand : public QObject {
  Q_OBJECT

 private slots:
  void forms_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("out");
    const QString table =
        "MAC Address        IP Address  Device Type\n"
        "00.20.4A.AB.CD.01  127.0.0.1   PELLAR - X1 - XPort 01\n"
        "00.20.4A.AB.CD.02  127.0.0.3   PELLAR - A5 - XPort 03/04\n"
        "00.20.4A.AB.CD.03  127.0.0.1   q7 - Unknown\n";
    QTest::newRow("text, the table, by default") << QStringList{} << table;
    QTest::newRow("text") << QStringList{"--format", "text"} << table;
    // The older name of text, which scripts may still use.
    QTest::newRow("table") << QStringList{"--format=table"} << table;
    QTest::newRow("csv") << QStringList{"--format", "csv", "--seconds", "4"}
                         << "MAC Address,IP Address,Device Type\n"
                            "00.20.4A.AB.CD.01,127.0.0.1,PELLAR - X1 - XPort 01\n"
                            "00.20.4A.AB.CD.02,127.0.0.3,PELLAR - A5 - XPort 03/04\n"
                            "00.20.4A.AB.CD.03,127.0.0.1,q7 - Unknown\n";
    QTest::newRow("json")
        << QStringList{"--format", "json"}
        << "[\n"
           "  {\"mac\": \"00.20.4A.AB.CD.01\", \"ip\": \"127.0.0.1\", \"type\": \"PELLAR - X1 - XPort 01\"},\n"
           "  {\"mac\": \"00.20.4A.AB.CD.02\", \"ip\": \"127.0.0.3\", \"type\": \"PELLAR - A5 - XPort 03/04\"},\n"
           "  {\"mac\": \"00.20.4A.AB.CD.03\", \"ip\": \"127.0.0.1\", \"type\": \"q7 - Unknown\"}\n"
           "]\n";
  }
  void forms() {
    QFETCH(QStringList, options);
    LoopbackResponder responder({{Reply("X1", 0x01)},
                                 {Reply("X5", 0x02), QHostAddress("127.0.0.3")},
                                 {Reply("X1", 0x09).left(29)},
                                 {Reply("q7", 0x03)}});
    ProcessResult result = RunPellarctl(AtLoopback(responder, options));
    QCOMPARE(result.exitCode, 0);
    QTEST(result.OutText(), "out");
    QCOMPARE(result.ErrText(), QString());
    QCOMPARE(responder.QueriesSeen(), 1);
    QCOMPARE(responder.LastQuery(), QByteArray("\x00\x00\x00\xF6", 4));
  }

  void nothingAnsweredIsSuccess() {
    LoopbackResponder silent;
    ProcessResult result = RunPellarctl(AtLoopback(silent, {"--format", "json"}));
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.OutText(), QString("[]\n"));
    QCOMPARE(result.ErrText(), QString());
    QCOMPARE(silent.QueriesSeen(), 1);
  }

  void tooManyRepliesAreDroppedAndSaid() {
    QList<LoopbackResponder::Reply> replies;
    for (int i = 0; i < 257; ++i) replies << LoopbackResponder::Reply{Reply("X4", static_cast<unsigned char>(i))};
    LoopbackResponder responder(replies);
    ProcessResult result = RunPellarctl(AtLoopback(responder, {"--format", "csv"}));
    QCOMPARE(result.exitCode, 0);
    const QStringList lines = result.OutText().split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 1 + 256);
    QCOMPARE(lines.last(), QString("00.20.4A.AB.CD.FF,127.0.0.1,PELLAR - X4 - XPort 04"));
    QCOMPARE(result.ErrText(),
             QString("pellarctl discover: 256 devices answered. The list holds 256 devices; 1 further "
                     "reply was dropped.\n"));
  }

  void portHeldByAnotherProgram() {
    QUdpSocket holder;
    QVERIFY(holder.bind(QHostAddress::LocalHost, 0, QAbstractSocket::DontShareAddress));
    LoopbackResponder responder({{Reply("X1", 0x01)}});
    ProcessResult result = RunPellarctl({"discover", "--target", QString("127.0.0.1:%1").arg(responder.Port()),
                                         "--local-port", QString::number(holder.localPort())});
    QCOMPARE(result.exitCode, 3);
    QCOMPARE(result.OutText(), QString("MAC Address  IP Address  Device Type\n"));
    QCOMPARE(result.ErrText(),
             QString("pellarctl discover: Could not look for devices: UDP port %1 is in use by another "
                     "program, so no query was sent.\n")
                 .arg(holder.localPort()));
    QCOMPARE(responder.QueriesSeen(), 0);
  }

  // Every case also names a loopback target, so a check that wrongly let the
  // run go ahead still could not broadcast.
  void badOptions_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    const QStringList safe = {"--target", "127.0.0.1:9", "--local-port", "0"};
    QTest::newRow("seconds not a number")
        << safe + QStringList{"--seconds", "abc"} << "--seconds needs a number of seconds above 0, not \"abc\"";
    QTest::newRow("zero seconds") << safe + QStringList{"--seconds", "0"}
                                  << "--seconds needs a number of seconds above 0, not \"0\"";
    QTest::newRow("unknown format") << safe + QStringList{"--format", "xml"}
                                    << "--format takes text, csv or json, not \"xml\"";
    QTest::newRow("format is case-sensitive")
        << safe + QStringList{"--format", "JSON"} << "--format takes text, csv or json, not \"JSON\"";
    QTest::newRow("target not IPv4") << QStringList{"--target", "300.1.1.1", "--local-port", "0"}
                                     << "--target needs an IPv4 address, not \"300.1.1.1\"";
    QTest::newRow("target port 0") << QStringList{"--target", "127.0.0.1:0", "--local-port", "0"}
                                   << "--target has no valid port in \"127.0.0.1:0\"";
    QTest::newRow("local port too big") << QStringList{"--target", "127.0.0.1:9", "--local-port", "70000"}
                                        << "--local-port needs a port from 0 to 65535, not \"70000\"";
    QTest::newRow("stray argument") << safe + QStringList{"now"} << "unexpected argument \"now\"";
    QTest::newRow("unknown option") << safe + QStringList{"--fast"} << "Unknown option 'fast'.";
  }
  void badOptions() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    ProcessResult result = RunPellarctl(QStringList{"discover"} + arguments);
    QCOMPARE(result.exitCode, 2);
    QCOMPARE(result.OutText(), QString());
    QCOMPARE(result.ErrText(), "pellarctl discover: " + message +
                                   "\n\nUsage: pellarctl discover [--seconds N] [--format text|csv|json]\n");
  }
};

QTEST_GUILESS_MAIN(TestDiscoverCommand)
#include "tst_discover_command.moc"
