// frmDiscoveryListing: rows in arrival order with their keys, text sorting
// whose order flips on every header click, and the status line.

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include "discovery/discovery_listing_window.h"
#include "discovery/discovery_result.h"
#include "widgets/result_colours.h"

using namespace dorvane;

Q_DECLARE_METATYPE(dorvane::DiscoveryOutcome::Failure)

namespace {

// Chosen so that text order differs from numeric order in every column.
DeviceList ThreeDevices() {
  DeviceList list;
  list.Reset();
  list.Add({"00.20.4A.00.00.0B", "PELLAR - X1 - XPort 01", "10.0.0.9"});
  list.Add({"00.20.4A.00.00.01", "XPort Pro", "10.0.0.10"});
  list.Add({"00.20.4A.00.00.0A", "QM270 - A1 - XPort AR", "192.168.1.2"});
  return list;
}

QTreeWidget* Rows(QWidget* window) { return window->findChild<QTreeWidget*>("lsvPELLAR"); }

QStringList Column(QWidget* window, int column) {
  QStringList texts;
  QTreeWidget* rows = Rows(window);
  for (int i = 0; i < rows->topLevelItemCount(); ++i) texts << rows->topLevelItem(i)->text(column);
  return texts;
}

QStringList Keys(QWidget* window) {
  QStringList keys;
  QTreeWidget* rows = Rows(window);
  for (int i = 0; i < rows->topLevelItemCount(); ++i) {
    keys << rows->topLevelItem(i)->data(0, DiscoveryListingWindow::kKeyRole).toString();
  }
  return keys;
}

void ClickHeader(QWidget* window, int column) {
  QHeaderView* header = Rows(window)->header();
  QPoint centre(header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2);
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, centre);
}

}  // namespace

class TestDiscoveryListingWindow : public QObject {
  Q_OBJECT

 private slots:
  void rowsInArrivalOrder() {
    DeviceList list = ThreeDevices();
    DiscoveryListingWindow window(list, DiscoveryOutcome{}, nullptr);
    window.show();
    QCOMPARE(window.objectName(), QString("frmDiscoveryListing"));
    QCOMPARE(window.windowTitle(), QString("PELLAR / QM270 Discovery Listing"));
    QTreeWidgetItem* header = Rows(&window)->headerItem();
    QCOMPARE(QStringList({header->text(0), header->text(1), header->text(2)}),
             QStringList({"MAC Address", "IP Address", "Device Type"}));
    QCOMPARE(Keys(&window), QStringList({"0X", "1X", "2X"}));
    QCOMPARE(Column(&window, 0), QStringList({"00.20.4A.00.00.0B", "00.20.4A.00.00.01", "00.20.4A.00.00.0A"}));
    QCOMPARE(Column(&window, 1), QStringList({"10.0.0.9", "10.0.0.10", "192.168.1.2"}));
    QCOMPARE(Column(&window, 2), QStringList({"PELLAR - X1 - XPort 01", "XPort Pro", "QM270 - A1 - XPort AR"}));

    auto* exit = window.findChild<QPushButton*>("cmdExit");
    QCOMPARE(exit->text(), QString("Exit"));
    QCOMPARE(exit->toolTip(), QString("Exit Discovery Listing"));
    QTest::mouseClick(exit, Qt::LeftButton);
    QVERIFY(!window.isVisible());
  }

  // Each row is a list of header clicks; the IP column and the keys show the
  // resulting order (keys travel with their rows).
  void headerClicksSortAsText_data() {
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QStringList>("addresses");
    QTest::addColumn<QStringList>("keys");
    QTest::newRow("IP once: text order") << QList<int>{1} << QStringList{"10.0.0.10", "10.0.0.9", "192.168.1.2"}
                                         << QStringList{"1X", "0X", "2X"};
    QTest::newRow("IP twice: reversed") << QList<int>{1, 1} << QStringList{"192.168.1.2", "10.0.0.9", "10.0.0.10"}
                                        << QStringList{"2X", "0X", "1X"};
    QTest::newRow("MAC then IP: still flips")
        << QList<int>{0, 1} << QStringList{"192.168.1.2", "10.0.0.9", "10.0.0.10"} << QStringList{"2X", "0X", "1X"};
    QTest::newRow("MAC once") << QList<int>{0} << QStringList{"10.0.0.10", "192.168.1.2", "10.0.0.9"}
                              << QStringList{"1X", "2X", "0X"};
    QTest::newRow("type three times") << QList<int>{2, 2, 2} << QStringList{"10.0.0.9", "192.168.1.2", "10.0.0.10"}
                                      << QStringList{"0X", "2X", "1X"};
  }
  void headerClicksSortAsText() {
    QFETCH(QList<int>, clicks);
    DeviceList list = ThreeDevices();
    DiscoveryListingWindow window(list, DiscoveryOutcome{}, nullptr);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (int column : clicks) ClickHeader(&window, column);
    QTEST(Column(&window, 1), "addresses");
    QTEST(Keys(&window), "keys");
    QCOMPARE(Rows(&window)->header()->sortIndicatorSection(), clicks.last());
  }

  void statusLine_data() {
    QTest::addColumn<DiscoveryOutcome::Failure>("failure");
    QTest::addColumn<int>("replies");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("fault");
    using Failure = DiscoveryOutcome::Failure;
    QTest::newRow("nothing answered") << Failure::None << 0 << "No device answered." << false;
    QTest::newRow("one answered") << Failure::None << 1 << "1 device answered." << false;
    QTest::newRow("list full") << Failure::None << 258
                               << "256 devices answered. The list holds 256 devices; 2 further replies were dropped."
                               << false;
    QTest::newRow("port in use")
        << Failure::PortInUse << 0
        << "Could not look for devices: UDP port 30718 is in use by another program, so no query was sent." << true;
    QTest::newRow("bind failed") << Failure::BindFailed << 0
                                 << "Could not look for devices: UDP port 30718 could not be opened (why), so no "
                                    "query was sent."
                                 << true;
    QTest::newRow("send failed") << Failure::SendFailed << 0
                                 << "Could not look for devices: the discovery query could not be sent (why). Check "
                                    "that the computer is connected to a network."
                                 << true;
  }
  void statusLine() {
    QFETCH(DiscoveryOutcome::Failure, failure);
    QFETCH(int, replies);
    QFETCH(bool, fault);
    DeviceList list;
    list.Reset();
    for (int i = 0; i < replies; ++i) list.Add({"00.20.4A.00.00.01", "XPort Pro", "10.0.0.1"});
    DiscoveryListingWindow window(list, DiscoveryOutcome{failure, DISCOVERY_PORT, "why"}, nullptr);
    QCOMPARE(Rows(&window)->topLevelItemCount(), std::min(replies, 256));
    auto* status = window.findChild<QLabel*>("lblStatus");
    QTEST(status->text(), "text");
    QCOMPARE(BackColour(status) == kLightRed, fault);
  }
};

QTEST_MAIN(TestDiscoveryListingWindow)
#include "tst_discovery_listing_window.moc"
