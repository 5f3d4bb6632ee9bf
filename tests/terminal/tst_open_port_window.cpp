#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QtTest>
#include <memory>

#include "message_box_recorder.h"
#include "platform/serial_ports.h"
#include "terminal/open_port_window.h"
#include "terminal/terminal_window.h"
#include "test_pty.h"
#include "widget_lookup.h"

using namespace dorvane;
using dorvane::terminal::OpenPortWindow;
using dorvane::terminal::TerminalWindow;
using dorvane::testing::Child;
using dorvane::testing::MessageBoxRecorder;
using dorvane::testing::TestPty;

namespace {

void Choose(OpenPortWindow& window, int portIndex, int baudIndex) {
  Child<QComboBox>(&window, "cmbPorts")->setCurrentIndex(portIndex);
  Child<QComboBox>(&window, "cmbBaudRate")->setCurrentIndex(baudIndex);
}

void ClickOpen(OpenPortWindow& window) { QTest::mouseClick(Child<QPushButton>(&window, "cmdOpen"), Qt::LeftButton); }

QString ReportTitle() {
  return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName() + " - Version " HYPERTERMINAL_VERSION;
}

}  // namespace

class TestOpenPortWindow : public QObject {
  Q_OBJECT

  std::unique_ptr<MessageBoxRecorder> m_boxes;
  std::unique_ptr<TestPty> m_pty;

  // A pty behind COM entry `entry`.
  void PtyBehind(int entry) {
    m_pty = std::make_unique<TestPty>();
    if (!m_pty->Open()) qFatal("%s", qPrintable(m_pty->Error()));
    qputenv(qPrintable(QString("DORVANE_COM%1").arg(entry)), m_pty->SlavePath().toLocal8Bit());
  }

 private slots:
  void init() { m_boxes = std::make_unique<MessageBoxRecorder>(); }
  void cleanup() {
    m_pty.reset();
    m_boxes.reset();
    for (int n = 1; n <= 16; ++n) qunsetenv(qPrintable(QString("DORVANE_COM%1").arg(n)));
  }

  void listsAndCaptions() {
    TerminalWindow terminal;
    OpenPortWindow window(terminal);
    QCOMPARE(window.windowTitle(), QString("Open Comm Port Selection"));
    QCOMPARE(Child<QLabel>(&window, "lblPorts")->text(), QString(" Comm Port Number"));
    QCOMPARE(Child<QLabel>(&window, "lblBaudRate")->text(), QString(" Baud Rate"));
    QCOMPARE(Child<QLabel>(&window, "lblDeviceManager")->text(), QString("Windows Device Manager"));
    QCOMPARE(Child<QPushButton>(&window, "cmdOpen")->text(), QString("Open Port"));
    QCOMPARE(Child<QPushButton>(&window, "cmdExit")->text(), QString("E&xit"));
    auto* ports = Child<QComboBox>(&window, "cmbPorts");
    QStringList portEntries;
    for (int i = 0; i < ports->count(); ++i) portEntries << ports->itemText(i);
    QCOMPARE(portEntries, QStringList({"1 ", "2 ", "3 ", "4 ", "5 ", "6 ", "7 ", "8 ", "9 ", "10", "11", "12", "13",
                                       "14", "15", "16"}));
    QCOMPARE(ports->currentIndex(), 0);
    auto* bauds = Child<QComboBox>(&window, "cmbBaudRate");
    QStringList baudEntries;
    for (int i = 0; i < bauds->count(); ++i) baudEntries << bauds->itemText(i);
    QCOMPARE(baudEntries, QStringList({" 300", "1200", "2400", "9600", "19200", "38400", "57600", "115200"}));
    QCOMPARE(bauds->currentText(), QString("9600"));
  }

  void showsTheDeviceAnEntryReaches() {
    PtyBehind(3);
    TerminalWindow terminal;
    OpenPortWindow window(terminal);
    Choose(window, 2, 3);
    QCOMPARE(Child<QLabel>(&window, "lblPortDevice")->text(), "COM3 -> " + m_pty->SlavePath());
  }

  void opensTheChosenPort_data() {
    QTest::addColumn<int>("portIndex");
    QTest::addColumn<int>("baudIndex");
    QTest::addColumn<QString>("settings");
    QTest::addColumn<int>("baud");
    QTest::newRow("port 3 at 115200") << 2 << 7 << "115200,n,8,1" << 115200;
    QTest::newRow("port 16 at 300") << 15 << 0 << "300,n,8,1" << 300;
    QTest::newRow("port 1 at the preset 9600") << 0 << 3 << "9600,n,8,1" << 9600;
  }
  void opensTheChosenPort() {
    QFETCH(int, portIndex);
    QFETCH(int, baudIndex);
    QFETCH(int, baud);
    PtyBehind(portIndex + 1);
    TerminalWindow terminal;
    OpenPortWindow window(terminal);
    window.show();
    Choose(window, portIndex, baudIndex);
    ClickOpen(window);
    QCOMPARE(window.result(), int(QDialog::Accepted));
    QVERIFY(!window.isVisible());
    QCOMPARE(m_boxes->Count(), 0);
    QCOMPARE(terminal.PortNumber(), portIndex + 1);
    QTEST(terminal.SettingsText(), "settings");
    QVERIFY(terminal.Port().isOpen());
    QCOMPARE(terminal.Device(), m_pty->SlavePath());
    QCOMPARE(m_pty->InputSpeed(), baud);
    QVERIFY(m_pty->EightDataBits());
    QVERIFY(!m_pty->ParityOn());
    QVERIFY(!m_pty->TwoStopBits());
  }

  // What waited on the line before the port was opened is not shown.
  void openPortDiscardsWhatIsWaiting() {
    PtyBehind(1);
    m_pty->Write("stale bytes\r");
    QVERIFY(m_pty->WaitUntilWritten());
    TerminalWindow terminal;
    OpenPortWindow window(terminal);
    ClickOpen(window);
    QVERIFY(terminal.Port().isOpen());
    terminal.show();
    QSignalSpy arrivals(&terminal.Port(), &QSerialPort::readyRead);
    m_pty->Write("fresh");
    QVERIFY(arrivals.wait(5000));
    QCOMPARE(Child<QPlainTextEdit>(&terminal, "trmText")->toPlainText(), QString("fresh"));
  }

  // A port that cannot be opened: the report labelled "Dorvane Open Port",
  // and the program ends (the window is left without a port, exit code 1).
  void portThatCannotBeOpenedEndsTheProgram_data() {
    QTest::addColumn<QString>("device");  // what COM entry 5 reaches; empty: nothing
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("description");
    QTest::newRow("device that does not exist")
        << "/nonexistent/ttyUSB9" << 8002 << "Invalid port number: COM5 (/nonexistent/ttyUSB9): ";
    QTest::newRow("entry that reaches no device") << "" << 8002 << "Invalid port number: COM5 (no serial device)";
    QTest::newRow("port in use") << "pty in use" << 8005 << "Port already open or not permitted: COM5 (";
  }
  void portThatCannotBeOpenedEndsTheProgram() {
    QFETCH(QString, device);
    QFETCH(int, number);
    QFETCH(QString, description);
    // Entry 5 with nothing behind it only when the machine has fewer than
    // five serial devices of its own.
    qputenv("DORVANE_COM5", device.toLocal8Bit());
    QSerialPort holder;
    if (device.isEmpty()) {
      qunsetenv("DORVANE_COM5");
      if (!platform::ComPortDevice(5).empty()) QSKIP("this machine has a fifth serial device");
    } else if (device == "pty in use") {
      PtyBehind(5);
      holder.setPortName(m_pty->SlavePath());
      QVERIFY(holder.open(QIODevice::ReadWrite));
    }
    TerminalWindow terminal;
    OpenPortWindow window(terminal);
    window.show();
    Choose(window, 4, 7);
    ClickOpen(window);
    QCOMPARE(m_boxes->Count(), 1);
    const MessageBoxRequest box = m_boxes->Last();
    QCOMPARE(box.icon, BoxIcon::Critical);
    QCOMPARE(box.title, ReportTitle());
    QString head = QString("An error has occured.\r\n\r\nProcedure: Dorvane Open Port\r\nError Number: %1\r\n"
                           "Error Description: ").arg(number);
    QVERIFY2(box.text.startsWith(head + description), qPrintable(box.text));
    QCOMPARE(box.text.count("\r\n"), 4);
    QCOMPARE(window.result(), int(QDialog::Rejected));
    QCOMPARE(window.ExitCode(), 1);
    QVERIFY(!window.isVisible());
    QVERIFY(!terminal.Port().isOpen());
  }

  void exitEndsTheProgram() {
    TerminalWindow terminal;
    OpenPortWindow window(terminal);
    window.show();
    QTest::mouseClick(Child<QPushButton>(&window, "cmdExit"), Qt::LeftButton);
    QCOMPARE(window.result(), int(QDialog::Rejected));
    QCOMPARE(window.ExitCode(), 0);
    QCOMPARE(m_boxes->Count(), 0);
    QVERIFY(!terminal.Port().isOpen());
  }

  // Without a device manager (Linux) the link lists the serial devices and
  // the entry that reaches each, a pty set in DORVANE_COM<N> too.
  void deviceManagerLinkListsTheSerialDevices() {
    PtyBehind(7);
    TerminalWindow terminal;
    OpenPortWindow window(terminal);
    window.show();
    QTest::mouseClick(Child<QLabel>(&window, "lblDeviceManager"), Qt::LeftButton);
    auto* list = window.findChild<QDialog*>("frmSerialDevices");
    QVERIFY(list);
    QVERIFY(list->isVisible());
    auto* table = Child<QTableWidget>(list, "lsvSerialDevices");
    QCOMPARE(table->horizontalHeaderItem(4)->text(), QString("COM Entry"));
    bool found = false;
    for (int r = 0; r < table->rowCount(); ++r) {
      if (table->item(r, 0)->text() != m_pty->SlavePath()) continue;
      found = true;
      QCOMPARE(table->item(r, 1)->text(), QString("set by DORVANE_COM7"));
      QCOMPARE(table->item(r, 4)->text(), QString("COM7"));
    }
    QVERIFY(found);
    QCOMPARE(m_boxes->Count(), 0);
  }
};

QTEST_MAIN(TestOpenPortWindow)
#include "tst_open_port_window.moc"
