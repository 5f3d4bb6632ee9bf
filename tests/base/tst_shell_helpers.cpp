#include <QtTest>

#include "base/program_start.h"
#include "base/text_trim.h"

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

  void trimBlanks_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("blanks");  // null: the default, the blank alone
    QTest::addColumn<QByteArray>("trimmed");
    QTest::newRow("both ends") << QByteArray("  10.1.1.1 ") << QByteArray() << QByteArray("10.1.1.1");
    QTest::newRow("inner blanks stay") << QByteArray(" a b ") << QByteArray() << QByteArray("a b");
    QTest::newRow("only blanks") << QByteArray("   ") << QByteArray() << QByteArray("");
    QTest::newRow("empty") << QByteArray("") << QByteArray() << QByteArray("");
    QTest::newRow("a tab is no blank by default") << QByteArray("\t1 ") << QByteArray() << QByteArray("\t1");
    QTest::newRow("tabs when asked") << QByteArray("\t 1\t") << QByteArray(" \t") << QByteArray("1");
    QTest::newRow("one character") << QByteArray(" x") << QByteArray() << QByteArray("x");
  }
  void trimBlanks() {
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, blanks);
    std::string_view view(text.constData(), static_cast<std::size_t>(text.size()));
    std::string_view trimmed = blanks.isNull() ? TrimBlanks(view) : TrimBlanks(view, blanks.toStdString());
    QTEST(QByteArray(trimmed.data(), static_cast<qsizetype>(trimmed.size())), "trimmed");
  }
};

QTEST_APPLESS_MAIN(TestShellHelpers)
#include "tst_shell_helpers.moc"
