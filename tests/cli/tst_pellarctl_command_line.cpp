// What every pellarctl command and subcommand reads the same way: its own
// --help, the refusal of an option it does not know, and --format. Nothing
// here reaches a device or the network: discover always names a loopback
// target, so even a check that wrongly let it run could not broadcast, and
// monitor is only refused.

#include <QJsonDocument>
#include <QRegularExpression>
#include <QtTest>

#include "test_process.h"

namespace {

const QStringList kBoardKinds = {"pellar2", "pellar6", "wireless", "wireless-encrypted", "qm270", "qm270b"};

// Where discover sends its query in these tests instead of broadcasting it.
const QStringList kLoopbackOnly = {"--target", "127.0.0.1:9", "--local-port", "0"};

ProcessResult Pellarctl(const QStringList& arguments) {
  PellarctlRun run;
  run.environment.insert("LANG", "en_US.UTF-8");
  run.environment.remove("LC_ALL");
  run.environment.remove("LC_MESSAGES");
  return RunPellarctl(arguments, run);
}

}  // namespace

class TestPellarctlCommandLine : public QObject {
  Q_OBJECT

 private slots:
  // The usage comes first and alone: no other command's text rides along,
  // and options that would otherwise be refused or run something do not
  // get in the way.
  void helpIsTheCommandsOwn_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("usage");
    const QString top = "Usage: pellarctl [--help]";
    QTest::newRow("pellarctl --help") << QStringList{"--help"} << top;
    QTest::newRow("pellarctl -h") << QStringList{"-h"} << top;
    QTest::newRow("pellarctl help") << QStringList{"help"} << top;
    QTest::newRow("ping --help") << QStringList{"ping", "--help"} << "Usage: pellarctl ping ADDRESS";
    QTest::newRow("ping ADDRESS -h") << QStringList{"ping", "127.0.0.1", "-h"} << "Usage: pellarctl ping ADDRESS";
    QTest::newRow("hostinfo --help") << QStringList{"hostinfo", "--test", "--help"} << "Usage: pellarctl hostinfo ";
    QTest::newRow("monitor --help") << QStringList{"monitor", "127.0.0.1", "--help"}
                                    << "Usage: pellarctl monitor ADDRESS";
    QTest::newRow("discover --help") << QStringList{"discover"} + kLoopbackOnly + QStringList{"--help"}
                                     << "Usage: pellarctl discover ";
    QTest::newRow("program --help") << QStringList{"program", "--help"} << "Usage: pellarctl program KIND";
    QTest::newRow("program -h") << QStringList{"program", "-h"} << "Usage: pellarctl program KIND";
    for (const QString& kind : kBoardKinds) {
      QTest::addRow("program %s --help", qPrintable(kind))
          << QStringList{"program", kind, "--help"} << "Usage: pellarctl program " + kind + " ";
    }
    QTest::newRow("program qm270 --help before --via")
        << QStringList{"program", "qm270", "--ip", "192.168.1.20", "--help"} << "Usage: pellarctl program qm270 ";
    QTest::newRow("program pellar6 -h after a bad key")
        << QStringList{"program", "pellar6", "--ip", "10.1.1.5", "--via", "com1", "--key-bits", "7", "-h"}
        << "Usage: pellarctl program pellar6 ";
  }
  void helpIsTheCommandsOwn() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, usage);
    ProcessResult r = Pellarctl(arguments);
    QCOMPARE(r.exitCode, 0);
    QVERIFY2(r.OutText().startsWith(usage), qPrintable(r.OutText()));
    QCOMPARE(r.OutText().count("Usage: "), 1);
    QCOMPARE(r.ErrText(), QString());
  }

  // The top-level help names every kind under its program entry, and
  // "program --help" gives each kind a line of its own.
  void helpNamesEveryBoardKind() {
    ProcessResult top = Pellarctl({"--help"});
    QCOMPARE(top.exitCode, 0);
    const QRegularExpressionMatch kinds =
        QRegularExpression("\\n  program .*\\n +KIND: ([^\\n]*)\\n").match(top.OutText());
    QVERIFY2(kinds.hasMatch(), qPrintable(top.OutText()));
    QCOMPARE(kinds.captured(1).split(", "), kBoardKinds);

    ProcessResult program = Pellarctl({"program", "--help"});
    QCOMPARE(program.exitCode, 0);
    for (const QString& kind : kBoardKinds) {
      QVERIFY2(
          QRegularExpression("\\n  " + QRegularExpression::escape(kind) + "  +\\S").match(program.OutText()).hasMatch(),
          qPrintable(kind));
    }
  }

  // One line naming the command and the reason, then that command's usage.
  void unknownOptionIsRefused_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("reason");
    const QString unknown = "Unknown option 'bogus'.";
    QTest::newRow("pellarctl") << QStringList{"--bogus"} << "pellarctl" << unknown;
    QTest::newRow("ping") << QStringList{"ping", "127.0.0.1", "--bogus"} << "pellarctl ping" << unknown;
    QTest::newRow("ping, --format without its value")
        << QStringList{"ping", "127.0.0.1", "--format"} << "pellarctl ping"
        << "Missing value after '--format'.";
    QTest::newRow("hostinfo") << QStringList{"hostinfo", "--bogus"} << "pellarctl hostinfo" << unknown;
    QTest::newRow("hostinfo, a value for a flag") << QStringList{"hostinfo", "--test=yes"} << "pellarctl hostinfo"
                                                  << "Unexpected value after '--test'.";
    QTest::newRow("monitor") << QStringList{"monitor", "127.0.0.1", "--bogus"} << "pellarctl monitor" << unknown;
    QTest::newRow("discover") << QStringList{"discover"} + kLoopbackOnly + QStringList{"--bogus"}
                              << "pellarctl discover" << unknown;
    QTest::newRow("discover, --seconds without its value")
        << QStringList{"discover"} + kLoopbackOnly + QStringList{"--seconds"} << "pellarctl discover"
        << "Missing value after '--seconds'.";
    QTest::newRow("program") << QStringList{"program", "--bogus"} << "pellarctl program" << unknown;
    for (const QString& kind : kBoardKinds) {
      QTest::addRow("program %s", qPrintable(kind))
          << QStringList{"program", kind, "--ip", "10.1.1.5", "--via", "com1", "--bogus"} << "pellarctl program " + kind
          << unknown;
    }
    QTest::newRow("program qm270, --ip without its value")
        << QStringList{"program", "qm270", "--ip"} << "pellarctl program qm270"
        << "Missing value after '--ip'.";
  }
  void unknownOptionIsRefused() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, command);
    QFETCH(QString, reason);
    ProcessResult r = Pellarctl(arguments);
    QCOMPARE(r.exitCode, 2);
    QCOMPARE(r.OutText(), QString());
    QCOMPARE(r.ErrText().section('\n', 0, 0), command + ": " + reason);
    QVERIFY2(r.ErrText().contains("\n\nUsage: " + command + " "), qPrintable(r.ErrText()));
  }

  // text is the default, json for scripts, csv only where a table is
  // printed; a form the command does not print is refused with those it does.
  void formatVocabulary_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("form");      // "text", "json" or "refused"
    QTest::addColumn<QString>("expected");  // the first line's start, or the refusal
    QTest::newRow("hostinfo, text by default") << QStringList{"hostinfo"} << "text"
                                               << "Host Computer Name:";
    QTest::newRow("hostinfo --format text") << QStringList{"hostinfo", "--format", "text"} << "text"
                                            << "Host Computer Name:";
    QTest::newRow("hostinfo --format=json") << QStringList{"hostinfo", "--format=json"} << "json"
                                            << "";
    QTest::newRow("hostinfo --format csv") << QStringList{"hostinfo", "--format", "csv"} << "refused"
                                           << "pellarctl hostinfo: --format takes text or json, not \"csv\"";
    QTest::newRow("hostinfo --format table") << QStringList{"hostinfo", "--format", "table"} << "refused"
                                             << "pellarctl hostinfo: --format takes text or json, not \"table\"";
    QTest::newRow("ping --format text") << QStringList{"ping", "127.0.0.1", "--format", "text"} << "text"
                                        << "IP Address to Ping: 127.0.0.1";
    QTest::newRow("ping --format json") << QStringList{"ping", "--format", "json", "127.0.0.1"} << "json"
                                        << "";
    QTest::newRow("ping --format csv") << QStringList{"ping", "127.0.0.1", "--format", "csv"} << "refused"
                                       << "pellarctl ping: --format takes text or json, not \"csv\"";
    QTest::newRow("monitor --format csv") << QStringList{"monitor", "127.0.0.1", "--format=csv"} << "refused"
                                          << "pellarctl monitor: --format takes text or json, not \"csv\"";
    QTest::newRow("discover --format xml")
        << QStringList{"discover"} + kLoopbackOnly + QStringList{"--format", "xml"} << "refused"
        << "pellarctl discover: --format takes text, csv or json, not \"xml\"";
    QTest::newRow("discover --format JSON")
        << QStringList{"discover"} + kLoopbackOnly + QStringList{"--format", "JSON"} << "refused"
        << "pellarctl discover: --format takes text, csv or json, not \"JSON\"";
  }
  void formatVocabulary() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, form);
    QFETCH(QString, expected);
    ProcessResult r = Pellarctl(arguments);
    if (form == "refused") {
      QCOMPARE(r.exitCode, 2);
      QCOMPARE(r.OutText(), QString());
      QCOMPARE(r.ErrText().section('\n', 0, 0), expected);
      return;
    }
    // A ping without ICMP ends with 3 and still prints its boxes.
    QVERIFY2(r.exitCode == 0 || (arguments.first() == "ping" && r.exitCode == 3), qPrintable(r.ErrText()));
    if (form == "json") {
      QJsonParseError error;
      QVERIFY(QJsonDocument::fromJson(r.out, &error).isObject());
      QCOMPARE(error.error, QJsonParseError::NoError);
    } else {
      QVERIFY2(r.OutText().startsWith(expected), qPrintable(r.OutText()));
    }
  }
};

QTEST_GUILESS_MAIN(TestPellarctlCommandLine)
#include "tst_pellarctl_command_line.moc"
