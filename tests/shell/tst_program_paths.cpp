#include <QtTest>

#include "shell/program_paths.h"

using namespace dorvane;

class TestProgramPaths : public QObject {
  Q_OBJECT

 private slots:
  void terminalPath_data() {
    QTest::addColumn<QString>("programFiles");
    QTest::addColumn<QString>("path");
    QTest::newRow("no backslash") << "C:\\Program Files" << "C:\\Program Files\\DorvanePELLAR\\DorvaneHyperTerminal.exe";
    QTest::newRow("trailing backslash") << "C:\\Program Files\\" << "C:\\Program Files\\DorvanePELLAR\\DorvaneHyperTerminal.exe";
    QTest::newRow("drive root") << "D:\\" << "D:\\DorvanePELLAR\\DorvaneHyperTerminal.exe";
  }
  void terminalPath() {
    QFETCH(QString, programFiles);
    QTEST(QString::fromStdString(TerminalProgramPath(programFiles.toStdString())), "path");
  }
};

QTEST_APPLESS_MAIN(TestProgramPaths)
#include "tst_program_paths.moc"
