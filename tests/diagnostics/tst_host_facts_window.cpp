#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "base/localised_text.h"
#include "message_box_recorder.h"
#include "shell/main_window.h"
#include "what_the_system_says.h"
#include "widget_lookup.h"
#include "widgets/busy_state.h"
#include "widgets/message_boxes.h"
#include "widgets/result_colours.h"

using namespace dorvane;
using dorvane::testing::Child;
using dorvane::testing::MessageBoxRecorder;

namespace {

constexpr double kGiB = 1024.0 * 1024.0 * 1024.0;

QString Text(QWidget* window, const QString& name) { return Child<QLabel>(window, qPrintable(name))->text(); }

QColor Colour(QWidget* window, const QString& name) { return BackColour(Child<QLabel>(window, qPrintable(name))); }

QStringList AdapterLabels(QWidget* window) {
  QStringList texts;
  for (int i = 0; i < 3; ++i) texts << Text(window, QString("lblCurrentIPAddress_%1").arg(i));
  return texts;
}

}  // namespace

// The window's host facts held against what the system's tools say. Reading
// adapters sends nothing, and names come from a hosts file the test writes,
// so this runs in the machine's own namespace.
class TestHostFactsWindow : public QObject {
  Q_OBJECT

  std::unique_ptr<MessageBoxRecorder> m_boxes;
  QTemporaryDir m_files;
  QStringList m_adapters;  // what `ip -j addr` says, first three
  QString m_hostName;

  std::unique_ptr<MainWindow> Open() {
    auto window = std::make_unique<MainWindow>();
    window->show();
    return window;
  }

  void TestSystem(MainWindow* window) { QTest::mouseClick(Child<QPushButton>(window, "cmdTestAdmin"), Qt::LeftButton); }

 private slots:
  void initTestCase() {
    qputenv("LANG", "en_US.UTF-8");
    m_adapters = AdapterAddressesFromIp(IpAddrJson()).mid(0, 3);
    QVERIFY(m_files.isValid());
    QFile hosts(m_files.filePath("hosts"));
    QVERIFY(hosts.open(QIODevice::WriteOnly));
    if (!m_adapters.isEmpty()) {
      m_hostName = "pellar-first-adapter";
      hosts.write((m_adapters.first() + " " + m_hostName + "\n").toLatin1());
    }
    hosts.close();
    qputenv("DORVANE_HOSTS_FILE", hosts.fileName().toLocal8Bit());
  }

  void init() { m_boxes = std::make_unique<MessageBoxRecorder>(); }
  void cleanup() { m_boxes.reset(); }

  void currentIpAtStartUpAndOnTheButton() {
    QStringList expected = m_adapters;
    while (expected.size() < 3) expected << QString();
    QString expectedName = m_adapters.isEmpty() ? QString() : m_hostName;

    auto window = Open();
    QCOMPARE(AdapterLabels(window.get()), expected);
    QCOMPARE(Text(window.get(), "lblHostNameValue"), expectedName);

    for (int i = 0; i < 3; ++i)
      Child<QLabel>(window.get(), qPrintable(QString("lblCurrentIPAddress_%1").arg(i)))->setText("stale");
    Child<QLabel>(window.get(), "lblHostNameValue")->setText("stale");
    QTest::mouseClick(Child<QPushButton>(window.get(), "cmdCurrentIP"), Qt::LeftButton);
    QCOMPARE(AdapterLabels(window.get()), expected);
    QCOMPARE(Text(window.get(), "lblHostNameValue"), expectedName);
    QVERIFY(m_boxes->Boxes().isEmpty());
    for (QPushButton* button : window->FunctionButtons()) QVERIFY(button->isEnabled());
    QCOMPARE(QApplication::overrideCursor(), nullptr);
  }

  void testSystemMatchesTheSystem() {
    auto window = Open();
    QVERIFY(Text(window.get(), "lblAdminStatus").isEmpty());  // not gathered at start-up
    // The values are English texts whatever the language.
    QTest::mouseClick(Child<QPushButton>(window.get(), "cmdFrench"), Qt::LeftButton);
    TestSystem(window.get());

    QVERIFY(m_boxes->Boxes().isEmpty());
    bool administrator = IdSaysAdministrator();
    QCOMPARE(Text(window.get(), "lblAdminStatus"), QString(administrator ? "True" : "False"));
    QCOMPARE(Colour(window.get(), "lblAdminStatus"), administrator ? kWhite : kLightRed);
    QCOMPARE(Text(window.get(), "lblWindowsValue"), OsReleasePrettyName());
    QCOMPARE(Text(window.get(), "lblVersionValue"), KernelRelease());
    QString dhcp = Text(window.get(), "lblDHCPValue");
    QVERIFY2(dhcp == "True" || dhcp == "False", qPrintable(dhcp));
    QCOMPARE(Colour(window.get(), "lblDHCPValue"), dhcp == "True" ? kLightRed : kWhite);

    const QScreen* screen = window->screen();
    QSize pixels = screen->geometry().size() * screen->devicePixelRatio();
    QCOMPARE(screen->depth(), 32);
    QCOMPARE(Text(window.get(), "lblScreenValue"),
             QString("%1 x %2 (True Color)").arg(pixels.width()).arg(pixels.height()));
    bool small = pixels.width() < 1024 || pixels.height() < 768;
    QCOMPARE(Colour(window.get(), "lblScreenValue"), small ? kLightRed : kWhite);

    for (QPushButton* button : window->FunctionButtons()) QVERIFY(button->isEnabled());
    QVERIFY(!CloseBoxRemoved(window.get()));
    QCOMPARE(QApplication::overrideCursor(), nullptr);
  }

  void freeSpaceOfTheChosenVolume() {
    auto window = Open();
    auto* drives = Child<QComboBox>(window.get(), "drvList");
    QVERIFY(drives->count() > 0);
    // Every volume the list offers, and no choice at all (the root).
    for (int index = -1; index < drives->count(); ++index) {
      drives->setCurrentIndex(index);
      QString path = index < 0 ? "/" : drives->itemText(index);
      TestSystem(window.get());
      std::optional<qint64> free = DfFreeBytes(path);
      QVERIFY2(free, qPrintable("df knows no " + path));
      QString shown = Text(window.get(), "lblDriveSpaceValue");
      QVERIFY2(QRegularExpression("^\\d+\\.\\d\\d GB$").match(shown).hasMatch(), qPrintable(shown));
      // Other programs write while the test runs: a tenth of a gigabyte.
      double gigabytes = shown.chopped(3).toDouble();
      QVERIFY2(qAbs(gigabytes - *free / kGiB) < 0.1, qPrintable(path + ": " + shown));
      QCOMPARE(Colour(window.get(), "lblDriveSpaceValue"), kWhite);
    }
  }
};

QTEST_MAIN(TestHostFactsWindow)
#include "tst_host_facts_window.moc"
