// frmMonitorModeInput and frmMonitorMode: captions and list, the address
// check and its short form, the busy state of an exchange, the results
// window of each kind against pellar-devsim over loopback TCP, a second run
// after the first results window closed, and the main window's hand-over of
// its ping box. Addresses that are not loopback only ever reach a fake link.

#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "base/localised_text.h"
#include "fake_link.h"
#include "message_box_recorder.h"
#include "monitor/monitor_mode_input_window.h"
#include "monitor/monitor_mode_window.h"
#include "shell/main_window.h"
#include "sim_process.h"
#include "widget_lookup.h"
#include "widgets/apply_language.h"
#include "widgets/busy_state.h"

using namespace dorvane;
using namespace dorvane::testing;

namespace {

constexpr const char* kScale = "0.05";
constexpr const char* kSimAddress = "127.0.14.21";

QLineEdit* Address(const QWidget* w) { return Child<QLineEdit>(w, "txtIPAddress"); }
QComboBox* Kind(const QWidget* w) { return Child<QComboBox>(w, "cmbPellarType"); }
QPushButton* Button(const QWidget* w, const char* name) { return Child<QPushButton>(w, name); }

// The results window the last run opened, once it shows.
MonitorModeWindow* Results(const QWidget* input) {
  for (MonitorModeWindow* results : input->findChildren<MonitorModeWindow*>()) {
    if (results->isVisible()) return results;
  }
  return nullptr;
}

DialogueRunner::Options Through(const FakeLinks& links) {
  DialogueRunner::Options options;
  options.makeLink = links.Factory();
  return options;
}

bool ControlsEnabled(const QWidget* w) {
  return Address(w)->isEnabled() && Kind(w)->isEnabled() && Button(w, "cmdExit")->isEnabled() &&
         Button(w, "cmdMonitorMode")->isEnabled();
}

}  // namespace

class TestMonitorWindows : public QObject {
  Q_OBJECT

  std::unique_ptr<MessageBoxRecorder> m_boxes;
  SimProcess m_sim;

  std::unique_ptr<MonitorModeInputWindow> Open(const QString& address, DialogueRunner::Options options = {}) {
    auto window = std::make_unique<MonitorModeInputWindow>(nullptr, std::move(options));
    ShowActive(*window);
    window->SetAddress(address);
    return window;
  }
  static void Start(const QWidget* window) { QTest::mouseClick(Button(window, "cmdMonitorMode"), Qt::LeftButton); }

  // Runs the exchange against the simulator and returns its results window.
  MonitorModeWindow* RunAgainstSim(MonitorModeInputWindow& window, int kind) {
    Kind(&window)->setCurrentIndex(kind);
    Start(&window);
    MonitorModeWindow* results = nullptr;
    [&] { QTRY_VERIFY_WITH_TIMEOUT((results = Results(&window)) != nullptr, 20000); }();
    return results;
  }

 private slots:
  void initTestCase() {
    qputenv("LANG", "en_US.UTF-8");
    qputenv("DORVANE_TIME_SCALE", kScale);
    if (QFile::exists(SimProcess::BinaryPath())) {
      QVERIFY2(m_sim.Start({"--tcp", kSimAddress, "--assign-port", "0", "--time-scale", kScale}),
               qPrintable(m_sim.Error()));
    }
  }
  void init() { m_boxes = std::make_unique<MessageBoxRecorder>(); }
  void cleanup() {
    m_boxes.reset();
    LanguageOffset = kEnglishOffset;
  }

  void loadsCaptionsAndTypeList() {
    MonitorModeInputWindow window;
    QCOMPARE(window.objectName(), QString("frmMonitorModeInput"));
    QCOMPARE(window.windowTitle(), " " + WindowText(1080));
    QCOMPARE(Child<QLabel>(&window, "lblIPAddress")->text(), " " + WindowText(1127));
    QCOMPARE(Child<QLabel>(&window, "lblPellarType")->text(), " " + WindowText(1096));
    QCOMPARE(Button(&window, "cmdMonitorMode")->text(), WindowText(1080));
    QCOMPARE(Button(&window, "cmdExit")->text(), WindowText(1034));
    QCOMPARE(Kind(&window)->count(), 2);
    QCOMPARE(Kind(&window)->itemText(0), QString("Ethernet / IP"));
    QCOMPARE(Kind(&window)->itemText(1), QString("Wireless"));
    QCOMPARE(Kind(&window)->currentIndex(), 0);
    QCOMPARE(Address(&window)->maxLength(), 15);
    QVERIFY(Address(&window)->alignment() & Qt::AlignHCenter);
    QVERIFY(Address(&window)->text().isEmpty());
    QCOMPARE(Address(&window)->toolTip(), QString("Enter IP Address assigned to the PELLAR Device"));
    QCOMPARE(Kind(&window)->toolTip(), QString("Select Ethernet / IP or wireless PELLAR device type"));
    QCOMPARE(Button(&window, "cmdMonitorMode")->toolTip(), QString("Monitor mode"));
    QCOMPARE(Button(&window, "cmdExit")->toolTip(), QString("Exit PELLAR Monitor mode"));
  }

  void refusesAnAddress_data() {
    QTest::addColumn<QString>("address");
    QTest::newRow("empty") << "";
    QTest::newRow("blanks") << "   ";
    QTest::newRow("three parts") << "10.1.2";
    QTest::newRow("field too big") << "10.1.2.300";
  }
  void refusesAnAddress() {
    QFETCH(QString, address);
    auto window = Open(address);
    Start(window.get());
    QCOMPARE(m_boxes->Count(), 1);
    QCOMPARE(m_boxes->Last().text, WindowText(1045));
    QCOMPARE(m_boxes->Last().title, WindowText(1036));
    QCOMPARE(m_boxes->Last().icon, BoxIcon::Information);
    QVERIFY(ControlsEnabled(window.get()));
    QVERIFY(!CloseBoxRemoved(window.get()));
    QVERIFY(!window->RunActive());
    QTRY_VERIFY(Address(window.get())->hasFocus());
    QCOMPARE(Address(window.get())->text(), address);
  }

  // The address box gets the short form before the connection; the run
  // keeps the window busy and live, its stage texts (from the run's thread)
  // in the window's language; no connection gives the documented box and a
  // usable window.
  void shortFormAndNoConnection_data() {
    QTest::addColumn<int>("language");
    QTest::newRow("English") << kEnglishOffset;
    QTest::newRow("French") << kFrenchOffset;
  }
  void shortFormAndNoConnection() {
    QFETCH(int, language);
    LanguageOffset = language;
    FakeModule module;
    module.fault = FakeFault::OpenFails;
    FakeLinks links(module);
    auto window = Open("010.001.002.003", Through(links));
    Start(window.get());
    QCOMPARE(Address(window.get())->text(), QString("10.1.2.3"));
    QVERIFY(window->RunActive());
    QVERIFY(!Address(window.get())->isEnabled() && !Kind(window.get())->isEnabled());
    QVERIFY(!Button(window.get(), "cmdExit")->isEnabled() && !Button(window.get(), "cmdMonitorMode")->isEnabled());
    QVERIFY(CloseBoxRemoved(window.get()));
    QVERIFY(!window->close());
    QTest::keyClick(window.get(), Qt::Key_Escape);
    QVERIFY(window->isVisible());
    QTRY_COMPARE(Child<QLabel>(window.get(), "lblInfo")->text(), WindowText(1136));

    QTRY_COMPARE_WITH_TIMEOUT(m_boxes->Count(), 1, 20000);
    QCOMPARE(m_boxes->Last().title, QString("Communication Failure"));
    QCOMPARE(m_boxes->Last().text, QString("Failed to communicate with Pellar device"));
    QCOMPARE(m_boxes->Last().icon, BoxIcon::Critical);
    QCOMPARE(links.Made(), (QStringList{"tcp 10.1.2.3:1", "tcp 10.1.2.3:9999"}));
    QVERIFY(links.Written().isEmpty());
    QVERIFY(ControlsEnabled(window.get()));
    QVERIFY(!CloseBoxRemoved(window.get()));
    QVERIFY(Child<QLabel>(window.get(), "lblInfo")->text().isEmpty());
    QVERIFY(!Results(window.get()));
  }

  // A module that hangs up after "M": the run ends as a communication
  // failure, never with a results window.
  void moduleHangsUpMidExchange() {
    FakeModule module;
    module.fault = FakeFault::ClosedByPeer;
    module.afterText = "M";
    FakeLinks links(module);
    auto window = Open("127.0.14.23", Through(links));
    Start(window.get());
    QTRY_COMPARE_WITH_TIMEOUT(m_boxes->Count(), 1, 20000);
    QCOMPARE(m_boxes->Last().text, QString("Failed to communicate with Pellar device"));
    QVERIFY(links.Written().startsWith("M"));
    QVERIFY(ControlsEnabled(window.get()));
    QVERIFY(!CloseBoxRemoved(window.get()));
    QVERIFY(!Results(window.get()));
  }

  // Ethernet / IP: TT and NC, the third box hidden and the short window;
  // Wireless: SA, NS and TT in three boxes and the tall window.
  void resultsWindowOfEachKind_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("boxTexts");  // a line each box holds
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("exitTop");
    QTest::newRow("Ethernet / IP") << 0 << QStringList{"TCP connection table", "IP addr 127.0.14.21, no DHCP", ""}
                                   << (6375 - 405) / 15 << 5160 / 15;
    QTest::newRow("Wireless") << 1 << QStringList{"Scan: 2 networks", "SSID: DORVANE-SITE", "TCP connection table"}
                              << (8880 - 405) / 15 << 7700 / 15;
  }
  void resultsWindowOfEachKind() {
    if (!m_sim.Process().processId()) QSKIP("pellar-devsim is not built");
    QFETCH(int, kind);
    QFETCH(QStringList, boxTexts);
    auto window = Open(kSimAddress);
    MonitorModeWindow* results = RunAgainstSim(*window, kind);
    QVERIFY(results);
    QCOMPARE(results->objectName(), QString("frmMonitorMode"));
    QCOMPARE(results->windowTitle(), " " + WindowText(1080));
    QVERIFY(results->isModal());
    QVERIFY(ControlsEnabled(window.get()));
    QVERIFY(!CloseBoxRemoved(window.get()));
    for (int box = 0; box < 3; ++box) {
      QPlainTextEdit* response = results->ResponseBox(box);
      QVERIFY(response->isReadOnly());
      QCOMPARE(response->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
      QVERIFY(QFontInfo(response->font()).fixedPitch());
      QCOMPARE(response->geometry(), QRect(8, 8 + box * 168, 529, 153));
      if (boxTexts[box].isEmpty()) {
        QVERIFY(response->toPlainText().isEmpty());
      } else {
        QVERIFY2(response->toPlainText().contains(boxTexts[box]), qPrintable(response->toPlainText()));
      }
    }
    QCOMPARE(results->ResponseBox(2)->isVisible(), kind == 1);
    QTEST(results->height(), "height");
    QTEST(Button(results, "cmdExit")->y(), "exitTop");
    QCOMPARE(Button(results, "cmdExit")->toolTip(), QString("Exit PELLAR Monitor Mode Output "));
    // The answer to M and the greeting before it were emptied by "NodeSet".
    QVERIFY(!results->ResponseBox(0)->toPlainText().contains("Press Enter"));
    QVERIFY(results->ResponseBox(0)->toPlainText().contains("NodeSet"));
    QTest::mouseClick(Button(results, "cmdExit"), Qt::LeftButton);
    QTRY_VERIFY(!Results(window.get()));
  }

  // A fresh results window for the second run, with the second run's
  // layout and nothing of the first.
  void secondRunAfterClosingTheResults() {
    if (!m_sim.Process().processId()) QSKIP("pellar-devsim is not built");
    auto window = Open(kSimAddress);
    QPointer<MonitorModeWindow> first = RunAgainstSim(*window, 1);
    QVERIFY(first);
    QVERIFY(first->ResponseBox(2)->toPlainText().contains("TCP connection table"));
    QTest::mouseClick(Button(first, "cmdExit"), Qt::LeftButton);
    QTRY_VERIFY(first.isNull());
    QVERIFY(ControlsEnabled(window.get()));

    MonitorModeWindow* second = RunAgainstSim(*window, 0);
    QVERIFY(second);
    QVERIFY(!second->ResponseBox(2)->isVisible());
    QVERIFY(second->ResponseBox(2)->toPlainText().isEmpty());
    QVERIFY(second->ResponseBox(0)->toPlainText().contains("TCP connection table"));
    QVERIFY(second->ResponseBox(1)->toPlainText().contains("Network mask 255.255.255.0"));
    QCOMPARE(m_boxes->Count(), 0);
    second->close();
  }

  // PELLAR Monitor Mode on the main window: its ping box, when not empty,
  // in the input window's address box.
  void mainWindowHandsItsAddressOver_data() {
    QTest::addColumn<QString>("pingBox");
    QTest::newRow("an address") << "127.0.14.5";
    QTest::newRow("empty") << "";
  }
  void mainWindowHandsItsAddressOver() {
    QFETCH(QString, pingBox);
    MainWindow main;
    main.show();
    main.PingBox()->setText(pingBox);
    QString seen = "(not opened)";
    QTimer look;
    look.setInterval(20);
    connect(&look, &QTimer::timeout, this, [&] {
      auto* input = qobject_cast<MonitorModeInputWindow*>(QApplication::activeModalWidget());
      if (!input) return;
      look.stop();
      seen = Address(input)->text();
      input->reject();
    });
    look.start();
    QTest::mouseClick(main.findChild<QPushButton*>("cmdMonitorMode"), Qt::LeftButton);
    QCOMPARE(seen, pingBox);
  }
};

QTEST_MAIN(TestMonitorWindows)
#include "tst_monitor_windows.moc"
