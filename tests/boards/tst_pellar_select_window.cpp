// frmPellarSelect: the board families, the hidden wireless buttons and the
// hand-over to the programming window.

#include <QPushButton>
#include <QtTest>
#include <memory>

#include "base/localised_text.h"
#include "boards/pellar_select_window.h"
#include "message_box_recorder.h"
#include "shell/main_window.h"
#include "widget_lookup.h"

using namespace dorvane;
using dorvane::testing::Child;
using dorvane::testing::MessageBoxRecorder;

namespace {

QPushButton* Button(const QWidget* window, int index) {
  return Child<QPushButton>(window, qPrintable(QString("cmdProgram_%1").arg(index)));
}

void PressRevealKey(QWidget* window) {
  QTest::keyClick(Button(window, 0), PellarSelectWindow::kRevealKey, Qt::ControlModifier | Qt::ShiftModifier);
}

}  // namespace

class TestPellarSelectWindow : public QObject {
  Q_OBJECT

  std::unique_ptr<MainWindow> m_main;
  std::unique_ptr<MessageBoxRecorder> m_boxes;

  std::unique_ptr<PellarSelectWindow> Open() {
    auto window = std::make_unique<PellarSelectWindow>(*m_main, m_main.get());
    window->move(300, 400);
    window->show();
    return window;
  }

 private slots:
  void initTestCase() {
    qputenv("LANG", "en_US.UTF-8");
    qputenv("DORVANE_TIME_SCALE", "0.02");
    m_main = std::make_unique<MainWindow>();
  }
  void init() { m_boxes = std::make_unique<MessageBoxRecorder>(); }
  void cleanup() { m_boxes.reset(); }

  void buttonsAsDesigned_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("tooltip");
    QTest::addColumn<bool>("visible");
    QTest::newRow("PELLAR2") << 0 << "Program PELLAR2 Family of Boards"
                             << "<b>PELLAR2 Options</b><br/>Program PELLAR2B, PELLAR2 &amp; PELLAR2P boards" << true;
    QTest::newRow("PELLAR6") << 1 << "Program PELLAR6 Family of Boards"
                             << "<b>PELLAR6 Options</b><br/>Program PELLAR6B, PELLAR6 &amp; PELLAR6P boards." << true;
    QTest::newRow("PELLAR2W") << 2 << "Program PELLAR2W Boards"
                              << "" << false;
    QTest::newRow("PELLAR6W") << 3 << "Program PELLAR6W Boards"
                              << "" << false;
  }
  void buttonsAsDesigned() {
    QFETCH(int, index);
    auto window = Open();
    QCOMPARE(window->windowTitle(), QString("  Select PELLAR Device Type"));
    QTEST(Button(window.get(), index)->text(), "caption");
    QTEST(Button(window.get(), index)->toolTip(), "tooltip");
    QTEST(Button(window.get(), index)->isVisible(), "visible");
  }

  // Each press shows the wireless buttons, sets the height and moves the
  // window up again; the keys without both modifiers do nothing.
  void revealKeyShowsTheWirelessButtons() {
    auto window = Open();
    QPoint start = window->pos();
    QTest::keyClick(Button(window.get(), 0), PellarSelectWindow::kRevealKey, Qt::ControlModifier);
    QTest::keyClick(Button(window.get(), 0), PellarSelectWindow::kRevealKey);
    QVERIFY(!Button(window.get(), 2)->isVisible());
    QCOMPARE(window->pos(), start);
    QCOMPARE(window->height(), Button(window.get(), 1)->geometry().bottom() + 1 + 12);

    PressRevealKey(window.get());
    QVERIFY(Button(window.get(), 2)->isVisible() && Button(window.get(), 3)->isVisible());
    // The window is as high as its buttons: no empty band below the last.
    QTRY_COMPARE(window->height(), Button(window.get(), 3)->geometry().bottom() + 1 + 12);
    QCOMPARE(window->pos(), start - QPoint(0, 1110 / 15));
    PressRevealKey(window.get());
    QCOMPARE(window->pos(), start - QPoint(0, 2 * 1110 / 15));
  }

  void eachButtonOpensItsWindowInPlaceOfTheSelection_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("window");
    QTest::newRow("PELLAR2") << 0 << "frmPellar2";
    QTest::newRow("PELLAR6") << 1 << "frmPellarEncrypted";
    QTest::newRow("PELLAR2W") << 2 << "frmPellarWireless";
    QTest::newRow("PELLAR6W") << 3 << "frmPellarWirelessEncrypted";
  }
  void eachButtonOpensItsWindowInPlaceOfTheSelection() {
    QFETCH(int, index);
    auto window = Open();
    if (index > 1) PressRevealKey(window.get());
    QString opened;
    bool selectionVisible = true;
    QTimer::singleShot(0, [&] {
      QWidget* modal = QApplication::activeModalWidget();
      if (!modal) return;
      opened = modal->objectName();
      selectionVisible = window->isVisible();
      QTest::mouseClick(Child<QPushButton>(modal, "cmdExit"), Qt::LeftButton);
    });
    QTest::mouseClick(Button(window.get(), index), Qt::LeftButton);
    QTEST(opened, "window");
    QVERIFY(!selectionVisible);
    QVERIFY(!window->isVisible());
    QCOMPARE(window->result(), int(QDialog::Accepted));
  }

  void closeBoxReturnsWithoutOpeningAnything() {
    auto window = Open();
    bool opened = false;
    QTimer::singleShot(0, [&] { opened = QApplication::activeModalWidget() != nullptr; });
    QVERIFY(window->close());
    QCoreApplication::processEvents();
    QVERIFY(!opened);
    QCOMPARE(window->result(), int(QDialog::Rejected));
    QCOMPARE(m_boxes->Count(), 0);
  }
};

QTEST_MAIN(TestPellarSelectWindow)
#include "tst_pellar_select_window.moc"
