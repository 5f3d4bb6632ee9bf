#include <QDir>
#include <QFile>
#include <QFileSystemWatcher>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "message_box_recorder.h"
#include "shell/main_window.h"
#include "widget_lookup.h"

using namespace dorvane;
using dorvane::testing::Child;
using dorvane::testing::MessageBoxRecorder;

// The main window's terminal button starts the program placed beside the
// tool's binary, as an install puts it there. A stand-in records how it was
// started; the terminal itself is tested by its own tests.
class TestTerminalLaunch : public QObject {
  Q_OBJECT

  QString StandInPath() const { return QDir(QCoreApplication::applicationDirPath()).filePath("DorvaneHyperTerminal"); }

 private slots:
  void cleanup() {
    QFile::remove(StandInPath());
    qunsetenv("ProgramFiles");
    qunsetenv("DORVANE_TERMINAL_MARKER");
  }

  void startsTheTerminalBesideTheTool_data() {
    QTest::addColumn<bool>("programFilesSet");
    QTest::newRow("no ProgramFiles") << false;
    QTest::newRow("ProgramFiles without the terminal") << true;
  }
  void startsTheTerminalBesideTheTool() {
    QFETCH(bool, programFilesSet);
    QTemporaryDir dir;
    QString marker = dir.filePath("started");
    QFile standIn(StandInPath());
    QVERIFY(standIn.open(QIODevice::WriteOnly));
    standIn.write("#!/bin/sh\nprintf '%s\\n' \"$#\" > \"$DORVANE_TERMINAL_MARKER.part\"\n"
                  "mv \"$DORVANE_TERMINAL_MARKER.part\" \"$DORVANE_TERMINAL_MARKER\"\n");
    standIn.close();
    QVERIFY(standIn.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    qputenv("DORVANE_TERMINAL_MARKER", marker.toLocal8Bit());
    if (programFilesSet) qputenv("ProgramFiles", dir.path().toLocal8Bit());

    MessageBoxRecorder boxes;
    MainWindow window;
    window.show();
    QFileSystemWatcher watcher({dir.path()});
    QSignalSpy changes(&watcher, &QFileSystemWatcher::directoryChanged);
    QTest::mouseClick(Child<QPushButton>(&window, "cmdTerminal"), Qt::LeftButton);
    QCOMPARE(boxes.Count(), 0);
    while (!QFile::exists(marker) && changes.wait(10000)) {
    }
    QFile started(marker);
    QVERIFY(started.open(QIODevice::ReadOnly));
    QCOMPARE(started.readAll(), QByteArray("0\n"));  // no arguments
    for (QPushButton* button : window.FunctionButtons()) QVERIFY(button->isEnabled());
  }
};

QTEST_MAIN(TestTerminalLaunch)
#include "tst_terminal_launch.moc"
