#include <QtTest>
#include <string>
#include <vector>

#include "terminal/terminal_settings.h"

using namespace dorvane::terminal;


namespace {

std::string Bytes(const QByteArray& bytes) { return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())); }

}  // namespace

class TestTerminalSettings : public QObject {
  Q_OBJECT

 private slots:
  void padText_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("padded");
    QTest::newRow("one digit padded") << 2 << QByteArray("1") << QByteArray("1 ");
    QTest::newRow("two digits as they are") << 2 << QByteArray("16") << QByteArray("16");
    QTest::newRow("trailing blanks dropped first") << 4 << QByteArray("ab   ") << QByteArray("ab  ");
    QTest::newRow("leading blanks kept") << 3 << QByteArray(" a") << QByteArray(" a ");
    QTest::newRow("cut to the width") << 2 << QByteArray("115200") << QByteArray("11");
    QTest::newRow("blank text") << 2 << QByteArray("   ") << QByteArray("  ");
    QTest::newRow("width 0") << 0 << QByteArray("x") << QByteArray("");
  }
  void padText() {
    QFETCH(int, width);
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, padded);
    QCOMPARE(PadText(width, Bytes(text)), Bytes(padded));
  }

  void baudCodes_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("rate");
    const int codes[] = {0, 2, 3, 5, 7, 9, 11, 13};
    const int rates[] = {300, 1200, 2400, 9600, 19200, 38400, 57600, 115200};
    for (int i = 0; i < 8; ++i) QTest::addRow("position %d", i) << i << codes[i] << rates[i];
    QTest::newRow("no selection: 9600") << -1 << 5 << 9600;
    QTest::newRow("past the list: 9600") << 8 << 5 << 9600;
  }
  void baudCodes() {
    QFETCH(int, index);
    QFETCH(int, code);
    QFETCH(int, rate);
    QCOMPARE(BaudCodeOfIndex(index), code);
    QCOMPARE(BaudRateOfCode(code), rate);
    QCOMPARE(BaudCodeOfRate(rate), std::optional<int>(code));
    if (index >= 0 && index < 8) QCOMPARE(std::stoi(BaudRateEntries()[static_cast<std::size_t>(index)]), rate);
  }

  void settingsText_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("even");
    QTest::addColumn<int>("dataBits");
    QTest::addColumn<int>("stopBits");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("115200 no parity") << 13 << false << 8 << 1 << QByteArray("115200,n,8,1");
    QTest::newRow("9600 even, 7 bits, 2 stop") << 5 << true << 7 << 2 << QByteArray("9600,e,7,2");
    QTest::newRow("300") << 0 << false << 8 << 1 << QByteArray("300,n,8,1");
    QTest::newRow("code not in the table: no rate") << 4 << false << 8 << 1 << QByteArray(",n,8,1");
  }
  void settingsText() {
    QFETCH(int, code);
    QFETCH(bool, even);
    QFETCH(int, dataBits);
    QFETCH(int, stopBits);
    QFETCH(QByteArray, text);
    QCOMPARE(SettingsText(code, even, dataBits, stopBits), Bytes(text));
  }

  void receivedText_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("CR LF stays one pair") << QByteArray("abc\r\ndef") << QByteArray("abc\r\ndef");
    QTest::newRow("lone LF gone") << QByteArray("\n") << QByteArray("");
    QTest::newRow("lone CR made a pair") << QByteArray("a\rb") << QByteArray("a\r\nb");
    QTest::newRow("LF CR") << QByteArray("a\n\rb") << QByteArray("a\r\nb");
    QTest::newRow("CR at the end") << QByteArray("a\r") << QByteArray("a\r\n");
    QTest::newRow("NUL kept") << QByteArray("a\0b", 3) << QByteArray("a\0b", 3);
  }
  void receivedText() {
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, text);
    QCOMPARE(ReceivedText(Bytes(bytes)), Bytes(text));
  }

  void errorReport() {
    QCOMPARE(ErrorReportTitle("DorvaneHyperTerminal", "1.0.11"), std::string("DorvaneHyperTerminal - Version 1.0.11"));
    QCOMPARE(ErrorReportText("Dorvane Open Port", 8002, "Invalid port number"),
             std::string("An error has occured.\r\n\r\nProcedure: Dorvane Open Port\r\nError Number: 8002\r\n"
                         "Error Description: Invalid port number"));
  }

  // Every byte survives the log's escaping, and a line stays one line.
  void logLines_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("escaped");
    QTest::newRow("text") << QByteArray("Setup Mode") << QByteArray("Setup Mode");
    QTest::newRow("line ends") << QByteArray("a\r\nb\t") << QByteArray("a\\r\\nb\\t");
    QTest::newRow("backslash") << QByteArray("C:\\x41") << QByteArray("C:\\\\x41");
    QTest::newRow("control and 8-bit") << QByteArray("\x00\x1b\x7f\xff", 4) << QByteArray("\\x00\\x1B\\x7F\\xFF");
  }
  void logLines() {
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, escaped);
    QCOMPARE(EscapedBytes(Bytes(bytes)), Bytes(escaped));
    QCOMPARE(UnescapedBytes(Bytes(escaped)), Bytes(bytes));
    QCOMPARE(LogLine("T", Direction::Received, Bytes(bytes)), "T RX " + Bytes(escaped) + "\n");
    QCOMPARE(LogLine("T", Direction::Sent, Bytes(bytes)), "T TX " + Bytes(escaped) + "\n");
  }

  // The hex view's lines carry on across arrivals.
  void hexText() {
    int column = 0;
    QCOMPARE(HexText("AB", column), std::string("41 42"));
    QCOMPARE(column, 2);
    QCOMPARE(HexText(std::string(14, '\x0d'), column), " " + std::string("0D 0D 0D 0D 0D 0D 0D 0D 0D 0D 0D 0D 0D 0D"));
    QCOMPARE(HexText("\xff", column), std::string("\nFF"));
    QCOMPARE(column, 1);
  }

  void commandLine_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("error");
    QTest::newRow("nothing: the selection window") << QStringList() << 0 << "" << 5 << "";
    QTest::newRow("COM entry and rate") << QStringList({"--port", "3", "--baud", "115200"}) << 3 << "" << 13 << "";
    QTest::newRow("device path, = form") << QStringList({"--port=/dev/ttyUSB0"}) << 0 << "/dev/ttyUSB0" << 5 << "";
    QTest::newRow("entry 17 is no entry") << QStringList({"--port", "17"}) << 0 << "" << 5
                                          << "--port takes a COM entry from 1 to 16 or a device path";
    QTest::newRow("rate not in the list") << QStringList({"--port", "1", "--baud", "4800"}) << 1 << "" << 5
                                          << "--baud takes one of 300";
    QTest::newRow("missing value") << QStringList({"--baud"}) << 0 << "" << 5 << "Option --baud needs a value.";
    QTest::newRow("unknown") << QStringList({"--parity", "e"}) << 0 << "" << 5 << "Unknown argument \"--parity\".";
  }
  void commandLine() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, path);
    QFETCH(QString, error);
    std::vector<std::string> args;
    for (const QString& a : arguments) args.push_back(a.toStdString());
    CommandLine line = ParseCommandLine(args);
    QVERIFY2(QString::fromStdString(line.error).startsWith(error) && (error.isEmpty() == line.error.empty()),
             line.error.c_str());
    if (!error.isEmpty()) return;
    QTEST(line.portNumber, "port");
    QCOMPARE(QString::fromStdString(line.portPath), path);
    QTEST(line.baudCode, "code");
  }

  // The layout rules in twips: the text box follows the window, Exit keeps
  // its distance from the right and the bottom.
  void layoutRules() {
    TerminalLayout layout = PlaceTerminal(12000, 9000, false);
    QCOMPARE(layout.trmText.height, 9000 - 1490);
    QCOMPARE(layout.trmText.width, 12000 - 300);
    QCOMPARE(layout.cmdExit.top, 9000 - 1200);
    QCOMPARE(layout.cmdExit.left, 12000 - (layout.cmdExit.width + 400));
    QCOMPARE(layout.cmdSend.left, layout.cmdExit.left - 1900);
    QCOMPARE(layout.txtSendData.left, layout.trmText.left);
    TerminalLayout small = PlaceTerminal(100, 100, false);
    QCOMPARE(small.trmText.width, kMinWidthTwips - 300);
    QCOMPARE(small.trmText.height, kMinHeightTwips - 1490);
  }
};

QTEST_APPLESS_MAIN(TestTerminalSettings)
#include "tst_terminal_settings.moc"
