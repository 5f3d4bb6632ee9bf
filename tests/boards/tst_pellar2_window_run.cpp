// frmPellar2 running: the busy state, every ending with its message, what
// the main window's ping box holds afterwards and whether the window stays.
// Links go to loopback addresses or to pellar-devsim over a pty; the ARP
// table is always the fake one.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "base/localised_text.h"
#include "boards/pellar2_window.h"
#include "programming_window_test.h"
#include "sim_process.h"
#include "widgets/busy_state.h"

using namespace dorvane;
using namespace dorvane::testing;

namespace {

QPushButton* Button(const QWidget* window, const char* name) { return Child<QPushButton>(window, name); }

void FillMacBoxes(const QWidget* window, int leaveEmpty = -1) {
  for (int i = 0; i < 6; ++i) {
    Edit(window, qPrintable(QString("txtMACAddress_%1").arg(i)))->setText(i == leaveEmpty ? "  " : "0A");
  }
}

}  // namespace

class TestPellar2WindowRun : public ProgrammingWindowTest<Pellar2Window> {
  Q_OBJECT

  std::unique_ptr<Pellar2Window> Open(int port, const QString& address) {
    auto window = ProgrammingWindowTest::Open();
    Child<QComboBox>(window.get(), "cmbPort")->setCurrentIndex(port);
    Edit(window.get(), "txtIPAddress")->setText(address);
    return window;
  }
  static void Program(const QWidget* window) { QTest::mouseClick(Button(window, "cmdProgramPellar2"), Qt::LeftButton); }

 private slots:
  void initTestCase() {
    qputenv("LANG", "en_US.UTF-8");
  }
  void init() {
    qputenv("DORVANE_TIME_SCALE", "0.02");
    ResetFixture();
    m_host.pingBox = "10.9.9.9";
  }
  void cleanup() { CleanupFixture(); }

  // Nothing listens on the address: the run is busy for the connection
  // attempts, then fails and leaves the window as it was.
  void busyDuringARunThenCommunicationFailure() {
    qputenv("DORVANE_TIME_SCALE", "0.15");
    auto window = Open(kPortViaArp, "127.0.0.9");
    FillMacBoxes(window.get());
    Program(window.get());

    QTRY_VERIFY(Child<QLabel>(window.get(), "lblRequest")->isVisible());
    QVERIFY(!Button(window.get(), "cmdProgramPellar2")->isEnabled());
    QVERIFY(!Button(window.get(), "cmdExit")->isEnabled());
    QVERIFY(!Edit(window.get(), "txtIPAddress")->isEnabled());
    QVERIFY(!Child<QComboBox>(window.get(), "cmbPort")->isEnabled());
    QVERIFY(Button(window.get(), "cmdHelp")->isEnabled());
    QVERIFY(CloseBoxRemoved(window.get()));
    QVERIFY(!window->close());
    window->reject();
    QVERIFY(window->isVisible());
    QVERIFY(QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor);
    // The network path cannot be cancelled, so its caption has no ESC hint.
    QCOMPARE(Child<QLabel>(window.get(), "lblRequest")->text(), QString("Processing Request"));

    QTRY_COMPARE_WITH_TIMEOUT(m_boxes->Count(), 1, 20000);
    QCOMPARE(m_boxes->Last().title, QString("Communication Failure"));
    QCOMPARE(m_boxes->Last().text, QString("Failed to communicate with Pellar Device"));
    QCOMPARE(m_boxes->Last().icon, BoxIcon::Critical);
    QVERIFY(window->isVisible());
    QVERIFY(Button(window.get(), "cmdProgramPellar2")->isEnabled());
    QVERIFY(!CloseBoxRemoved(window.get()));
    QCOMPARE(QApplication::overrideCursor(), nullptr);
    QVERIFY(!Child<QLabel>(window.get(), "lblRequest")->isVisible());
    QVERIFY(Child<QLabel>(window.get(), "lblInfo")->text().isEmpty());
    QCOMPARE(Edit(window.get(), "txtIPAddress")->text(), QString("127.000.000.009"));
    QCOMPARE(m_host.pingBox, QString("10.9.9.9"));
    QVERIFY((m_arp->Calls() == std::vector<std::string>{"clear", "assign 127.0.0.9 0A-0A-0A-0A-0A-0A"}));
  }

  // Nothing that a run has already read or that would hand the fields back
  // looks usable during the run: the VRA-Link button, its frame and the MAC
  // boxes are locked with the fields, and all come back after the run.
  void vraLinkAndMacBoxesAreLockedDuringARun() {
    qputenv("DORVANE_TIME_SCALE", "0.15");
    auto window = Open(kPortViaArp, "127.0.0.9");
    QTest::keyClick(window.get(), Pellar2Window::kTransitRelayKey);
    QPushButton* vraLink = Button(window.get(), "cmdTransitRelay");
    QVERIFY(vraLink->isVisible() && vraLink->isEnabled());
    FillMacBoxes(window.get());
    Program(window.get());

    QTRY_VERIFY(Child<QLabel>(window.get(), "lblRequest")->isVisible());
    const QList<const char*> locked = {"cmdTransitRelay", "fraTransitRelay", "txtRemoteIPAddress", "txtRemotePort",
                                       "cmdGlobalSave",   "cmdGlobalCancel", "txtMACAddress_0",    "txtMACAddress_5"};
    for (const char* name : locked) QVERIFY2(!Child<QWidget>(window.get(), name)->isEnabled(), name);
    QTest::mouseClick(vraLink, Qt::LeftButton);
    QVERIFY(!Child<QWidget>(window.get(), "fraTransitRelay")->isVisible());
    Edit(window.get(), "txtRemoteIPAddress")->setText("10.1.2.3");
    Button(window.get(), "cmdGlobalSave")->click();
    Button(window.get(), "cmdGlobalCancel")->click();
    QVERIFY(!Button(window.get(), "cmdProgramPellar2")->isEnabled());
    QVERIFY(!Button(window.get(), "cmdExit")->isEnabled());
    QVERIFY(!window->Inputs().vraLinkSaved);

    QTRY_COMPARE_WITH_TIMEOUT(m_boxes->Count(), 1, 20000);
    QCOMPARE(m_boxes->Last().title, QString("Communication Failure"));
    for (const char* name : locked) QVERIFY2(Child<QWidget>(window.get(), name)->isEnabled(), name);
    QVERIFY(Button(window.get(), "cmdProgramPellar2")->isEnabled());
    QVERIFY(Button(window.get(), "cmdExit")->isEnabled());
    // The frame works again as before the run.
    QTest::mouseClick(vraLink, Qt::LeftButton);
    QVERIFY(Child<QWidget>(window.get(), "fraTransitRelay")->isVisible());
    QVERIFY(!Button(window.get(), "cmdProgramPellar2")->isEnabled());
    QTest::mouseClick(Button(window.get(), "cmdGlobalSave"), Qt::LeftButton);
    QVERIFY(window->Inputs().vraLinkSaved);
    QVERIFY(Button(window.get(), "cmdProgramPellar2")->isEnabled());
  }

  void emptyMacBoxStopsTheRunThere_data() {
    QTest::addColumn<int>("empty");
    QTest::newRow("first") << 0;
    QTest::newRow("blank fourth") << 3;
    QTest::newRow("last") << 5;
  }
  void emptyMacBoxStopsTheRunThere() {
    QFETCH(int, empty);
    auto window = Open(kPortViaArp, "192.168.1.10");
    FillMacBoxes(window.get(), empty);
    Program(window.get());
    QTRY_COMPARE(m_boxes->Count(), 1);
    QCOMPARE(m_boxes->Last().title, QString("Program PELLAR2 via ARP"));
    QCOMPARE(m_boxes->Last().text, QString("Invalid MAC Address"));
    QCOMPARE(m_boxes->Last().icon, BoxIcon::Critical);
    QTRY_COMPARE(QApplication::focusWidget(), Edit(window.get(), qPrintable(QString("txtMACAddress_%1").arg(empty))));
    QVERIFY(window->isVisible());
    QVERIFY(!CloseBoxRemoved(window.get()));
    QCOMPARE(m_arp->Calls().size(), std::size_t{1});
  }

  // A COM entry that reaches no device: the error report, an empty ping
  // box, and the window goes.
  void runTimeErrorUnloadsTheWindow() {
    qputenv("DORVANE_COM7", "/nonexistent/pellar-tty");
    auto window = Open(7, "192.168.1.10");
    QSignalSpy finished(window.get(), &QDialog::finished);
    Program(window.get());
    QVERIFY(finished.wait(10000));
    qunsetenv("DORVANE_COM7");
    QCOMPARE(m_boxes->Count(), 1);
    QCOMPARE(m_boxes->Last().icon, BoxIcon::Critical);
    QVERIFY2(m_boxes->Last().text.startsWith("An error has occured.\r\n\tProcedure: Pellar Program\r\n\t"
                                             "Error Number: 8002\r\n\tError Description: "),
             qPrintable(m_boxes->Last().text));
    QVERIFY(m_host.pingBox.isEmpty());
    QVERIFY(m_host.enabled);
    QCOMPARE(QApplication::overrideCursor(), nullptr);
  }

  // The module's side of a whole run, serial and network.
  void successfulRun_data() {
    QTest::addColumn<QStringList>("simulator");
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("pingBox");
    QTest::newRow("serial") << QStringList{"--pty", "--reset-after", "1"} << 4 << "192.168.1.10"
                            << "Program PELLAR Device via Serial Connection"
                            << "Your PELLAR Device has been configured, please remove the serial connection from the "
                               "PELLAR2 Device and press the reset button on the PELLAR Device"
                            << "192.168.001.010";
    QTest::newRow("network via ARP") << QStringList{"--tcp", "127.0.0.61", "--assign-port", "0"} << kPortViaArp
                                     << "127.0.0.61"
                                     << "Program PELLAR2 device via Network Connection"
                                     << "Your PELLAR2 device has been configured."
                                     << "127.000.000.061";
  }
  void successfulRun() {
    if (!QFile::exists(SimProcess::BinaryPath())) QSKIP("pellar-devsim is not built");
    QFETCH(QStringList, simulator);
    QFETCH(int, port);
    QFETCH(QString, address);
    SimProcess sim;
    QVERIFY2(sim.Start(simulator + QStringList{"--firmware", "V6.10.0", "--time-scale", "0.02"}),
             qPrintable(sim.Error()));
    if (port != kPortViaArp) qputenv(qPrintable(QString("DORVANE_COM%1").arg(port)), sim.PtyPath().toLocal8Bit());
    auto window = Open(port, address);
    if (port == kPortViaArp) FillMacBoxes(window.get());
    QSignalSpy finished(window.get(), &QDialog::finished);
    Program(window.get());
    QVERIFY(finished.wait(60000));

    QCOMPARE(m_boxes->Count(), 1);
    QTEST(m_boxes->Last().title, "title");
    QTEST(m_boxes->Last().text, "text");
    QCOMPARE(m_boxes->Last().icon, BoxIcon::Information);
    QFETCH(QString, pingBox);
    QCOMPARE(m_host.pingBox, pingBox);
    QVERIFY(m_host.enabled);
    QCOMPARE(QApplication::overrideCursor(), nullptr);
    // Rows 1 to 11: the address as validation left it, the empty gateway,
    // the first mask; the save command last.
    QByteArray serverRows = ("0\r" + pingBox.split('.').join("\r") + "\rY000\r000\r000\r000\r8\r").toLatin1();
    QByteArray received = sim.Received();
    QVERIFY2(received.contains(serverRows), received.constData());
    QVERIFY2(received.endsWith("\r9\r"), received.constData());
  }

  // ESC reaches the window while all its controls are disabled and ends the
  // wake-up loop of a board that never answers.
  void escapeCancelsTheWakeUp() {
    if (!QFile::exists(SimProcess::BinaryPath())) QSKIP("pellar-devsim is not built");
    SimProcess sim;
    QVERIFY2(sim.Start({"--pty", "--fail", "no-banner", "--time-scale", "0.02"}), qPrintable(sim.Error()));
    qputenv("DORVANE_COM5", sim.PtyPath().toLocal8Bit());
    auto window = Open(5, "192.168.1.10");
    Program(window.get());
    QTRY_COMPARE(Child<QLabel>(window.get(), "lblInfo")->text().trimmed(),
                 QString("Waiting for PELLAR Reset or Power Cycle"));
    QVERIFY(!Button(window.get(), "cmdExit")->isEnabled());
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : window.get(), Qt::Key_Escape);

    QTRY_COMPARE_WITH_TIMEOUT(m_boxes->Count(), 1, 20000);
    QCOMPARE(m_boxes->Last().title, QString("Cancel Pellar Program"));
    QCOMPARE(m_boxes->Last().text, QString("Cancelled Pellar Programming"));
    QCOMPARE(m_boxes->Last().icon, BoxIcon::Information);
    QVERIFY(window->isVisible());
    QVERIFY(Button(window.get(), "cmdExit")->isEnabled());
    QVERIFY(!CloseBoxRemoved(window.get()));
    QCOMPARE(m_host.pingBox, QString("10.9.9.9"));
    QByteArray received = sim.Received();
    QVERIFY(!received.isEmpty() && received.count('x') == received.size());
  }
};

QTEST_MAIN(TestPellar2WindowRun)
#include "tst_pellar2_window_run.moc"
