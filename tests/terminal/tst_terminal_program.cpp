#include <QDir>
#include <QFile>
#include <QFileSystemWatcher>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "test_process.h"
#include "test_pty.h"

using dorvane::testing::TestPty;

namespace {

QString TerminalPath() { return QDir(qEnvironmentVariable("PELLAR_BUILD_DIR")).filePath("DorvaneHyperTerminal"); }

// Runs the event loop until the file holds the text, woken by the file
// system's change events.
bool WaitForFileText(const QString& path, const QByteArray& text, int timeoutMs = 10000) {
  QFileSystemWatcher watcher({QFileInfo(path).absolutePath()});
  QSignalSpy folder(&watcher, &QFileSystemWatcher::directoryChanged);
  QSignalSpy file(&watcher, &QFileSystemWatcher::fileChanged);
  QDeadlineTimer deadline(timeoutMs);
  for (;;) {
    QFile log(path);
    if (log.exists()) {
      if (!watcher.files().contains(path)) watcher.addPath(path);
      if (log.open(QIODevice::ReadOnly) && log.readAll().contains(text)) return true;
    }
    if (deadline.hasExpired()) return false;
    QEventLoop loop;
    QTimer::singleShot(deadline.remainingTime(), &loop, &QEventLoop::quit);
    QObject::connect(&watcher, &QFileSystemWatcher::directoryChanged, &loop, &QEventLoop::quit);
    QObject::connect(&watcher, &QFileSystemWatcher::fileChanged, &loop, &QEventLoop::quit);
    loop.exec();
  }
}

}  // namespace

// The program as an installer or a script starts it.
class TestTerminalProgram : public QObject {
  Q_OBJECT

 private slots:
  // Help and version need no display: they answer before any window system
  // is reached.
  void helpWithoutADisplay_data() {
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("start");
    QTest::newRow("--help") << "--help" << "Usage: DorvaneHyperTerminal [--port N|PATH] [--baud RATE]";
    QTest::newRow("-h") << "-h" << "Usage: DorvaneHyperTerminal";
    QTest::newRow("--version") << "--version" << "DorvaneHyperTerminal " HYPERTERMINAL_VERSION "\n";
  }
  void helpWithoutADisplay() {
    QFETCH(QString, argument);
    QFETCH(QString, start);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    environment.remove("QT_QPA_PLATFORM");
    ProcessResult run = RunProgram(TerminalPath(), {argument}, environment);
    QVERIFY(run.started);
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.OutText().startsWith(start), qPrintable(run.OutText()));
  }

  void badArgumentsAreRefused_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::newRow("rate not in the list") << QStringList({"--port", "1", "--baud", "4800"}) << "--baud takes one of";
    QTest::newRow("entry 0") << QStringList({"--port", "0"}) << "--port takes a COM entry from 1 to 16";
    QTest::newRow("unknown") << QStringList({"--bogus"}) << "Unknown argument \"--bogus\".";
  }
  void badArgumentsAreRefused() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    ProcessResult run = RunProgram(TerminalPath(), arguments);
    QVERIFY(run.started);
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.ErrText().contains(message) && run.ErrText().contains("Usage:"), qPrintable(run.ErrText()));
  }

  // --port and --baud open the port without the selection window; --log
  // records the session.
  void commandLineStartOpensThePort() {
    TestPty pty;
    QVERIFY2(pty.Open(), qPrintable(pty.Error()));
    QTemporaryDir dir;
    QString log = dir.filePath("session.log");
    QProcess terminal;
    terminal.start(TerminalPath(), {"--port", pty.SlavePath(), "--baud", "115200", "--log", log});
    QVERIFY(terminal.waitForStarted());
    QVERIFY2(WaitForFileText(log, " -- log started, " + pty.SlavePath().toLocal8Bit() + " 115200,n,8,1"),
             qPrintable(terminal.readAllStandardError()));
    QCOMPARE(pty.InputSpeed(), 115200);
    pty.Write("Press Enter for Setup Mode\r\n");
    QVERIFY(WaitForFileText(log, " RX Press Enter for Setup Mode\\r\\n"));
    terminal.terminate();
    QVERIFY(terminal.waitForFinished());
  }
};

QTEST_MAIN(TestTerminalProgram)
#include "tst_terminal_program.moc"
