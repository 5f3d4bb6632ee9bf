#include <QDialog>
#include <QDir>
#include <QPointer>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

#include "base/localised_text.h"
#include "message_box_recorder.h"
#include "widgets/help.h"
#include "widgets/help_pages.h"
#include "widgets/help_window.h"

using namespace dorvane;
using dorvane::testing::MessageBoxRecorder;

namespace {

void Write(const QString& path, const QString& title, const QString& body) {
  QDir().mkpath(QFileInfo(path).path());
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(QString("<html><head><title>%1</title></head><body>%2</body></html>").arg(title, body).toUtf8());
}

QString Shown(const HelpWindow& window) {
  return window.findChild<QTextBrowser*>("txtHelpPage")->toPlainText();
}

}  // namespace

class TestHelpWindow : public QObject {
  Q_OBJECT

  QTemporaryDir m_root;

 private slots:
  // A small help: the start page links its pages in an order of its own,
  // and French lacks one page.
  void initTestCase() {
    Write(m_root.filePath("en/index.html"), "Start", "<a href=\"zeta.html\">z</a> <a href=\"alpha.html\">a</a>");
    Write(m_root.filePath("en/alpha.html"), "Alpha page", "Jumper J2.2 sets the rate. <a href=\"zeta.html\">z</a>");
    Write(m_root.filePath("en/zeta.html"), "Zeta page", "Power cycle the board. <a href=\"alpha.html\">a</a>");
    Write(m_root.filePath("en/orphan.html"), "Orphan page", "Nobody links here.");
    Write(m_root.filePath("fr/index.html"), "Accueil", "<a href=\"zeta.html\">z</a> <a href=\"alpha.html\">a</a>");
    Write(m_root.filePath("fr/alpha.html"), "Page alpha", "Le cavalier J2.2 fixe le débit.");
  }
  void cleanup() { LanguageOffset = kEnglishOffset; }

  void aLanguageLackingAPageFallsBackToEnglishPageByPage() {
    HelpPages pages(m_root.path());
    QCOMPARE(pages.PageFile("alpha", "fr"), m_root.filePath("fr/alpha.html"));
    QCOMPARE(pages.PageFile("zeta", "fr"), m_root.filePath("en/zeta.html"));
    QCOMPARE(pages.PageFile("zeta", "es"), m_root.filePath("en/zeta.html"));
    QVERIFY(pages.PageFile("missing", "fr").isEmpty());
  }

  void contentsFollowTheStartPageThenTheRest() {
    QStringList titles;
    for (const HelpPages::Entry& entry : HelpPages(m_root.path()).Contents("fr")) titles << entry.title;
    QCOMPARE(titles, QStringList({"Accueil", "Zeta page", "Page alpha", "Orphan page"}));
  }

  void searchWantsEveryWordInAnyCase() {
    HelpPages pages(m_root.path());
    auto pagesOf = [&](const QString& words, const QString& language) {
      QStringList found;
      for (const HelpPages::Hit& hit : pages.Search(words, language)) found << hit.page;
      return found;
    };
    QCOMPARE(pagesOf("j2.2", "en"), QStringList({"alpha"}));
    QCOMPARE(pagesOf("POWER board", "en"), QStringList({"zeta"}));
    QCOMPARE(pagesOf("power jumper", "en"), QStringList());
    QCOMPARE(pagesOf("cavalier", "fr"), QStringList({"alpha"}));
    QCOMPARE(pagesOf("   ", "en"), QStringList());
  }

  // A French page read in English for want of a translation still leads to
  // the French pages.
  void linksStayInTheLanguageAfterAFallback() {
    LanguageOffset = kFrenchOffset;
    HelpWindow window{HelpPages(m_root.path())};
    QVERIFY(window.Open("zeta"));
    QVERIFY(Shown(window).contains("Power cycle the board."));
    QCOMPARE(window.CurrentFile(), m_root.filePath("en/zeta.html"));
    auto* browser = window.findChild<QTextBrowser*>("txtHelpPage");
    browser->setSource(browser->source().resolved(QUrl("alpha.html")));
    QVERIFY(Shown(window).contains("Le cavalier J2.2"));
    browser->backward();
    QCOMPARE(window.CurrentPage(), QString("zeta"));
    QVERIFY(!window.Open("missing"));
    QCOMPARE(window.CurrentPage(), QString("zeta"));
  }

  // The compiled-in help: F1 and the Help button open the window's page in
  // the language the tool shows; a page the program lacks says so.
  void f1AndTheHelpButtonOpenTheWindowsPage() {
    MessageBoxRecorder boxes;
    LanguageOffset = kFrenchOffset;
    QWidget window;
    auto* help = new QPushButton("Help", &window);
    AttachHelp(&window, "qm270_window", help);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_F1);
    QVERIFY(CurrentHelpWindow());
    QCOMPARE(CurrentHelpWindow()->CurrentPage(), QString("qm270_window"));
    QCOMPARE(CurrentHelpWindow()->CurrentFile(), QString(":/help/fr/qm270_window.html"));
    QVERIFY(CurrentHelpWindow()->isVisible());
    QCOMPARE(HelpPageOf(&window), QString("qm270_window"));

    LanguageOffset = kSpanishOffset;
    CurrentHelpWindow()->Open("index");
    help->click();
    QCOMPARE(CurrentHelpWindow()->CurrentFile(), QString(":/help/es/qm270_window.html"));
    QCOMPARE(boxes.Count(), 0);

    ShowHelp("no_such_window", &window);
    QCOMPARE(boxes.Count(), 1);
    QCOMPARE(boxes.Last().text, QString("La página de ayuda \"no_such_window\" no forma parte de este programa."));
    QCOMPARE(boxes.Last().title, QString(" Ayuda de Dorvane PELLAR"));
    delete CurrentHelpWindow();
  }

  // A modal window blocks every window but its own, so the help opened from
  // one lives under it, and outlives it.
  void theHelpOutlivesTheDialogItWasOpenedFrom() {
    QWidget main;
    auto* dialog = new QDialog(&main);
    dialog->show();
    ShowHelp("index", dialog);
    QPointer<HelpWindow> help = CurrentHelpWindow();
    QVERIFY(help);
    QCOMPARE(help->parentWidget(), dialog);
    dialog->done(QDialog::Rejected);
    delete dialog;
    QVERIFY(help);
    QCOMPARE(help->parentWidget(), &main);
    QVERIFY(help->isVisible());
    QVERIFY(help->isWindow());
    delete help;
  }
};

QTEST_MAIN(TestHelpWindow)
#include "tst_help_window.moc"
