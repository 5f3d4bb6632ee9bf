// The list of families: every kind is found by its name, and a family
// whose opening button a form lacks still gets one, so adding a family
// needs no form change.
#include <QHBoxLayout>
#include <QPushButton>
#include <QSet>
#include <QtTest>

#include "cli/program_options.h"
#include "families/board_family.h"
#include "families/family_buttons.h"

using namespace dorvane;

class TestFamilyList : public QObject {
  Q_OBJECT

 private slots:
  void everyKindIsFoundOnceByItsName() {
    QSet<QString> kinds;
    for (const BoardFamily* family : BoardFamilies()) {
      const QString kind = QString::fromUtf8(family->Kind().data(), static_cast<qsizetype>(family->Kind().size()));
      QVERIFY2(!kinds.contains(kind), qPrintable(kind));
      kinds << kind;
      QCOMPARE(FindBoardFamily(family->Kind()), family);
      QVERIFY(family->openWindow != nullptr);
      QVERIFY(QString(family->command.usage).contains(kind));
    }
    QCOMPARE(kinds.size(), 6);
    QCOMPARE(FindBoardFamily("pellar7"), nullptr);
  }

  // The main window's families on a form that has one of their buttons:
  // that one is the form's, the other is made after it in the same row.
  void aMissingOpeningButtonIsMadeBesideTheFormsButtons() {
    QWidget window;
    auto* row = new QHBoxLayout(&window);
    auto* first = new QPushButton("first", &window);
    row->addWidget(first);
    auto* formsOwn = new QPushButton("form's own", &window);
    QList<const BoardFamily*> mainWindowFamilies;
    for (const BoardFamily* family : BoardFamilies()) {
      if (family->opener == BoardFamily::Opener::MainWindow) mainWindowFamilies << family;
    }
    QVERIFY(mainWindowFamilies.size() >= 2);
    formsOwn->setObjectName(mainWindowFamilies[0]->buttonName);
    row->addWidget(formsOwn);

    QList<FamilyButton> buttons = FamilyButtons(&window, {BoardFamily::Opener::MainWindow}, first);
    QCOMPARE(buttons.size(), mainWindowFamilies.size());
    QCOMPARE(buttons[0].button, formsOwn);
    QPushButton* made = buttons[1].button;
    QCOMPARE(made->objectName(), QString(mainWindowFamilies[1]->buttonName));
    QCOMPARE(made->text(), QString(mainWindowFamilies[1]->caption));
    QCOMPARE(row->indexOf(made), row->indexOf(first) + 1);
    QCOMPARE(made->parentWidget(), &window);
  }
};

QTEST_MAIN(TestFamilyList)
#include "tst_family_list.moc"
