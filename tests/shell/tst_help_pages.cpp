// Every window of the tool and of the terminal reaches a page of the help in
// each language, every link between pages resolves, and the pages name no
// window the programs do not have.
#include <QDirIterator>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <QtTest>
#include <memory>

#include "base/localised_text.h"
#include "boards/pellar_select_window.h"
#include "discovery/discovery_listing_window.h"
#include "discovery/discovery_result.h"
#include "families/board_family.h"
#include "fake_programming_host.h"
#include "message_box_recorder.h"
#include "monitor/monitor_mode_input_window.h"
#include "monitor/monitor_mode_window.h"
#include "shell/main_window.h"
#include "terminal/open_port_window.h"
#include "terminal/terminal_window.h"
#include "widget_lookup.h"
#include "widgets/help.h"
#include "widgets/programming_window.h"

using namespace dorvane;
using dorvane::testing::Child;

namespace {

const QStringList kLanguages = {"en", "fr", "es"};
const QMap<QString, int> kOffsets = {{"en", kEnglishOffset}, {"fr", kFrenchOffset}, {"es", kSpanishOffset}};

QString Html(const QString& language, const QString& page) {
  QFile file(":/help/" + language + '/' + page + ".html");
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QStringList Pages(const QString& language) {
  QStringList pages;
  QDirIterator it(":/help/" + language, {"*.html"});
  while (it.hasNext()) pages << QFileInfo(it.next()).completeBaseName();
  pages.sort();
  return pages;
}

struct OpenWindow {
  QString page;
  QString title;
};

// Every window the programs open, built in the language of offset, with the
// page its Help and F1 open and its title as it shows.
QList<OpenWindow> EveryWindow(int offset) {
  QList<OpenWindow> found;
  auto take = [&](QWidget& window) { found.append({HelpPageOf(&window), window.windowTitle().simplified()}); };

  LanguageOffset = kEnglishOffset;
  MainWindow main;
  if (offset == kFrenchOffset) Child<QPushButton>(&main, "cmdFrench")->click();
  if (offset == kSpanishOffset) Child<QPushButton>(&main, "cmdSpanish")->click();
  take(main);

  LanguageOffset = offset;
  dorvane::testing::FakeProgrammingHost host;
  PellarSelectWindow select(host, nullptr, {});
  take(select);
  for (const BoardFamily* family : BoardFamilies()) take(*family->openWindow(host, nullptr, {}));
  DeviceList devices;
  DiscoveryListingWindow listing(devices, DiscoveryOutcome{}, nullptr);
  take(listing);
  MonitorModeInputWindow monitorInput(nullptr, {});
  take(monitorInput);
  MonitorModeWindow monitor(nullptr);
  take(monitor);
  terminal::TerminalWindow terminal;
  take(terminal);
  terminal::OpenPortWindow openPort(terminal);
  take(openPort);
  LanguageOffset = kEnglishOffset;
  return found;
}

}  // namespace

class TestHelpPages : public QObject {
  Q_OBJECT

  std::unique_ptr<dorvane::testing::MessageBoxRecorder> m_boxes;

 private slots:
  void init() { m_boxes = std::make_unique<dorvane::testing::MessageBoxRecorder>(); }
  void cleanup() { m_boxes.reset(); }

  void everyLanguageHasTheSamePages() {
    QVERIFY(Pages("en").contains("index"));
    for (QString language : {"fr", "es"}) QCOMPARE(Pages(language), Pages("en"));
  }

  void everyWindowHasItsPageInEachLanguage_data() {
    QTest::addColumn<QString>("language");
    for (const QString& language : kLanguages) QTest::newRow(qPrintable(language)) << language;
  }
  void everyWindowHasItsPageInEachLanguage() {
    QFETCH(QString, language);
    for (const OpenWindow& window : EveryWindow(kOffsets[language])) {
      QVERIFY2(!window.page.isEmpty(), qPrintable(window.title + " has no help page"));
      QVERIFY2(!Html(language, window.page).isEmpty(),
               qPrintable(QString("%1: %2/%3.html is missing").arg(window.title, language, window.page)));
    }
  }

  void everyLinkResolves_data() { everyWindowHasItsPageInEachLanguage_data(); }
  void everyLinkResolves() {
    QFETCH(QString, language);
    static const QRegularExpression href("href\\s*=\\s*\"([^\"]*)\"");
    static const QRegularExpression pageLink("^([a-z0-9_]+)\\.html(?:#([A-Za-z0-9_-]+))?$");
    static const QRegularExpression inPage("^#([A-Za-z0-9_-]+)$");
    QStringList broken;
    for (const QString& page : Pages(language)) {
      for (const QRegularExpressionMatch& link : href.globalMatch(Html(language, page))) {
        QString target = link.captured(1);
        if (target == "../style.css" || target.startsWith("mailto:") || target.startsWith("tel:")) continue;
        QString targetPage = page;
        QString anchor;
        if (QRegularExpressionMatch m = pageLink.match(target); m.hasMatch()) {
          targetPage = m.captured(1);
          anchor = m.captured(2);
        } else if (QRegularExpressionMatch a = inPage.match(target); a.hasMatch()) {
          anchor = a.captured(1);
        } else {
          broken << page + ": " + target + " (not a page of the help)";
          continue;
        }
        QString html = Html(language, targetPage);
        if (html.isEmpty()) {
          broken << page + ": " + target + " (no such page)";
        } else if (!anchor.isEmpty() && !html.contains("name=\"" + anchor + "\"")) {
          broken << page + ": " + target + " (no such anchor)";
        }
      }
    }
    QVERIFY2(broken.isEmpty(), qPrintable(broken.join('\n')));
  }

  // Pages mark each window they name; the name must be one a window shows
  // in that language (the main window's title goes on with its version).
  void pagesNameOnlyWindowsThatExist_data() { everyWindowHasItsPageInEachLanguage_data(); }
  void pagesNameOnlyWindowsThatExist() {
    QFETCH(QString, language);
    QStringList titles{"Serial Devices"};  // the terminal's list, opened from its selection window
    for (const OpenWindow& window : EveryWindow(kOffsets[language])) titles << window.title;
    static const QRegularExpression span("<span class=\"window\">(.*?)</span>",
                                         QRegularExpression::DotMatchesEverythingOption);
    QStringList unknown;
    for (const QString& page : Pages(language)) {
      for (const QRegularExpressionMatch& match : span.globalMatch(Html(language, page))) {
        QString name = QTextDocumentFragment::fromHtml(match.captured(1)).toPlainText().simplified();
        bool known = std::any_of(titles.begin(), titles.end(), [&](const QString& t) { return t.startsWith(name); });
        if (!known || name.isEmpty()) unknown << page + ": \"" + name + '"';
      }
    }
    QVERIFY2(unknown.isEmpty(), qPrintable(unknown.join('\n') + "\nwindows: " + titles.join(" | ")));
  }
};

QTEST_MAIN(TestHelpPages)
#include "tst_help_pages.moc"
