#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "message_box_recorder.h"
#include "sim_process.h"
#include "terminal/terminal_settings.h"
#include "terminal/terminal_window.h"
#include "test_pty.h"
#include "widget_lookup.h"
#include "widgets/busy_state.h"

using namespace dorvane;
using dorvane::terminal::TerminalWindow;
using dorvane::testing::Child;
using dorvane::testing::MessageBoxRecorder;
using dorvane::testing::TestPty;

namespace {

constexpr int kBaud9600 = 5;

QString Shown(const TerminalWindow& window) { return Child<QPlainTextEdit>(&window, "trmText")->toPlainText(); }

// Every byte the window received shows in its hex view, so the hex view says
// when an arrival, even one that shows nothing, has been handled.
qsizetype HexBytes(const TerminalWindow& window) {
  return Child<QPlainTextEdit>(&window, "trmHex")->toPlainText().split(QRegularExpression("\\s+"), Qt::SkipEmptyParts)
      .size();
}

// Runs the event loop until the window has received `total` bytes in all
// (while the hex view has not restarted at its cap).
bool WaitForReceived(TerminalWindow& window, qsizetype total) {
  QSignalSpy arrivals(&window.Port(), &QSerialPort::readyRead);
  while (HexBytes(window) < total) {
    if (!arrivals.wait(5000)) return false;
  }
  return HexBytes(window) == total;
}

// Runs the event loop until the terminal text ends with the text.
bool WaitForShownEnd(TerminalWindow& window, const QString& end) {
  QSignalSpy arrivals(&window.Port(), &QSerialPort::readyRead);
  while (!Shown(window).endsWith(end)) {
    if (!arrivals.wait(5000)) return false;
  }
  return true;
}

// The bytes of the log's lines of one direction, in order.
QByteArray LoggedBytes(const QString& path, const QByteArray& direction) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  QByteArray bytes;
  for (const QByteArray& line : file.readAll().split('\n')) {
    QList<QByteArray> parts = line.split(' ');
    if (parts.size() < 3 || parts[1] != direction) continue;
    QByteArray escaped = line.mid(parts[0].size() + parts[1].size() + 2);
    std::string raw = terminal::UnescapedBytes(escaped.toStdString());
    bytes += QByteArray(raw.data(), static_cast<qsizetype>(raw.size()));
  }
  return bytes;
}

}  // namespace

class TestTerminalWindow : public QObject {
  Q_OBJECT

  std::unique_ptr<MessageBoxRecorder> m_boxes;
  std::unique_ptr<TestPty> m_pty;
  std::unique_ptr<TerminalWindow> m_window;

  TerminalWindow& OpenOnPty() {
    m_pty = std::make_unique<TestPty>();
    if (!m_pty->Open()) qFatal("%s", qPrintable(m_pty->Error()));
    qputenv("DORVANE_COM3", m_pty->SlavePath().toLocal8Bit());
    m_window = std::make_unique<TerminalWindow>();
    if (!m_window->OpenCommPort(3, kBaud9600, false, 8, 1)) qFatal("the pty did not open");
    m_window->show();
    return *m_window;
  }

 private slots:
  void init() { m_boxes = std::make_unique<MessageBoxRecorder>(); }
  void cleanup() {
    m_window.reset();
    m_pty.reset();
    m_boxes.reset();
    qunsetenv("DORVANE_COM3");
  }

  void receiveRule_data() {
    QTest::addColumn<QByteArray>("received");
    QTest::addColumn<QString>("shown");
    QTest::newRow("CR LF in one arrival: two lines") << QByteArray("abc\r\ndef") << "abc\ndef";
    QTest::newRow("lone LF shows nothing") << QByteArray("\n") << "";
    QTest::newRow("lone CR breaks the line") << QByteArray("abc\rdef") << "abc\ndef";
    QTest::newRow("LF before CR") << QByteArray("abc\n\rdef") << "abc\ndef";
    QTest::newRow("two CRs, an empty line") << QByteArray("a\r\rb") << "a\n\nb";
    QTest::newRow("8-bit bytes as they are") << QByteArray("\xB0\xE9") << QString::fromLatin1("\xB0\xE9");
  }
  void receiveRule() {
    QFETCH(QByteArray, received);
    TerminalWindow& window = OpenOnPty();
    m_pty->Write(received);
    QVERIFY(WaitForReceived(window, received.size()));
    QTEST(Shown(window), "shown");
    auto* text = Child<QPlainTextEdit>(&window, "trmText");
    QCOMPARE(text->blockCount(), Shown(window).count('\n') + 1);
  }

  // The text goes in at the caret, replacing what is selected.
  void receivedTextGoesInAtTheCaret() {
    TerminalWindow& window = OpenOnPty();
    m_pty->Write("abcdef");
    QVERIFY(WaitForReceived(window, 6));
    auto* text = Child<QPlainTextEdit>(&window, "trmText");
    QTextCursor caret = text->textCursor();
    caret.setPosition(2);
    caret.setPosition(4, QTextCursor::KeepAnchor);
    text->setTextCursor(caret);
    m_pty->Write("XY");
    QVERIFY(WaitForReceived(window, 8));
    QCOMPARE(Shown(window), QString("abXYef"));
  }

  void typedKeysReachThePtyOneEach_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("text");  // what the keyboard makes of the key
    QTest::addColumn<QByteArray>("sent");
    QTest::newRow("letter") << int(Qt::Key_A) << int(Qt::NoModifier) << "a" << QByteArray("a");
    QTest::newRow("capital") << int(Qt::Key_A) << int(Qt::ShiftModifier) << "A" << QByteArray("A");
    QTest::newRow("Enter sends CR") << int(Qt::Key_Return) << int(Qt::NoModifier) << "\r" << QByteArray("\r");
    QTest::newRow("Escape") << int(Qt::Key_Escape) << int(Qt::NoModifier) << "\x1b" << QByteArray("\x1b");
    QTest::newRow("Ctrl+C") << int(Qt::Key_C) << int(Qt::ControlModifier) << "\x03" << QByteArray("\x03");
    QTest::newRow("Backspace sends nothing") << int(Qt::Key_Backspace) << int(Qt::NoModifier) << "\b" << QByteArray();
    QTest::newRow("arrow sends nothing") << int(Qt::Key_Left) << int(Qt::NoModifier) << "" << QByteArray();
  }
  void typedKeysReachThePtyOneEach() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, text);
    QFETCH(QByteArray, sent);
    TerminalWindow& window = OpenOnPty();
    auto* box = Child<QPlainTextEdit>(&window, "trmText");
    QTest::sendKeyEvent(QTest::Click, box, Qt::Key(key), text, Qt::KeyboardModifiers(modifiers));
    // A marker key after it: what arrives before the marker is what the key
    // sent, nothing included.
    QTest::keyClick(box, Qt::Key_Z);
    QVERIFY(m_pty->WaitForBytes(sent.size() + 1));
    QCOMPARE(m_pty->Take(), sent + "z");
    QCOMPARE(Shown(window), QString());  // shown only when the device echoes it
  }

  // Each key is its own write of one character, as it is typed.
  void eachKeyGoesOutAtOnce() {
    TerminalWindow& window = OpenOnPty();
    auto* text = Child<QPlainTextEdit>(&window, "trmText");
    for (char c : QByteArray("x1!")) {
      QTest::keyClick(text, c);
      QVERIFY(m_pty->WaitForBytes(1));
      QCOMPARE(m_pty->Take(), QByteArray(1, c));
    }
  }

  // Past 65534 characters the terminal restarts with the latest arrival;
  // up to 65534 it keeps everything. A line break counts as the two
  // characters it was received as.
  void capRestartsWithTheLatestData_data() {
    QTest::addColumn<int>("fill");
    QTest::addColumn<bool>("restarts");
    const int latest = 14;  // "!", "LATEST DATA" and its line break
    QTest::newRow("one over the cap") << int(terminal::kTerminalTextCap) - latest + 1 << true;
    QTest::newRow("exactly at the cap") << int(terminal::kTerminalTextCap) - latest << false;
  }
  void capRestartsWithTheLatestData() {
    QFETCH(int, fill);
    QFETCH(bool, restarts);
    TerminalWindow& window = OpenOnPty();
    QByteArray line = QByteArray(64, 'q') + "\r";  // 66 characters shown
    QByteArray first = line.repeated(fill / 66) + QByteArray(fill % 66, 'r');
    m_pty->Write(first + "!");
    QVERIFY(WaitForShownEnd(window, "r!"));
    QCOMPARE(Shown(window).size() + Shown(window).count('\n'), fill + 1);
    m_pty->Write("LATEST DATA\r");
    QVERIFY(WaitForShownEnd(window, "LATEST DATA\n"));
    if (restarts) {
      QCOMPARE(Shown(window), QString("LATEST DATA\n"));
    } else {
      QVERIFY(Shown(window).endsWith(QString("r!LATEST DATA\n")));
      QCOMPARE(Shown(window).size() + Shown(window).count('\n'), int(terminal::kTerminalTextCap));
    }
  }

  void sendCommandSendsTheLineAndACR_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("byEnter");
    QTest::newRow("button") << "show version" << false;
    QTest::newRow("Enter in the box") << "show version" << true;
    QTest::newRow("empty line: CR alone") << "" << false;
  }
  void sendCommandSendsTheLineAndACR() {
    QFETCH(QString, line);
    QFETCH(bool, byEnter);
    TerminalWindow& window = OpenOnPty();
    auto* box = Child<QLineEdit>(&window, "txtSendData");
    auto* send = Child<QPushButton>(&window, "cmdSend");
    QCOMPARE(send->text(), QString("Send Command"));
    QVERIFY(send->isEnabled());
    box->setText(line);
    if (byEnter) {
      QTest::keyClick(box, Qt::Key_Return);
    } else {
      QTest::mouseClick(send, Qt::LeftButton);
    }
    QByteArray expected = line.toLatin1() + "\r";
    QVERIFY(m_pty->WaitForBytes(expected.size()));
    QCOMPARE(m_pty->Take(), expected);
    QCOMPARE(box->text(), QString());
  }

  // The log holds everything exchanged, also what the screen lost when it
  // restarted at its cap.
  void logHoldsWhatWasExchanged() {
    TerminalWindow& window = OpenOnPty();
    QTemporaryDir dir;
    QString path = dir.filePath("session.log");
    window.SetLogFileChooser([&](QWidget*) { return path; });
    QTest::mouseClick(Child<QCheckBox>(&window, "chkLog"), Qt::LeftButton);
    QVERIFY(window.Logging());
    QVERIFY(Child<QLabel>(&window, "lblLogFile")->text().endsWith("session.log"));

    QByteArray received = "*** banner ***\r\n" + (QByteArray(99, 'n') + "\r\n").repeated(700) + "\x01\\end";
    m_pty->Write(received);
    QVERIFY(WaitForShownEnd(window, "\x01\\end"));
    QVERIFY(Shown(window).size() < 65534);  // the screen restarted
    QTest::keyClick(Child<QPlainTextEdit>(&window, "trmText"), Qt::Key_K);
    Child<QLineEdit>(&window, "txtSendData")->setText("AT");
    QTest::mouseClick(Child<QPushButton>(&window, "cmdSend"), Qt::LeftButton);
    QVERIFY(m_pty->WaitForBytes(4));

    QCOMPARE(LoggedBytes(path, "RX"), received);
    QCOMPARE(LoggedBytes(path, "TX"), QByteArray("kAT\r"));
    QFile log(path);
    QVERIFY(log.open(QIODevice::ReadOnly));
    QList<QByteArray> lines = log.readAll().split('\n');
    QVERIFY2(lines.first().contains(" -- log started, COM3 (") && lines.first().contains("9600,n,8,1"),
             lines.first().constData());
    // Every line starts with its time.
    for (const QByteArray& line : lines) {
      if (line.isEmpty()) continue;
      QVERIFY2(QDateTime::fromString(QString::fromLatin1(line.split(' ').first()), Qt::ISODateWithMs).isValid(),
               line.constData());
    }

    QTest::mouseClick(Child<QCheckBox>(&window, "chkLog"), Qt::LeftButton);
    QVERIFY(!window.Logging());
    QTest::keyClick(Child<QPlainTextEdit>(&window, "trmText"), Qt::Key_L);
    QVERIFY(m_pty->WaitForBytes(1));
    QCOMPARE(LoggedBytes(path, "TX"), QByteArray("kAT\r"));  // off means off
    QCOMPARE(m_boxes->Count(), 0);
  }

  void logThatCannotBeOpenedSaysSo() {
    TerminalWindow& window = OpenOnPty();
    QVERIFY(!window.StartLog("/nonexistent-folder/session.log"));
    QCOMPARE(m_boxes->Count(), 1);
    QVERIFY2(m_boxes->Last().text.startsWith("The session log /nonexistent-folder/session.log cannot be opened"),
             qPrintable(m_boxes->Last().text));
    QVERIFY(!Child<QCheckBox>(&window, "chkLog")->isChecked());
    QVERIFY(!window.Logging());
  }

  void hexViewShowsWhatWasReceived() {
    TerminalWindow& window = OpenOnPty();
    auto* hex = Child<QPlainTextEdit>(&window, "trmHex");
    auto* text = Child<QPlainTextEdit>(&window, "trmText");
    QVERIFY(!hex->isVisible());
    m_pty->Write(QByteArray("AB\r\n") + QByteArray(14, '\xff'));
    QVERIFY(WaitForReceived(window, 18));
    QTest::mouseClick(Child<QCheckBox>(&window, "chkHexView"), Qt::LeftButton);
    QVERIFY(hex->isVisible());
    QCOMPARE(hex->toPlainText(), QString("41 42 0D 0A FF FF FF FF FF FF FF FF FF FF FF FF\nFF FF"));
    QVERIFY(hex->geometry().left() > text->geometry().right());
    QCOMPARE(hex->geometry().top(), text->geometry().top());
    QTest::mouseClick(Child<QCheckBox>(&window, "chkHexView"), Qt::LeftButton);
    QVERIFY(!hex->isVisible());
  }

  // Only Exit closes the terminal.
  void onlyExitCloses() {
    TerminalWindow& window = OpenOnPty();
    QVERIFY(CloseBoxRemoved(&window));
    QVERIFY(!window.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!window.close());
    QVERIFY(window.isVisible());
    auto* exit = Child<QPushButton>(&window, "cmdExit");
    QCOMPARE(exit->text(), QString("E&xit"));
    QTest::mouseClick(exit, Qt::LeftButton);
    QVERIFY(!window.isVisible());
  }

  void sizeLimits_data() {
    QTest::addColumn<QSize>("asked");
    QTest::addColumn<QSize>("got");
    QTest::newRow("too narrow snaps to 10260 twips") << QSize(500, 600) << QSize(684, 600);
    QTest::newRow("too low snaps to 7140 twips") << QSize(800, 300) << QSize(800, 476);
    QTest::newRow("too wide and high") << QSize(2000, 2000) << QSize(1032, 776);
  }
  void sizeLimits() {
    QFETCH(QSize, asked);
    TerminalWindow& window = OpenOnPty();
    window.resize(asked);
    QTEST(window.size(), "got");
  }

  // At the smallest and the largest size, with and without the hex view,
  // no two controls overlap, each lies inside the window and each is wide
  // enough for its text.
  void layoutKeepsControlsApart_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("hex");
    QTest::newRow("smallest") << QSize(684, 476) << false;
    QTest::newRow("smallest, hex view") << QSize(684, 476) << true;
    QTest::newRow("largest, hex view") << QSize(1032, 776) << true;
  }
  void layoutKeepsControlsApart() {
    QFETCH(QSize, size);
    QFETCH(bool, hex);
    TerminalWindow& window = OpenOnPty();
    window.resize(size);
    Child<QCheckBox>(&window, "chkHexView")->setChecked(hex);
    QList<QWidget*> controls;
    for (QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (child->isVisible()) controls << child;
    }
    QCOMPARE(controls.size(), hex ? 8 : 7);
    for (QWidget* a : controls) {
      QVERIFY2(window.rect().contains(a->geometry()), qPrintable(a->objectName()));
      if (auto* button = qobject_cast<QAbstractButton*>(a)) {
        QVERIFY2(button->sizeHint().width() <= button->width(), qPrintable(a->objectName()));
      }
      for (QWidget* b : controls) {
        if (a != b) QVERIFY2(!a->geometry().intersects(b->geometry()), qPrintable(a->objectName() + " " + b->objectName()));
      }
    }
  }

  // An adapter pulled out: a clear message, nothing more is sent, and Exit
  // still works.
  void lostPortSaysSo() {
    TerminalWindow& window = OpenOnPty();
    QSignalSpy errors(&window.Port(), &QSerialPort::errorOccurred);
    m_pty->CloseMaster();
    QTest::keyClick(Child<QPlainTextEdit>(&window, "trmText"), Qt::Key_A);
    while (m_boxes->Count() == 0 && errors.wait(5000)) {
    }
    QCOMPARE(m_boxes->Count(), 1);
    QVERIFY2(m_boxes->Last().text.startsWith("The serial port COM3 (" + m_pty->SlavePath() + ") was lost"),
             qPrintable(m_boxes->Last().text));
    QVERIFY(!window.Port().isOpen());
    QTest::mouseClick(Child<QPushButton>(&window, "cmdExit"), Qt::LeftButton);
    QVERIFY(!window.isVisible());
  }

  // The simulated module's greeting, woken by typed x's, reads as it does on
  // a real console.
  void showsTheSimulatorsBanner() {
    QTemporaryDir dir;
    QString link = dir.filePath("board");
    testing::SimProcess sim;
    QVERIFY2(sim.Start({"--pty", link, "--wake-window", "0"}), qPrintable(sim.Error()));
    qputenv("DORVANE_COM1", link.toLocal8Bit());
    TerminalWindow window;
    QVERIFY(window.OpenCommPort(1, kBaud9600, false, 8, 1));
    qunsetenv("DORVANE_COM1");
    window.show();
    auto* text = Child<QPlainTextEdit>(&window, "trmText");
    QSignalSpy arrivals(&window.Port(), &QSerialPort::readyRead);
    for (int i = 0; i < 3; ++i) QTest::keyClick(text, Qt::Key_X);
    while (!Shown(window).contains("Press Enter for Setup Mode") && arrivals.wait(10000)) {
    }
    QVERIFY2(Shown(window).contains("Press Enter for Setup Mode"), qPrintable(Shown(window)));
    QVERIFY(!Shown(window).contains('\r'));
    QVERIFY(sim.Received().startsWith("x"));  // the typed key woke it
  }
};

QTEST_MAIN(TestTerminalWindow)
#include "tst_terminal_window.moc"
