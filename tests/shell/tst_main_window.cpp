#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QtTest>
#include <memory>

#include "base/localised_text.h"
#include "message_box_recorder.h"
#include "shell/main_window.h"
#include "widget_lookup.h"
#include "widgets/busy_state.h"
#include "widgets/message_boxes.h"

using namespace dorvane;
using dorvane::testing::Child;
using dorvane::testing::MessageBoxRecorder;

namespace {

std::unique_ptr<MainWindow> OpenWithLocale(const char* lang) {
  qunsetenv("LC_ALL");
  qunsetenv("LC_MESSAGES");
  qputenv("LANG", lang);
  auto window = std::make_unique<MainWindow>();
  window->show();
  return window;
}

QString Version() { return QString(PELLAR_VERSION_TEXT); }

QStringList StatusPanels(QWidget* window) {
  QStringList texts;
  for (QLabel* panel : Child<QStatusBar>(window, "stbInfo")->findChildren<QLabel*>()) texts << panel->text();
  return texts;
}

}  // namespace

class TestMainWindow : public QObject {
  Q_OBJECT

  std::unique_ptr<MessageBoxRecorder> m_boxes;

 private slots:
  void init() { m_boxes = std::make_unique<MessageBoxRecorder>(); }
  void cleanup() { m_boxes.reset(); }

  void opensInTheLocalesLanguage_data() {
    QTest::addColumn<QByteArray>("lang");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("hostLabel");
    QTest::addColumn<QString>("currentIpButton");
    QTest::addColumn<QString>("datePanel");
    QTest::addColumn<bool>("tooltips");
    // The clock writes the date with the pattern the status bar names.
    QTest::addColumn<QString>("clockPattern");
    QTest::newRow("en_US") << QByteArray("en_US.UTF-8")
                           << "  Dorvane PELLAR Utility - Version " + Version() + " (United States)"
                           << " Host Computer Name" << "Get Current IP" << "Short Date Format: M/D/YYYY" << true << "M/d/yyyy";
    QTest::newRow("fr_CA") << QByteArray("fr_CA.UTF-8")
                           << "  Dorvane PELLAR Utility - Version " + Version() + " (Canada)"
                           << " Nom de l'ordinateur hôte" << "Obtenir l'adresse IP"
                           << "Format de date courte: YYYY-MM-DD" << false << "yyyy-MM-dd";
    QTest::newRow("es_ES stays English") << QByteArray("es_ES.UTF-8")
                                         << "  Dorvane PELLAR Utility - Version " + Version() + " (Spain)"
                                         << " Host Computer Name" << "Get Current IP"
                                         << "Short Date Format: D/M/YYYY" << true << "d/M/yyyy";
    QTest::newRow("es_MX stays English") << QByteArray("es_MX.UTF-8")
                                         << "  Dorvane PELLAR Utility - Version " + Version() + " (Mexico)"
                                         << " Host Computer Name" << "Get Current IP"
                                         << "Short Date Format: DD/MM/YYYY" << true << "dd/MM/yyyy";
  }
  void opensInTheLocalesLanguage() {
    QFETCH(QByteArray, lang);
    QFETCH(QString, hostLabel);
    QFETCH(bool, tooltips);
    auto window = OpenWithLocale(lang.constData());
    QTEST(window->windowTitle(), "caption");
    QCOMPARE(Child<QLabel>(window.get(), "lblHostName")->text(), hostLabel);
    QTEST(Child<QPushButton>(window.get(), "cmdCurrentIP")->text(), "currentIpButton");
    QTEST(StatusPanels(window.get()).value(0), "datePanel");
    QFETCH(QString, clockPattern);
    QCOMPARE(StatusPanels(window.get()).value(2), QDate::currentDate().toString(clockPattern));
    QCOMPARE(!Child<QPushButton>(window.get(), "cmdTestAdmin")->toolTip().isEmpty(), tooltips);
    QCOMPARE(Child<QLabel>(window.get(), "lblIPPing")->text(), QString(" Host Computer Current IP Address"));
    QCOMPARE(m_boxes->Count(), 0);
  }

  void theSystemDriveIsSelected() {
    auto window = OpenWithLocale("en_US.UTF-8");
    QCOMPARE(Child<QComboBox>(window.get(), "drvList")->currentText(), QString("/"));
  }

  void languageButtons() {
    auto window = OpenWithLocale("en_US.UTF-8");
    auto* spanish = Child<QPushButton>(window.get(), "cmdSpanish");
    auto* french = Child<QPushButton>(window.get(), "cmdFrench");
    auto* english = Child<QPushButton>(window.get(), "cmdEnglish");
    auto* ping = Child<QPushButton>(window.get(), "cmdPing");

    QTest::mouseClick(spanish, Qt::LeftButton);
    QTest::mouseClick(spanish, Qt::LeftButton);
    QCOMPARE(window->windowTitle().count(" - Version "), 1);
    QCOMPARE(ping->text(), QString("Comenzar Ping"));
    QCOMPARE(StatusPanels(window.get()).value(0).section(':', 1), QString(" M/D/YYYY"));

    QTest::mouseClick(french, Qt::LeftButton);
    QCOMPARE(LanguageOffset.load(), kFrenchOffset);
    QCOMPARE(ping->text(), QString("Exécuter la commande Ping"));
    QCOMPARE(Child<QLabel>(window.get(), "lblHostName")->text(), QString(" Nom de l'ordinateur hôte"));
    QCOMPARE(english->text(), QString("English"));
    QCOMPARE(french->text(), QString("Français"));
    QCOMPARE(spanish->text(), QString("Español"));
    QCOMPARE(Child<QPushButton>(window.get(), "cmdTerminal")->text(), QString("Dorvane Hyper Terminal"));
    QVERIFY(ping->toolTip().isEmpty());
    QVERIFY(Child<QPushButton>(window.get(), "cmdTerminal")->toolTip().isEmpty());

    QTest::mouseClick(english, Qt::LeftButton);
    QCOMPARE(ping->text(), QString("Start Ping"));
    QCOMPARE(Child<QLabel>(window.get(), "lblHostName")->text(), QString(" Host Computer Name"));
    QVERIFY(ping->toolTip().isEmpty());
    QCOMPARE(window->windowTitle().count(" - Version "), 1);
  }

  void busyStateDisablesTheNineButtons() {
    auto window = OpenWithLocale("en_US.UTF-8");
    const QStringList nine = {"cmdCurrentIP",    "cmdPing",     "cmdProgramPellar2",
                              "cmdTestAdmin",    "cmdMonitorMode", "cmdProgramQM270",
                              "cmdTerminal",     "cmdDiscover", "cmdProgramQM270RevB"};
    window->ButtonMode(false);
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
      QCOMPARE(button->isEnabled(), !nine.contains(button->objectName()));
    }
    QVERIFY(CloseBoxRemoved(window.get()));
    QVERIFY(!window->close());
    QVERIFY(window->isVisible());

    QTest::mouseClick(Child<QPushButton>(window.get(), "cmdFrench"), Qt::LeftButton);
    QCOMPARE(LanguageOffset.load(), kFrenchOffset);

    window->ButtonMode(true);
    for (QPushButton* button : window->findChildren<QPushButton*>()) QVERIFY(button->isEnabled());
    QVERIFY(window->close());
  }

  // The selection window opens modally over a disabled main window with an
  // empty ping box; the main window is usable again once it has closed.
  void programPellarDeviceOpensTheSelection() {
    auto window = OpenWithLocale("en_US.UTF-8");
    window->PingBox()->setText("192.168.1.10");
    Child<QLabel>(window.get(), "lblStatus_0")->setText("IP Success");
    QString opened;
    bool mainEnabled = true;
    QTimer::singleShot(0, [&] {
      QWidget* modal = QApplication::activeModalWidget();
      if (!modal) return;
      opened = modal->objectName();
      mainEnabled = window->isEnabled();
      modal->close();
    });
    QTest::mouseClick(Child<QPushButton>(window.get(), "cmdProgramPellar2"), Qt::LeftButton);
    QCOMPARE(opened, QString("frmPellarSelect"));
    QVERIFY(!mainEnabled);
    QVERIFY(window->isEnabled());
    QVERIFY(window->PingBox()->text().isEmpty());
    QVERIFY(Child<QLabel>(window.get(), "lblStatus_0")->text().isEmpty());
    QCOMPARE(m_boxes->Count(), 0);
  }

  void missingTerminalProgram_data() {
    QTest::addColumn<QByteArray>("programFiles");
    QTest::newRow("ProgramFiles set") << QByteArray("/nonexistent/Program Files\\");
    QTest::newRow("beside the tool") << QByteArray();
  }
  void missingTerminalProgram() {
    QFETCH(QByteArray, programFiles);
    if (programFiles.isNull()) {
      qunsetenv("ProgramFiles");
    } else {
      qputenv("ProgramFiles", programFiles);
    }
    auto window = OpenWithLocale("en_US.UTF-8");
    QString title = window->windowTitle();
    QTest::mouseClick(Child<QPushButton>(window.get(), "cmdTerminal"), Qt::LeftButton);
    qunsetenv("ProgramFiles");
    QCOMPARE(m_boxes->Count(), 1);
    QCOMPARE(m_boxes->Last().icon, BoxIcon::Critical);
    QCOMPARE(m_boxes->Last().title, QString("Missing Program"));
    QCOMPARE(m_boxes->Last().text, QString("Dorvane Hyper Terminal Program Not Found"));
    QCOMPARE(window->windowTitle(), title);
    for (QPushButton* button : window->FunctionButtons()) QVERIFY(button->isEnabled());
  }

  // A desktop without a network settings tool says so instead of doing
  // nothing.
  void networkConnectionsWithoutATool() {
    QTemporaryDir emptyPath;
    QByteArray path = qgetenv("PATH");
    qputenv("PATH", emptyPath.path().toLocal8Bit());
    auto window = OpenWithLocale("en_US.UTF-8");
    QTest::mouseClick(Child<QPushButton>(window.get(), "cmdNetworkConnections"), Qt::LeftButton);
    qputenv("PATH", path);
    QCOMPARE(m_boxes->Count(), 1);
    QVERIFY2(m_boxes->Last().text.startsWith("No network settings tool is installed on this computer"),
             qPrintable(m_boxes->Last().text));
  }
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
