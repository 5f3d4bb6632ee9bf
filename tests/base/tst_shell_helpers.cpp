#include <QtTest>

#include "base/program_paths.h"
#include "base/trim_null_char.h"

using namespace dorvane;

class TestShellHelpers : public QObject {
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

  void trimNullChar_data() {
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("padded") << QByteArray("HOST\0\0\0", 7) << QByteArray("HOST");
    QTest::newRow("no NUL") << QByteArray("HOST") << QByteArray("HOST");
    QTest::newRow("NUL first") << QByteArray("\0HOST", 5) << QByteArray("");
    QTest::newRow("garbage after NUL") << QByteArray("AB\0CD", 5) << QByteArray("AB");
  }
  void trimNullChar() {
    QFETCH(QByteArray, field);
    QTEST(QByteArray::fromStdString(TrimNullChar(std::string_view(field.constData(), field.size()))), "text");
  }
};

QTEST_APPLESS_MAIN(TestShellHelpers)
#include "tst_shell_helpers.moc"
