// The discovery run from the main window, against modules simulated on
// loopback: busy state while the window stays live, the modal listing, late
// replies stored but not shown, the socket's lifetime, and a taken port.

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QUdpSocket>
#include <QtTest>
#include <functional>

#include "discovery/discovery_run.h"
#include "loopback_responder.h"
#include "module_reply.h"
#include "widgets/busy_state.h"
#include "shell/main_window.h"
#include "widgets/message_boxes.h"

using namespace dorvane;
using dorvane::testing::LoopbackResponder;
using dorvane::testing::ModuleReply;

namespace {

QByteArray Reply(const char* code, unsigned char lastMacByte) {
  return QByteArray::fromStdString(ModuleReply(code, {0x00, 0x20, 0x4A, 0x12, 0x34, lastMacByte}));
}

// What the listing showed when it opened, read inside its modal loop.
struct ListingSeen {
  bool shown = false;
  QStringList macs;
  QStringList addresses;
  QStringList types;
  QString status;
  int rowsAfterLateReply = -1;
};

// Hands the listing to a check as soon as it is shown; the check runs inside
// the listing's modal loop and the listing is always closed afterwards, so a
// failed check cannot leave the test waiting on a modal window.
class ListingWatcher : public QObject {
 public:
  explicit ListingWatcher(std::function<void(QDialog*)> check) : m_check(std::move(check)) {
    qApp->installEventFilter(this);
  }
  ~ListingWatcher() override { qApp->removeEventFilter(this); }

 protected:
  bool eventFilter(QObject* object, QEvent* event) override {
    if (event->type() == QEvent::Show && object->objectName() == "frmDiscoveryListing") {
      auto* listing = static_cast<QDialog*>(object);
      QTimer::singleShot(0, listing, [this, listing] {
        m_check(listing);
        QTest::mouseClick(listing->findChild<QPushButton*>("cmdExit"), Qt::LeftButton);
      });
    }
    return false;
  }

 private:
  std::function<void(QDialog*)> m_check;
};

ListingSeen ReadListing(QDialog* listing) {
  ListingSeen seen;
  seen.shown = true;
  auto* rows = listing->findChild<QTreeWidget*>("lsvPELLAR");
  for (int i = 0; i < rows->topLevelItemCount(); ++i) {
    seen.macs << rows->topLevelItem(i)->text(0);
    seen.addresses << rows->topLevelItem(i)->text(1);
    seen.types << rows->topLevelItem(i)->text(2);
  }
  seen.status = listing->findChild<QLabel*>("lblStatus")->text();
  return seen;
}

}  // namespace

class TestDiscoveryRun : public QObject {
  Q_OBJECT

  QList<MessageBoxRequest> m_boxes;
  std::unique_ptr<MainWindow> m_window;
  DiscoveryRun* m_run = nullptr;

  QPushButton* DiscoverButton() { return m_window->findChild<QPushButton*>("cmdDiscover"); }

  // Points the window's discovery at the responder, from a free local port.
  void AimAt(const LoopbackResponder& responder, quint16 localPort = 0) {
    DiscoveryRun::Addresses addresses;
    addresses.target = QHostAddress::LocalHost;
    addresses.targetPort = responder.Port();
    addresses.localPort = localPort;
    m_run->SetAddresses(addresses);
  }

 private slots:
  void initTestCase() { qputenv("DORVANE_TIME_SCALE", "0.05"); }
  void init() {
    m_boxes.clear();
    SetMessageBoxResponder([this](const MessageBoxRequest& box) {
      m_boxes << box;
      return QMessageBox::Ok;
    });
    m_window = std::make_unique<MainWindow>();
    m_window->show();
    m_run = m_window->findChild<DiscoveryRun*>();
    QVERIFY(m_run);
  }
  void cleanup() {
    m_window.reset();
    SetMessageBoxResponder({});
  }

  void discoverListsTheRepliesOfTheWait() {
    LoopbackResponder responder({{Reply("X1", 0x56)},
                                 {Reply("X9", 0x0A), QHostAddress("127.0.0.2")},
                                 {Reply("X1", 0x57).left(29)},
                                 {Reply("Z9", 0x58).replace(3, 1, "\xF6")}});
    AimAt(responder);

    bool busyWhileWaiting = false;
    QTimer::singleShot(100, this, [&] {
      busyWhileWaiting = !DiscoverButton()->isEnabled() && CloseBoxRemoved(m_window.get()) &&
                         QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor &&
                         !QApplication::activeModalWidget();
    });
    ListingSeen seen;
    auto* socket = m_run->findChild<QUdpSocket*>("SckUDP");
    ListingWatcher watcher([&](QDialog* listing) {
      seen = ReadListing(listing);
      // A reply after the wait is stored but the open listing does not change.
      QSignalSpy arrived(socket, &QUdpSocket::readyRead);
      responder.SendLate({Reply("X6", 0x59)});
      arrived.wait(5000);
      seen.rowsAfterLateReply = listing->findChild<QTreeWidget*>("lsvPELLAR")->topLevelItemCount();
    });
    QTest::mouseClick(DiscoverButton(), Qt::LeftButton);

    QVERIFY(busyWhileWaiting);
    QVERIFY(seen.shown);
    QCOMPARE(responder.QueriesSeen(), 1);
    QCOMPARE(responder.LastQuery(), QByteArray("\x00\x00\x00\xF6", 4));
    QCOMPARE(seen.macs, QStringList({"00.20.4A.12.34.56", "00.20.4A.12.34.0A"}));
    QCOMPARE(seen.addresses, QStringList({"127.0.0.1", "127.0.0.2"}));
    QCOMPARE(seen.types, QStringList({"PELLAR - X1 - XPort 01", "PELLAR - X9 - XPort 05"}));
    QCOMPARE(seen.status, QString("2 devices answered."));
    QCOMPARE(seen.rowsAfterLateReply, 2);
    QCOMPARE(m_run->Devices().DeviceCount(), 3);
    QCOMPARE(m_run->Devices().Entry(2).deviceType, std::string("QM270 Rev. B - X6 - XPico"));

    // Usable again, and the socket stays bound until the next discovery.
    for (QPushButton* button : m_window->FunctionButtons()) QVERIFY(button->isEnabled());
    QVERIFY(!CloseBoxRemoved(m_window.get()));
    QVERIFY(!QApplication::overrideCursor());
    QCOMPARE(socket->state(), QAbstractSocket::BoundState);
    QVERIFY(m_boxes.isEmpty());
  }

  // The next discovery starts from an empty list on a freshly bound socket:
  // the previous run's replies, late ones included, are gone.
  void nextDiscoveryStartsEmpty() {
    LoopbackResponder responder({{Reply("X1", 0x56)}});
    AimAt(responder);
    {
      ListingWatcher watcher([](QDialog*) {});
      QTest::mouseClick(DiscoverButton(), Qt::LeftButton);
    }
    QSignalSpy arrived(m_run->findChild<QUdpSocket*>("SckUDP"), &QUdpSocket::readyRead);
    responder.SendLate({Reply("X2", 0x60)});
    QVERIFY(arrived.wait(5000));
    QCOMPARE(m_run->Devices().DeviceCount(), 2);

    LoopbackResponder silent;
    AimAt(silent);
    ListingSeen seen;
    ListingWatcher second([&](QDialog* listing) { seen = ReadListing(listing); });
    QTest::mouseClick(DiscoverButton(), Qt::LeftButton);
    QCOMPARE(silent.QueriesSeen(), 1);
    QVERIFY(seen.shown);
    QVERIFY(seen.macs.isEmpty());
    QCOMPARE(seen.status, QString("No device answered."));
    QCOMPARE(m_run->Devices().DeviceCount(), 0);
  }

  // A program that holds the port without sharing it: the listing is empty
  // and says why, and no query goes out. One that shares it does not stop
  // discovery.
  void portHeldByAnotherProgram_data() {
    QTest::addColumn<bool>("shared");
    QTest::newRow("held exclusively") << false;
    QTest::newRow("held with address reuse") << true;
  }
  void portHeldByAnotherProgram() {
    QFETCH(bool, shared);
    QUdpSocket holder;
    QVERIFY(holder.bind(QHostAddress::AnyIPv4, 0,
                        shared ? QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint
                               : QAbstractSocket::DontShareAddress));
    LoopbackResponder responder({{Reply("A1", 0x56)}});
    AimAt(responder, holder.localPort());

    ListingSeen seen;
    QColor statusColour;
    ListingWatcher watcher([&](QDialog* listing) {
      seen = ReadListing(listing);
      statusColour = listing->findChild<QLabel*>("lblStatus")->palette().color(QPalette::Window);
    });
    QTest::mouseClick(DiscoverButton(), Qt::LeftButton);
    QVERIFY(seen.shown);
    if (shared) {
      QCOMPARE(responder.QueriesSeen(), 1);
      QVERIFY(m_run->Outcome().Looked());
      QVERIFY2(!seen.status.startsWith("Could not look"), qPrintable(seen.status));
    } else {
      QCOMPARE(responder.QueriesSeen(), 0);
      QVERIFY(seen.macs.isEmpty());
      QCOMPARE(seen.status, QString("Could not look for devices: UDP port %1 is in use by another program, so no "
                                    "query was sent.")
                                .arg(holder.localPort()));
      QCOMPARE(statusColour, QColor(255, 192, 192));
    }
    QVERIFY(m_boxes.isEmpty());
    for (QPushButton* button : m_window->FunctionButtons()) QVERIFY(button->isEnabled());
  }
};

QTEST_MAIN(TestDiscoveryRun)
#include "tst_discovery_run.moc"
