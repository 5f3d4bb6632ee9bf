#pragma once
// The help window: the pages compiled into the program, shown inside the
// tool on every system, with the contents, a search over the pages' words,
// and back, forward and start buttons. One window serves the whole program;
// each window's Help button and F1 bring it to that window's page.

#include <QString>
#include <QWidget>

#include "widgets/help_pages.h"

class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;
class QToolButton;

namespace dorvane {

// The help window's own words in the string table.
inline constexpr int kHelpTitleText = 1150;
inline constexpr int kHelpContentsText = 1151;
inline constexpr int kHelpSearchText = 1152;
inline constexpr int kHelpBackText = 1153;
inline constexpr int kHelpForwardText = 1154;
inline constexpr int kHelpStartPageText = 1155;
inline constexpr int kHelpMissingPageText = 1156;
inline constexpr int kHelpNoHitsText = 1157;

class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  explicit HelpWindow(HelpPages pages = HelpPages(), QWidget* parent = nullptr);

  // Shows page in the language the tool shows now; false, with nothing
  // changed, when the program carries no such page in any language.
  bool Open(const QString& page);

  // The page shown, and its language folder ("en" for a page read in
  // English for want of a translation).
  QString CurrentPage() const;
  QString CurrentFile() const;

 private:
  void SetLanguage(const QString& language);
  void ShowHits();
  void Retitle();

  HelpPages m_pages;
  QString m_language;
  QTextBrowser* m_browser;
  QTabWidget* m_tabs;
  QListWidget* m_contents;
  QLineEdit* m_searchBox;
  QListWidget* m_hits;
  QToolButton* m_back;
  QToolButton* m_forward;
  QToolButton* m_home;
};

}  // namespace dorvane
